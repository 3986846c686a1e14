#include "dictionary/forward_search.h"

#include "dictionary/word_scan.h"

namespace plotwarden {

size_t searchAfresh(ForwardSearch& search, std::string_view text, size_t position) {
  search.found = findEither(text.data(), position, text.size(), search.target, search.otherTarget);
  search.from = position;
  return search.found;
}

}  // namespace plotwarden
