#include "dictionary/list_matching.h"

#include <cctype>
#include <cstdint>
#include <limits>

namespace plotwarden {

namespace {

constexpr long kRangeTokenLimit = 63;
constexpr long kListItemLimit = 512;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The value of a text that isNumber accepts as a whole integer (an optional
// '-' and digits; a lone "-" is 0). Values beyond the 32-bit range saturate
// at its ends, so "99999999999" reads as 2147483647.
int32_t saturatedValue(std::string_view text) {
  bool negative = !text.empty() && text.front() == '-';
  constexpr int64_t kCap = int64_t{std::numeric_limits<int32_t>::max()} + 1;
  int64_t magnitude = 0;
  for (char c : text) {
    if (!isDigit(c)) continue;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > kCap) magnitude = kCap;
  }
  if (negative) return static_cast<int32_t>(-magnitude);
  return static_cast<int32_t>(magnitude == kCap ? kCap - 1 : magnitude);
}

bool isWholeInteger(std::string_view text) { return isNumber(text, true, false, true); }

// Cuts the next '-'-separated piece of a range item, blanks removed at both
// ends; `offset` moves past what was consumed.
void takeRangeToken(std::string_view item, size_t& offset, std::string& token) {
  offset += takeToken(&token, item.substr(offset), " ", " ", "", "-", "", "", kRangeTokenLimit);
}

}  // namespace

bool isNumber(std::string_view text, bool whole, bool allowDot, bool allowMinus) {
  if (text.empty()) return false;
  bool anyGood = false;
  bool anyBad = false;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    bool good = isDigit(c) || (allowDot && c == '.') || (allowMinus && c == '-' && i == 0);
    anyGood = anyGood || good;
    anyBad = anyBad || !good;
  }
  return whole ? !anyBad : anyGood;
}

bool sameChar(char a, char b, bool caseSensitive) {
  if (a == b) return true;
  if (caseSensitive) return false;
  return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
}

bool parseRange(std::string_view item, bool singleOk, int32_t& lower, int32_t& upper,
                bool* isRange) {
  if (item.empty()) return false;
  std::string first;
  std::string second;
  std::string third;
  size_t offset = 0;
  takeRangeToken(item, offset, first);
  takeRangeToken(item, offset, second);
  takeRangeToken(item, offset, third);

  // An empty first piece means the item began with '-': the first number is
  // negative. An empty third piece then means "--", a negative upper end.
  if (first.empty() && !second.empty()) {
    first = "-" + second;
    if (third.empty()) {
      std::string fourth;
      takeRangeToken(item, offset, fourth);
      // '-5' (or '-5-') has no upper end at all: it is the single number -5,
      // not the range from -5 to a lone "-" read as 0.
      second = fourth.empty() ? std::string() : "-" + fourth;
    } else {
      second = third;
    }
  }

  if (isRange) *isRange = false;
  if (!isWholeInteger(first)) return false;
  int32_t firstNumber = saturatedValue(first);
  // The bounds change only when the item is accepted.
  int32_t newLower = firstNumber >= lower ? firstNumber : lower;

  if (second.empty()) {
    if (!singleOk) return false;
    lower = newLower;
    upper = firstNumber;
    return true;
  }

  if (!isWholeInteger(second)) return false;
  int32_t secondNumber = saturatedValue(second);
  if (isRange) *isRange = true;
  if (lower < upper && secondNumber > upper) return false;
  lower = newLower;
  upper = secondNumber;
  return true;
}

void cutList(CutList& cut, std::string_view list, std::string_view skipLeading,
             std::string_view trimTrailing, std::string_view drop, std::string_view separators,
             std::string_view quotes, int32_t lower, int32_t upper) {
  cut.count = 0;
  size_t offset = 0;
  for (;;) {
    if (cut.count == cut.items.size()) cut.items.emplace_back();
    ListItem& item = cut.items[cut.count];
    size_t consumed = takeToken(&item.text, list.substr(offset), skipLeading, trimTrailing, drop,
                                separators, "", quotes, kListItemLimit);
    if (consumed == 0) return;
    offset += consumed;
    ++cut.count;
    // Every item is read against the same bounds: they change only when an
    // item accepts the value, and that ends the list.
    item.lower = lower;
    item.upper = upper;
    item.numeric = parseRange(item.text, true, item.lower, item.upper, &item.isRange);
  }
}

bool cutListAccepts(const CutList& cut, std::string_view value, int level, int32_t& lower,
                    int32_t& upper, bool* isRange, bool caseSensitive) {
  if (isRange) *isRange = false;
  bool numeric = isWholeInteger(value);
  int32_t number = numeric ? saturatedValue(value) : 0;
  for (size_t i = 0; i < cut.count; ++i) {
    const ListItem& item = cut.items[i];
    // A number or range decides alone: when the value falls outside it, the
    // item is not tried as a pattern.
    if (numeric && item.numeric) {
      if (number >= item.lower && number <= item.upper) {
        lower = item.lower;
        upper = item.upper;
        // isRange tells whether the accepting item was a range; it stays
        // false when a pattern accepted the value.
        if (isRange) *isRange = item.isRange;
        return true;
      }
      continue;
    }
    if (wildcardMatch(item.text, value, level, caseSensitive)) return true;
  }
  return false;
}

bool matchInList(std::string_view list, std::string_view value, int level,
                 std::string_view skipLeading, std::string_view trimTrailing, std::string_view drop,
                 std::string_view separators, std::string_view quotes, int32_t& lower,
                 int32_t& upper, bool* isRange, bool caseSensitive) {
  CutList cut;
  cutList(cut, list, skipLeading, trimTrailing, drop, separators, quotes, lower, upper);
  return cutListAccepts(cut, value, level, lower, upper, isRange, caseSensitive);
}

}  // namespace plotwarden
