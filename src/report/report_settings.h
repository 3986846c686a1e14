// What the run tells the report writers about the report as a whole.
#pragma once

#include <string_view>

namespace plotwarden {

struct ReportSettings {
  // True for the layer words (Layer, Block, Color, Linetype), false for the
  // level words (Level, Cell, Colour, Style).
  bool layerNaming = false;
  // The modern document (--modern): valid HTML, every dictionary text
  // escaped, sections with ids made from `anchor`, the dictionary's.
  bool modern = false;
  std::string_view anchor;
};

}  // namespace plotwarden
