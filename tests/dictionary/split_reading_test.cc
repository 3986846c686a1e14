#include "dictionary/split_reading.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "dictionary/dictionary_reader.h"
#include "support/dictionary_builder.h"
#include "support/scratch_folder.h"

namespace plotwarden {
namespace {

using Starts = std::vector<uint32_t>;

using testing::ScratchFolder;

// Everything reading gives a dictionary.
struct ReadResult {
  std::vector<std::tuple<uint32_t, uint32_t, FieldRole>> header;
  std::array<int32_t, ROLE_UNKNOWN + 1> roleColumns{};
  // Per Feature: its category and its field entries, wherever they lie.
  std::vector<std::tuple<FeatureCategory, std::vector<uint32_t>>> features;
  bool fieldsMayHoldLineFeeds = true;
  std::vector<uint32_t> featuresWithLineFeeds;

  bool operator==(const ReadResult&) const = default;
};

ReadResult resultOf(const Dictionary& d) {
  ReadResult result;
  for (const HeaderCell& cell : d.header)
    result.header.emplace_back(cell.name.start, cell.name.length, cell.role);
  result.roleColumns = d.roleColumns;
  for (const Feature& f : d.features) {
    const uint32_t* entries = f.fieldCount == 0 ? nullptr : featureEntries(d, f);
    result.features.emplace_back(
        f.category, entries ? std::vector<uint32_t>(entries, entries + f.fieldCount + 1)
                            : std::vector<uint32_t>{});
  }
  result.fieldsMayHoldLineFeeds = d.fieldsMayHoldLineFeeds;
  result.featuresWithLineFeeds = d.featuresWithLineFeeds;
  return result;
}

struct TextCase {
  const char* title;
  std::string text;
  char separator = ',';
  char quote = '"';
  char marker = '#';
};

ReadResult readAt(const TextCase& c, const Starts& starts, int threads = 2) {
  Dictionary d;
  d.text = c.text;
  readInParts(d, c.separator, c.quote, c.marker, starts, threads);
  return resultOf(d);
}

std::string describe(const Starts& starts) {
  std::string text = "parts from";
  for (uint32_t start : starts) {
    text += ' ';
    text += std::to_string(start);
  }
  return text;
}

const TextCase kTexts[] = {
    {"PlainLines", "NAME,LEVEL\na,b\nc,d\ne,f\n"},
    {"QuotedPartsSpanLines", "NAME\n\"a\nb\nc\",x\nd\n\"e\r\nf\"\ng\n"},
    {"DoubledQuotesAcrossLines", "NAME\n\"a\"\"\n\"\"b\",c\n\"\"\nd"},
    {"BracketedFieldsSpanLines", "NAME\na,b]\nc,d\ne,[f,g]\nh,i]\n\nj,k\nl"},
    {"CloseBracketWithoutCommaAfterIt", "NAME\na,b\nc]\nd\n"},
    {"MarkerHeaderLinesLater", "NAME\na\n# LEVEL,COLOR\nb\n# KEY-IN\nc\n# \nd,e\n"},
    {"SkippedLines", "NAME\na\n#skip\n#x\nb\n#y\n# not header\nc\n#z"},
    {"SkippedLineBeforeMarkerSpaceLine", "NAME\n#x\n# LEVEL\n# COLOUR\ne\n"},
    {"BlankLines", "NAME\n\n\na\n\n\n"},
    {"CrLfLines", "NAME,LEVEL\r\na,b\r\n\r\nc\r\n#x\r\n# WEIGHT\r\n"},
    {"HeaderComesLate", "\n\n\r\n\nNAME,LEVEL\na\nb\n"},
    {"HeaderLineEmptyThenMarker", "\n# NAME\n\nx\n"},
    {"LoneCrsAtLineStarts", "NAME\na\r\n\rb\r\r\nc\n\r\n\r\r\n\r"},
    {"NoLineEndAtAll", "NAME,LEVEL,COLOUR"},
    {"LastPartWithoutLineEnd", "NAME\nabc\ndef"},
    {"OnlyLineEnds", "\n\n\n\n"},
    {"OneLineEnd", "\n"},
    {"Empty", ""},
    {"UnclosedQuote", "NAME\na\n\"b\nc\nd\n"},
    {"UnclosedQuoteInHeader", "\"NAME\nLEVEL\na\n"},
    {"MarkerOnFirstLines", "# NAME\n# LEVEL\n#x\na\n"},
    {"FieldsEndingAtLineEnds", "N\na,\n,b\n,\n,,\nc"},
    {"SemicolonTurnsBracketsOff", "NAME;X\na;b]\nc;d\n", ';', '\'', '!'},
    {"ApostropheQuotesAcrossLines", "NAME;X\n'a\n;b';c\n! LEVEL\n!x\n'\n'\n", ';', '\'', '!'},
    {"LineFeedMarkerSkipsEmptyLines", "NAME\na\n\nb\n\n\nc\n", ',', '"', '\n'},
    {"CarriageReturnSeparator", "NAME\rLEVEL\r\na\rb\n\rc\r\n", '\r', '"', '#'},
    {"LineFeedQuote", "NAME\na,\nb\n,c\n\n", ',', '\n', '#'},
};

class SplitReadingTexts : public ::testing::TestWithParam<TextCase> {};

// Every way to cut the text in two or three parts, at any character, reads
// as the whole text does. Parts that start just after a LF are read by one
// thread or another (or all by the calling thread) and kept where they fit;
// the rest are read again.
TEST_P(SplitReadingTexts, AnyCutsReadAsOnePart) {
  const TextCase& c = GetParam();
  const ReadResult whole = readAt(c, {});
  const uint32_t size = static_cast<uint32_t>(c.text.size());
  for (uint32_t first = 1; first < size; ++first) {
    EXPECT_EQ(readAt(c, {first}), whole) << describe({first});
    for (uint32_t second = first + 1; second < size; ++second)
      for (int threads : {1, 2, 3})
        EXPECT_EQ(readAt(c, {first, second}, threads), whole)
            << describe({first, second}) << ", " << threads << " threads";
  }
}

// A part at every line start: as many parts as lines, more than threads.
TEST_P(SplitReadingTexts, PartAtEveryLineReadsAsOnePart) {
  const TextCase& c = GetParam();
  Starts starts;
  for (uint32_t i = 0; i + 1 < c.text.size(); ++i)
    if (c.text[i] == '\n') starts.push_back(i + 1);
  for (int threads : {1, 2, 8})
    EXPECT_EQ(readAt(c, starts, threads), readAt(c, {})) << describe(starts) << ", " << threads;
}

// Loading with the setting forcing tiny parts, by one to eight threads.
TEST_P(SplitReadingTexts, LoadingWithAnyThreadCountReadsAsOnePart) {
  const TextCase& c = GetParam();
  const ReadResult whole = readAt(c, {});
  for (int threads = 1; threads <= 8; ++threads) {
    Dictionary d;
    ASSERT_TRUE(loadDictionaryText(d, c.text, c.separator, c.quote, c.marker, {threads, 0}).ok());
    EXPECT_EQ(resultOf(d), whole) << threads << " threads";
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, SplitReadingTexts, ::testing::ValuesIn(kTexts),
                         [](const ::testing::TestParamInfo<TextCase>& param) {
                           return std::string(param.param.title);
                         });

// The joined rows are those of one reading: each kept part's field
// entries stay in an array of their own, which its Features point to, a
// Feature without fields included, and header cells of later parts join in
// file order with their roles.
TEST(SplitReading, JoinedRowsKeepTheirOrderAndOffsets) {
  const TextCase c{"", "NAME,LEVEL\na,b\n\n# BOGUS,KEY-IN\nc\n"};
  Dictionary d;
  d.text = c.text;
  readInParts(d, c.separator, c.quote, c.marker, {15, 16}, 2);
  EXPECT_EQ(test_support::entriesOf(d.fieldStarts), (std::vector<uint32_t>{11, 13, 15}));
  ASSERT_EQ(d.laterFieldStarts.size(), 2u);
  EXPECT_TRUE(d.laterFieldStarts[0].empty());
  EXPECT_EQ(test_support::entriesOf(d.laterFieldStarts[1]), (std::vector<uint32_t>{31, 33}));
  ASSERT_EQ(d.features.size(), 4u);
  const uint32_t entryArrays[] = {0, 1, 2, 2};  // the blank line's Feature, then the last part
  const uint32_t firstFields[] = {0, 0, 0, 2};  // after the last line end
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(d.features[i].entryArray, entryArrays[i]) << i;
    EXPECT_EQ(d.features[i].firstField, firstFields[i]) << i;
  }
  const ReadResult split = readAt(c, {15, 16});
  EXPECT_EQ(split.roleColumns[ROLE_KEY_IN], 3);
  EXPECT_EQ(split, readAt(c, {}));
}

// A long text of many lines, with a quoted line end and a bracket join now
// and then, read in several parts per thread by 1 to 8 threads.
TEST(SplitReading, LongTextInSeveralPartsPerThread) {
  std::string text = "FEATURE NAME,LEVEL,ELEMENT TYPES,KEY-IN\r\n";
  for (int i = 0; i < 20000; ++i) {
    const std::string number = std::to_string(i);
    text.append("f").append(number).append(",L").append(1, static_cast<char>('0' + i % 7));
    text.append(",[3,4],\"k;").append(number).append("\"\r\n");
    if (i % 997 == 0) text += "q,\"two\nlines\",x\n";
    if (i % 1409 == 0) text += "j,b]\nc,d\n";
    if (i % 1999 == 0) text += "# TEXT FONT\n#skipped\n";
  }
  const TextCase c{"", text};
  const ReadResult whole = readAt(c, {});
  for (int threads = 1; threads <= 8; ++threads) {
    const size_t parts = static_cast<size_t>(threads) * kPartsPerThread;
    Dictionary d;
    d.text = text;
    readInParts(d, ',', '"', '#', partStarts(text, parts), threads);
    EXPECT_EQ(resultOf(d), whole) << parts << " parts, " << threads << " threads";
  }
}

struct StartsCase {
  std::string text;
  size_t parts;
  Starts starts;
};

TEST(PartStarts, CutJustAfterLineEndsNearEqualShares) {
  const StartsCase cases[] = {
      {"a\nb\nc\nd\n", 2, {4}},
      {"a\nb\nc\nd\n", 4, {2, 4, 6}},
      {"a\nb\nc\nd\n", 8, {2, 4, 6}},  // no part starts at the very end
      {"a\r\nb\r\nc\r\n", 2, {6}},     // a CR LF is never cut
      {"aaaaaaaa\nb\nc\n", 2, {9}},    // a long line goes whole to one part
      {"aaaaaaaa\nb\nc\n", 3, {9, 11}},
      {"ab\ncd\nef", 2, {6}},
      {"abcdef\n", 2, {}},       // the only line end is the last
      {"abc\rdef\rghi", 4, {}},  // no line end at all
      {"a\nb\nc\nd\n", 1, {}},
      {"", 8, {}},
  };
  for (const StartsCase& c : cases)
    EXPECT_EQ(partStarts(c.text, c.parts), c.starts) << c.text << " " << c.parts;
}

// The setting cuts a text into several parts per thread, and a short text
// or one read by one thread not at all.
TEST(PartStarts, SeveralPartsPerThreadOfTheSetting) {
  const std::string text(100, '\n');
  EXPECT_EQ(partStarts(text, LoadConcurrency{2, 0}).size(), 2 * kPartsPerThread - 1);
  EXPECT_EQ(partStarts(text, LoadConcurrency{3, 100}).size(), 3 * kPartsPerThread - 1);
  EXPECT_TRUE(partStarts(text, LoadConcurrency{2, 101}).empty());  // shorter than the smallest cut
  EXPECT_TRUE(partStarts(text, LoadConcurrency{1, 0}).empty());
}

// A file read by 1 to 8 threads, in ranges shared among them: every byte
// arrives, and the first zero byte is found wherever it lies (or the size,
// with none).
TEST(ReadFileInParts, GivesEveryByteAndTheFirstZeroWhateverTheRanges) {
  ScratchFolder folder;
  std::string bytes;
  for (size_t i = 0; i < 1000; ++i) bytes += static_cast<char>('a' + i % 26);
  struct ZeroCase {
    std::vector<size_t> zeros;
    size_t first;
  };
  const ZeroCase cases[] = {{{}, 1000}, {{0}, 0}, {{999}, 999}, {{700, 300}, 300}, {{501}, 501}};
  for (const ZeroCase& c : cases) {
    std::string content = bytes;
    for (size_t zero : c.zeros) content[zero] = '\0';
    const std::string path = folder.write("d.csv", content);
    for (int threads = 1; threads <= 8; ++threads) {
      std::string buffer(content.size(), '?');
      size_t firstZero = 12345;
      ASSERT_TRUE(readFileInParts(path, buffer.data(), buffer.size(), firstZero, {threads, 0}))
          << threads;
      EXPECT_EQ(buffer, content) << threads;
      EXPECT_EQ(firstZero, c.first) << threads << " threads";
    }
  }
}

TEST(ReadFileInParts, AFileShorterThanExpectedIsNotRead) {
  ScratchFolder folder;
  const std::string path = folder.write("d.csv", std::string(100, 'x'));
  std::string buffer(101, '?');
  size_t firstZero = 0;
  EXPECT_FALSE(readFileInParts(path, buffer.data(), buffer.size(), firstZero, {4, 0}));
  EXPECT_FALSE(readFileInParts((folder.path() / "missing.csv").string(), buffer.data(), 10,
                               firstZero, {4, 0}));
}

TEST(LoadConcurrency, ThreadsStayBetweenOneAndEight) {
  EXPECT_EQ(threadsOf({0, 5}), 1);
  EXPECT_EQ(threadsOf({64, 5}), 8);
  const LoadConcurrency usual = defaultLoadConcurrency();
  EXPECT_GE(usual.threads, 1);
  EXPECT_LE(usual.threads, 8);
}

}  // namespace
}  // namespace plotwarden
