#include "check/text_lines.h"

#include <algorithm>
#include <cstring>

namespace plotwarden {

LineStarts findLineStarts(std::string_view text) {
  LineStarts lines;
  lines.starts.push_back(0);
  const char* at = text.data();
  const char* end = text.data() + text.size();
  while (const void* found = std::memchr(at, '\n', static_cast<size_t>(end - at))) {
    at = static_cast<const char*>(found) + 1;
    if (at == end) break;  // a line end closes the last line; no empty line follows
    lines.starts.push_back(static_cast<uint32_t>(at - text.data()));
  }
  return lines;
}

uint32_t lineAt(const LineStarts& lines, uint32_t offset) {
  auto after = std::upper_bound(lines.starts.begin(), lines.starts.end(), offset);
  return static_cast<uint32_t>(after - lines.starts.begin());
}

uint32_t columnAt(const LineStarts& lines, uint32_t offset) {
  return offset - lines.starts[lineAt(lines, offset) - 1] + 1;
}

}  // namespace plotwarden
