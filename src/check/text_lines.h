// Line and column numbers of places in a text, for findings.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace plotwarden {

// Where each line of a text starts: lines end at LF (alone or after CR).
struct LineStarts {
  std::vector<uint32_t> starts;
};

LineStarts findLineStarts(std::string_view text);

// The 1-based line and byte column of the character at `offset`.
uint32_t lineAt(const LineStarts& lines, uint32_t offset);
uint32_t columnAt(const LineStarts& lines, uint32_t offset);

// How many lines the text has: a last line without a line end counts.
inline uint32_t lineCount(const LineStarts& lines) {
  return static_cast<uint32_t>(lines.starts.size());
}

}  // namespace plotwarden
