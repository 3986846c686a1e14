#include "report/summary_table.h"

#include <gtest/gtest.h>

#include "dictionary/classification.h"
#include "support/dictionary_builder.h"

namespace plotwarden {
namespace {

using test_support::buildDictionary;

const char* const kOpening =
    "<TABLE><TR><TD class='cfeaturetypeheading'>Dictionary Summary</TD></TR></TABLE>\r\n"
    "<TABLE cellspacing='1' class='featuretable'>\r\n";

TEST(SummaryTable, WithoutDictionariesHasOnlyItsHeading) {
  OutputStream out;
  std::vector<Dictionary> none;
  writeSummaryTable(out, none, ReportSettings{});
  EXPECT_EQ(bufferedText(out), std::string(kOpening) +
                                   "<TR><TD width='200' class='cfeatureheading '>Dictionary</TD>"
                                   "<TD width='50' class='cfeatureheading '>Version</TD>"
                                   "<TD width='50' class='cfeatureheading '>#Cells</TD>"
                                   "<TD width='50' class='cfeatureheading '>#Linear</TD>"
                                   "<TD width='50' class='cfeatureheading '>#Text</TD>"
                                   "<TD width='50' class='cfeatureheading '>#Dimensions</TD>"
                                   "<TD width='50' class='cfeatureheading '>#3D Solids</TD>"
                                   "<TD width='50' class='cfeatureheading '>#Leaders</TD>"
                                   "<TD width='50' class='cfeatureheading '>#Hatching</TD></TR>\r\n"
                                   "</TABLE>\r\n");
}

TEST(SummaryTable, WritesTheCountsOfEveryPass) {
  Dictionary byElements = buildDictionary(
      {{"NAME", ROLE_FEATURE_NAME}, {"ELEMENT TYPES", ROLE_ELEMENT_TYPES}}, {{"cell", "2"},
                                                                             {"cell", "2"},
                                                                             {"line", "[3,4]"},
                                                                             {"text", "17"},
                                                                             {"dim", "33"},
                                                                             {"none", ""}});
  byElements.name = "Civil <b>";
  byElements.version = "not set";
  Dictionary byCodes =
      buildDictionary({{"FEATURE TYPE", ROLE_FEATURE_TYPE}}, {{"7"}, {"8"}, {"8"}, {"0"}});
  byCodes.name = "Codes";
  byCodes.version = "";
  std::vector<Dictionary> dictionaries;
  dictionaries.push_back(std::move(byElements));
  dictionaries.push_back(std::move(byCodes));

  for (Dictionary& dictionary : dictionaries) classifyDictionary(dictionary);
  OutputStream out;
  writeSummaryTable(out, dictionaries, ReportSettings{true, false, {}});
  const std::string rows =
      "<TR class='cfeature'><TD class= ''>Civil <b></TD><TD class= ''>not set</TD>"
      "<TD class= ''>2</TD><TD class= ''>1</TD><TD class= ''>1</TD><TD class= ''>1</TD>"
      "<TD class= ''>2</TD><TD class= ''>0</TD><TD class= ''>0</TD></TR>\r\n"
      "<TR class='cfeature'><TD class= ''>Codes</TD><TD class= ''></TD>"
      "<TD class= ''>1</TD><TD class= ''>0</TD><TD class= ''>0</TD><TD class= ''>0</TD>"
      "<TD class= ''>0</TD><TD class= ''>1</TD><TD class= ''>2</TD></TR>\r\n"
      "</TABLE>\r\n";
  ASSERT_GE(bufferedText(out).size(), rows.size());
  EXPECT_EQ(bufferedText(out).substr(bufferedText(out).size() - rows.size()), rows);
  EXPECT_NE(bufferedText(out).find(">#Blocks<"), std::string::npos);
  EXPECT_NE(bufferedText(out).find(">#Annotation<"), std::string::npos);

  const Dictionary& civil = dictionaries[0];
  EXPECT_EQ(civil.cellCount, 2);
  EXPECT_EQ(civil.solidCount, 2);
  EXPECT_EQ(civil.linearCount, 1);
  EXPECT_EQ(civil.textCount, 1);
  EXPECT_EQ(civil.dimensionCount, 1);
  EXPECT_EQ(civil.features[0].category, CATEGORY_SOLIDS);
  EXPECT_EQ(civil.features[5].category, CATEGORY_NONE);
  const Dictionary& codes = dictionaries[1];
  EXPECT_EQ(codes.leaderCount, 1);
  EXPECT_EQ(codes.hatchCount, 2);
  EXPECT_EQ(codes.cellCount, 1);
}

}  // namespace
}  // namespace plotwarden
