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

// Cuts one token from `source` into `destination` (null: only count) and
// returns the number of source characters consumed (0: source exhausted).
// Works on at most `maxLength` characters when it is above 0. Leading
// `skipLeading` characters are passed over; quote characters flip an
// in-quotes flag and are dropped; outside quotes a terminator ends the token
// and is consumed, a stopper ends it unconsumed, a drop character is skipped.
// Finally `trimTrailing` characters are removed from the token's end.
size_t takeToken(std::string* destination, std::string_view source, std::string_view skipLeading,
                 std::string_view trimTrailing, std::string_view drop, std::string_view terminators,
                 std::string_view stoppers, std::string_view quotes, long maxLength);

// Copies at most n characters of `source` into `destination`; returns the count.
size_t boundedCopy(std::string& destination, std::string_view source, size_t n);

// Digits, plus '.' with allowDot and a leading '-' with allowMinus. With
// `whole` every character must be good, otherwise one good one suffices.
bool isNumber(std::string_view text, bool whole, bool allowDot, bool allowMinus);

// a == b, or equal after toupper when not case-sensitive.
bool sameChar(char a, char b, bool caseSensitive);

// Reads a number or range item ("5", "-5", "6-16", "-5--3") against the
// bounds: the lower bound only rises, and a range whose upper end exceeds a
// proper incoming interval is refused. On success the bounds receive the
// range that was read; otherwise they are left alone. Numbers beyond 32 bits
// saturate at the ends of the int32_t range.
bool parseRange(std::string_view item, bool singleOk, int32_t& lower, int32_t& upper,
                bool* isRange);

// True when the whole text matches the pattern. Level 0: equality; 1: '?'
// and '*'; 2: '[...]' classes; 3: '|' and comma alternatives in classes.
// Letters compare without regard to case unless caseSensitive (level 0
// always compares exactly). Never reads past the text's end; polynomial time.
bool wildcardMatch(std::string_view pattern, std::string_view text, int level, bool caseSensitive);

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

// Cuts `list` as matchInList does and reads each item against the bounds.
void cutList(CutList& cut, std::string_view list, std::string_view skipLeading,
             std::string_view trimTrailing, std::string_view drop, std::string_view separators,
             std::string_view quotes, int32_t lower, int32_t upper);

// matchInList of a list already cut with these bounds.
bool cutListAccepts(const CutList& cut, std::string_view value, int level, int32_t& lower,
                    int32_t& upper, bool* isRange, bool caseSensitive);

// True when an item of the list (numbers, ranges or patterns, cut at the
// separators, at most 512 characters each) accepts the value. A numeric item
// that accepts a whole-number value writes its range to the bounds and sets
// isRange when it was a range.
bool matchInList(std::string_view list, std::string_view value, int level,
                 std::string_view skipLeading, std::string_view trimTrailing, std::string_view drop,
                 std::string_view separators, std::string_view quotes, int32_t& lower,
                 int32_t& upper, bool* isRange, bool caseSensitive);

}  // namespace plotwarden
