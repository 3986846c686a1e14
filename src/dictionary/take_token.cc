#include <array>
#include <cstdint>
#include <functional>

#include "dictionary/list_matching.h"

namespace plotwarden {

namespace {

// Sets hold a character or two, so a plain loop beats a library search.
bool inSet(std::string_view set, char c) {
  for (char member : set)
    if (member == c) return true;
  return false;
}

// The characters that mean something to the scanner, as a bit per byte
// value, so that ordinary characters are passed over with one test each.
struct CharSet {
  std::array<uint64_t, 4> bits{};

  void add(char c) {
    const auto byte = static_cast<unsigned char>(c);
    bits[byte >> 6] |= uint64_t{1} << (byte & 63);
  }
  void add(std::string_view set) {
    for (char c : set) add(c);
  }
  bool has(char c) const {
    const auto byte = static_cast<unsigned char>(c);
    return (bits[byte >> 6] >> (byte & 63)) & 1;
  }
};

// True when `source` lies in the storage of `destination`, so that writing
// the token would overwrite the characters still to be read.
bool sharesStorage(const std::string& destination, std::string_view source) {
  std::less<const char*> before;
  const char* begin = destination.data();
  const char* end = begin + destination.capacity();
  return !source.empty() && !before(source.data(), begin) && before(source.data(), end);
}

}  // namespace

size_t takeToken(std::string* destination, std::string_view source, const TokenRules& rules) {
  // The scanner sees at most maxLength characters, and never past a NUL
  // (which the scan below treats as the end).
  if (rules.maxLength > 0) source = source.substr(0, static_cast<size_t>(rules.maxLength));

  // Cutting a text into itself reads from a private copy of it.
  std::string privateCopy;
  if (destination && sharesStorage(*destination, source)) {
    privateCopy.assign(source);
    source = privateCopy;
  }
  if (destination) destination->clear();

  size_t at = 0;
  while (at < source.size() && source[at] != '\0' && inSet(rules.skipLeading, source[at])) ++at;

  // Ordinary characters are copied a run at a time; inside quotes only a
  // quote character means something. A character in several sets takes the
  // meaning tested first: quote, terminator, stopper, drop.
  CharSet quoteOrEnd;
  quoteOrEnd.add('\0');
  quoteOrEnd.add(rules.quotes);
  CharSet meaningful = quoteOrEnd;
  meaningful.add(rules.terminators);
  meaningful.add(rules.stoppers);
  meaningful.add(rules.drop);
  bool inQuotes = false;
  while (at < source.size()) {
    const CharSet& ending = inQuotes ? quoteOrEnd : meaningful;
    const size_t runStart = at;
    while (at < source.size() && !ending.has(source[at])) ++at;
    if (destination) destination->append(source.data() + runStart, at - runStart);
    if (at == source.size()) break;

    const char c = source[at];
    if (c == '\0') break;
    if (inSet(rules.quotes, c)) {
      inQuotes = !inQuotes;
      ++at;
    } else if (inSet(rules.terminators, c)) {
      ++at;
      break;
    } else if (inSet(rules.stoppers, c)) {
      break;
    } else {  // dropped
      ++at;
    }
  }

  if (destination)
    while (!destination->empty() && inSet(rules.trimTrailing, destination->back()))
      destination->pop_back();
  return at;
}

}  // namespace plotwarden
