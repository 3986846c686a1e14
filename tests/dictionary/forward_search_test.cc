#include "dictionary/forward_search.h"

#include <gtest/gtest.h>

namespace plotwarden {
namespace {

TEST(ForwardSearch, FindsTheFirstOccurrenceAtOrAfterEachPosition) {
  std::string_view text = "a]b]c";
  ForwardSearch search{']'};
  EXPECT_EQ(findFrom(search, text, 0), 1u);
  EXPECT_EQ(findFrom(search, text, 1), 1u);
  EXPECT_EQ(findFrom(search, text, 2), 3u);
  EXPECT_EQ(findFrom(search, text, 4), 5u);  // none left: the text's size
  EXPECT_EQ(findFrom(search, text, 5), 5u);
}

TEST(ForwardSearch, AnswersCorrectlyWhenAskedFromAnEarlierPoint) {
  std::string_view text = "x,y,z";
  ForwardSearch search{','};
  EXPECT_EQ(findFrom(search, text, 2), 3u);
  EXPECT_EQ(findFrom(search, text, 0), 1u);
}

TEST(ForwardSearch, EmptyText) {
  ForwardSearch search{'['};
  EXPECT_EQ(findFrom(search, "", 0), 0u);
}

}  // namespace
}  // namespace plotwarden
