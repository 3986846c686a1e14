#include <gtest/gtest.h>

#include "report/section_test_support.h"
#include "report/sections.h"
#include "support/dictionary_builder.h"

namespace plotwarden {
namespace {

using test_support::buildDictionary;
using test_support::categorized;

Dictionary annotationDictionary() {
  return categorized(
      buildDictionary(
          {{"FEATURE NAME", ROLE_FEATURE_NAME},
           {"LEVEL", ROLE_LEVEL},
           {"TEXT STYLE", ROLE_TEXT_STYLE},
           {"COLOUR", ROLE_COLOUR},
           {"LINE STYLE", ROLE_LINE_STYLE},
           {"WEIGHT", ROLE_WEIGHT},
           {"TEXT WEIGHT", ROLE_TEXT_WEIGHT},
           {"TEXT FONT", ROLE_TEXT_FONT},
           {"TEXT SCALE", ROLE_TEXT_SCALE},
           {"LINE SPACING", ROLE_LINE_SPACING},
           {"KEY-IN", ROLE_KEY_IN}},
          {{"Title", "Text [1]", "Heading", "7", "0", "1", "9", "Arial", "2.5x3", "1.500000",
            "active class titles"},
           {"Road", "Roads", "Std", "3", "0", "1", "1", "Arial", "1x1", "1", ""},
           {"Note", "Notes", "Std", "yes", "Solid", "2", "8", "Roman", "h = 2.5", "10", ""}}),
      {CATEGORY_TEXT, CATEGORY_LINEAR, CATEGORY_TEXT});
}

std::string written(const Dictionary& dictionary, bool layerMode) {
  OutputStream out;
  writeAnnotationSection(out, dictionary, ReportSettings{layerMode, false, {}});
  return std::string(bufferedText(out));
}

const char kRows[] =
    "<TR class='cfeature'><TD class= 'colName'>Title</TD><TD class= 'colLevel'>Text[1]</TD>"
    "<TD class= 'colTextStyle'>Heading</TD>"
    "<TD class= 'colColour'><TABLE align='right'><TR class='cfeature'><TD>7</TD></TABLE></TD>"
    "<TD class= 'colLineStyle'>0</TD><TD class= 'colWeight'>1</TD>"
    "<TD class= 'colTextFont'>Arial</TD><TD class= 'colScale'>2.5</TD>"
    "<TD class= 'colScale'>3</TD><TD class= 'colTextLineSpacing'>1.5</TD>"
    "<TD class= 'colExtra'>Class: titles</TD></TR>\r\n"
    "<TR class='cfeature'><TD class= 'colName'>Note</TD><TD class= 'colLevel'>Notes</TD>"
    "<TD class= 'colTextStyle'>Std</TD><TD class= 'colColour'>yes</TD>"
    "<TD class= 'colLineStyle'>Solid</TD><TD class= 'colWeight'>2</TD>"
    "<TD class= 'colTextFont'>Roman</TD><TD class= 'colScale'></TD>"
    "<TD class= 'colScale'>2.5</TD><TD class= 'colTextLineSpacing'>10</TD>"
    "<TD class= 'colExtra'></TD></TR>\r\n"
    "</TABLE>\r\n";

const char kLevelModeStart[] =
    "<TABLE><TR><TD class='cfeaturetypeheading'>Annotation</TD></TR></TABLE>\r\n"
    "<TABLE cellspacing='1' class='featuretable'>\r\n"
    "<TR><TD width='80' class='cfeatureheading colName'>Feature</TD>"
    "<TD width='70' class='cfeatureheading colLevel'>Level</TD>"
    "<TD width='100' class='cfeatureheading colTextStyle'>Text Style</TD>"
    "<TD width='70' class='cfeatureheading colColour'>Colour</TD>"
    "<TD width='20' class='cfeatureheading colLineStyle'>Style</TD>"
    "<TD width='20' class='cfeatureheading colTextWeight'>Weight</TD>"
    "<TD width='30' class='cfeatureheading colTextFont'>Font</TD>"
    "<TD width='20' class='cfeatureheading colTextScale'>Width</TD>"
    "<TD width='20' class='cfeatureheading colTextScale'>Height</TD>"
    "<TD width='20' class='cfeatureheading colTextLineSpacing'>Spacing</TD>"
    "<TD class='cfeatureheading'>Extra</TD></TR>\r\n";

TEST(AnnotationSection, LevelMode) {
  EXPECT_EQ(written(annotationDictionary(), false), std::string(kLevelModeStart) + kRows);
}

TEST(AnnotationSection, LayerModeChangesOnlyTheSecondAndFifthHeadings) {
  EXPECT_EQ(
      written(annotationDictionary(), true),
      std::string("<TABLE><TR><TD class='cfeaturetypeheading'>Annotation</TD></TR></TABLE>\r\n"
                  "<TABLE cellspacing='1' class='featuretable'>\r\n"
                  "<TR><TD width='80' class='cfeatureheading colName'>Feature</TD>"
                  "<TD width='70' class='cfeatureheading colLevel'>Layer</TD>"
                  "<TD width='100' class='cfeatureheading colTextStyle'>Text Style</TD>"
                  "<TD width='70' class='cfeatureheading colColour'>Colour</TD>"
                  "<TD width='20' class='cfeatureheading colLineStyle'>Linetype</TD>"
                  "<TD width='20' class='cfeatureheading colTextWeight'>Weight</TD>"
                  "<TD width='30' class='cfeatureheading colTextFont'>Font</TD>"
                  "<TD width='20' class='cfeatureheading colTextScale'>Width</TD>"
                  "<TD width='20' class='cfeatureheading colTextScale'>Height</TD>"
                  "<TD width='20' class='cfeatureheading colTextLineSpacing'>Spacing</TD>"
                  "<TD class='cfeatureheading'>Extra</TD></TR>\r\n") +
          kRows);
}

TEST(AnnotationSection, WithoutATextScaleColumnWidthAndHeightAreEmpty) {
  const Dictionary dictionary = categorized(
      buildDictionary({{"FEATURE NAME", ROLE_FEATURE_NAME}, {"LINE SPACING", ROLE_LINE_SPACING}},
                      {{"Plain", "2.0"}}),
      {CATEGORY_TEXT});
  EXPECT_EQ(
      written(dictionary, false),
      std::string(kLevelModeStart) +
          "<TR class='cfeature'><TD class= 'colName'>Plain</TD><TD class= 'colLevel'></TD>"
          "<TD class= 'colTextStyle'></TD>"
          "<TD class= 'colColour'><TABLE align='right'><TR class='cfeature'><TD></TD></TABLE></TD>"
          "<TD class= 'colLineStyle'></TD><TD class= 'colWeight'></TD>"
          "<TD class= 'colTextFont'></TD><TD class= 'colScale'></TD>"
          "<TD class= 'colScale'></TD><TD class= 'colTextLineSpacing'>2</TD>"
          "<TD class= 'colExtra'></TD></TR>\r\n"
          "</TABLE>\r\n");
}

}  // namespace
}  // namespace plotwarden
