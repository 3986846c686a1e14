// The matching toolkit: a token scanner, a numeric test, a range reader, a
// wildcard matcher with four levels of syntax, and a list test built on them.
// Nothing here keeps state between calls. A character set is a text whose
// characters form the set; an empty text is the empty set.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plotwarden {

// How takeToken cuts a token. Each set is a text whose characters form it.
// Leading `skipLeading` characters are passed over; quote characters flip an
// in-quotes flag and are dropped; outside quotes a terminator ends the token
// and is consumed, a stopper ends it unconsumed, a drop character is
// skipped; finally `trimTrailing` characters are removed from the token's
// end. Only the first `maxLength` characters are looked at when it is above 0.
struct TokenRules {
  std::string_view skipLeading;
  std::string_view trimTrailing;
  std::string_view drop;
  std::string_view terminators;
  std::string_view stoppers;
  std::string_view quotes;
  long maxLength = 0;
};

// Cuts one token from `source` into `destination` (null: only count) and
// returns the number of source characters consumed (0: source exhausted).
size_t takeToken(std::string* destination, std::string_view source, const TokenRules& rules);

// Digits, plus '.' with allowDot and a leading '-' with allowMinus. With
// `whole` every character must be good, otherwise one good one suffices.
bool isNumber(std::string_view text, bool whole, bool allowDot, bool allowMinus);

// a == b, or equal without regard to ASCII letter case when not case-sensitive.
bool sameChar(char a, char b, bool caseSensitive);

// Reads a number or range item ("5", "-5", "6-16", "-5--3") against the
// bounds: the lower bound only rises, and a range whose upper end exceeds a
// proper incoming interval is refused. On success the bounds receive the
// range that was read; otherwise they are left alone. Numbers beyond 32 bits
// saturate at the ends of the int32_t range.
bool parseRange(std::string_view item, bool singleOk, int32_t& lower, int32_t& upper,
                bool* isRange);

// How much pattern syntax a match understands; each level adds to the one
// before it.
enum class WildcardLevel {
  kExact,         // equality, letter case included
  kAnyCharacter,  // '?' (one letter or digit) and '*' (any run)
  kClasses,       // '[...]' classes, '[^...]' negated, 'a-z' ranges
  kAlternatives,  // '|' (one character or none) and comma alternatives in classes
};

// True when the whole text matches the pattern. Letters compare without
// regard to case unless caseSensitive. Never reads past the text's end;
// polynomial time.
bool wildcardMatch(std::string_view pattern, std::string_view text, WildcardLevel level,
                   bool caseSensitive);

// The number of text characters a class alternative spans: brackets are not
// counted, and a range such as 'a-z' counts as one.
size_t alternativeWidth(std::string_view alternative);

// One item of a list, read once: its text and, when parseRange accepts it
// against the bounds the list was cut with, the range it stands for.
struct ListItem {
  std::string text;
  bool numeric = false;
  bool isRange = false;
  int32_t lower = 0;
  int32_t upper = 0;
};

// A list cut into its items, so that many values can be tested against it
// without cutting it again. Refilling keeps the storage of earlier items.
struct CutList {
  std::vector<ListItem> items;
  size_t count = 0;
};

// Cuts `list` into items with `itemRules` (each item at most 512 characters)
// and reads each item against the bounds.
void cutList(CutList& cut, std::string_view list, const TokenRules& itemRules, int32_t lower,
             int32_t upper);

// True when an item of the cut list (numbers, ranges or patterns) accepts the
// value. A numeric item that accepts a whole-number value writes its range to
// the bounds and sets isRange when it was a range.
bool cutListAccepts(const CutList& cut, std::string_view value, WildcardLevel level, int32_t& lower,
                    int32_t& upper, bool* isRange, bool caseSensitive);

}  // namespace plotwarden
