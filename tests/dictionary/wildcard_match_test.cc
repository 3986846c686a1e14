#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "dictionary/list_matching.h"

namespace plotwarden {
namespace {

struct WildcardCase {
  std::string pattern;
  std::string text;
  int level;  // a WildcardLevel, by number
  bool expected;
};

void expectAll(const WildcardCase* begin, const WildcardCase* end, bool caseSensitive) {
  for (const WildcardCase* c = begin; c != end; ++c)
    EXPECT_EQ(
        wildcardMatch(c->pattern, c->text, static_cast<WildcardLevel>(c->level), caseSensitive),
        c->expected)
        << "'" << c->pattern << "' against '" << c->text << "' at level " << c->level;
}

template <size_t N>
void expectAll(const WildcardCase (&cases)[N], bool caseSensitive = false) {
  expectAll(cases, cases + N, caseSensitive);
}

TEST(WildcardMatch, LevelZeroIsExactEquality) {
  const WildcardCase cases[] = {
      {"abc", "abc", 0, true}, {"abc", "ABC", 0, false}, {"abc", "abcd", 0, false},
      {"abc", "ab", 0, false}, {"1*", "105", 0, false},  {"1*", "1*", 0, true},
      {"1?", "1?", 0, true},   {"", "", 0, true},        {"", "a", 0, false},
  };
  expectAll(cases);
}

TEST(WildcardMatch, LevelOneAddsQuestionMarkAndStar) {
  const WildcardCase cases[] = {
      {"1?", "17", 1, true},
      {"1?", "1a", 1, true},
      {"1?", "1", 1, false},
      {"1?", "1-", 1, false},
      {"1?", "1 ", 1, false},
      {"1?", "175", 1, false},
      {"1*", "1", 1, true},
      {"1*", "105", 1, true},
      {"1*", "21", 1, false},
      {"*", "", 1, true},
      {"**", "", 1, true},
      {"a**", "a", 1, true},
      {"*a", "bba", 1, true},
      {"*a", "bbb", 1, false},
      {"*a", "", 1, false},
      {"a*b*c", "axxbyyc", 1, true},
      {"a*b*c", "axxbyy", 1, false},
      {"*1*", "210", 1, true},
      {"a*?", "a", 1, false},
      {"a*?", "abc", 1, true},
      // Classes and bars are plain text below their levels.
      {"[1-3]", "[1-3]", 1, true},
      {"[1-3]", "2", 1, false},
      {"10|5", "105", 2, false},
      {"10|5", "10|5", 2, true},
      {"ABC", "abc", 1, true},
  };
  expectAll(cases);
}

TEST(WildcardMatch, LevelTwoAddsCharacterSets) {
  const WildcardCase cases[] = {
      {"[23]", "2", 2, true},
      {"[23]", "3", 2, true},
      {"[23]", "4", 2, false},
      {"[^23]", "4", 2, true},
      {"[^23]", "2", 2, false},
      {"[1-3]5", "25", 2, true},
      {"[1-3]5", "15", 2, true},
      {"[1-3]5", "45", 2, false},
      {"[3-1]5", "25", 2, true},
      {"[a-c]", "B", 2, true},
      {"[A-C]", "b", 2, true},
      {"[-a]", "-", 2, true},
      {"[a-]", "-", 2, true},
      {"[a-ce]", "e", 2, true},
      {"[a-ce]", "d", 2, false},
      // A comma is an ordinary character below level 3; '?' takes anything.
      {"[10,2?]", "1", 2, true},
      {"[10,2?]", "0", 2, true},
      {"[10,2?]", ",", 2, true},
      {"[10,2?]", "x", 2, true},
      {"[10,2?]", "10", 2, false},
      {"[]", "a", 2, false},
      {"[]", "", 2, false},
      {"[^]", "a", 2, true},
      {"[^]", "ab", 2, false},
      {"[^]", "", 2, false},
      {"[]]", "]", 2, false},
      {"[a?]", "x", 2, true},
      {"[*]", "x", 2, true},
      {"[|]", "x", 2, true},
      // A class holding '?', '*' or '|' always fails when negated.
      {"[^a?]", "x", 2, false},
      {"[^a*]", "x", 2, false},
      {"[^a|]", "b", 2, false},
      // Nested brackets are counted to find the class's end.
      {"[[a]]", "a", 2, true},
      {"[[a]]", "[", 2, true},
      {"[[a]]x", "]x", 2, true},
      // An unclosed '[' takes one character and passes over the next pattern character.
      {"[12", "x2", 2, true},
      {"[12", "12", 2, true},
      {"[12", "2", 2, false},
      {"[^12", "x2", 2, true},
      {"a[", "ab", 2, true},
      {"a[", "a", 2, false},
      {"[^", "x", 2, true},
      {"[^", "", 2, false},
  };
  expectAll(cases);
}

TEST(WildcardMatch, LevelThreeAddsBarsAndAlternatives) {
  const WildcardCase cases[] = {
      {"1?", "17", 3, true},
      {"1?", "1", 3, false},
      {"1?", "1-", 3, false},
      {"1*", "1", 3, true},
      {"1*", "105", 3, true},
      {"[23]", "2", 3, true},
      {"[23]", "3", 3, true},
      {"[^23]", "4", 3, true},
      {"[1-3]5", "25", 3, true},
      {"[10,2?]", "10", 3, true},
      {"[10,2?]", "27", 3, true},
      {"[10,2?]", "3", 3, false},
      {"[10,2?]", "1", 3, false},
      {"[10,2?]", "2", 3, false},
      {"[10,2?]", "100", 3, false},
      {"10|5", "105", 3, true},
      {"10|5", "10x5", 3, true},
      {"10|5", "10xy5", 3, false},
      {"10|5", "10", 3, false},
      {"ab|c", "abc", 3, true},
      {"ab|c", "abxc", 3, true},
      // A last '|' takes exactly one character.
      {"ab|", "abc", 3, true},
      {"ab|", "ab", 3, false},
      {"ab|", "abcd", 3, false},
      // A run of bars allows one extra character per bar.
      {"1||5", "15", 3, true},
      {"1||5", "1x5", 3, true},
      {"1||5", "1xy5", 3, true},
      {"1||5", "1xyz5", 3, false},
      {"1||56", "1xy56", 3, true},
      {"1||56", "1xyz56", 3, false},
      {"1||56", "1x5", 3, false},
      {"||", "ab", 3, true},
      {"||", "abc", 3, false},
      // A comma only at the start is an ordinary set member.
      {"[,5]", ",", 3, true},
      {"[,5]", "5", 3, true},
      {"[[a-c]x,9]", "bx", 3, true},
      {"[[a-c]x,9]", "9", 3, true},
      {"[[a-c]x,9]", "dx", 3, false},
      {"[a*,b]", "axyz", 3, true},
      {"[a*,b]", "b", 3, true},
      {"[a*,b]q", "bq", 3, true},
      {"[1|,5]", "12", 3, true},
      {"[1|,5]", "5", 3, true},
      {"[x,,y]", "y", 3, true},
      // The longest prefix an alternative matches is taken, and kept.
      {"[a*,b]c", "axc", 3, false},
      // A class alternative ending in '*' as the last element accepts any rest.
      {"[[*,b]]", "xyz", 3, true},
      {"[[*,b]]q", "xq", 3, true},
      {"[[*,b]]q", "xyzq", 3, false},
      {"[A,b]", "a", 3, true},
  };
  expectAll(cases);
}

// Where an element would take a character that is not there, or where its
// meaning is unsettled, it fails.
TEST(WildcardMatch, ElementsThatCannotConsumeFail) {
  const WildcardCase cases[] = {
      {"a|", "a", 3, false},
      {"a[^x]", "a", 3, false},
      {"a[?]", "a", 3, false},
      {"a[*]", "a", 3, false},
      {"a[|]", "a", 3, false},
      {"a[1", "a", 3, false},
      {"a[", "a", 3, false},
      {"a[^]", "a", 3, false},
      {"a[b*,c]", "a", 3, false},
      // A plain alternative wider than the text left does not match, here or anywhere.
      {"[123,4]", "4", 3, true},
      {"[123,4]", "12", 3, false},
      {"[[a-c][0-9],z]", "b5", 3, false},
      // A negated class with comma alternatives fails.
      {"[^1,2]", "3", 3, false},
      {"[^1,2]", "1", 3, false},
  };
  expectAll(cases);
}

TEST(WildcardMatch, NeverReadsPastTheTextsEnd) {
  // The text is the start of a longer buffer whose next character would match.
  const std::string buffer = "12345";
  const std::string_view text = std::string_view(buffer).substr(0, 2);
  const char* patterns[] = {"12|", "12?", "12[3]", "12[^x]", "12[3,4]", "12[*3,4]",
                            "12[", "123", "12*3",  "1|3",    "12[3,34]"};
  for (const char* pattern : patterns)
    EXPECT_FALSE(wildcardMatch(pattern, text, WildcardLevel::kAlternatives, false)) << pattern;
}

TEST(WildcardMatch, ComparesCaseOnlyWhenAsked) {
  const WildcardCase cases[] = {
      {"abc", "ABC", 3, false}, {"ABC", "ABC", 3, true},  {"[a-c]", "B", 3, false},
      {"[a-c]", "b", 3, true},  {"[A,b]", "a", 3, false}, {"a*", "A1", 3, false},
  };
  expectAll(cases, true);
}

TEST(WildcardMatch, ExaminesTheFirst255CharactersOfAClass) {
  const std::string filler254(254, 'x');
  EXPECT_TRUE(wildcardMatch("[" + filler254 + "y]", "y", WildcardLevel::kAlternatives, false));
  EXPECT_FALSE(wildcardMatch("[" + filler254 + "xy]", "y", WildcardLevel::kAlternatives, false));
  // The pattern still goes on after the class's real end.
  EXPECT_TRUE(
      wildcardMatch("[" + std::string(300, 'x') + "]z", "xz", WildcardLevel::kAlternatives, false));
}

TEST(WildcardMatch, FinishesOnPatternsThatBranchHeavily) {
  std::string longA(2000, 'a');

  std::string stars;
  for (int i = 0; i < 200; ++i) stars += "*a";
  EXPECT_FALSE(wildcardMatch(stars + "*b", longA, WildcardLevel::kAlternatives, false));
  EXPECT_TRUE(wildcardMatch(stars + "*", longA, WildcardLevel::kAlternatives, false));
  EXPECT_FALSE(
      wildcardMatch(std::string(5000, '*') + "b", longA, WildcardLevel::kAlternatives, false));

  std::string bars = "a" + std::string(300, '|') + "b" + std::string(300, '|') + "c";
  EXPECT_FALSE(wildcardMatch(bars, std::string(1000, 'a'), WildcardLevel::kAlternatives, false));
  EXPECT_TRUE(wildcardMatch(bars, "a" + std::string(300, 'x') + "b" + std::string(300, 'y') + "c",
                            WildcardLevel::kAlternatives, false));
  EXPECT_FALSE(wildcardMatch(std::string(300, '|') + "zz", std::string(1000, 'z'),
                             WildcardLevel::kAlternatives, false));

  std::string nested = std::string(100, '[') + "a,b" + std::string(100, ']');
  std::string deep;
  for (int i = 0; i < 20; ++i) deep += "*" + nested;
  EXPECT_FALSE(
      wildcardMatch(deep + "c", std::string(500, 'b'), WildcardLevel::kAlternatives, false));

  std::string alternatives;
  for (int i = 0; i < 10; ++i) alternatives += "*[*a,b|]";
  EXPECT_FALSE(wildcardMatch(alternatives + "c", std::string(150, 'b'),
                             WildcardLevel::kAlternatives, false));
}

TEST(AlternativeWidth, CountsTheCharactersAnAlternativeSpans) {
  struct WidthCase {
    const char* alternative;
    size_t width;
  };
  const WidthCase cases[] = {
      {"10", 2},         {"2?", 2},    {"a-z", 1}, {"[a-z]", 1}, {"[a-c]x", 2},
      {"[a-c][0-9]", 4}, {"^ab", 2},   {"-a", 2},  {"a-", 2},    {"a-]", 2},
      {"ab]cd", 2},      {"a]b-c", 0}, {"*-?", 3}, {"", 0},      {"x[y]z", 3},
  };
  for (const WidthCase& c : cases)
    EXPECT_EQ(alternativeWidth(c.alternative), c.width) << c.alternative;
}

}  // namespace
}  // namespace plotwarden
