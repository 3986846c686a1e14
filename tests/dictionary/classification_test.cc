#include "dictionary/classification.h"

#include <gtest/gtest.h>

#include "dictionary/dictionary_reader.h"
#include "support/dictionary_builder.h"

namespace plotwarden {
namespace {

using test_support::buildDictionary;

// Classifies the dictionary and returns the counts in pass order: cells,
// linear, text, dimensions, 3D solids, leaders, hatching.
std::vector<int> runAllPasses(Dictionary& dictionary) {
  classifyDictionary(dictionary);
  const std::array<int, kPassCount> counts = passCounts(dictionary);
  return {counts.begin(), counts.end()};
}

constexpr size_t kLinearPass = 1;
constexpr size_t kTextPass = 2;

struct ElementTypesCase {
  const char* field;
  std::vector<int> counts;
  FeatureCategory finalCategory;
};

TEST(Classification, ElementTypesDecideTheCategory) {
  const ElementTypesCase cases[] = {
      {"2", {1, 0, 0, 0, 1, 0, 0}, CATEGORY_SOLIDS},  // a cell is also a 3D solid
      {"35", {1, 0, 0, 0, 0, 0, 0}, CATEGORY_CELLS},
      {"[3,4,11-16]", {0, 1, 0, 0, 0, 0, 0}, CATEGORY_LINEAR},
      {"[6]", {0, 1, 0, 0, 0, 0, 0}, CATEGORY_LINEAR},
      {"[1*]", {0, 1, 1, 0, 1, 0, 0}, CATEGORY_SOLIDS},
      {"Text[7]", {0, 0, 1, 0, 0, 0, 0}, CATEGORY_TEXT},
      {"[2-200]", {0, 0, 0, 0, 0, 0, 0}, CATEGORY_NONE},
      {"", {0, 0, 0, 0, 0, 0, 0}, CATEGORY_NONE},
      {"17", {0, 0, 1, 0, 0, 0, 0}, CATEGORY_TEXT},
      {"017", {0, 0, 0, 0, 0, 0, 0}, CATEGORY_NONE},  // the name must equal the number
      {"  33\t", {0, 0, 0, 1, 0, 0, 0}, CATEGORY_DIMENSIONS},
      {"\"33\"", {0, 0, 0, 1, 0, 0, 0}, CATEGORY_DIMENSIONS},  // quotes are dropped
      {"33 [ 105 ]", {0, 0, 0, 1, 1, 0, 0}, CATEGORY_SOLIDS},
      {"[?7]", {0, 1, 1, 0, 0, 0, 0}, CATEGORY_TEXT},       // 27 is linear, 17 and 37 text
      {"[[23]5]", {0, 0, 0, 0, 1, 0, 0}, CATEGORY_SOLIDS},  // the list ends at the first "]"
      {"[99999999999]", {0, 0, 0, 0, 0, 0, 0}, CATEGORY_NONE},
      {"[0-110]", {1, 1, 1, 1, 1, 0, 0}, CATEGORY_SOLIDS},
      {"[105-105]", {0, 0, 0, 0, 1, 0, 0}, CATEGORY_SOLIDS},
      {"[-5-3]", {1, 1, 0, 0, 1, 0, 0}, CATEGORY_SOLIDS},
  };
  for (const ElementTypesCase& c : cases) {
    SCOPED_TRACE(c.field);
    Dictionary d = buildDictionary(
        {{"FEATURE NAME", ROLE_FEATURE_NAME}, {"ELEMENT TYPES", ROLE_ELEMENT_TYPES}},
        {{"f", c.field}});
    EXPECT_EQ(runAllPasses(d), c.counts);
    EXPECT_EQ(d.features[0].category, c.finalCategory);
  }
}

TEST(Classification, FieldsAreCutTo511Characters) {
  std::string padded = std::string(508, ' ') + "3";  // within the cut after leading blanks
  std::string beyond = "[" + std::string(511, ' ') + "3]";
  Dictionary d = buildDictionary({{"ELEMENT TYPES", ROLE_ELEMENT_TYPES}}, {{padded}, {beyond}});
  EXPECT_EQ(runAllPasses(d)[kLinearPass], 1);
  EXPECT_EQ(d.features[0].category, CATEGORY_LINEAR);
  EXPECT_EQ(d.features[1].category, CATEGORY_NONE);
}

TEST(Classification, TheListSeparatorIsTheFieldSeparator) {
  Dictionary d = buildDictionary({{"ELEMENT TYPES", ROLE_ELEMENT_TYPES}},
                                 {{"[2;3]"}, {"[7,17]"}, {"['1;7']"}}, TextRules{';', '\'', '#'});
  const std::vector<int> counts = runAllPasses(d);
  EXPECT_EQ(counts[kLinearPass], 1);
  // Quote characters are dropped before the list is cut, so they protect nothing.
  EXPECT_EQ(counts[kTextPass], 1);
}

struct FeatureTypeCase {
  const char* field;
  FeatureCategory category;
};

TEST(Classification, FeatureTypeCodesWhenThereIsNoElementTypesColumn) {
  const FeatureTypeCase cases[] = {
      {"0", CATEGORY_CELLS},      {"", CATEGORY_CELLS},           {"abc", CATEGORY_CELLS},
      {"1", CATEGORY_LINEAR},     {"3", CATEGORY_TEXT},           {"6", CATEGORY_DIMENSIONS},
      {"9", CATEGORY_SOLIDS},     {"7", CATEGORY_LEADERS},        {"8", CATEGORY_HATCHING},
      {" 8x", CATEGORY_HATCHING}, {"2", CATEGORY_NONE},           {"-1", CATEGORY_NONE},
      {"10", CATEGORY_NONE},      {"99999999999", CATEGORY_NONE}, {"\"7\"", CATEGORY_LEADERS},
  };
  for (const FeatureTypeCase& c : cases) {
    SCOPED_TRACE(c.field);
    Dictionary d = buildDictionary({{"FEATURE TYPE", ROLE_FEATURE_TYPE}}, {{c.field}});
    runAllPasses(d);
    EXPECT_EQ(d.features[0].category, c.category);
  }
}

TEST(Classification, ElementTypesColumnWinsEvenWhereItIsEmpty) {
  Dictionary d =
      buildDictionary({{"FEATURE TYPE", ROLE_FEATURE_TYPE}, {"ELEMENT TYPE", ROLE_ELEMENT_TYPES}},
                      {{"7", ""}, {"8", "3"}});
  EXPECT_EQ(runAllPasses(d), (std::vector<int>{0, 1, 0, 0, 0, 0, 0}));
  EXPECT_EQ(d.features[0].category, CATEGORY_NONE);
}

TEST(Classification, ShortRowsAndMissingColumnsStayUnclassified) {
  Dictionary shortRows = buildDictionary({{"FEATURE NAME", ROLE_FEATURE_NAME},
                                          {"LEVEL", ROLE_LEVEL},
                                          {"ELEMENT TYPES", ROLE_ELEMENT_TYPES}},
                                         {{"a", "b"}, {}, {"c", "d", "3"}});
  EXPECT_EQ(runAllPasses(shortRows)[kLinearPass], 1);
  EXPECT_EQ(shortRows.features[0].category, CATEGORY_NONE);
  EXPECT_EQ(shortRows.features[2].category, CATEGORY_LINEAR);

  Dictionary neither = buildDictionary({{"FEATURE NAME", ROLE_FEATURE_NAME}}, {{"a"}});
  EXPECT_EQ(runAllPasses(neither), (std::vector<int>(7, 0)));
}

TEST(Classification, AFieldIsJudgedOnItsOwnText) {
  // The raw text that follows the field in the file is not part of it.
  Dictionary d;
  d.text = "3,Lv[1]\r\n";
  appendHeaderCell(d, HeaderCell{FieldCell{}, ROLE_ELEMENT_TYPES});
  appendHeaderCell(d, HeaderCell{FieldCell{}, ROLE_LEVEL});
  appendFeature(d);
  appendFeatureField(d, FieldCell{0, 1});
  appendFeatureField(d, FieldCell{2, 5});
  EXPECT_EQ(runAllPasses(d)[kLinearPass], 1);
}

TEST(Classification, RangesClassifiedSideBySideGiveTheOutcomeOfOneRange) {
  const char* const lists[] = {"2", "35", "[3,4,11-16]", "[1*]",     "Text[7]", "[2-200]",
                               "",  "17", "[33]",        "Line[?7]", "[105]",   "x"};
  for (const char* header : {"NAME,ELEMENT TYPES\n", "NAME,FEATURE TYPE\n"}) {
    std::string text = header;
    for (int row = 0; row < 1000; ++row) {
      text.append("F").append(std::to_string(row)).append(",");
      text.append(header[5] == 'E' ? lists[row % std::size(lists)] : std::to_string(row % 11));
      text.append("\n");
    }
    Dictionary together;
    Dictionary oneRange;
    ASSERT_TRUE(loadDictionaryText(together, text, ',', '"', '#').ok());
    ASSERT_TRUE(loadDictionaryText(oneRange, text, ',', '"', '#').ok());
    classifyDictionary(together, {4, 0}, 7);  // ranges of at least 7 features
    classifyDictionary(oneRange, {4, 0}, size_t{1} << 20);
    EXPECT_EQ(passCounts(together), passCounts(oneRange)) << header;
    for (size_t i = 0; i < together.features.size(); ++i)
      ASSERT_EQ(together.features[i].category, oneRange.features[i].category) << header << i;
  }
}

// Field texts are remembered with the passes they matched, up to a limit;
// texts met again, and texts past the limit, still classify as on their own.
TEST(Classification, RememberedAndForgottenTextsClassifyAsInSmallRanges) {
  std::string text = "NAME,ELEMENT TYPES\n";
  for (int row = 0; row < 100000; ++row) {
    // Most texts are new, over 65,536 of them: a name of its own before the list.
    text.append("F,");
    if (row % 4 != 0) text.append("T").append(std::to_string(row));
    text.append("[").append(std::to_string(row % 40)).append("]\n");
  }
  Dictionary whole;
  Dictionary inRanges;
  ASSERT_TRUE(loadDictionaryText(whole, text, ',', '"', '#').ok());
  ASSERT_TRUE(loadDictionaryText(inRanges, text, ',', '"', '#').ok());
  classifyDictionary(whole, {4, 0}, size_t{1} << 20);  // one range: one memory of texts
  classifyDictionary(inRanges, {4, 0}, 1000);  // many ranges, each with fewer texts than the limit
  EXPECT_EQ(passCounts(whole), passCounts(inRanges));
  for (size_t i = 0; i < whole.features.size(); ++i)
    ASSERT_EQ(whole.features[i].category, inRanges.features[i].category) << i;
}

// What an audit judges a drawing's element type by: the same matching.
TEST(Classification, AllowedElementTypesFollowTheLists) {
  Dictionary byLists = buildDictionary({{"ELEMENT TYPES", ROLE_ELEMENT_TYPES}},
                                       {{"[3,4,11-16]"}, {"17"}, {"Text[1?]"}, {""}, {}});
  const std::vector<size_t> kExpected[] = {
      {3, 4, 11, 12, 13, 14, 15, 16}, {17}, {10, 11, 12, 13, 14, 15, 16, 17, 18, 19}, {}, {}};
  for (int index = 0; index < 5; ++index) {
    std::vector<size_t> allowed;
    const ElementTypes types = allowedElementTypes(byLists, index);
    for (size_t type = 0; type < types.size(); ++type)
      if (types[type]) allowed.push_back(type);
    EXPECT_EQ(allowed, kExpected[index]) << index;
  }
  Dictionary byCodes = buildDictionary({{"FEATURE TYPE", ROLE_FEATURE_TYPE}}, {{"3"}, {"7"}});
  EXPECT_TRUE(allowedElementTypes(byCodes, 0)[17]);
  EXPECT_EQ(allowedElementTypes(byCodes, 0).count(), 3u);  // 7, 17 and 37
  EXPECT_TRUE(allowedElementTypes(byCodes, 1).none());     // leaders name no element type
}

}  // namespace
}  // namespace plotwarden
