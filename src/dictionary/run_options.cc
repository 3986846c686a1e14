#include "dictionary/run_options.h"

namespace plotwarden {

using run_options_detail::options;

void setStructuringCharacters(char separator, char marker, char quote) {
  options.separator[0] = separator;
  options.marker = marker;
  options.quote[0] = quote;
}

void setLayerNaming(bool layerMode) { options.layerNaming = layerMode; }

}  // namespace plotwarden
