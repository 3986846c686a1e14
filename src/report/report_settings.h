// What the run tells the report writers about the report as a whole.
#pragma once

#include <string_view>

namespace plotwarden {

// How many threads write a section's blocks at most, the calling thread
// among them, and how many features make a block. One thread writes
// everything straight into the report.
struct BlockConcurrency {
  int threads = 1;
  int featuresPerBlock = 256;
};

// The machine's processor count, at least 1 and at most 8, with the usual
// block size.
BlockConcurrency defaultBlockConcurrency();

struct ReportSettings {
  // True for the layer words (Layer, Block, Color, Linetype), false for the
  // level words (Level, Cell, Colour, Style).
  bool layerNaming = false;
  // The modern document (--modern): valid HTML, every dictionary text
  // escaped, sections with ids made from `anchor`, the dictionary's.
  bool modern = false;
  std::string_view anchor = {};
  BlockConcurrency blocks = defaultBlockConcurrency();
};

}  // namespace plotwarden
