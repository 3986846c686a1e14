#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dictionary/dictionary_reader.h"
#include "report/section_test_support.h"
#include "report/sections.h"
#include "support/dictionary_builder.h"

namespace plotwarden {
namespace {

using test_support::buildDictionary;
using test_support::categorized;

Dictionary linearDictionary() {
  return categorized(
      buildDictionary({{"FEATURE NAME", ROLE_FEATURE_NAME},
                       {"LEVEL", ROLE_LEVEL},
                       {"COLOUR", ROLE_COLOUR},
                       {"RGB", ROLE_RGB},
                       {"WEIGHT", ROLE_WEIGHT},
                       {"LINE STYLE", ROLE_LINE_STYLE},
                       {"KEY-IN", ROLE_KEY_IN}},
                      {{"Road", "Roads [2]", "3", "00FF00", "  2  ", "Dashed [5]",
                        "active fillcolor 5;active class construction"},
                       {"Label", "Text", "1", "", "0", "0", "active class notes"},
                       {"Kerb", "Kerbs", "ByLevel(808080)", "FF0000", "1", "Solid", ""},
                       {"Hedge", "Green", "2", "", "3", "Dotted", "active fill on"},
                       {"Wall", "Walls", "4", "", "2", "0", "active class primary"},
                       {"Grass", "Hatch", "3", "", "0", "0", "active fillcolor 3"}}),
      {CATEGORY_LINEAR, CATEGORY_TEXT, CATEGORY_LINEAR, CATEGORY_LINEAR, CATEGORY_SOLIDS,
       CATEGORY_HATCHING});
}

template <typename Writer>
std::string written(Writer writer, bool layerMode) {
  const Dictionary dictionary = linearDictionary();
  OutputStream out;
  writer(out, dictionary, ReportSettings{layerMode, false, {}});
  return std::string(bufferedText(out));
}

TEST(LinearSections, LinearInLevelModeHasAFillColumn) {
  EXPECT_EQ(
      written(writeLinearSection, false),
      "<TABLE><TR><TD class='cfeaturetypeheading'>Linear</TD></TR></TABLE>\r\n"
      "<TABLE cellspacing='1' class='featuretable'>\r\n"
      "<TR><TD width='80' class='cfeatureheading colName'>Feature</TD>"
      "<TD width='70' class='cfeatureheading colLevel'>Level</TD>"
      "<TD width='70' class='cfeatureheading colColour'>Color</TD>"
      "<TD width='50' class='cfeatureheading colFill'>Fill</TD>"
      "<TD width='50' class='cfeatureheading colStyle'>Style</TD>"
      "<TD width='50' class='cfeatureheading colWeight'>Weight</TD>"
      "<TD class='cfeatureheading'>Extra</TD></TR>\r\n"
      "<TR class='cfeature'><TD class= 'colName'>Road</TD><TD class= 'colLevel'>Roads[2]</TD>"
      "<TD class= 'colColour'><TABLE align='right'><TR class='cfeature'><TD>3</TD>"
      "<TD  width='15' bgcolor='#00FF00'><font color='#00FF00'>W</font></TD></TABLE></TD>"
      "<TD class= 'colFill'>5</TD><TD class= 'colLineStyle'>Dashed[5]</TD>"
      "<TD class= 'colWeight'>2</TD><TD class= 'colExtra'>Class: construction</TD></TR>\r\n"
      "<TR class='cfeature'><TD class= 'colName'>Kerb</TD><TD class= 'colLevel'>Kerbs</TD>"
      "<TD class= 'colColour'><TABLE align='right'><TR class='cfeature'><TD>ByLevel(808080)</TD>"
      "<TD  width='15' bgcolor='#FF0000'><font color='#FF0000'>W</font></TD></TABLE></TD>"
      "<TD class= 'colFill'></TD><TD class= 'colLineStyle'>Solid</TD>"
      "<TD class= 'colWeight'>1</TD><TD class= 'colExtra'></TD></TR>\r\n"
      "<TR class='cfeature'><TD class= 'colName'>Hedge</TD><TD class= 'colLevel'>Green</TD>"
      "<TD class= 'colColour'><TABLE align='right'><TR class='cfeature'><TD>2</TD></TABLE></TD>"
      "<TD class= 'colFill'>Yes</TD><TD class= 'colLineStyle'>Dotted</TD>"
      "<TD class= 'colWeight'>3</TD><TD class= 'colExtra'></TD></TR>\r\n"
      "</TABLE>\r\n");
}

// A classified dictionary keeps its features grouped by category; the
// Linear section then merges the linear and shape groups back into
// dictionary order, as a scan of every feature finds them.
TEST(LinearSections, GroupedFeaturesGiveTheRowsOfAScan) {
  Dictionary dictionary = linearDictionary();
  const auto sections = {writeLinearSection, writeSolidsSection, writeHatchingSection};
  std::vector<std::string> scanned;
  for (auto section : sections) {
    OutputStream out;
    section(out, dictionary, ReportSettings{});
    scanned.emplace_back(bufferedText(out));
  }
  groupByCategory(dictionary);
  ASSERT_TRUE(isGroupedByCategory(dictionary));
  size_t i = 0;
  for (auto section : sections) {
    OutputStream out;
    section(out, dictionary, ReportSettings{});
    EXPECT_EQ(bufferedText(out), scanned[i++]);
  }
}

TEST(LinearSections, LinearInLayerModeHasNoFillColumn) {
  EXPECT_EQ(
      written(writeLinearSection, true),
      "<TABLE><TR><TD class='cfeaturetypeheading'>Linear</TD></TR></TABLE>\r\n"
      "<TABLE cellspacing='1' class='featuretable'>\r\n"
      "<TR><TD width='80' class='cfeatureheading colName'>Feature</TD>"
      "<TD width='70' class='cfeatureheading colLevel'>Layer</TD>"
      "<TD width='70' class='cfeatureheading colColour'>Color</TD>"
      "<TD width='50' class='cfeatureheading colLineType'>Linetype</TD>"
      "<TD width='50' class='cfeatureheading colWeight'>Weight</TD>"
      "<TD class='cfeatureheading'>Extra</TD></TR>\r\n"
      "<TR class='cfeature'><TD class= 'colName'>Road</TD><TD class= 'colLevel'>Roads[2]</TD>"
      "<TD class= 'colColour'><TABLE align='right'><TR class='cfeature'><TD>3</TD>"
      "<TD  width='15' bgcolor='#00FF00'><font color='#00FF00'>W</font></TD></TABLE></TD>"
      "<TD class= 'colLineStyle'>Dashed[5]</TD>"
      "<TD class= 'colWeight'>2</TD><TD class= 'colExtra'>Class: construction</TD></TR>\r\n"
      "<TR class='cfeature'><TD class= 'colName'>Kerb</TD><TD class= 'colLevel'>Kerbs</TD>"
      "<TD class= 'colColour'><TABLE align='right'><TR class='cfeature'><TD>ByLayer</TD>"
      "<TD  width='15' bgcolor='#808080'><font color='#808080'>W</font></TD></TABLE></TD>"
      "<TD class= 'colLineStyle'>Solid</TD>"
      "<TD class= 'colWeight'>1</TD><TD class= 'colExtra'></TD></TR>\r\n"
      "<TR class='cfeature'><TD class= 'colName'>Hedge</TD><TD class= 'colLevel'>Green</TD>"
      "<TD class= 'colColour'><TABLE align='right'><TR class='cfeature'><TD>2</TD></TABLE></TD>"
      "<TD class= 'colLineStyle'>Dotted</TD>"
      "<TD class= 'colWeight'>3</TD><TD class= 'colExtra'></TD></TR>\r\n"
      "</TABLE>\r\n");
}

TEST(LinearSections, SolidsHaveNoFillColumnInEitherMode) {
  const std::string row =
      "<TR class='cfeature'><TD class= 'colName'>Wall</TD><TD class= 'colLevel'>Walls</TD>"
      "<TD class= 'colColour'><TABLE align='right'><TR class='cfeature'><TD>4</TD></TABLE></TD>"
      "<TD class= 'colLineStyle'>0</TD><TD class= 'colWeight'>2</TD>"
      "<TD class= 'colExtra'>Class: primary</TD></TR>\r\n";
  EXPECT_EQ(written(writeSolidsSection, false),
            "<TABLE><TR><TD class='cfeaturetypeheading'>3D Solids</TD></TR></TABLE>\r\n"
            "<TABLE cellspacing='1' class='featuretable'>\r\n"
            "<TR><TD width='80' class='cfeatureheading colName'>Feature</TD>"
            "<TD width='70' class='cfeatureheading colLevel'>Level</TD>"
            "<TD width='70' class='cfeatureheading colColour'>Color</TD>"
            "<TD width='50' class='cfeatureheading colStyle'>Style</TD>"
            "<TD width='50' class='cfeatureheading colWeight'>Weight</TD>"
            "<TD class='cfeatureheading'>Extra</TD></TR>\r\n" +
                row + "</TABLE>\r\n");
  EXPECT_EQ(written(writeSolidsSection, true),
            "<TABLE><TR><TD class='cfeaturetypeheading'>3D Solids</TD></TR></TABLE>\r\n"
            "<TABLE cellspacing='1' class='featuretable'>\r\n"
            "<TR><TD width='80' class='cfeatureheading colName'>Feature</TD>"
            "<TD width='70' class='cfeatureheading colLevel'>Layer</TD>"
            "<TD width='70' class='cfeatureheading colColour'>Color</TD>"
            "<TD width='50' class='cfeatureheading colLineType'>Linetype</TD>"
            "<TD width='50' class='cfeatureheading colWeight'>Weight</TD>"
            "<TD class='cfeatureheading'>Extra</TD></TR>\r\n" +
                row + "</TABLE>\r\n");
}

TEST(LinearSections, HatchingHasAFillColumnInBothModesAndItsOwnStyleHeadingClass) {
  const std::string row =
      "<TR class='cfeature'><TD class= 'colName'>Grass</TD><TD class= 'colLevel'>Hatch</TD>"
      "<TD class= 'colColour'><TABLE align='right'><TR class='cfeature'><TD>3</TD></TABLE></TD>"
      "<TD class= 'colFill'>3</TD><TD class= 'colLineStyle'>0</TD><TD class= 'colWeight'>0</TD>"
      "<TD class= 'colExtra'></TD></TR>\r\n";
  EXPECT_EQ(written(writeHatchingSection, false),
            "<TABLE><TR><TD class='cfeaturetypeheading'>Hatching</TD></TR></TABLE>\r\n"
            "<TABLE cellspacing='1' class='featuretable'>\r\n"
            "<TR><TD width='80' class='cfeatureheading colName'>Feature</TD>"
            "<TD width='70' class='cfeatureheading colLevel'>Level</TD>"
            "<TD width='70' class='cfeatureheading colColour'>Color</TD>"
            "<TD width='50' class='cfeatureheading colFill'>Fill</TD>"
            "<TD width='50' class='cfeatureheading colLineStyle'>Style</TD>"
            "<TD width='50' class='cfeatureheading colWeight'>Weight</TD>"
            "<TD class='cfeatureheading'>Extra</TD></TR>\r\n" +
                row + "</TABLE>\r\n");
  EXPECT_EQ(written(writeHatchingSection, true),
            "<TABLE><TR><TD class='cfeaturetypeheading'>Hatching</TD></TR></TABLE>\r\n"
            "<TABLE cellspacing='1' class='featuretable'>\r\n"
            "<TR><TD width='80' class='cfeatureheading colName'>Feature</TD>"
            "<TD width='70' class='cfeatureheading colLevel'>Layer</TD>"
            "<TD width='70' class='cfeatureheading colColour'>Color</TD>"
            "<TD width='50' class='cfeatureheading colFill'>Fill</TD>"
            "<TD width='50' class='cfeatureheading colLineEtyle'>Linetype</TD>"
            "<TD width='50' class='cfeatureheading colWeight'>Weight</TD>"
            "<TD class='cfeatureheading'>Extra</TD></TR>\r\n" +
                row + "</TABLE>\r\n");
}

// Rows are searched for line ends only where the feature's fields may hold
// one: a quoted LF still becomes CR LF, in a dictionary whose other rows
// are written without the search.
TEST(LinearSections, LineFeedsInsideFieldsBecomeCrLf) {
  Dictionary dictionary;
  ASSERT_TRUE(loadDictionaryText(dictionary,
                                 "FEATURE NAME,LEVEL\nKerb,L1\n\"Road\nside\",\"L2 [a\nb]\"\n", ',',
                                 '"', '#')
                  .ok());
  dictionary = categorized(std::move(dictionary), {CATEGORY_SOLIDS, CATEGORY_SOLIDS});
  OutputStream out;
  writeSolidsSection(out, dictionary, ReportSettings{});
  const std::string_view text = bufferedText(out);
  EXPECT_NE(text.find("<TD class= 'colName'>Kerb</TD><TD class= 'colLevel'>L1</TD>"),
            std::string_view::npos);
  EXPECT_NE(text.find("<TD class= 'colName'>Road\r\nside</TD>"
                      "<TD class= 'colLevel'>L2[a\r\nb]</TD>"),
            std::string_view::npos);
  for (size_t i = 0; i < text.size(); ++i)
    EXPECT_TRUE(text[i] != '\n' || (i > 0 && text[i - 1] == '\r')) << i;
}

TEST(LinearSections, ASectionWithoutItsFeaturesHasOnlyTitleAndHeading) {
  const Dictionary dictionary = categorized(
      buildDictionary({{"FEATURE NAME", ROLE_FEATURE_NAME}}, {{"A"}}), {CATEGORY_CELLS});
  OutputStream out;
  writeSolidsSection(out, dictionary, ReportSettings{});
  EXPECT_EQ(bufferedText(out),
            "<TABLE><TR><TD class='cfeaturetypeheading'>3D Solids</TD></TR></TABLE>\r\n"
            "<TABLE cellspacing='1' class='featuretable'>\r\n"
            "<TR><TD width='80' class='cfeatureheading colName'>Feature</TD>"
            "<TD width='70' class='cfeatureheading colLevel'>Level</TD>"
            "<TD width='70' class='cfeatureheading colColour'>Color</TD>"
            "<TD width='50' class='cfeatureheading colStyle'>Style</TD>"
            "<TD width='50' class='cfeatureheading colWeight'>Weight</TD>"
            "<TD class='cfeatureheading'>Extra</TD></TR>\r\n"
            "</TABLE>\r\n");
}

}  // namespace
}  // namespace plotwarden
