#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "dictionary/list_matching.h"

namespace plotwarden {
namespace {

struct TokenCase {
  std::string_view source;
  TokenRules rules;
  const char* token;
  size_t consumed;
};

using namespace std::string_view_literals;

TEST(TakeToken, CutsOneToken) {
  const TokenCase cases[] = {
      // A comma inside quotes does not end the token; the blank before the
      // ending comma is trimmed.
      {"  'a,b' ,c", {" ", " ", "", ",", "", "'", 0}, "a,b", 9},
      {"ab;cd", {"", "", "", "", ";", "", 0}, "ab", 2},
      {";cd", {"", "", "", "", ";", "", 0}, "", 0},
      {"a-b-c", {"", "", "-", "", "", "", 0}, "abc", 5},
      {"'a-b'-c", {"", "", "-", "", "", "'", 0}, "a-bc", 7},
      {"'a,b", {"", "", "", ",", "", "'", 0}, "a,b", 4},
      {"abcdef", {"", "", "", "", "", "", 3}, "abc", 3},
      {"abc,def", {"", "", "", ",", "", "", 3}, "abc", 3},
      {"abc,def", {"", "", "", ",", "", "", 4}, "abc", 4},
      {"abc,def", {"", "", "", ",", "", "", 0}, "abc", 4},
      {"abc,def", {"", "", "", ",", "", "", -1}, "abc", 4},
      {"", {" ", " ", "", ",", "", "", 0}, "", 0},
      {"   ", {" ", "", "", ",", "", "", 0}, "", 3},
      {"x  \t", {"", " \t", "", "", "", "", 0}, "x", 4},
      {"\tx", {" ", "", "", "", "", "", 0}, "\tx", 2},
      // Trimming follows the walk, so blanks quoted at the end go too.
      {"'a  '", {"", " ", "", "", "", "'", 0}, "a", 5},
      {"[[12]x", {"[", "", "", "]", "", "", 0}, "12", 5},
      {"ab\0cd"sv, {"", "", "", "", "", "", 0}, "ab", 2},
      {",x", {" ", " ", "", ",", "", "", 0}, "", 1},
  };
  for (const TokenCase& c : cases) {
    std::string token = "stale";
    EXPECT_EQ(takeToken(&token, c.source, c.rules), c.consumed) << c.source;
    EXPECT_EQ(token, c.token) << c.source;
    EXPECT_EQ(takeToken(nullptr, c.source, c.rules), c.consumed) << c.source << " (count only)";
  }
}

TEST(TakeToken, SuccessiveCutsWalkAList) {
  std::string_view list = " 3, 4,,16-6 ,'a,b'";
  const char* expected[] = {"3", "4", "", "16-6", "a,b"};
  std::string token;
  size_t offset = 0;
  for (const char* item : expected) {
    size_t consumed = takeToken(&token, list.substr(offset), {" ", " ", "", ",", "", "'", 512});
    ASSERT_GT(consumed, 0u) << item;
    EXPECT_EQ(token, item);
    offset += consumed;
  }
  EXPECT_EQ(offset, list.size());
  EXPECT_EQ(takeToken(&token, list.substr(offset), {" ", " ", "", ",", "", "'", 512}), 0u);
}

TEST(TakeToken, NextCutStartsOnTheStopper) {
  std::string_view text = "ab;cd";
  std::string token;
  size_t offset = takeToken(&token, text, {"", "", "", "", ";", "", 0});
  EXPECT_EQ(token, "ab");
  ASSERT_EQ(text.substr(offset), ";cd");
  offset += takeToken(&token, text.substr(offset), {"", "", "", ";", "", "", 0});
  EXPECT_EQ(token, "");
  offset += takeToken(&token, text.substr(offset), {"", "", "", ";", "", "", 0});
  EXPECT_EQ(token, "cd");
  EXPECT_EQ(offset, text.size());
}

TEST(TakeToken, CutsATextIntoItself) {
  std::string text = "  'a,b' ,c";
  EXPECT_EQ(takeToken(&text, text, {" ", " ", "", ",", "", "'", 0}), 9u);
  EXPECT_EQ(text, "a,b");

  std::string bracketed = "Roads [2] x";
  std::string_view tail = std::string_view(bracketed).substr(6);
  EXPECT_EQ(takeToken(&bracketed, tail, {"[", "", "", "]", "", "", 256}), 3u);
  EXPECT_EQ(bracketed, "2");
}

}  // namespace
}  // namespace plotwarden
