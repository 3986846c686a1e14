// Sets the run-wide structuring characters and naming mode for one test and puts
// the previous settings back when it ends.
#pragma once

#include "dictionary/run_options.h"

namespace plotwarden::test_support {

class RunOptionsGuard {
 public:
  RunOptionsGuard(char quote, bool layerMode)
      : separator_(fieldSeparator()),
        marker_(lineMarker()),
        quote_(quoteChar()),
        layerMode_(layerNaming()) {
    setStructuringCharacters(separator_, marker_, quote);
    setLayerNaming(layerMode);
  }
  RunOptionsGuard(char separator, char marker, char quote, bool layerMode)
      : RunOptionsGuard(quote, layerMode) {
    setStructuringCharacters(separator, marker, quote);
  }
  ~RunOptionsGuard() {
    setStructuringCharacters(separator_, marker_, quote_);
    setLayerNaming(layerMode_);
  }
  RunOptionsGuard(const RunOptionsGuard&) = delete;
  RunOptionsGuard& operator=(const RunOptionsGuard&) = delete;

 private:
  char separator_, marker_, quote_;
  bool layerMode_;
};

}  // namespace plotwarden::test_support
