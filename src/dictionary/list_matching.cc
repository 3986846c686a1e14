#include "dictionary/list_matching.h"

#include <cstdint>
#include <limits>

#include "platform/ascii_case.h"

namespace plotwarden {

namespace {

constexpr long kListItemLimit = 512;
// A range item's pieces: blanks around them removed, cut at each '-'.
constexpr TokenRules kRangePieceRules{" ", " ", "", "-", "", "", 63};

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

// The two numbers of a range item as text, a '-' before a number kept as
// its sign: "6-16" is {"6", "16"}, "-5--3" is {"-5", "-3"}, "7" and "-5" have
// no second number.
struct RangeTexts {
  std::string first;
  std::string second;
};

RangeTexts cutRangeTexts(std::string_view item) {
  std::string pieces[4];
  size_t offset = 0;
  for (std::string& piece : pieces)
    offset += takeToken(&piece, item.substr(offset), kRangePieceRules);
  // An empty first piece means the item began with '-', the sign of the
  // first number; an empty third piece then means "--", a negative upper end.
  if (!pieces[0].empty() || pieces[1].empty()) return {pieces[0], pieces[1]};
  if (!pieces[2].empty()) return {"-" + pieces[1], pieces[2]};
  // '-5' (or '-5-') has no upper end at all: it is the single number -5, not
  // the range from -5 to a lone "-" read as 0.
  return {"-" + pieces[1], pieces[3].empty() ? std::string() : "-" + pieces[3]};
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
  return a == b || (!caseSensitive && asciiUpper(a) == asciiUpper(b));
}

bool parseRange(std::string_view item, bool singleOk, int32_t& lower, int32_t& upper,
                bool* isRange) {
  if (item.empty()) return false;
  const auto [first, second] = cutRangeTexts(item);

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

void cutList(CutList& cut, std::string_view list, const TokenRules& itemRules, int32_t lower,
             int32_t upper) {
  TokenRules rules = itemRules;
  rules.maxLength = kListItemLimit;
  cut.count = 0;
  size_t offset = 0;
  for (;;) {
    if (cut.count == cut.items.size()) cut.items.emplace_back();
    ListItem& item = cut.items[cut.count];
    const size_t consumed = takeToken(&item.text, list.substr(offset), rules);
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

bool cutListAccepts(const CutList& cut, std::string_view value, WildcardLevel level, int32_t& lower,
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

}  // namespace plotwarden
