#include "dictionary/dictionary_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "support/dictionary_builder.h"
#include "support/scratch_folder.h"

namespace plotwarden {
namespace {

using namespace std::string_literals;
using Rows = std::vector<std::vector<std::string>>;
using Names = std::vector<std::string>;

struct Loaded {
  Dictionary dictionary;
  Status result;
};

Loaded loadBytes(const std::string& bytes, char separator, char quote, char marker) {
  testing::ScratchFolder folder;
  Loaded loaded;
  loaded.dictionary.filePath = folder.write("dictionary.csv", bytes);
  loaded.result = loadDictionary(loaded.dictionary, separator, quote, marker);
  return loaded;
}

Names headerNames(const Dictionary& d) {
  Names names;
  for (const HeaderCell& cell : d.header) names.emplace_back(cellText(d, cell.name));
  return names;
}

Rows featureRows(const Dictionary& d) {
  Rows rows;
  for (const Feature& feature : d.features) {
    EXPECT_EQ(feature.category, CATEGORY_NONE);
    std::vector<std::string>& row = rows.emplace_back();
    for (uint32_t i = 0; i < feature.fieldCount; ++i)
      row.emplace_back(featureField(d, feature, static_cast<int>(i)));
  }
  return rows;
}

struct ReadCase {
  const char* title;
  std::string bytes;
  char separator;
  char quote;
  char marker;
  Names header;
  Rows rows;
};

void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.title; }

class DictionaryReaderCases : public ::testing::TestWithParam<ReadCase> {};

TEST_P(DictionaryReaderCases, SplitsHeaderAndFeatures) {
  const ReadCase& c = GetParam();
  Loaded loaded = loadBytes(c.bytes, c.separator, c.quote, c.marker);
  ASSERT_TRUE(loaded.result.ok());
  EXPECT_EQ(headerNames(loaded.dictionary), c.header);
  EXPECT_EQ(featureRows(loaded.dictionary), c.rows);
}

const ReadCase kReadCases[] = {
    // Header and line structure.
    {"HeaderThenOneFeaturePerLine",
     "FEATURE NAME,LEVEL,COLOUR\na,b,c\nd,e,f",
     ',',
     '"',
     '#',
     {"FEATURE NAME", "LEVEL", "COLOUR"},
     {{"a", "b", "c"}, {"d", "e", "f"}}},
    {"TrailingSeparatorOnHeaderAddsNoCell",
     "FEATURE NAME,LEVEL,COLOUR,\nx",
     ',',
     '"',
     '#',
     {"FEATURE NAME", "LEVEL", "COLOUR"},
     {{"x"}}},
    {"EmptyFieldsInsideAndAtBothEnds",
     "NAME\na,,c\na,b,\n,a",
     ',',
     '"',
     '#',
     {"NAME"},
     {{"a", "", "c"}, {"a", "b"}, {"", "a"}}},
    {"OnlySeparatorsGiveEmptyFields", "NAME\n,,", ',', '"', '#', {"NAME"}, {{"", ""}}},
    {"FinalLineEndGivesOneMoreEmptyFeature", "NAME\na\n", ',', '"', '#', {"NAME"}, {{"a"}, {}}},
    {"NoFinalLineEndNoExtraFeature", "NAME\na", ',', '"', '#', {"NAME"}, {{"a"}}},
    {"EmptyLineGivesFeatureWithoutFields",
     "NAME\na\n\nb",
     ',',
     '"',
     '#',
     {"NAME"},
     {{"a"}, {}, {"b"}}},
    {"BlankLinesBeforeHeaderArePassedOver",
     "\n\r\n\nNAME,LEVEL\na",
     ',',
     '"',
     '#',
     {"NAME", "LEVEL"},
     {{"a"}}},
    {"HeaderOnly", "NAME,LEVEL", ',', '"', '#', {"NAME", "LEVEL"}, {}},
    {"EmptyFile", "", ',', '"', '#', {}, {}},
    {"CrLfLineEnds",
     "NAME,LEVEL\r\na,b\r\nc,d\r\n",
     ',',
     '"',
     '#',
     {"NAME", "LEVEL"},
     {{"a", "b"}, {"c", "d"}, {}}},
    {"LfLineEndsGiveTheSameFields",
     "NAME,LEVEL\na,b\nc,d\n",
     ',',
     '"',
     '#',
     {"NAME", "LEVEL"},
     {{"a", "b"}, {"c", "d"}, {}}},
    {"LoneCrBelongsToTheField", "NAME\na\rb,c\rd\r", ',', '"', '#', {"NAME"}, {{"a\rb", "c\rd\r"}}},
    {"CrBeforeCrLfBelongsToTheField", "NAME\na\r\r\nb", ',', '"', '#', {"NAME"}, {{"a\r"}, {"b"}}},
    {"ZeroByteEndsTheText", "NAME\na,b\0c,d\ne"s, ',', '"', '#', {"NAME"}, {{"a", "b"}}},
    {"ZeroByteRightAfterLineEnd", "NAME\na\n\0b\n"s, ',', '"', '#', {"NAME"}, {{"a"}, {}}},
    {"ZeroByteFirst", "\0NAME\na"s, ',', '"', '#', {}, {}},

    // Quoting: quotes stay in the field.
    {"QuotedSeparatorKeepsBothQuotes",
     "NAME\n\"x,y\",z",
     ',',
     '"',
     '#',
     {"NAME"},
     {{"\"x,y\"", "z"}}},
    {"DoubledQuoteKeepsBothCharacters",
     "NAME\n\"a\"\"b\",c",
     ',',
     '"',
     '#',
     {"NAME"},
     {{"\"a\"\"b\"", "c"}}},
    {"QuotedLineEndContinuesTheFeature",
     "NAME\n\"a\r\nb\",c\nd",
     ',',
     '"',
     '#',
     {"NAME"},
     {{"\"a\r\nb\"", "c"}, {"d"}}},
    {"TextAfterClosingQuoteBelongsToTheField",
     "NAME\n\"a\"b,c",
     ',',
     '"',
     '#',
     {"NAME"},
     {{"\"a\"b", "c"}}},
    {"QuoteInsideUnquotedFieldIsOrdinary",
     "NAME\na\"b,c\"d",
     ',',
     '"',
     '#',
     {"NAME"},
     {{"a\"b", "c\"d"}}},
    {"UnclosedQuoteRunsToTheEnd", "NAME\n\"a,b\nc\n", ',', '"', '#', {"NAME"}, {{"\"a,b\nc\n"}}},
    {"LoneQuoteAtTheEnd", "NAME\n\"", ',', '"', '#', {"NAME"}, {{"\""}}},
    {"DoubledQuoteAtTheEndStaysOpen", "NAME\n\"a\"\",b", ',', '"', '#', {"NAME"}, {{"\"a\"\",b"}}},
    {"EmptyQuotedField", "NAME\n\"\",x", ',', '"', '#', {"NAME"}, {{"\"\"", "x"}}},
    {"QuotedHeaderNameKeepsQuotes",
     "\"NAME\",LEVEL\na",
     ',',
     '"',
     '#',
     {"\"NAME\"", "LEVEL"},
     {{"a"}}},

    // Commas inside brackets.
    {"CommaInsideBracketsDoesNotSplit",
     "NAME\nname,lv=[1,2],x",
     ',',
     '"',
     '#',
     {"NAME"},
     {{"name", "lv=[1,2]", "x"}}},
    {"CloseBracketThenCommaOnLaterLine",
     "NAME\na,b]\nc,d",
     ',',
     '"',
     '#',
     {"NAME"},
     {{"a,b]\nc", "d"}}},
    {"NoCommaAfterCloseBracketSplitsAsUsual",
     "NAME\nlv=[1,2]",
     ',',
     '"',
     '#',
     {"NAME"},
     {{"lv=[1", "2]"}}},
    {"OpenBracketFirstSplitsAsUsual",
     "NAME\na,[b],c",
     ',',
     '"',
     '#',
     {"NAME"},
     {{"a", "[b]", "c"}}},
    {"OpenBracketAfterCloseBracketStillJoins",
     "NAME\na,b],[c",
     ',',
     '"',
     '#',
     {"NAME"},
     {{"a,b]", "[c"}}},
    {"BracketSearchCrossesQuotes",
     "NAME\na,\"b]\",c",
     ',',
     '"',
     '#',
     {"NAME"},
     {{"a,\"b]\"", "c"}}},
    {"JoinedFieldIsFollowedByAnEmptyField",
     "NAME\na,b],,c",
     ',',
     '"',
     '#',
     {"NAME"},
     {{"a,b]", "", "c"}}},
    {"EmptyFieldSeparatorIgnoresBrackets",
     "NAME\n,b],c",
     ',',
     '"',
     '#',
     {"NAME"},
     {{"", "b]", "c"}}},
    {"CommaAfterQuotedPartFollowsBracketRule",
     "NAME\n\"q\",x],y",
     ',',
     '"',
     '#',
     {"NAME"},
     {{"\"q\",x]", "y"}}},
    {"BracketsJoinHeaderNamesToo", "NAME,LEVEL]\nx,y", ',', '"', '#', {"NAME,LEVEL]\nx", "y"}, {}},
    {"SeveralBracketedFieldsInOneLine",
     "NAME\n[1,2],a,[3,4],b",
     ',',
     '"',
     '#',
     {"NAME"},
     {{"[1,2]", "a", "[3,4]", "b"}}},
    {"BracketsOffForSemicolon", "NAME\na;[1;2]", ';', '"', '#', {"NAME"}, {{"a", "[1", "2]"}}},
    {"BracketsOffForTab", "NAME\na\t[1\t2]\tx", '\t', '"', '#', {"NAME"}, {{"a", "[1", "2]", "x"}}},

    // Marker lines.
    {"MarkerFirstLineIsStillTheHeader",
     "# FEATURE NAME,LEVEL\na",
     ',',
     '"',
     '#',
     {"# FEATURE NAME", "LEVEL"},
     {{"a"}}},
    {"MarkerSpaceContinuesTheHeader",
     "NAME\na\n# LEVEL,COLOUR\nb",
     ',',
     '"',
     '#',
     {"NAME", "LEVEL", "COLOUR"},
     {{"a"}, {"b"}}},
    {"MarkerSpaceAloneAddsNoCell", "NAME\n# \na", ',', '"', '#', {"NAME"}, {{"a"}}},
    {"MarkerLineIsSkippedAndNextIsAFeature",
     "NAME\n#x,y\n#z\nw",
     ',',
     '"',
     '#',
     {"NAME"},
     {{"#z"}, {"w"}}},
    {"MarkerSpaceAfterSkippedLineIsAFeature",
     "NAME\n#x\n# LEVEL",
     ',',
     '"',
     '#',
     {"NAME"},
     {{"# LEVEL"}}},
    {"SkippedCrLfLine", "NAME\r\n#x\r\na\r\n", ',', '"', '#', {"NAME"}, {{"a"}, {}}},
    {"SkippedLineIgnoresQuotes", "NAME\n#\"x\ny", ',', '"', '#', {"NAME"}, {{"y"}}},
    {"SkippedLastLineGivesEmptyFeature", "NAME\na\n#", ',', '"', '#', {"NAME"}, {{"a"}, {}}},
    {"MarkerInsideALineIsOrdinary", "NAME\na,# b", ',', '"', '#', {"NAME"}, {{"a", "# b"}}},

    // Other structuring characters.
    {"SemicolonApostropheBang",
     "NAME;LEVEL\n'a;b';c\n! COLOUR\n!skip\n!kept;x\n",
     ';',
     '\'',
     '!',
     {"NAME", "LEVEL", "COLOUR"},
     {{"'a;b'", "c"}, {"!kept", "x"}, {}}},
    {"ApostropheDoubled", "NAME\n'it''s';x", ';', '\'', '!', {"NAME"}, {{"'it''s'", "x"}}},
    {"OtherCharactersAreOrdinary",
     "NAME\n\"a;b\",c;# d",
     ';',
     '\'',
     '!',
     {"NAME"},
     {{"\"a", "b\",c", "# d"}}},
    {"TabSeparatorPercentMarker",
     "NAME\tLEVEL\na\t\tc\n% TEXT FONT\n%x\n%y\tz",
     '\t',
     '"',
     '%',
     {"NAME", "LEVEL", "TEXT FONT"},
     {{"a", "", "c"}, {"%y", "z"}}},
    {"ApostropheQuotesCommaSeparator",
     "NAME\n'x,y',\"a,b\"",
     ',',
     '\'',
     '#',
     {"NAME"},
     {{"'x,y'", "\"a", "b\""}}},
    {"PipeSeparator",
     "NAME|LEVEL\na|[1|2]|x",
     '|',
     '"',
     '#',
     {"NAME", "LEVEL"},
     {{"a", "[1", "2]", "x"}}},
    {"CarriageReturnSeparator",
     "NAME\rLEVEL\r\na\rb",
     '\r',
     '"',
     '#',
     {"NAME", "LEVEL"},
     {{"a", "b"}}},
    {"LineFeedMarkerSkipsEmptyLines", "NAME\na\n\nb", ',', '"', '\n', {"NAME"}, {{"a"}, {"b"}}},
    {"SeparatorEqualToQuoteSeparates", "NAME\n'a'b", '\'', '\'', '#', {"NAME"}, {{"", "a", "b"}}},
    {"LineFeedSeparatorEndsLinesInstead",
     "NAME\na\nb,c\r\nd",
     '\n',
     '"',
     '#',
     {"NAME"},
     {{"a"}, {"b,c"}, {"d"}}},
    {"ZeroSeparatorSplitsNothing", "NAME,LEVEL\na,b", '\0', '"', '#', {"NAME,LEVEL"}, {{"a,b"}}},
    {"ZeroQuoteQuotesNothing", "NAME\n\"a,b\"", ',', '\0', '#', {"NAME"}, {{"\"a", "b\""}}},
    {"ZeroMarkerMarksNothing", "NAME\n#x\na\n", ',', '"', '\0', {"NAME"}, {{"#x"}, {"a"}, {}}},

    // Fields longer than a word, and characters that only look like ends.
    {"LongFieldsAcrossWords",
     "NAME\nabcdefghijklmnopq,rstuvwxyz0123456789,\"quoted, long ,, text \"\"x\"\"\"tail,end",
     ',',
     '"',
     '#',
     {"NAME"},
     {{"abcdefghijklmnopq", "rstuvwxyz0123456789", "\"quoted, long ,, text \"\"x\"\"\"tail",
       "end"}}},
    {"FieldsAcrossManyStretches",
     "NAME\n" + std::string(70, 'a') + ",\"" + std::string(61, 'q') + "\"\"" +
         std::string(64, ',') + "\"b,c\n" + std::string(130, 'd'),
     ',',
     '"',
     '#',
     {"NAME"},
     {{std::string(70, 'a'), "\"" + std::string(61, 'q') + "\"\"" + std::string(64, ',') + "\"b",
       "c"},
      {std::string(130, 'd')}}},
    {"ControlCharactersAreOrdinary",
     "NAME\na\tb\x01\x0b\x0c\x0d!,c\x0e\x1f",
     ',',
     '"',
     '#',
     {"NAME"},
     {{"a\tb\x01\x0b\x0c\r!", "c\x0e\x1f"}}},
    {"HighByteSeparatorAndQuote",
     "NAME\xa7LEVEL\na\xa7\xe9t\xe9\xa7\xabx\xa7y\xab\xa7\xff",
     '\xa7',
     '\xab',
     '#',
     {"NAME", "LEVEL"},
     {{"a", "\xe9t\xe9", "\xabx\xa7y\xab", "\xff"}}},
    {"ZeroMarkerNeverLooksPastTheEnd", "NAME\na\n\0 LEVEL"s, ',', '"', '\0', {"NAME"}, {{"a"}, {}}},
};

INSTANTIATE_TEST_SUITE_P(Lines, DictionaryReaderCases, ::testing::ValuesIn(kReadCases),
                         [](const ::testing::TestParamInfo<ReadCase>& param) {
                           return std::string(param.param.title);
                         });

TEST(DictionaryReader, UnknownHeaderNamesKeepTheirColumns) {
  Loaded loaded = loadBytes("# FEATURE NAME,LEVEL,COLOR,\nx\n# ,KEY-IN", ',', '"', '#');
  const Dictionary& d = loaded.dictionary;
  ASSERT_EQ(d.header.size(), 5u);
  EXPECT_EQ(d.header[0].role, ROLE_UNKNOWN);
  EXPECT_EQ(d.header[1].role, ROLE_LEVEL);
  EXPECT_EQ(d.header[2].role, ROLE_UNKNOWN);
  EXPECT_EQ(d.header[3].role, ROLE_UNKNOWN);
  EXPECT_EQ(d.header[4].role, ROLE_KEY_IN);
  EXPECT_EQ(findFieldColumn(d, ROLE_KEY_IN), 4);
}

TEST(DictionaryReader, LeftmostColumnOfARoleIsUsed) {
  Loaded loaded = loadBytes("NAME,LEVEL,COLOUR,FEATURE NAME\na,b,c,d", ',', '"', '#');
  const Dictionary& d = loaded.dictionary;
  EXPECT_EQ(d.header[0].role, ROLE_FEATURE_NAME);
  EXPECT_EQ(d.header[3].role, ROLE_FEATURE_NAME);
  EXPECT_EQ(findFieldColumn(d, ROLE_FEATURE_NAME), 0);
  EXPECT_EQ(featureField(d, d.features[0], findFieldColumn(d, ROLE_FEATURE_NAME)), "a");
}

TEST(DictionaryReader, UnknownColumnKeepsLaterColumnsInPlace) {
  Loaded loaded = loadBytes("NAME,LEVEL,BOGUS,KEY-IN\na,b,c,d\n", ',', '"', '#');
  const Dictionary& d = loaded.dictionary;
  EXPECT_EQ(d.header[2].role, ROLE_UNKNOWN);
  EXPECT_EQ(findFieldColumn(d, ROLE_KEY_IN), 3);
  EXPECT_EQ(featureField(d, d.features[0], 3), "d");
  EXPECT_EQ(featureField(d, d.features[1], 3), "");
}

TEST(DictionaryReader, MissingFileFailsAndLeavesTheDictionaryEmpty) {
  testing::ScratchFolder folder;
  Dictionary d;
  d.filePath = (folder.path() / "absent.csv").string();
  d.text = "stale";
  appendHeaderCell(d, {{0, 5}, ROLE_LEVEL});
  appendFeature(d);
  EXPECT_FALSE(loadDictionary(d, ',', '"', '#').ok());
  EXPECT_TRUE(d.text.empty());
  EXPECT_TRUE(d.header.empty());
  EXPECT_TRUE(d.features.empty());
  EXPECT_TRUE(d.fieldStarts.empty());
  EXPECT_EQ(findFieldColumn(d, ROLE_LEVEL), -1);
}

TEST(DictionaryReader, FolderFails) {
  testing::ScratchFolder folder;
  Dictionary d;
  d.filePath = folder.path().string();
  EXPECT_FALSE(loadDictionary(d, ',', '"', '#').ok());
  EXPECT_TRUE(d.text.empty());
}

TEST(DictionaryReader, FileTooLargeForPositionsFails) {
  testing::ScratchFolder folder;
  std::string path = folder.write("huge.csv", "");
  std::error_code error;
  std::filesystem::resize_file(path, uintmax_t{1} << 32, error);  // sparse: no data is written
  if (error) GTEST_SKIP() << "no sparse file here: " << error.message();
  Dictionary d;
  d.filePath = path;
  EXPECT_FALSE(loadDictionary(d, ',', '"', '#').ok());
  EXPECT_TRUE(d.text.empty());
}

TEST(DictionaryReader, BackslashesInPathWork) {
  testing::ScratchFolder folder;
  std::filesystem::create_directory(folder.path() / "sub");
  folder.write("sub/d.csv", "NAME\na");
  Dictionary d;
  d.filePath = folder.path().string() + "\\sub\\d.csv";
  EXPECT_TRUE(loadDictionary(d, ',', '"', '#').ok());
  EXPECT_EQ(featureRows(d), (Rows{{"a"}}));
}

TEST(DictionaryReader, LoadingAgainStartsAfresh) {
  testing::ScratchFolder folder;
  Dictionary d;
  d.filePath = folder.write("d.csv", "NAME,LEVEL\na,b\n");
  ASSERT_TRUE(loadDictionary(d, ',', '"', '#').ok());
  ASSERT_TRUE(loadDictionary(d, ',', '"', '#').ok());
  EXPECT_EQ(headerNames(d), (Names{"NAME", "LEVEL"}));
  EXPECT_EQ(featureRows(d), (Rows{{"a", "b"}, {}}));
  EXPECT_EQ(d.text, "NAME,LEVEL\na,b\n");
}

TEST(DictionaryReader, TextInMemoryLoadsLikeAFile) {
  const std::string bytes = "NAME;LEVEL\r\n'a;b';c\n! COLOUR\n!x\nd\0e"s;
  Loaded fromFile = loadBytes(bytes, ';', '\'', '!');
  Dictionary fromText;
  fromText.text = "stale";
  ASSERT_TRUE(loadDictionaryText(fromText, bytes, ';', '\'', '!').ok());
  EXPECT_EQ(headerNames(fromText), headerNames(fromFile.dictionary));
  EXPECT_EQ(featureRows(fromText), featureRows(fromFile.dictionary));
  EXPECT_EQ(fromText.text, fromFile.dictionary.text);
}

// A spreadsheet's "CSV UTF-8" starts with a byte-order mark; it is no part
// of the first header name, from a file or from memory. A mark further on
// is text like any other.
TEST(DictionaryReader, SkipsAByteOrderMarkAtTheStart) {
  const std::string bytes =
      "\xEF\xBB\xBF"
      "FEATURE NAME,LEVEL\r\n\xEF\xBB\xBF"
      "a,b\r\n";
  Loaded fromFile = loadBytes(bytes, ',', '"', '#');
  EXPECT_EQ(headerNames(fromFile.dictionary), (std::vector<std::string>{"FEATURE NAME", "LEVEL"}));
  EXPECT_EQ(findFieldColumn(fromFile.dictionary, ROLE_FEATURE_NAME), 0);
  EXPECT_EQ(fromFile.dictionary.text, bytes.substr(3));
  Dictionary fromText;
  ASSERT_TRUE(loadDictionaryText(fromText, bytes, ',', '"', '#').ok());
  EXPECT_EQ(fromText.text, bytes.substr(3));
  EXPECT_EQ(featureRows(fromText), featureRows(fromFile.dictionary));
}

// Bit i of a Feature's plain fields: field i is known to hold no quote,
// so it is read as it stands. A quote anywhere, or a comma joined to a later
// one by brackets (which may take quotes along), leaves the bit clear, and
// so does every field past the 32nd.
TEST(DictionaryReader, MarksTheFieldsThatHoldNoQuote) {
  struct PlainCase {
    const char* line;
    char separator;
    uint32_t plainFields;
  };
  const PlainCase cases[] = {
      {"a,,b", ',', 0b111},  {"\"a\",b", ',', 0b10},     {"a\"b,c", ',', 0b10},
      {"a,b\"", ',', 0b01},  {"x[1,2],y", ',', 0b10},    {"x[1;2];y", ';', 0b111},
      {"'a';b'", ';', 0b00}, {"a\tb\t\"c", '\t', 0b011},
  };
  for (const PlainCase& c : cases) {
    const char quote = c.separator == ';' ? '\'' : '"';
    Loaded loaded = loadBytes(std::string("H\n") + c.line, c.separator, quote, '#');
    ASSERT_EQ(loaded.dictionary.features.size(), 1u) << c.line;
    EXPECT_EQ(loaded.dictionary.features[0].plainFields, c.plainFields) << c.line;
  }
  std::string wide = "H\n";
  for (int i = 0; i < 40; ++i) wide += "f,";
  Loaded loaded = loadBytes(wide, ',', '"', '#');
  EXPECT_EQ(loaded.dictionary.features[0].fieldCount, 40u);
  EXPECT_EQ(loaded.dictionary.features[0].plainFields, 0xFFFFFFFFu);
}

// A load tells whether any field holds a LF: only quotes, or brackets
// joining a comma to one on a later line, take one into a field. Each
// Feature then tells whether its own fields may.
TEST(DictionaryReader, TellsWhetherFieldsHoldLineFeeds) {
  struct LineFeedCase {
    const char* text;
    bool anyField;
    std::vector<bool> perFeature;
  };
  const LineFeedCase cases[] = {
      {"H\na,b\r\nc\n\nd", false, {false, false, false, false}},
      {"H\n\"a\r\nb\",c\nd", true, {true, false}},
      {"H\nx,\"a\"\"\nb\"\ny", true, {true, false}},
      {"H\na,b\nc],d\ne", true, {true, false}},
      {"H\na,[b\nc],d\ne", false, {false, false, false}},
      {"H\n\"a\rb\",c\n", false, {false, false}},
      {"\"H\nI\"\na", true, {false}},
      {"H\n#x\n\"\n\"", true, {true}},
  };
  for (const LineFeedCase& c : cases) {
    Loaded loaded = loadBytes(c.text, ',', '"', '#');
    const Dictionary& d = loaded.dictionary;
    EXPECT_EQ(d.fieldsMayHoldLineFeeds, c.anyField) << c.text;
    std::vector<bool> perFeature;
    for (const Feature& f : d.features) perFeature.push_back(featureMayHoldLineFeeds(d, f));
    EXPECT_EQ(perFeature, c.perFeature) << c.text;
  }
}

TEST(DictionaryReader, FieldsAreViewsIntoTheText) {
  Loaded loaded = loadBytes("NAME\n\"a\",b", ',', '"', '#');
  const Dictionary& d = loaded.dictionary;
  // Each field's start, then one past the last field's end plus one.
  EXPECT_EQ(test_support::entriesOf(d.fieldStarts), (std::vector<uint32_t>{5, 9, 11}));
  EXPECT_EQ(d.header[0].name.start, 0u);
  EXPECT_EQ(d.header[0].name.length, 4u);
}

// A field joined across a bracketed comma, an empty field, a field ended by
// a line end, a line without fields and one ended by CR LF each leave their
// next field (or the closing entry) one character after their own end.
TEST(DictionaryReader, EachFeatureClosesItsFieldsWithOneEntry) {
  Loaded loaded = loadBytes("N\na,b],,c\n\nx\r\n", ',', '"', '#');
  const Dictionary& d = loaded.dictionary;
  EXPECT_EQ(test_support::entriesOf(d.fieldStarts), (std::vector<uint32_t>{2, 7, 8, 10, 11, 13}));
  ASSERT_EQ(d.features.size(), 4u);
  const uint32_t firstFields[] = {0, 4, 4, 6};
  const uint32_t fieldCounts[] = {3, 0, 1, 0};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(d.features[i].firstField, firstFields[i]) << i;
    EXPECT_EQ(d.features[i].fieldCount, fieldCounts[i]) << i;
  }
  EXPECT_EQ(featureRows(d), (Rows{{"a,b]", "", "c"}, {}, {"x"}, {}}));
}

// Commas that each would have to search the rest of a long text: one ']'
// at the very end puts every one of them "inside brackets", with no comma
// after it, so each still ends its field. (The load benchmark measures the
// speed; a reader that searched afresh for each comma would crawl here.)
TEST(DictionaryReader, ManyCommasBeforeALateBracket) {
  std::string bytes = "NAME\n";
  constexpr int kFields = 300000;
  for (int i = 0; i < kFields; ++i) bytes += "ab,";
  bytes += "]";
  Loaded loaded = loadBytes(bytes, ',', '"', '#');
  ASSERT_EQ(loaded.dictionary.features.size(), 1u);
  const Feature& f = loaded.dictionary.features[0];
  ASSERT_EQ(f.fieldCount, static_cast<uint32_t>(kFields + 1));
  EXPECT_EQ(featureField(loaded.dictionary, f, kFields - 1), "ab");
  EXPECT_EQ(featureField(loaded.dictionary, f, kFields), "]");
}

// A field may end at every distance from the end of the text, by a
// separator, a line end or the terminator; so may a quoted part.
TEST(DictionaryReader, FieldsEndingNearTheEndOfTheText) {
  for (size_t length = 1; length <= 20; ++length) {
    const std::string field(length, 'x');
    for (std::string_view after : {"", ",", ",y", "\n", "\r\n", "\r"}) {
      Loaded loaded = loadBytes("N\n" + field + std::string(after), ',', '"', '#');
      Rows expected{{field}};
      if (after == ",y") expected[0].push_back("y");
      if (after == "\r") expected[0][0] += "\r";
      if (after == "\n" || after == "\r\n") expected.emplace_back();
      EXPECT_EQ(featureRows(loaded.dictionary), expected) << length << " " << after;
    }
    const std::string quoted = "\"" + field + "\"";
    EXPECT_EQ(featureRows(loadBytes("N\n" + quoted, ',', '"', '#').dictionary), (Rows{{quoted}}));
    EXPECT_EQ(featureRows(loadBytes("N\n\"" + field, ',', '"', '#').dictionary),
              (Rows{{"\"" + field}}));
  }
}

TEST(SkipLine, MovesPastTheNextLineEnd) {
  struct Case {
    std::string text;
    uint32_t from;
    uint32_t to;
  };
  const Case cases[] = {
      {"ab\r\ncd", 0, 4}, {"ab\ncd", 0, 3}, {"a\"b\ncd", 0, 4}, {"ab\rcd\nx", 0, 6},
      {"abc", 0, 3},      {"abc", 3, 3},    {"\n\n", 1, 2},
  };
  for (const Case& c : cases) {
    Dictionary d;
    d.text = c.text;
    DictionaryReader reader{d, ',', '"', '#'};
    reader.cursor = c.from;
    skipLine(reader);
    EXPECT_EQ(reader.cursor, c.to) << c.text;
  }
}

TEST(ReadLine, ReportsWhetherMoreTextMayFollow) {
  Dictionary d;
  d.text = "NAME\na\nb";
  DictionaryReader reader{d, ',', '"', '#'};
  EXPECT_TRUE(readLine(reader));
  EXPECT_TRUE(readLine(reader));
  EXPECT_FALSE(readLine(reader));
  EXPECT_EQ(d.features.size(), 2u);
}

}  // namespace
}  // namespace plotwarden
