#include <array>
#include <cstdint>
#include <functional>

#include "dictionary/list_matching.h"

namespace plotwarden {

namespace {

// What a character means to the scanner. A character in several sets takes
// the meaning tested first: quote, then terminator, stopper and drop.
enum CharMeaning : uint8_t { PLAIN, QUOTE, TERMINATOR, STOPPER, DROP };

struct Meanings {
  std::array<CharMeaning, 256> of{};

  Meanings(std::string_view drop, std::string_view stoppers, std::string_view terminators,
           std::string_view quotes) {
    // Marked from the last tested to the first, so the first one wins.
    mark(drop, DROP);
    mark(stoppers, STOPPER);
    mark(terminators, TERMINATOR);
    mark(quotes, QUOTE);
  }
  void mark(std::string_view set, CharMeaning meaning) {
    for (char c : set) of[static_cast<unsigned char>(c)] = meaning;
  }
  CharMeaning operator[](char c) const { return of[static_cast<unsigned char>(c)]; }
};

// Sets hold a character or two, so a plain loop beats a library search.
bool inSet(std::string_view set, char c) {
  for (char member : set)
    if (member == c) return true;
  return false;
}

// True when `source` lies in the storage of `destination`, so that writing
// the token would overwrite the characters still to be read.
bool sharesStorage(const std::string& destination, std::string_view source) {
  std::less<const char*> before;
  const char* begin = destination.data();
  const char* end = begin + destination.capacity();
  return !source.empty() && !before(source.data(), begin) && before(source.data(), end);
}

}  // namespace

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

  // Characters that mean nothing here are copied a run at a time; inside
  // quotes only a quote character means something.
  const Meanings meanings(drop, stoppers, terminators, quotes);
  bool inQuotes = false;
  while (at < source.size()) {
    const size_t runStart = at;
    if (inQuotes) {
      while (at < source.size() && meanings[source[at]] != QUOTE) ++at;
    } else {
      while (at < source.size() && meanings[source[at]] == PLAIN) ++at;
    }
    if (destination) destination->append(source, runStart, at - runStart);
    if (at == source.size()) break;

    const CharMeaning meaning = meanings[source[at]];
    if (meaning == QUOTE) {
      inQuotes = !inQuotes;
      ++at;
    } else if (meaning == TERMINATOR) {
      ++at;
      break;
    } else if (meaning == STOPPER) {
      break;
    } else {  // dropped
      ++at;
    }
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
