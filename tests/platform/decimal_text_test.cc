#include "platform/decimal_text.h"

#include <gtest/gtest.h>

namespace plotwarden {
namespace {

TEST(DecimalText, ReadsLikeAtoiAndSaturates) {
  struct Case {
    const char* text;
    int32_t value;
  };
  const Case cases[] = {
      {"1", 1},
      {"01", 1},
      {"1x", 1},
      {" \t1", 1},
      {"+7", 7},
      {"-7;", -7},
      {"abc", 0},
      {"", 0},
      {"-", 0},
      {"- 1", 0},
      {"12 34", 12},
      {"-0", 0},
      {"2147483647", 2147483647},
      {"2147483648", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"-99999999999", -2147483647 - 1},
      {"99999999999999999999999", 2147483647},
  };
  for (const Case& c : cases) EXPECT_EQ(leadingInteger(c.text), c.value) << c.text;
}

}  // namespace
}  // namespace plotwarden
