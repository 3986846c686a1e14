#include "keyin/field_access.h"

#include <gtest/gtest.h>

#include <string>

#include "support/dictionary_builder.h"

namespace plotwarden {
namespace {

using test_support::buildDictionary;

// The field as fieldView fetches it, as a text of its own.
std::string fieldText(const Dictionary& d, int featureIndex, FieldRole role) {
  std::string scratch;
  return std::string(fieldView(d, featureIndex, role, scratch));
}

struct QuoteCase {
  const char* text;
  char quote;
  const char* expected;
};

TEST(UndoubleQuotes, RemovesEnclosingQuotesAndUndoublesInnerOnes) {
  const QuoteCase cases[] = {
      {"\"| \"\"A\"\" 2\"", '"', "| \"A\" 2"},
      {"\"\"", '"', "\""},
      {"\"", '"', ""},
      {"", '"', ""},
      {"plain text", '"', "plain text"},
      {"\"a", '"', "a"},
      {"a\"", '"', "a"},
      {"a\"b", '"', "a\"b"},  // a lone quote inside is kept
      {"\"a\"b\"", '"', "a\"b"},
      {"\"\"\"", '"', "\""},
      {"\"\"\"\"", '"', "\"\""},
      {"a\"\"", '"', "a\""},  // the pair is read before the closing rule
      {"\"\"a", '"', "\"a"},
      {"'it''s'", '\'', "it's"},
      {"\"x\"", '\'', "\"x\""},  // only the configured quote counts
      {"\"x\"", '\0', "\"x\""},  // no quote character: nothing changes
  };
  for (const QuoteCase& c : cases) {
    std::string text = c.text;
    undoubleQuotes(text, c.quote);
    EXPECT_EQ(text, c.expected) << c.text;
  }
}

// Fields are read as views where they can be; whatever the shortcut, the
// text is the field cut at a zero byte with its quoting removed.
TEST(FieldView, GivesTheFieldCutAtAZeroByteAndUnquoted) {
  const std::string_view fields[] = {
      "plain", "\"x\"", "\"\"",    "\"",      "\"\"\"",        "\"a\"\"b\"", "\"a\"b\"",    "a\"b",
      "\"ab",  "ab\"",  "\"a\"\"", "'it''s'", {"\"a\0b\"", 5}, {"a\0\"", 3}, {"\"\0\"", 3},
  };
  for (const char quote : {'"', '\'', '\0'}) {
    for (std::string_view field : fields) {
      std::string expected(field.substr(0, field.find('\0')));
      undoubleQuotes(expected, quote);
      Dictionary d =
          buildDictionary({{"NAME", ROLE_FEATURE_NAME}}, {{field}}, TextRules{',', quote, '#'});
      std::string scratch;
      EXPECT_EQ(fieldView(d, 0, ROLE_FEATURE_NAME, scratch), expected)
          << "quote " << int{quote} << " field " << field;
    }
  }
}

TEST(FieldView, FetchesTheFieldOfTheRoleUnquoted) {
  Dictionary d =
      buildDictionary({{"NAME", ROLE_FEATURE_NAME}, {"LEVEL", ROLE_LEVEL}, {"KEY-IN", ROLE_KEY_IN}},
                      {{"Road", " Roads [2] ", "\"place cell \"\"A\"\"\""}});
  EXPECT_EQ(fieldText(d, 0, ROLE_FEATURE_NAME), "Road");
  EXPECT_EQ(fieldText(d, 0, ROLE_LEVEL), " Roads [2] ");  // blanks and brackets kept
  EXPECT_EQ(fieldText(d, 0, ROLE_KEY_IN), "place cell \"A\"");
}

TEST(FieldView, WithoutAQuoteCharacterKeepsQuotes) {
  Dictionary d =
      buildDictionary({{"KEY-IN", ROLE_KEY_IN}}, {{"\"as=2\""}}, TextRules{',', '\0', '#'});
  EXPECT_EQ(fieldText(d, 0, ROLE_KEY_IN), "\"as=2\"");
}

TEST(FieldView, MissingDataGivesEmptyText) {
  Dictionary d = buildDictionary({{"NAME", ROLE_FEATURE_NAME}, {"LEVEL", ROLE_LEVEL}},
                                 {{"Road", "1"}, {"Short"}, {}});
  EXPECT_EQ(fieldText(d, -1, ROLE_FEATURE_NAME), "");
  EXPECT_EQ(fieldText(d, 3, ROLE_FEATURE_NAME), "");
  EXPECT_EQ(fieldText(d, 0, ROLE_KEY_IN), "");        // no such column
  EXPECT_EQ(fieldText(d, 1, ROLE_LEVEL), "");         // row shorter than the header
  EXPECT_EQ(fieldText(d, 2, ROLE_FEATURE_NAME), "");  // row without fields
  EXPECT_EQ(fieldText(Dictionary{}, 0, ROLE_FEATURE_NAME), "");
}

TEST(FieldView, UsesTheLeftmostColumnOfARole) {
  Dictionary d = buildDictionary({{"NAME", ROLE_FEATURE_NAME},
                                  {"LEVEL", ROLE_LEVEL},
                                  {"ODD", ROLE_UNKNOWN},
                                  {"FEATURE NAME", ROLE_FEATURE_NAME},
                                  {"KEY-IN", ROLE_KEY_IN}},
                                 {{"first", "1", "x", "second", "as=2", "extra"}});
  EXPECT_EQ(fieldText(d, 0, ROLE_FEATURE_NAME), "first");
  // An unknown column keeps its place, so KEY-IN after it stays in column 4.
  EXPECT_EQ(fieldText(d, 0, ROLE_KEY_IN), "as=2");
}

TEST(FieldView, ANulInsideTheFieldEndsIt) {
  Dictionary d = buildDictionary({{"NAME", ROLE_FEATURE_NAME}}, {{std::string_view("ab\0cd", 5)}});
  EXPECT_EQ(fieldText(d, 0, ROLE_FEATURE_NAME), "ab");
}

TEST(FieldView, ReturnsALongFieldWhole) {
  const std::string longField(6000, 'k');
  Dictionary d = buildDictionary({{"KEY-IN", ROLE_KEY_IN}}, {{longField}});
  EXPECT_EQ(fieldText(d, 0, ROLE_KEY_IN), longField);
}

}  // namespace
}  // namespace plotwarden
