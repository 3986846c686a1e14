#include "dictionary/forward_search.h"

#include <gtest/gtest.h>

namespace plotwarden {
namespace {

TEST(ForwardSearch, FindsTheFirstOccurrenceAtOrAfterEachPosition) {
  std::string_view text = "a]b]c";
  ForwardSearch search{']', ']'};
  EXPECT_EQ(findFrom(search, text, 0), 1u);
  EXPECT_EQ(findFrom(search, text, 1), 1u);
  EXPECT_EQ(findFrom(search, text, 2), 3u);
  EXPECT_EQ(findFrom(search, text, 4), 5u);  // none left: the text's size
  EXPECT_EQ(findFrom(search, text, 5), 5u);
}

TEST(ForwardSearch, FindsWhicheverOfTwoTargetsComesFirst) {
  std::string_view text = "ab[cd]ef[gh]";
  ForwardSearch search{'[', ']'};
  EXPECT_EQ(findFrom(search, text, 0), 2u);
  EXPECT_EQ(findFrom(search, text, 3), 5u);
  EXPECT_EQ(findFrom(search, text, 6), 8u);
  EXPECT_EQ(findFrom(search, text, 9), 11u);
  EXPECT_EQ(findFrom(search, text, 12), 12u);
}

TEST(ForwardSearch, AnswersCorrectlyWhenAskedFromAnEarlierPoint) {
  std::string_view text = "x,y,z";
  ForwardSearch search{',', ','};
  EXPECT_EQ(findFrom(search, text, 2), 3u);
  EXPECT_EQ(findFrom(search, text, 0), 1u);
}

// Far targets are found across many whole words and in the bytes after them.
TEST(ForwardSearch, TargetsFarAheadAndInTheLastBytes) {
  const std::string text = std::string(37, 'x') + "]" + std::string(40, 'y') + "[z";
  ForwardSearch search{'[', ']'};
  EXPECT_EQ(findFrom(search, text, 0), 37u);
  EXPECT_EQ(findFrom(search, text, 38), 78u);
  EXPECT_EQ(findFrom(search, text, 79), 80u);
}

TEST(ForwardSearch, EmptyText) {
  ForwardSearch search{'[', ']'};
  EXPECT_EQ(findFrom(search, "", 0), 0u);
}

}  // namespace
}  // namespace plotwarden
