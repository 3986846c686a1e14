// Composing a text from pieces into a buffer that is reused from call to call.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

namespace plotwarden {

// Copies `pieces` one after another into the start of `buffer` and returns
// the text they make. The buffer's size only grows, and what lies past the
// text is left as it is, so that composing a cell is copying its pieces,
// with no character cleared first and no growth per piece. No piece may
// lie in the buffer.
template <typename... Pieces>
std::string_view composeText(std::string& buffer, const Pieces&... pieces) {
  const size_t total = (std::string_view(pieces).size() + ...);
  if (buffer.size() < total) buffer.resize(std::max(total, 2 * buffer.size()));
  char* to = buffer.data();
  auto copy = [&to](std::string_view piece) {
    if (!piece.empty()) std::memcpy(to, piece.data(), piece.size());
    to += piece.size();
  };
  (copy(std::string_view(pieces)), ...);
  return std::string_view(buffer.data(), total);
}

}  // namespace plotwarden
