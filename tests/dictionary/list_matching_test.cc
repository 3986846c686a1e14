#include "dictionary/list_matching.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace plotwarden {
namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

TEST(IsNumber, HonoursTheWholeDotAndMinusFlags) {
  struct NumberCase {
    const char* text;
    bool whole;
    bool allowDot;
    bool allowMinus;
    bool expected;
  };
  const NumberCase cases[] = {
      {"", true, true, true, false},       {"", false, true, true, false},
      {"12", true, false, false, true},    {"12.5", true, true, false, true},
      {"12.5", true, false, false, false}, {"1.2.3", true, true, false, true},
      {"-7", true, false, true, true},     {"7-", true, false, true, false},
      {"-7", true, false, false, false},   {"--7", true, false, true, false},
      {"-", true, false, true, true},      {"-", true, false, false, false},
      {"a1", false, false, false, true},   {"ab", false, false, false, false},
      {"a1", true, false, false, false},   {"-", false, false, true, true},
      {" 7", true, false, true, false},    {"1*", true, false, true, false},
  };
  for (const NumberCase& c : cases)
    EXPECT_EQ(isNumber(c.text, c.whole, c.allowDot, c.allowMinus), c.expected)
        << '"' << c.text << "\" whole=" << c.whole << " dot=" << c.allowDot
        << " minus=" << c.allowMinus;
}

TEST(SameChar, IgnoresCaseUnlessAsked) {
  EXPECT_TRUE(sameChar('a', 'A', false));
  EXPECT_FALSE(sameChar('a', 'A', true));
  EXPECT_TRUE(sameChar('7', '7', true));
  EXPECT_FALSE(sameChar('a', 'b', false));
  EXPECT_FALSE(sameChar('[', '{', false));
}

struct RangeCase {
  std::string item;
  bool singleOk;
  int32_t lowerIn;
  int32_t upperIn;
  bool accepted;
  int32_t lowerOut;  // the bounds after the call; unchanged when refused
  int32_t upperOut;
  bool isRange;  // checked only when accepted
};

TEST(ParseRange, ReadsNumbersAndRangesAgainstTheBounds) {
  const RangeCase cases[] = {
      {"6-16", true, 0, 110, true, 6, 16, true},
      {" 6 - 16 ", true, 0, 110, true, 6, 16, true},
      // Accepted, but holds no value.
      {"16-6", true, 0, 110, true, 16, 6, true},
      // The upper end lies above a proper incoming interval.
      {"2-200", true, 0, 110, false, 0, 110, false},
      {"2-200", true, 110, 0, true, 110, 200, true},
      {"2-200", true, 5, 5, true, 5, 200, true},
      // A single number is not held to the upper bound.
      {"300", true, 0, 110, true, 300, 300, false},
      {"300", false, 0, 110, false, 0, 110, false},
      {"5-", true, 0, 110, true, 5, 5, false},
      {"-5--3", true, -100, 100, true, -5, -3, true},
      {"-5-3", true, -100, 100, true, -5, 3, true},
      // The lower bound only rises.
      {"-5--3", true, 0, 110, true, 0, -3, true},
      {"6-16", true, 10, 110, true, 10, 16, true},
      {"6-16", true, 6, 110, true, 6, 16, true},
      {"-5", true, -100, 100, true, -5, -5, false},
      {"-5-", true, -100, 100, true, -5, -5, false},
      {"", true, 0, 110, false, 0, 110, false},
      {"-", true, 0, 110, false, 0, 110, false},
      {"abc", true, 0, 110, false, 0, 110, false},
      {"1*", true, 0, 110, false, 0, 110, false},
      {"3-x", true, 0, 110, false, 0, 110, false},
      {"1.5", true, 0, 110, false, 0, 110, false},
      // Numbers beyond 32 bits saturate.
      {"99999999999", true, 0, 110, true, kMax, kMax, false},
      {"-99999999999", true, kMin, 0, true, kMin, kMin, false},
      {"1-99999999999", true, 0, 110, false, 0, 110, false},
      {"1-99999999999", true, 0, 0, true, 1, kMax, true},
      {"-99999999999--99999999999", true, kMin, kMax, true, kMin, kMin, true},
      // Each piece is cut at 63 characters: the 64th starts the upper end.
      {std::string(63, '0') + "7", true, 0, 110, true, 0, 7, true},
      {std::string(62, '0') + "7", true, 0, 110, true, 7, 7, false},
  };
  for (const RangeCase& c : cases) {
    int32_t lower = c.lowerIn;
    int32_t upper = c.upperIn;
    bool isRange = !c.isRange;
    EXPECT_EQ(parseRange(c.item, c.singleOk, lower, upper, &isRange), c.accepted) << c.item;
    EXPECT_EQ(lower, c.lowerOut) << c.item;
    EXPECT_EQ(upper, c.upperOut) << c.item;
    if (c.accepted) {
      EXPECT_EQ(isRange, c.isRange) << c.item;
    }
  }
}

TEST(ParseRange, TakesANullRangeFlag) {
  int32_t lower = 0;
  int32_t upper = 110;
  EXPECT_TRUE(parseRange("6-16", true, lower, upper, nullptr));
  EXPECT_EQ(lower, 6);
  EXPECT_EQ(upper, 16);
}

struct ListResult {
  bool matched;
  int32_t lower;
  int32_t upper;
  bool isRange;
};

// The list test as feature classification makes it.
ListResult inElementList(const std::string& list, const char* value, int32_t lower = 0,
                         int32_t upper = 110, bool caseSensitive = false) {
  ListResult result{false, lower, upper, true};
  CutList cut;
  cutList(cut, list, {" ", " ", "", ",", "", "'"}, lower, upper);
  result.matched = cutListAccepts(cut, value, WildcardLevel::kAlternatives, result.lower,
                                  result.upper, &result.isRange, caseSensitive);
  return result;
}

TEST(MatchInList, DecidesByNumbersRangesAndPatterns) {
  struct ListCase {
    std::string list;
    const char* value;
    bool expected;
  };
  const ListCase cases[] = {
      {"6-16", "6", true},
      {"6-16", "10", true},
      {"6-16", "16", true},
      {"6-16", "5", false},
      {"6-16", "17", false},
      // A range that holds nothing is not tried as a pattern either.
      {"16-6", "6", false},
      {"16-6", "16", false},
      {"16-6", "10", false},
      {"16-6", "16-6", true},
      // Too wide a range falls back to a pattern, which equals only itself.
      {"2-200", "2", false},
      {"2-200", "100", false},
      {"2-200", "200", false},
      {"2-200", "2-200", true},
      {"300", "300", true},
      {"300", "299", false},
      {"3,4,11-16", "3", true},
      {"3,4,11-16", "4", true},
      {"3,4,11-16", "6", false},
      {"3,4,11-16", "11", true},
      {"3,4,11-16", "12", true},
      {"3,4,11-16", "16", true},
      {"3,4,11-16", "17", false},
      {"3,4,11-16", "2", false},
      {"1*", "1", true},
      {"1*", "11", true},
      {"1*", "105", true},
      {"1*", "2", false},
      {"1*", "35", false},
      {"6", "6", true},
      {"7", "7", true},
      {"7", "17", false},
      {" 3 , 4 ", "4", true},
      {"3,", "3", true},
      {"", "3", false},
      {"", "", false},
      // An empty item matches only an empty value.
      {"3,,4", "", true},
      {"3,,4", "5", false},
      {"'1,2',3", "1,2", true},
      {"'1,2',3", "1", false},
      {"'1,2',3", "3", true},
      {"[23]", "3", true},
      {"[^23]", "4", true},
      {"1?", "17", true},
      {"10|5", "105", true},
      // The separator cuts items even inside brackets: '[10' and '2?]'.
      {"[10,2?]", "27", false},
      {"ab*", "ABC", true},
      {"x", "3x", false},
      {"3", "x", false},
      // A lone "-" is the number 0.
      {"0-5", "-", true},
      {"1-5", "-", false},
      {"99999999999", "2147483647", true},
      {"2147483647", "99999999999", true},
      // Items are cut at 512 characters: the 513th starts the next item.
      {std::string(512, 'x') + "7", "7", true},
      {std::string(511, 'x') + "7", "7", false},
  };
  for (const ListCase& c : cases)
    EXPECT_EQ(inElementList(c.list, c.value).matched, c.expected)
        << "'" << c.list << "' against '" << c.value << "'";
}

TEST(MatchInList, ClassifiesElementTypeLists) {
  const int ruleNumbers[] = {2,  35, 3,  4,  6,  11, 12, 14, 15, 16,
                             27, 7,  17, 37, 33, 18, 19, 23, 24, 105};
  for (int number : ruleNumbers) {
    std::string value = std::to_string(number);
    bool linearList = number == 3 || number == 4 || (number >= 11 && number <= 16);
    bool startsWithOne = value.front() == '1';
    EXPECT_EQ(inElementList("3,4,11-16", value.c_str()).matched, linearList) << value;
    EXPECT_EQ(inElementList("1*", value.c_str()).matched, startsWithOne) << value;
    EXPECT_FALSE(inElementList("2-200", value.c_str()).matched) << value;
  }
}

TEST(MatchInList, ReportsTheRangeThatAccepted) {
  ListResult range = inElementList("3,6-16", "10");
  EXPECT_TRUE(range.matched);
  EXPECT_EQ(range.lower, 6);
  EXPECT_EQ(range.upper, 16);
  EXPECT_TRUE(range.isRange);

  ListResult single = inElementList("300", "300");
  EXPECT_TRUE(single.matched);
  EXPECT_EQ(single.lower, 300);
  EXPECT_EQ(single.upper, 300);
  EXPECT_FALSE(single.isRange);

  // A pattern leaves the bounds alone.
  ListResult pattern = inElementList("2-200", "2-200");
  EXPECT_TRUE(pattern.matched);
  EXPECT_EQ(pattern.lower, 0);
  EXPECT_EQ(pattern.upper, 110);
  EXPECT_FALSE(pattern.isRange);

  ListResult none = inElementList("6-16,2-200", "20");
  EXPECT_FALSE(none.matched);
  EXPECT_EQ(none.lower, 0);
  EXPECT_EQ(none.upper, 110);
  EXPECT_FALSE(none.isRange);
}

TEST(MatchInList, ReadsNegativeAndOutOfRangeValues) {
  EXPECT_FALSE(inElementList("-5", "-5").matched);  // the lower bound 0 only rises
  EXPECT_TRUE(inElementList("-5", "-5", -10, 10).matched);
  EXPECT_TRUE(inElementList("-5--3", "-4", -10, 10).matched);
  EXPECT_FALSE(inElementList("-5--3", "-2", -10, 10).matched);
  EXPECT_TRUE(inElementList("-2147483648", "-99999999999", kMin, kMax).matched);
  EXPECT_TRUE(inElementList("-99999999999", "-2147483648", kMin, kMax).matched);
}

TEST(MatchInList, ComparesLettersWithoutCaseUnlessAsked) {
  EXPECT_TRUE(inElementList("line*", "LINE STRING").matched);
  EXPECT_FALSE(inElementList("line*", "LINE STRING", 0, 110, true).matched);
  EXPECT_TRUE(inElementList("LINE*", "LINE STRING", 0, 110, true).matched);
}

TEST(MatchInList, TakesANullRangeFlag) {
  int32_t lower = 0;
  int32_t upper = 110;
  CutList cut;
  cutList(cut, "6-16", {" ", " ", "", ",", "", "'"}, lower, upper);
  EXPECT_TRUE(cutListAccepts(cut, "7", WildcardLevel::kAlternatives, lower, upper, nullptr, false));
  EXPECT_EQ(lower, 6);
}

}  // namespace
}  // namespace plotwarden
