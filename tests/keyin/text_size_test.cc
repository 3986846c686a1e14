#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "keyin/keyin_decoders.h"

namespace plotwarden {
namespace {

struct SizeCase {
  const char* value;
  const char* width;
  const char* height;
};

TEST(SplitTextSize, ReadsWidthAndHeight) {
  const SizeCase cases[] = {
      {"2.5x3", "2.5", "3"},
      {"2.5[mm]x3.25", "2.5[mm]", "3.25"},
      {"2 [a] x 3 [b]", "2[a]", "3[b]"},
      {"\"2.5\" x 3", "2.5", "3"},
      {"abc", "", ""},
      {"axb", "0", "0"},
      {"x3", "0", "3"},
      {"2x", "2", "0"},
      {"x", "0", "0"},
      {"2X3", "", ""},  // only a lower-case x divides
      {"h = 2.5", "", "2.5"},
      {"h = 2.5 [pt]", "", "2.5[pt]"},
      {"h = ", "", "0"},
      {"w = 1.20 [mm]", "1.2[mm]", ""},
      {"w = 3 h = 2", "", "2"},  // the height phrase is looked for first
      {"width = 3", "", "3"},    // and is found inside 'width = 3'
      {"h=2", "", ""},
      {"", "", ""},
      {" +1.5e1 x -2", "15", "-2"},
      {".5x5.", "0.5", "5"},
      {"1.5ex2", "1.5", "2"},  // an exponent without digits is not read
      {"1e-2x1E+1", "0.01", "10"},
      {"1,5x2", "1", "2"},
      {"0x10x2", "0", "10"},  // the first x divides; the rest is text after a number
      {"infx2", "0", "2"},    // only plain decimal numbers are read
      {"nanx2", "0", "2"},
      {"-0x1", "-0", "1"},
      {"0.0000004x0.0000006", "0", "0.000001"},  // six decimals, rounded
      {"1e400x1", "inf", "1"},
      {"-1e400x1", "-inf", "1"},
      {"1e-400x1", "0", "1"},
  };
  for (const SizeCase& c : cases) {
    std::string width = "stale";
    std::string height = "stale";
    splitTextSize(c.value, '"', width, height);
    EXPECT_EQ(width, c.width) << c.value;
    EXPECT_EQ(height, c.height) << c.value;
  }
}

TEST(SplitTextSize, PrintsHugeNumbersInFull) {
  std::string width;
  std::string height;
  splitTextSize("1e300x1.7976931348623157e308", '"', width, height);
  EXPECT_EQ(width.size(), 301u);
  EXPECT_EQ(width.substr(0, 16), "1000000000000000");
  EXPECT_EQ(height.size(), 309u);
  EXPECT_EQ(height.substr(0, 6), "179769");
}

TEST(SplitTextSize, ReadsQuotesOnlyWhenAQuoteCharacterIsSet) {
  std::string width;
  std::string height;
  splitTextSize("\"2.5\"x3", '\0', width, height);
  EXPECT_EQ(width, "0");
  EXPECT_EQ(height, "3");
}

TEST(SplitTextSize, RoundsEveryNumberAsTheCLibraryPrintsIt) {
  // Numbers near a rounding boundary at the sixth decimal, or at the edges
  // of what a double holds: each must read and print as strtod and "%f" do.
  const char* const numbers[] = {
      "0.0000005",
      "0.0000015",
      "2.5000005",
      "123456789.1234565",
      "1.0000004999999999",
      "9007199254740993",
      "4.9e-324",
      "2.2250738585072011e-308",
      "1e23",
      "8.589973e9",
      "+0.30000000000000004",
      "-7.0000005e-1",
      ".5",
      "5.",
      "0.1e1",
      "1e-7",
  };
  for (const char* number : numbers) {
    std::string width;
    std::string height;
    splitTextSize(std::string(number) + "x1", '"', width, height);
    char printed[400];
    std::snprintf(printed, sizeof printed, "%f", std::strtod(number, nullptr));
    std::string expected = printed;
    expected.erase(expected.find_last_not_of('0') + 1);
    if (expected.back() == '.') expected.pop_back();
    EXPECT_EQ(width, expected) << number;
  }
}

// Short decimals are written from their own digits, others printed from
// the double they read as: every mix of sign, integer digits (up to and past
// nine), decimals (up to and past six), exponent and trailing text must come
// out as strtod and "%f" make it.
TEST(SplitTextSize, WritesShortDecimalsAsTheCLibraryPrintsThem) {
  const char* const signs[] = {"", "+", "-"};
  const char* const integers[] = {"",
                                  "0",
                                  "00",
                                  "7",
                                  "0012",
                                  "123456789",
                                  "999999999",
                                  "000999999999",
                                  "1234567890",
                                  "8589934591",
                                  "9007199254740993"};
  const char* const fractions[] = {"",         ".",        ".0",      ".5",
                                   ".25",      ".000001",  ".123456", ".999999",
                                   ".1234565", ".0000005", ".100",    ".9999995"};
  const char* const endings[] = {"", "e2", "E-3", "mm", "e"};
  for (const char* sign : signs) {
    for (const char* integer : integers) {
      for (const char* fraction : fractions) {
        for (const char* ending : endings) {
          const std::string number = std::string(sign) + integer + fraction + ending;
          std::string width;
          std::string height;
          splitTextSize(number + "x1", '"', width, height);
          char printed[400];
          std::snprintf(printed, sizeof printed, "%f", std::strtod(number.c_str(), nullptr));
          std::string expected = printed;
          expected.erase(expected.find_last_not_of('0') + 1);
          if (expected.back() == '.') expected.pop_back();
          EXPECT_EQ(width, expected) << number;
        }
      }
    }
  }
}

}  // namespace
}  // namespace plotwarden
