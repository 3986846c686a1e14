// UTF-8 validity and Windows-1252 conversion on the texts spreadsheets save.
#include "platform/utf8_text.h"

#include <gtest/gtest.h>

namespace plotwarden {
namespace {

TEST(Utf8Text, FirstInvalidByte) {
  struct Case {
    std::string text;
    size_t invalidAt;
  };
  const Case cases[] = {
      {"Kerb,K1,[3,4]", 13},
      {"Stra\xC3\x9F"
       "e",
       7},  // UTF-8 sharp s
      {"Stra\xDF"
       "e",
       4},                      // the same saved as Windows-1252
      {"\xE2\x82\xAC 5", 5},    // euro sign
      {"\xC0\xAF", 0},          // overlong '/'
      {"\xE0\x80\xAF", 0},      // overlong, three bytes
      {"\xED\xA0\x80", 0},      // a surrogate
      {"\xF4\x90\x80\x80", 0},  // past U+10FFFF
      {"\xF0\x9F\x98\x80", 4},  // an emoji
      {"ab\xE2\x82", 2},        // cut short at the end
      {"\xEF\xBB\xBFName", 7},  // a byte-order mark is valid
  };
  for (const Case& c : cases) EXPECT_EQ(firstInvalidUtf8(c.text), c.invalidAt) << c.text;
}

TEST(Utf8Text, Windows1252ToUtf8) {
  EXPECT_EQ(windows1252ToUtf8("Stra\xDF"
                              "e"),
            "Stra\xC3\x9F"
            "e");
  EXPECT_EQ(windows1252ToUtf8("\x80 5"), "\xE2\x82\xAC 5");
  EXPECT_EQ(windows1252ToUtf8("\x93quoted\x94"), "\xE2\x80\x9Cquoted\xE2\x80\x9D");
  EXPECT_EQ(windows1252ToUtf8("\x81"), "\xC2\x81");
  EXPECT_EQ(windows1252ToUtf8("plain"), "plain");
  EXPECT_TRUE(isValidUtf8(windows1252ToUtf8(std::string("\x80\x9F\xA0\xFF", 4))));
}

}  // namespace
}  // namespace plotwarden
