#include <functional>

#include "dictionary/list_matching.h"

namespace plotwarden {

// Sets hold a character or two, so a plain loop beats a library search.
static bool inSet(std::string_view set, char c) {
  for (char member : set)
    if (member == c) return true;
  return false;
}

// True when `source` lies in the storage of `destination`, so that writing
// the token would overwrite the characters still to be read.
static bool sharesStorage(const std::string& destination, std::string_view source) {
  std::less<const char*> before;
  const char* begin = destination.data();
  const char* end = begin + destination.capacity();
  return !source.empty() && !before(source.data(), begin) && before(source.data(), end);
}

size_t takeToken(std::string* destination, std::string_view source,
                 std::string_view skipLeading, std::string_view trimTrailing,
                 std::string_view drop, std::string_view terminators,
                 std::string_view stoppers, std::string_view quotes, long maxLength) {
  // The scanner sees at most maxLength characters, and never past a NUL.
  size_t nul = source.find('\0');
  if (nul != std::string_view::npos) source = source.substr(0, nul);
  if (maxLength > 0) source = source.substr(0, static_cast<size_t>(maxLength));

  // Cutting a text into itself reads from a private copy of it.
  std::string privateCopy;
  if (destination && sharesStorage(*destination, source)) {
    privateCopy.assign(source);
    source = privateCopy;
  }
  if (destination) destination->clear();

  size_t at = 0;
  while (at < source.size() && inSet(skipLeading, source[at])) ++at;

  bool inQuotes = false;
  for (; at < source.size(); ++at) {
    char c = source[at];
    if (inSet(quotes, c)) {
      inQuotes = !inQuotes;
      continue;
    }
    if (!inQuotes) {
      if (inSet(terminators, c)) {
        ++at;
        break;
      }
      if (inSet(stoppers, c)) break;
      if (inSet(drop, c)) continue;
    }
    if (destination) destination->push_back(c);
  }

  if (destination)
    while (!destination->empty() && inSet(trimTrailing, destination->back()))
      destination->pop_back();
  return at;
}

size_t boundedCopy(std::string& destination, std::string_view source, size_t n) {
  destination.assign(source.substr(0, n));
  return destination.size();
}

}  // namespace plotwarden
