#include "dictionary/word_scan.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace plotwarden {
namespace {

// A word whose bytes, first in memory first, are `bytes`.
uint64_t wordOf(const std::string& bytes) { return loadWord(bytes.data()); }

TEST(WordScan, LowestFlagIsTheFirstMatchingByte) {
  if (!kScanWords) GTEST_SKIP() << "words are not scanned on this machine";
  struct Case {
    std::string word;
    char value;
    unsigned first;
  };
  // A match followed by the byte one above it (which a borrow flags too),
  // high bytes, and a match in the last byte.
  const Case cases[] = {
      {"ab[\\cdef", '[', 2}, {"[\\[\\[\\[\\", '[', 0},    {"\xff\x80\xa7\xa8zzz\xa7", '\xa7', 2},
      {"abcdefg,", ',', 7},  {"\x01\x00xxxxxx", '\0', 1}, {"\x00\x01xxxxxx", '\0', 0},
  };
  for (const Case& c : cases) {
    const uint64_t word = wordOf(std::string(c.word.data(), 8));
    ASSERT_NE(bytesEqual(word, c.value), 0u) << c.word;
    EXPECT_EQ(firstFlaggedByte(bytesEqual(word, c.value)), c.first) << c.word;
  }
  EXPECT_EQ(bytesEqual(wordOf("abcdefgh"), ','), 0u);
}

TEST(WordScan, BytesBelowALimit) {
  if (!kScanWords) GTEST_SKIP() << "words are not scanned on this machine";
  EXPECT_EQ(bytesBelow(wordOf("abcdefgh"), '\r' + 1), 0u);
  EXPECT_EQ(bytesBelow(wordOf("\x0e\x7f\x80\xff\x0e\x0e\x0e\x0e"), '\r' + 1), 0u);
  EXPECT_EQ(firstFlaggedByte(bytesBelow(wordOf("abc\r\ndefg"), '\r' + 1)), 3u);
  EXPECT_EQ(firstFlaggedByte(bytesBelow(wordOf(std::string("\xff\x0e\x0d\x00xxxx", 8)), '\r' + 1)),
            2u);
}

// Every position of one target, in whole words and in the bytes after
// them, with the other target placed later.
TEST(WordScan, FindEitherAtEveryPosition) {
  for (size_t length = 0; length <= 40; ++length) {
    for (size_t at = 0; at <= length; ++at) {
      std::string text(length, 'x');
      if (at < length) text[at] = ']';
      if (at + 3 < length) text[at + 3] = '[';
      EXPECT_EQ(findEither(text.data(), 0, text.size(), '[', ']'), at) << length << " " << at;
    }
  }
}

// Three targets, a zero byte among them, in sixteen-byte steps, words and
// single bytes.
TEST(WordScan, FindFirstOfThreeAtEveryPosition) {
  for (size_t length = 0; length <= 40; ++length) {
    for (size_t at = 0; at <= length; ++at) {
      for (const char target : {'\0', '"', '['}) {
        std::string text(length, '\x80');
        if (at < length) text[at] = target;
        if (at + 1 < length) text[at + 1] = '\0';
        EXPECT_EQ(findFirstOf(text.data(), 0, text.size(), '\0', '"', '['), at)
            << length << " " << at << " " << int{target};
      }
    }
  }
}

TEST(WordScan, FindEitherFromAPositionAndUpToAnEnd) {
  const std::string text = "[abcdefghij]klmnopqrst[uv";
  EXPECT_EQ(findEither(text.data(), 1, text.size(), '[', ']'), 11u);
  EXPECT_EQ(findEither(text.data(), 12, text.size(), '[', ']'), 22u);
  EXPECT_EQ(findEither(text.data(), 12, 20, '[', ']'), 20u);  // the end, none before it
  EXPECT_EQ(findEither(text.data(), 23, text.size(), '[', ']'), text.size());
  EXPECT_EQ(findEither(text.data(), 5, text.size(), 'q', 'q'), 18u);
}

// Every stretch of a text that holds targets, zero bytes and high bytes,
// tested against a byte-by-byte search: bytes before the stretch, which
// the word test reads too, never count.
TEST(WordScan, HoldsEitherOnlyInsideTheStretch) {
  constexpr char kText[] = "x\0\"ab\xff\"\"cdefghij\"kl\x01\0mnop\"\x80qrstuvwxyz\"";
  const std::string text(kText, sizeof kText - 1);
  const char* data = text.data();
  for (size_t begin = 0; begin <= text.size(); ++begin) {
    for (size_t end = begin; end <= text.size(); ++end) {
      const std::string_view stretch(data + begin, end - begin);
      const bool expected = stretch.find('"') != std::string_view::npos ||
                            stretch.find('\0') != std::string_view::npos;
      EXPECT_EQ(holdsEither(data, data + begin, data + end, '\0', '"'), expected)
          << begin << " " << end;
    }
  }
}

// Every needle of a small alphabet in texts of every length around the
// sixteen places tested at a time, from every start, against the library.
TEST(WordScan, FindTextAgreesWithTheLibrary) {
  std::mt19937 random(11);
  const std::string alphabet = "ab;";
  for (int round = 0; round < 300; ++round) {
    std::string text(random() % 60, 'a');
    for (char& c : text) c = alphabet[random() % alphabet.size()];
    std::string needle(1 + random() % 5, 'a');
    for (char& c : needle) c = alphabet[random() % alphabet.size()];
    const std::string_view view = text;
    for (size_t from = 0; from <= text.size() + 1; ++from)
      ASSERT_EQ(findText(view, needle, from), view.find(needle, from)) << text << " / " << needle;
  }
  EXPECT_EQ(findText("", ""), 0u);
  EXPECT_EQ(findText(std::string(40, 'x') + "dimension text", "dimension "), 40u);
}

}  // namespace
}  // namespace plotwarden
