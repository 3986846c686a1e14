// Finding the next occurrence of either of two characters in a text whose
// reader only moves forward, without scanning any stretch of the text twice.
#pragma once

#include <cstddef>
#include <string_view>

namespace plotwarden {

// Remembers where `target` or `otherTarget` (give one character twice to
// look for it alone) next occurs, and from which point that was found. A
// later question from a point at or before that occurrence has the same
// answer, so the text is scanned again only once the reader has passed it.
struct ForwardSearch {
  char target;
  char otherTarget;
  size_t from = std::string_view::npos;
  size_t found = 0;
};

// Scans `text` from `position` for the first target and remembers it.
size_t searchAfresh(ForwardSearch& search, std::string_view text, size_t position);

// The first position at or after `position` that holds a target, or the
// text's size when there is none. Over questions asked at rising positions
// the text is scanned once in all.
inline size_t findFrom(ForwardSearch& search, std::string_view text, size_t position) {
  if (position < search.from || search.found < position)
    return searchAfresh(search, text, position);
  return search.found;
}

}  // namespace plotwarden
