// What the run tells the report writers about the report as a whole.
#pragma once

namespace plotwarden {

struct ReportSettings {
  // True for the layer words (Layer, Block, Color, Linetype), false for the
  // level words (Level, Cell, Colour, Style).
  bool layerNaming = false;
};

}  // namespace plotwarden
