#include <gtest/gtest.h>

#include "report/section_test_support.h"
#include "report/sections.h"
#include "support/dictionary_builder.h"

namespace plotwarden {
namespace {

using test_support::buildDictionary;
using test_support::categorized;

Dictionary dimensionDictionary() {
  return categorized(
      buildDictionary({{"FEATURE NAME", ROLE_FEATURE_NAME},
                       {"LEVEL", ROLE_LEVEL},
                       {"COLOUR", ROLE_COLOUR},
                       {"WEIGHT", ROLE_WEIGHT},
                       {"LINE STYLE", ROLE_LINE_STYLE},
                       {"DIM STYLE", ROLE_DIM_STYLE},
                       {"KEY-IN", ROLE_KEY_IN},
                       {"TEXT STYLE", ROLE_TEXT_STYLE},
                       {"TEXT FONT", ROLE_TEXT_FONT},
                       {"TEXT SCALE", ROLE_TEXT_SCALE},
                       {"LINE SPACING", ROLE_LINE_SPACING}},
                      {{"Dim1", "Dims", "5", "1", "0", "Arch",
                        "dimension extension style 3 ;dimension extension offset 0.50;"
                        "dimension terminator orienthead 2;dimension terminator width 0.250;"
                        "dimension text font 3;dimension font 5;dimension text orient 1;"
                        "active class dimensioning",
                        "", "", "", ""},
                       {"Road", "Roads", "1", "1", "0", "", "", "", "", "", ""},
                       {"Dim2", "Dims [4]", "6", "2", "Dashed", "Plain", "", "", "", "", ""},
                       {"Lead1", "Leaders", "2", "0", "Solid", "Std",
                        "dimension terminator orientterm 0;dimension extension weight 2", "Callout",
                        "Arial", "2x2.50", "1.0"}}),
      {CATEGORY_DIMENSIONS, CATEGORY_LINEAR, CATEGORY_DIMENSIONS, CATEGORY_LEADERS});
}

std::string written(void (*writer)(OutputStream&, const Dictionary&, const ReportSettings&),
                    bool layerMode) {
  const Dictionary dictionary = dimensionDictionary();
  OutputStream out;
  writer(out, dictionary, ReportSettings{layerMode, false, {}});
  return std::string(bufferedText(out));
}

TEST(DimensionSections, DimensionsInLevelModeWriteABlockPerFeatureInOneTable) {
  EXPECT_EQ(
      written(writeDimensionsSection, false),
      "<TABLE><TR><TD class='cfeaturetypeheading'>Dimensions</TD></TR></TABLE>\r\n"
      "<TABLE cellspacing='1' class='featuretable'>\r\n"
      "<TR><TD width='80' class='cfeatureheading colName'>Feature</TD>"
      "<TD class='cfeatureheading'>Details</TD></TR>\r\n"
      // Dim1
      "<TR class='cfeature'><TD class= 'colName'><b>Dim1</b></TD><TD class= "
      "'colName'></TD></TR>\r\n"
      "<TR class='cfeature'><TD class= 'colDimStyle'>Dimension Style</TD>"
      "<TD class= 'colDimStyle'>Arch</TD></TR>\r\n"
      "<TR class='cfeature'><TD class= 'colDimStyle'>Lines</TD>"
      "<TD class= 'colDimStyle'><TABLE cellspacing='1' class='featuretable'></TD></TR>\r\n"
      "<TR><TD width='90' class='cfeatureheading colLevel'>Level</TD>"
      "<TD width='50' class='cfeatureheading colColour'>Color</TD>"
      "<TD width='50' class='cfeatureheading colLineStyle'>Style</TD>"
      "<TD width='50' class='cfeatureheading colWeight'>Weight</TD>"
      "<TD class='cfeatureheading'>Extra</TD></TR>\r\n"
      "<TR class='cfeature'><TD class= 'colLevel'>Dims</TD>"
      "<TD class= 'colColour'><TABLE align='right'><TR class='cfeature'><TD>5</TD></TABLE></TD>"
      "<TD class= 'colLineStyle'>0</TD><TD class= 'colWeight'>1</TD>"
      "<TD class= 'colExtra'>Class: dimensioning</TD></TR>\r\n"
      "</TABLE>\r\n"
      "<TR class='cfeature'><TD class= ''>Extension Lines</TD>"
      "<TD class= ''><TABLE cellspacing='1' class='featuretable'></TD></TR>\r\n"
      "<TR><TD width='50' class='cfeatureheading colLineStyle'>Style</TD>"
      "<TD width='50' class='cfeatureheading colWeight'>Weight</TD>"
      "<TD width='50' class='cfeatureheading '>Offset</TD>"
      "<TD width='50' class='cfeatureheading '>Extent</TD>"
      "<TD class='cfeatureheading'>Extra</TD></TR>\r\n"
      "<TR class='cfeature'><TD class= 'colDimStyle'>3 </TD><TD class= ''></TD>"
      "<TD class= ''>0.5</TD><TD class= ''></TD>"
      "<TD class= 'colExtra'>Class: dimensioning</TD></TR>\r\n"
      "</TABLE>\r\n"
      "<TR class='cfeature'><TD class= ''>Terminators</TD>"
      "<TD class= ''><TABLE cellspacing='1' class='featuretable'></TD></TR>\r\n"
      "<TR><TD width='50' class='cfeatureheading '>Arrow</TD>"
      "<TD width='50' class='cfeatureheading '>Width</TD>"
      "<TD width='50' class='cfeatureheading '>Height</TD>"
      "<TD width='50' class='cfeatureheading '>Min.Leader</TD>"
      "<TD class='cfeatureheading'>Extra</TD></TR>\r\n"
      "<TR class='cfeature'><TD class= ''>filled</TD><TD class= ''>0.25</TD>"
      "<TD class= ''></TD><TD class= ''></TD><TD class= ''>Class: dimensioning</TD></TR>\r\n"
      "</TABLE>\r\n"
      "<TR class='cfeature'><TD class= ''>Text</TD>"
      "<TD class= ''><TABLE cellspacing='1' class='featuretable'></TD></TR>\r\n"
      "<TR><TD width='50' class='cfeatureheading '>Weight</TD>"
      "<TD width='50' class='cfeatureheading '>Font</TD>"
      "<TD width='50' class='cfeatureheading '>Width</TD>"
      "<TD width='50' class='cfeatureheading '>Height</TD>"
      "<TD width='50' class='cfeatureheading '>Orient</TD>"
      "<TD width='50' class='cfeatureheading '>Frame</TD>"
      "<TD width='50' class='cfeatureheading '>Margin</TD>"
      "<TD width='50' class='cfeatureheading '>Just</TD>"
      "<TD class='cfeatureheading'>Extra</TD></TR>\r\n"
      "<TR class='cfeature'><TD class= ''></TD><TD class= ''>5</TD><TD class= ''></TD>"
      "<TD class= ''></TD><TD class= ''>Above</TD><TD class= ''></TD><TD class= ''></TD>"
      "<TD class= ''></TD><TD class= 'colExtra'>Class: dimensioning</TD></TR>\r\n"
      "</TABLE>\r\n"
      // Dim2: no dimension settings and no class, so every Extra is the filler.
      "<TR class='cfeature'><TD class= 'colName'><b>Dim2</b></TD><TD class= "
      "'colName'></TD></TR>\r\n"
      "<TR class='cfeature'><TD class= 'colDimStyle'>Dimension Style</TD>"
      "<TD class= 'colDimStyle'>Plain</TD></TR>\r\n"
      "<TR class='cfeature'><TD class= 'colDimStyle'>Lines</TD>"
      "<TD class= 'colDimStyle'><TABLE cellspacing='1' class='featuretable'></TD></TR>\r\n"
      "<TR><TD width='90' class='cfeatureheading colLevel'>Level</TD>"
      "<TD width='50' class='cfeatureheading colColour'>Color</TD>"
      "<TD width='50' class='cfeatureheading colLineStyle'>Style</TD>"
      "<TD width='50' class='cfeatureheading colWeight'>Weight</TD>"
      "<TD class='cfeatureheading'>Extra</TD></TR>\r\n"
      "<TR class='cfeature'><TD class= 'colLevel'>Dims[4]</TD>"
      "<TD class= 'colColour'><TABLE align='right'><TR class='cfeature'><TD>6</TD></TABLE></TD>"
      "<TD class= 'colLineStyle'>Dashed</TD><TD class= 'colWeight'>2</TD>"
      "<TD class= 'colExtra'>&nbsp</TD></TR>\r\n"
      "</TABLE>\r\n"
      "<TR class='cfeature'><TD class= ''>Extension Lines</TD>"
      "<TD class= ''><TABLE cellspacing='1' class='featuretable'></TD></TR>\r\n"
      "<TR><TD width='50' class='cfeatureheading colLineStyle'>Style</TD>"
      "<TD width='50' class='cfeatureheading colWeight'>Weight</TD>"
      "<TD width='50' class='cfeatureheading '>Offset</TD>"
      "<TD width='50' class='cfeatureheading '>Extent</TD>"
      "<TD class='cfeatureheading'>Extra</TD></TR>\r\n"
      "<TR class='cfeature'><TD class= 'colDimStyle'></TD><TD class= ''></TD>"
      "<TD class= ''></TD><TD class= ''></TD><TD class= 'colExtra'>&nbsp</TD></TR>\r\n"
      "</TABLE>\r\n"
      "<TR class='cfeature'><TD class= ''>Terminators</TD>"
      "<TD class= ''><TABLE cellspacing='1' class='featuretable'></TD></TR>\r\n"
      "<TR><TD width='50' class='cfeatureheading '>Arrow</TD>"
      "<TD width='50' class='cfeatureheading '>Width</TD>"
      "<TD width='50' class='cfeatureheading '>Height</TD>"
      "<TD width='50' class='cfeatureheading '>Min.Leader</TD>"
      "<TD class='cfeatureheading'>Extra</TD></TR>\r\n"
      "<TR class='cfeature'><TD class= ''>&nbsp</TD><TD class= ''></TD>"
      "<TD class= ''></TD><TD class= ''></TD><TD class= ''>&nbsp</TD></TR>\r\n"
      "</TABLE>\r\n"
      "<TR class='cfeature'><TD class= ''>Text</TD>"
      "<TD class= ''><TABLE cellspacing='1' class='featuretable'></TD></TR>\r\n"
      "<TR><TD width='50' class='cfeatureheading '>Weight</TD>"
      "<TD width='50' class='cfeatureheading '>Font</TD>"
      "<TD width='50' class='cfeatureheading '>Width</TD>"
      "<TD width='50' class='cfeatureheading '>Height</TD>"
      "<TD width='50' class='cfeatureheading '>Orient</TD>"
      "<TD width='50' class='cfeatureheading '>Frame</TD>"
      "<TD width='50' class='cfeatureheading '>Margin</TD>"
      "<TD width='50' class='cfeatureheading '>Just</TD>"
      "<TD class='cfeatureheading'>Extra</TD></TR>\r\n"
      "<TR class='cfeature'><TD class= ''></TD><TD class= ''></TD><TD class= ''></TD>"
      "<TD class= ''></TD><TD class= ''>&nbsp</TD><TD class= ''></TD><TD class= ''></TD>"
      "<TD class= ''></TD><TD class= 'colExtra'>&nbsp</TD></TR>\r\n"
      "</TABLE>\r\n"
      "</TABLE>\r\n");
}

TEST(DimensionSections, LayerModeChangesOnlyTheLevelAndStyleHeadings) {
  const Dictionary dictionary = categorized(
      buildDictionary({{"FEATURE NAME", ROLE_FEATURE_NAME}, {"KEY-IN", ROLE_KEY_IN}},
                      {{"D", "dimension text orient 2;dimension terminator orientterm 1"}}),
      {CATEGORY_DIMENSIONS});
  OutputStream out;
  writeDimensionsSection(out, dictionary, ReportSettings{true, false, {}});
  EXPECT_EQ(
      bufferedText(out),
      "<TABLE><TR><TD class='cfeaturetypeheading'>Dimensions</TD></TR></TABLE>\r\n"
      "<TABLE cellspacing='1' class='featuretable'>\r\n"
      "<TR><TD width='80' class='cfeatureheading colName'>Feature</TD>"
      "<TD class='cfeatureheading'>Details</TD></TR>\r\n"
      "<TR class='cfeature'><TD class= 'colName'><b>D</b></TD><TD class= 'colName'></TD></TR>\r\n"
      "<TR class='cfeature'><TD class= 'colDimStyle'>Dimension Style</TD>"
      "<TD class= 'colDimStyle'></TD></TR>\r\n"
      "<TR class='cfeature'><TD class= 'colDimStyle'>Lines</TD>"
      "<TD class= 'colDimStyle'><TABLE cellspacing='1' class='featuretable'></TD></TR>\r\n"
      "<TR><TD width='90' class='cfeatureheading colLevel'>Layer</TD>"
      "<TD width='50' class='cfeatureheading colColour'>Color</TD>"
      "<TD width='50' class='cfeatureheading colLineStyle'>Linetype</TD>"
      "<TD width='50' class='cfeatureheading colWeight'>Weight</TD>"
      "<TD class='cfeatureheading'>Extra</TD></TR>\r\n"
      "<TR class='cfeature'><TD class= 'colLevel'></TD>"
      "<TD class= 'colColour'><TABLE align='right'><TR class='cfeature'><TD></TD></TABLE></TD>"
      "<TD class= 'colLineStyle'></TD><TD class= 'colWeight'></TD>"
      "<TD class= 'colExtra'>&nbsp</TD></TR>\r\n"
      "</TABLE>\r\n"
      "<TR class='cfeature'><TD class= ''>Extension Lines</TD>"
      "<TD class= ''><TABLE cellspacing='1' class='featuretable'></TD></TR>\r\n"
      "<TR><TD width='50' class='cfeatureheading colLineStyle'>Linetype</TD>"
      "<TD width='50' class='cfeatureheading colWeight'>Weight</TD>"
      "<TD width='50' class='cfeatureheading '>Offset</TD>"
      "<TD width='50' class='cfeatureheading '>Extent</TD>"
      "<TD class='cfeatureheading'>Extra</TD></TR>\r\n"
      "<TR class='cfeature'><TD class= 'colDimStyle'></TD><TD class= ''></TD>"
      "<TD class= ''></TD><TD class= ''></TD><TD class= 'colExtra'>&nbsp</TD></TR>\r\n"
      "</TABLE>\r\n"
      "<TR class='cfeature'><TD class= ''>Terminators</TD>"
      "<TD class= ''><TABLE cellspacing='1' class='featuretable'></TD></TR>\r\n"
      "<TR><TD width='50' class='cfeatureheading '>Arrow</TD>"
      "<TD width='50' class='cfeatureheading '>Width</TD>"
      "<TD width='50' class='cfeatureheading '>Height</TD>"
      "<TD width='50' class='cfeatureheading '>Min.Leader</TD>"
      "<TD class='cfeatureheading'>Extra</TD></TR>\r\n"
      "<TR class='cfeature'><TD class= ''>closed</TD><TD class= ''></TD>"
      "<TD class= ''></TD><TD class= ''></TD><TD class= ''>&nbsp</TD></TR>\r\n"
      "</TABLE>\r\n"
      "<TR class='cfeature'><TD class= ''>Text</TD>"
      "<TD class= ''><TABLE cellspacing='1' class='featuretable'></TD></TR>\r\n"
      "<TR><TD width='50' class='cfeatureheading '>Weight</TD>"
      "<TD width='50' class='cfeatureheading '>Font</TD>"
      "<TD width='50' class='cfeatureheading '>Width</TD>"
      "<TD width='50' class='cfeatureheading '>Height</TD>"
      "<TD width='50' class='cfeatureheading '>Orient</TD>"
      "<TD width='50' class='cfeatureheading '>Frame</TD>"
      "<TD width='50' class='cfeatureheading '>Margin</TD>"
      "<TD width='50' class='cfeatureheading '>Just</TD>"
      "<TD class='cfeatureheading'>Extra</TD></TR>\r\n"
      "<TR class='cfeature'><TD class= ''></TD><TD class= ''></TD><TD class= ''></TD>"
      "<TD class= ''></TD><TD class= ''>Horiz.</TD><TD class= ''></TD><TD class= ''></TD>"
      "<TD class= ''></TD><TD class= 'colExtra'>&nbsp</TD></TR>\r\n"
      "</TABLE>\r\n"
      "</TABLE>\r\n");
}

TEST(LeaderSections, LeadersInLayerModeShowTheirOwnTextSettings) {
  EXPECT_EQ(
      written(writeLeadersSection, true),
      "<TABLE><TR><TD class='cfeaturetypeheading'>Leaders</TD></TR></TABLE>\r\n"
      "<TABLE cellspacing='1' class='featuretable'>\r\n"
      "<TR><TD width='80' class='cfeatureheading colName'>Feature</TD>"
      "<TD class='cfeatureheading'>Details</TD></TR>\r\n"
      "<TR class='cfeature'><TD class= 'colName'><b>Lead1</b></TD><TD class= "
      "'colName'></TD></TR>\r\n"
      "<TR class='cfeature'><TD class= 'colDimStyle'>Dimension Style</TD>"
      "<TD class= 'colDimStyle'>Std</TD></TR>\r\n"
      "<TR class='cfeature'><TD class= 'colDimStyle'>Lines</TD>"
      "<TD class= 'colDimStyle'><TABLE cellspacing='1' class='featuretable'></TD></TR>\r\n"
      "<TR><TD width='90' class='cfeatureheading colLevel'>Layer</TD>"
      "<TD width='50' class='cfeatureheading colColour'>Color</TD>"
      "<TD width='50' class='cfeatureheading colLineStyle'>Linetype</TD>"
      "<TD width='50' class='cfeatureheading colWeight'>Weight</TD>"
      "<TD class='cfeatureheading'>Extra</TD></TR>\r\n"
      "<TR class='cfeature'><TD class= 'colLevel'>Leaders</TD>"
      "<TD class= 'colColour'><TABLE align='right'><TR class='cfeature'><TD>2</TD></TABLE></TD>"
      "<TD class= 'colLineStyle'>Solid</TD><TD class= 'colWeight'>0</TD>"
      "<TD class= 'colExtra'>&nbsp</TD></TR>\r\n"
      "</TABLE>\r\n"
      "<TR class='cfeature'><TD class= ''>Extension Lines</TD>"
      "<TD class= ''><TABLE cellspacing='1' class='featuretable'></TD></TR>\r\n"
      "<TR><TD width='50' class='cfeatureheading colLineStyle'>Linetype</TD>"
      "<TD width='50' class='cfeatureheading colWeight'>Weight</TD>"
      "<TD width='50' class='cfeatureheading '>Offset</TD>"
      "<TD width='50' class='cfeatureheading '>Extent</TD>"
      "<TD class='cfeatureheading'>Extra</TD></TR>\r\n"
      "<TR class='cfeature'><TD class= 'colDimStyle'></TD><TD class= ''>2</TD>"
      "<TD class= ''></TD><TD class= ''></TD><TD class= 'colExtra'>&nbsp</TD></TR>\r\n"
      "</TABLE>\r\n"
      "<TR class='cfeature'><TD class= ''>Terminators</TD>"
      "<TD class= ''><TABLE cellspacing='1' class='featuretable'></TD></TR>\r\n"
      "<TR><TD width='50' class='cfeatureheading '>Arrow</TD>"
      "<TD width='50' class='cfeatureheading '>Width</TD>"
      "<TD width='50' class='cfeatureheading '>Height</TD>"
      "<TD width='50' class='cfeatureheading '>Min.Leader</TD>"
      "<TD class='cfeatureheading'>Extra</TD></TR>\r\n"
      "<TR class='cfeature'><TD class= ''>open</TD><TD class= ''></TD>"
      "<TD class= ''></TD><TD class= ''></TD><TD class= ''>&nbsp</TD></TR>\r\n"
      "</TABLE>\r\n"
      "<TR class='cfeature'><TD class= ''>Text</TD>"
      "<TD class= ''><TABLE cellspacing='1' class='featuretable'></TD></TR>\r\n"
      "<TR><TD width='100' class='cfeatureheading colTextStyle'>Text Style</TD>"
      "<TD width='70' class='cfeatureheading colColour'>Colour</TD>"
      "<TD width='20' class='cfeatureheading colTextWeight'>Weight</TD>"
      "<TD width='30' class='cfeatureheading colTextFont'>Font</TD>"
      "<TD width='20' class='cfeatureheading colTextScale'>Width</TD>"
      "<TD width='20' class='cfeatureheading colTextScale'>Height</TD>"
      "<TD width='20' class='cfeatureheading colTextLineSpacing'>Spacing</TD>"
      "<TD class='cfeatureheading'>Extra</TD></TR>\r\n"
      "<TR class='cfeature'><TD class= 'colTextStyle'>Callout</TD>"
      "<TD class= 'colColour'><TABLE align='right'><TR class='cfeature'><TD>2</TD></TABLE></TD>"
      "<TD class= 'colWeight'>0</TD><TD class= 'colTextFont'>Arial</TD>"
      "<TD class= 'colScale'>2</TD><TD class= 'colScale'>2.5</TD>"
      "<TD class= 'colTextLineSpacing'>1</TD><TD class= 'colExtra'>&nbsp</TD></TR>\r\n"
      "</TABLE>\r\n"
      "</TABLE>\r\n");
}

TEST(LeaderSections, AClassShowsInEveryGroupAndTheNameIsNotCut) {
  const std::string longName(5000, 'n');
  const Dictionary dictionary =
      categorized(buildDictionary({{"FEATURE NAME", ROLE_FEATURE_NAME}, {"KEY-IN", ROLE_KEY_IN}},
                                  {{longName, "active class leader"}}),
                  {CATEGORY_LEADERS});
  OutputStream out;
  writeLeadersSection(out, dictionary, ReportSettings{});
  EXPECT_EQ(
      bufferedText(out),
      "<TABLE><TR><TD class='cfeaturetypeheading'>Leaders</TD></TR></TABLE>\r\n"
      "<TABLE cellspacing='1' class='featuretable'>\r\n"
      "<TR><TD width='80' class='cfeatureheading colName'>Feature</TD>"
      "<TD class='cfeatureheading'>Details</TD></TR>\r\n"
      "<TR class='cfeature'><TD class= 'colName'><b>" +
          longName +
          "</b></TD>"
          "<TD class= 'colName'></TD></TR>\r\n"
          "<TR class='cfeature'><TD class= 'colDimStyle'>Dimension Style</TD>"
          "<TD class= 'colDimStyle'></TD></TR>\r\n"
          "<TR class='cfeature'><TD class= 'colDimStyle'>Lines</TD>"
          "<TD class= 'colDimStyle'><TABLE cellspacing='1' class='featuretable'></TD></TR>\r\n"
          "<TR><TD width='90' class='cfeatureheading colLevel'>Level</TD>"
          "<TD width='50' class='cfeatureheading colColour'>Color</TD>"
          "<TD width='50' class='cfeatureheading colLineStyle'>Style</TD>"
          "<TD width='50' class='cfeatureheading colWeight'>Weight</TD>"
          "<TD class='cfeatureheading'>Extra</TD></TR>\r\n"
          "<TR class='cfeature'><TD class= 'colLevel'></TD>"
          "<TD class= 'colColour'><TABLE align='right'><TR class='cfeature'><TD></TD></TABLE></TD>"
          "<TD class= 'colLineStyle'></TD><TD class= 'colWeight'></TD>"
          "<TD class= 'colExtra'>Class: leader</TD></TR>\r\n"
          "</TABLE>\r\n"
          "<TR class='cfeature'><TD class= ''>Extension Lines</TD>"
          "<TD class= ''><TABLE cellspacing='1' class='featuretable'></TD></TR>\r\n"
          "<TR><TD width='50' class='cfeatureheading colLineStyle'>Style</TD>"
          "<TD width='50' class='cfeatureheading colWeight'>Weight</TD>"
          "<TD width='50' class='cfeatureheading '>Offset</TD>"
          "<TD width='50' class='cfeatureheading '>Extent</TD>"
          "<TD class='cfeatureheading'>Extra</TD></TR>\r\n"
          "<TR class='cfeature'><TD class= 'colDimStyle'></TD><TD class= ''></TD>"
          "<TD class= ''></TD><TD class= ''></TD><TD class= 'colExtra'>Class: leader</TD></TR>\r\n"
          "</TABLE>\r\n"
          "<TR class='cfeature'><TD class= ''>Terminators</TD>"
          "<TD class= ''><TABLE cellspacing='1' class='featuretable'></TD></TR>\r\n"
          "<TR><TD width='50' class='cfeatureheading '>Arrow</TD>"
          "<TD width='50' class='cfeatureheading '>Width</TD>"
          "<TD width='50' class='cfeatureheading '>Height</TD>"
          "<TD width='50' class='cfeatureheading '>Min.Leader</TD>"
          "<TD class='cfeatureheading'>Extra</TD></TR>\r\n"
          "<TR class='cfeature'><TD class= ''>&nbsp</TD><TD class= ''></TD>"
          "<TD class= ''></TD><TD class= ''></TD><TD class= ''>Class: leader</TD></TR>\r\n"
          "</TABLE>\r\n"
          "<TR class='cfeature'><TD class= ''>Text</TD>"
          "<TD class= ''><TABLE cellspacing='1' class='featuretable'></TD></TR>\r\n"
          "<TR><TD width='100' class='cfeatureheading colTextStyle'>Text Style</TD>"
          "<TD width='70' class='cfeatureheading colColour'>Colour</TD>"
          "<TD width='20' class='cfeatureheading colTextWeight'>Weight</TD>"
          "<TD width='30' class='cfeatureheading colTextFont'>Font</TD>"
          "<TD width='20' class='cfeatureheading colTextScale'>Width</TD>"
          "<TD width='20' class='cfeatureheading colTextScale'>Height</TD>"
          "<TD width='20' class='cfeatureheading colTextLineSpacing'>Spacing</TD>"
          "<TD class='cfeatureheading'>Extra</TD></TR>\r\n"
          "<TR class='cfeature'><TD class= 'colTextStyle'></TD>"
          "<TD class= 'colColour'><TABLE align='right'><TR class='cfeature'><TD></TD></TABLE></TD>"
          "<TD class= 'colWeight'></TD><TD class= 'colTextFont'></TD>"
          "<TD class= 'colScale'></TD><TD class= 'colScale'></TD>"
          "<TD class= 'colTextLineSpacing'></TD><TD class= 'colExtra'>Class: leader</TD></TR>\r\n"
          "</TABLE>\r\n"
          "</TABLE>\r\n");
}

}  // namespace
}  // namespace plotwarden
