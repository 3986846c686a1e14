// Settings the whole run shares: the three characters that structure
// dictionary files, and the naming mode. Set once before any dictionary is
// read; read by the reader, classification, key-in scanning and the writers.
#pragma once

#include <string_view>

namespace plotwarden {

namespace run_options_detail {
// Read for every field of every feature: the accessors below are inline.
struct RunOptions {
  char separator[2] = {0, 0};
  char marker = 0;
  char quote[2] = {0, 0};
  bool layerNaming = false;
};
inline RunOptions options;
}  // namespace run_options_detail

void setStructuringCharacters(char separator, char marker, char quote);
inline char fieldSeparator() { return run_options_detail::options.separator[0]; }
inline char lineMarker() { return run_options_detail::options.marker; }
inline char quoteChar() { return run_options_detail::options.quote[0]; }

// One-character texts of the separator and the quote; empty when the
// character is NUL, so that an unset quote makes no character a quote.
inline std::string_view fieldSeparatorText() {
  return std::string_view(run_options_detail::options.separator);
}
inline std::string_view quoteText() { return std::string_view(run_options_detail::options.quote); }

// True in layer mode (Layer, Block, Color, Linetype), false in level mode
// (Level, Cell, Colour, Style).
void setLayerNaming(bool layerMode);
inline bool layerNaming() { return run_options_detail::options.layerNaming; }

}  // namespace plotwarden
