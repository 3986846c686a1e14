#include "dictionary/run_options.h"

namespace plotwarden {

namespace {
struct RunOptions {
  char separator[2] = {0, 0};
  char marker = 0;
  char quote[2] = {0, 0};
  bool layerNaming = false;
};
RunOptions options;
}  // namespace

void setStructuringCharacters(char separator, char marker, char quote) {
  options.separator[0] = separator;
  options.marker = marker;
  options.quote[0] = quote;
}

char fieldSeparator() { return options.separator[0]; }
char lineMarker() { return options.marker; }
char quoteChar() { return options.quote[0]; }
std::string_view fieldSeparatorText() { return std::string_view(options.separator); }
std::string_view quoteText() { return std::string_view(options.quote); }

void setLayerNaming(bool layerMode) { options.layerNaming = layerMode; }
bool layerNaming() { return options.layerNaming; }

}  // namespace plotwarden
