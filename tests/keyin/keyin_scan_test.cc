#include "keyin/keyin_scan.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace plotwarden {
namespace {

struct ArgumentCase {
  const char* keyin;
  const char* phrase;
  bool found;
  const char* argument;
};

TEST(KeyinArgument, TakesTheTextAfterTheFirstOccurrenceUpToASemicolon) {
  const ArgumentCase cases[] = {
      {"active scale 2 ;as=3", "active scale ", true, "2 "},  // blanks stay
      {"as=3;place cell X1", "place cell ", true, "X1"},      // runs to the end
      {"src=lib", "rc=", true, "lib"},                        // found inside a word
      {"as=1;as=2", "as=", true, "1"},
      {"as=;ps=2", "as=", true, ""},
      {"as=", "as=", true, ""},
      {"Active scale 2", "active scale ", false, "untouched"},  // case counts
      {"", "as=", false, "untouched"},
      {"active scale", "active scale ", false, "untouched"},  // the blank is part of it
      // Long phrases sharing their first words, found anywhere, up to the end.
      {"dimension text width 1;dimension text height 2", "dimension text height ", true, "2"},
      {"dimension text heigh", "dimension text height ", false, "untouched"},
      {"dimension text heightdimension text height 5", "dimension text height ", true, "5"},
      {"place cell ", "place cell ", true, ""},
      {"xplace cell", "place cell ", false, "untouched"},
  };
  for (const ArgumentCase& c : cases) {
    std::string_view argument = "untouched";
    EXPECT_EQ(keyinArgument(c.keyin, c.phrase, argument), c.found) << c.keyin;
    EXPECT_EQ(argument, c.argument) << c.keyin;
  }
}

// Every text and phrase over a three-letter alphabet up to some length:
// each match, near miss and position before and after the eight-byte steps.
TEST(KeyinArgument, FindsAPhraseWhereASimpleSearchDoes) {
  auto spell = [](unsigned number, size_t length) {
    std::string text;
    for (size_t i = 0; i < length; ++i, number /= 3) text += "ab;"[number % 3];
    return text;
  };
  const std::string texts[] = {"",
                               "a",
                               "abba;ab",
                               spell(5000, 13),
                               spell(77777, 21),
                               std::string(30, 'a') + "b",
                               "ab;" + std::string(25, 'b') + "ab"};
  for (size_t length = 1; length <= 9; ++length) {
    for (unsigned number = 0; number < 200; number += 7) {
      const std::string phrase = spell(number, length);
      for (const std::string& text : texts) {
        const size_t at = text.find(phrase);
        std::string_view argument = "untouched";
        ASSERT_EQ(keyinArgument(text, phrase, argument), at != std::string::npos)
            << text << " / " << phrase;
        if (at == std::string::npos) continue;
        const std::string_view rest = std::string_view(text).substr(at + length);
        EXPECT_EQ(argument, rest.substr(0, rest.find(';'))) << text << " / " << phrase;
      }
    }
  }
}

TEST(KeyinArgument, TheFirstListedPhraseThatOccursWins) {
  constexpr std::array<std::string_view, 2> kPhrases = {"active scale ", "as="};
  std::string_view argument;
  ASSERT_TRUE(firstKeyinArgument("as=2;active scale 5", kPhrases, argument));
  EXPECT_EQ(argument, "5");
  ASSERT_TRUE(firstKeyinArgument("ps=1;as=2", kPhrases, argument));
  EXPECT_EQ(argument, "2");
  EXPECT_FALSE(firstKeyinArgument("ps=1", kPhrases, argument));
}

struct SplitCase {
  std::string value;
  char quote;
  const char* main;
  const char* bracket;
  int flag;
  int result;
};

TEST(SplitBracketedValue, SeparatesMainTextAndBracketText) {
  const SplitCase cases[] = {
      {"  Roads [Primary] x", '"', "Roads", "Primary", 1, 0},
      {"[3]", '"', "", "3", 1, 0},
      {"a]b[c", '"', "a]b[c", "", 0, 0},
      {"a[b", '"', "a[b", "", 0, 0},
      {"\"Main Road\" [2]", '"', "Main Road", "2", 1, 0},
      {"\tRoads\t", '"', "Roads", "", 0, 0},
      {"Roads\t[2]", '"', "Roads\t", "2", 1, 0},  // only spaces go around the main text
      {"[[x]", '"', "", "x", 1, 0},
      {"a [b] [c]", '"', "a", "b", 1, 0},
      {"a [] ", '"', "a", "", 1, 0},
      {"[ b ]", '"', "", " b ", 1, 0},
      {"a\"b\"c", '"', "abc", "", 0, 0},
      {"a\"b\"c", '\0', "a\"b\"c", "", 0, 0},
      {" \" x \"", '"', " x", "", 0, 0},  // blanks inside quotes stay in front
      {std::string("a [b]\0[c]", 9), '"', "a", "b", 1, 0},
      {std::string("a\0 [b]", 7), '"', "a", "", 0, 0},  // a NUL ends the value
      {"'x' [y]", '\'', "x", "y", 1, 0},
      {" \t \t", '"', "", "", 0, kFailure},
      {"", '"', "", "", 0, kFailure},
      {"\"\"", '"', "", "", 0, kFailure},
      {"  \t [a] ", '"', "", "a", 1, 0},
      {"x [a]", '[', "x a]", "", 0, 0},      // quotes go before brackets are looked for
      {" a [b\"c] ", '"', "a", "bc", 1, 0},  // a quote after the '[' goes too
      {"\"x\" \"[\"a]", '"', "x", "a", 1, 0},
  };
  for (const SplitCase& c : cases) {
    std::string main = "stale";
    std::string bracket = "stale";
    int flag = 7;
    EXPECT_EQ(splitBracketedValue(c.value, c.quote, &main, &bracket, &flag), c.result) << c.value;
    EXPECT_EQ(main, c.main) << c.value;
    EXPECT_EQ(bracket, c.bracket) << c.value;
    EXPECT_EQ(flag, c.flag) << c.value;
  }
}

// A value without NUL or quote splits the same without looking for them.
TEST(SplitBracketedValue, PlainValuesSplitTheSameWithoutTheScan) {
  const char* values[] = {
      "  Roads [Primary] x", "[3]",   "a]b[c", "a[b",    "\tRoads\t", "Roads\t[2]", "[[x]",
      "a [b] [c]",           "a [] ", "[ b ]", " \t \t", "",          "  \t [a] ",  "x [a]"};
  for (const char* value : values) {
    std::string scratch;
    BracketedParts full;
    BracketedParts plain;
    EXPECT_EQ(splitPlainBracketedParts(value, plain),
              splitBracketedParts(value, '"', scratch, full))
        << value;
    EXPECT_EQ(plain.main, full.main) << value;
    EXPECT_EQ(plain.bracket, full.bracket) << value;
    EXPECT_EQ(plain.hasBracket, full.hasBracket) << value;
  }
  const std::string longValue = std::string(600, 'x') + "[y]";
  BracketedParts parts;
  ASSERT_TRUE(splitPlainBracketedParts(longValue, parts));
  EXPECT_EQ(parts.main, std::string(511, 'x'));  // cut like any other value
}

TEST(SplitBracketedValue, CutsAtItsScannerMaxima) {
  std::string main;
  std::string bracket;
  splitBracketedValue(std::string(600, 'k'), '"', &main, &bracket, nullptr);
  EXPECT_EQ(main, std::string(511, 'k'));

  splitBracketedValue("a [" + std::string(300, 'b') + "]", '"', &main, &bracket, nullptr);
  EXPECT_EQ(main, "a");
  EXPECT_EQ(bracket, std::string(255, 'b'));
}

TEST(SplitBracketedValue, AcceptsOmittedOutputs) {
  std::string bracket;
  int flag = 0;
  EXPECT_EQ(splitBracketedValue("a [b]", '"', nullptr, &bracket, &flag), 0);
  EXPECT_EQ(bracket, "b");
  EXPECT_EQ(flag, 1);
  // A plain value has nowhere to go without a main output.
  EXPECT_EQ(splitBracketedValue("plain", '"', nullptr, &bracket, &flag), kFailure);
  EXPECT_EQ(bracket, "");
  EXPECT_EQ(flag, 0);
  std::string main;
  EXPECT_EQ(splitBracketedValue("a [b]", '"', &main, nullptr, nullptr), 0);
  EXPECT_EQ(main, "a");
}

TEST(Parenthesized, TakesThePartInParentheses) {
  const std::pair<const char*, const char*> cases[] = {
      {"ByCell(FF0000)", "FF0000"},
      {"ByCell", ""},
      {"a(b", ""},
      {"a)b", ""},
      {"()", ""},
      {"a(b)c)d", "b"},
      {"x)y(z", "z"},  // a ')' first: everything after the '('
  };
  for (const auto& [value, expected] : cases) EXPECT_EQ(parenthesized(value), expected) << value;
}

TEST(TrimTrailingZeros, DropsInsignificantZerosOfAFraction) {
  const std::pair<const char*, const char*> cases[] = {
      {"2.500000", "2.5"},
      {"3.000000", "3"},
      {"0.000000", "0"},
      {"100", "100"},
      {"12.5mm", "12.5mm"},
      {"", ""},
      {"10.0", "10"},
      {"10", "10"},
      {"0.50", "0.5"},
      {"100.", "100"},
      {"-0.000000", "-0"},
      {"2.500 ", "2.500 "},
      {"x:4z:1.50", "x:4z:1.5"},
      {"x:2.0y:3.0", "x:2.0y:3"},
      {"1.2.0", "1.2"},
      {"inf", "inf"},
  };
  for (const auto& [text, expected] : cases) {
    std::string value = text;
    trimTrailingZeros(value);
    EXPECT_EQ(value, expected) << text;
  }
}

TEST(AppendBracketed, AddsTheBracketTextOnlyWhenThereIsOne) {
  std::string out = ">";
  appendBracketed(out, "a", "");
  EXPECT_EQ(out, ">a");
  appendBracketed(out, "b", "c");
  EXPECT_EQ(out, ">ab[c]");
  appendBracketed(out, "", "d");
  EXPECT_EQ(out, ">ab[c][d]");
}

}  // namespace
}  // namespace plotwarden
