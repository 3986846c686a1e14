#include "dictionary/stop_bits.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace plotwarden {
namespace {

uint64_t stopBitsByteByByte(const char* text, char separator, char quote) {
  uint64_t bits = 0;
  for (uint32_t i = 0; i < kStopStretch; ++i)
    if (isFieldStop(text[i], separator, quote)) bits |= uint64_t{1} << i;
  return bits;
}

// Random stretches rich in stops, control and high bytes, for the usual
// separators and quotes, a zero quote among them.
TEST(StopBits, BothWaysAgreeWithTheBytes) {
  struct Structure {
    char separator;
    char quote;
  };
  const Structure structures[] = {{',', '"'}, {'\t', '\''}, {';', '\0'}, {'|', '|'}};
  const std::string alphabet = std::string("ab[] ,;|\t\"'\r\n\x0b\x0e\x7f\x80\xff", 19) + '\0';
  std::mt19937 random(7);
  for (const Structure& s : structures) {
    for (int round = 0; round < 500; ++round) {
      std::string text(kStopStretch, 'x');
      for (char& c : text)
        if (random() % 3 != 0) c = alphabet[random() % alphabet.size()];
      const uint64_t expected = stopBitsByteByByte(text.data(), s.separator, s.quote);
      EXPECT_EQ(fieldStopBits(text.data(), s.separator, s.quote), expected) << text;
      EXPECT_EQ(fieldStopBitsPortable(text.data(), s.separator, s.quote), expected) << text;
    }
  }
}

// Stops found across stretches and up to the terminator of a text of every
// length around a stretch's size, from every position.
TEST(StopBits, NextStopUpToTheTerminator) {
  for (size_t length = 0; length <= 2 * kStopStretch + 3; ++length) {
    std::string text(length, 'x');
    for (size_t i = 5; i < length; i += 37) text[i] = ',';
    const char* chars = text.c_str();  // the terminator follows
    FieldStops<CommaAndQuote> stops{
        .chars = chars, .size = static_cast<uint32_t>(length), .structure = {}};
    for (uint32_t from = 0; from <= length; ++from) {
      uint32_t expected = from;
      while (expected < length && chars[expected] != ',') ++expected;
      EXPECT_EQ(nextStop(stops, from), expected) << length << " " << from;
    }
  }
}

}  // namespace
}  // namespace plotwarden
