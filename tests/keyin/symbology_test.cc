#include "keyin/symbology.h"

#include <gtest/gtest.h>

#include <string>

#include "report/feature_cells.h"
#include "support/dictionary_builder.h"

namespace plotwarden {
namespace {

using test_support::buildDictionary;

const std::string kPlain = "<TABLE align='right'><TR class='cfeature'><TD>3</TD></TABLE>";
const std::string kSwatch =
    "<TABLE align='right'><TR class='cfeature'><TD>3</TD><TD  width='15' bgcolor='#00FF00'>"
    "<font color='#00FF00'>W</font></TD></TABLE>";
const std::string kBracketed = "<TABLE align='right'><TR class='cfeature'><TD>3[red]</TD></TABLE>";
const std::string kBracketedSwatch =
    "<TABLE align='right'><TR class='cfeature'><TD>3[red]</TD><TD  width='15' bgcolor='#FF0000'>"
    "<font color='#FF0000'>W</font></TD></TABLE>";

std::string plainTable(const std::string& main) {
  return "<TABLE align='right'><TR class='cfeature'><TD>" + main + "</TD></TABLE>";
}

std::string swatchTable(const std::string& main, const std::string& colour) {
  return "<TABLE align='right'><TR class='cfeature'><TD>" + main +
         "</TD><TD  width='15' bgcolor='#" + colour + "'><font color='#" + colour +
         "'>W</font></TD></TABLE>";
}

// The cell a report writes for field `role` of feature `featureIndex`.
std::string cellText(const Dictionary& d, int featureIndex, FieldRole role,
                     bool layerMode = false) {
  FeatureCells cells;
  cells.layerNaming = layerMode;
  beginFeature(cells, d, featureIndex);
  return std::string(symbologyText(cells, role));
}

std::string colourCell(std::string_view colour, std::string_view rgb, bool layerMode) {
  Dictionary d = buildDictionary({{"COLOUR", ROLE_COLOUR}, {"RGB", ROLE_RGB}}, {{colour, rgb}});
  return cellText(d, 0, ROLE_COLOUR, layerMode);
}

TEST(SymbologyColour, WritesOneOfTheFourSwatchTables) {
  EXPECT_EQ(colourCell("3", "00FF00", false), kSwatch);
  EXPECT_EQ(colourCell("3", "", false), kPlain);
  EXPECT_EQ(colourCell("3 [red]", "", false), kBracketed);
  EXPECT_EQ(colourCell("3 [red]", "FF0000", false), kBracketedSwatch);
}

TEST(SymbologyColour, WithoutAnRgbColumnHasNoSwatch) {
  Dictionary d = buildDictionary({{"COLOUR", ROLE_COLOUR}}, {{"3"}});
  EXPECT_EQ(cellText(d, 0, ROLE_COLOUR), kPlain);
}

TEST(SymbologyColour, AMissingColourFieldStillShowsTheRgbSwatch) {
  Dictionary d = buildDictionary({{"RGB", ROLE_RGB}, {"COLOUR", ROLE_COLOUR}}, {{"00FF00"}, {}});
  EXPECT_EQ(cellText(d, 0, ROLE_COLOUR), swatchTable("", "00FF00"));
  EXPECT_EQ(cellText(d, 1, ROLE_COLOUR), plainTable(""));
}

struct ColourCase {
  const char* colour;
  const char* rgb;
  bool layerMode;
  std::string expected;
};

TEST(SymbologyColour, ReadsByLevelByCellAndYes) {
  const ColourCase cases[] = {
      {"yes", "FF0000", false, "yes"},
      {"yes", "FF0000", true, "yes"},
      {"Yes", "", false, plainTable("Yes")},
      {"ByCell(FF00FF)", "", false, swatchTable("ByCell", "FF00FF")},
      {"ByCell(FF00FF)", "", true, swatchTable("ByBlock", "FF00FF")},
      {"byblock(00FFFF)", "FF0000", false, swatchTable("ByCell", "00FFFF")},
      {"BYBLOCK", "FF0000", false, plainTable("ByCell")},  // no parentheses: no square
      {"bycell", "FF0000", true, plainTable("ByBlock")},
      {"ByCell [x]", "", false, plainTable("ByCell[x]")},
      {"ByLevel(808080)", "FF0000", false, swatchTable("ByLevel(808080)", "FF0000")},
      {"ByLevel(808080)", "FF0000", true, swatchTable("ByLayer", "808080")},
      {"BYLAYER", "FF0000", false, swatchTable("BYLAYER", "FF0000")},
      {"bylayer", "FF0000", true, plainTable("ByLayer")},
      {" ByCell(FF0000)", "00FF00", false, swatchTable("ByCell(FF0000)", "00FF00")},
      {"bycel", "", false, plainTable("bycel")},
      {"\"3\"", "\"00FF00\"", false, kSwatch},
  };
  for (const ColourCase& c : cases)
    EXPECT_EQ(colourCell(c.colour, c.rgb, c.layerMode), c.expected)
        << c.colour << (c.layerMode ? " in layer mode" : " in level mode");
}

TEST(SymbologyColour, KeepsLongValuesWhole) {
  const std::string name(400, 'n');
  const std::string colour(20, 'C');
  EXPECT_EQ(colourCell(name, colour, false), swatchTable(name, colour));
}

struct FieldCase {
  FieldRole role;
  const char* value;
  const char* expected;
};

TEST(SymbologyCell, TidiesBracketedFieldsAndPassesOthersThrough) {
  const FieldCase cases[] = {
      {ROLE_LEVEL, "Roads [2]", "Roads[2]"},
      {ROLE_LEVEL, "[Base]", "[Base]"},
      {ROLE_LEVEL, "", ""},
      {ROLE_WEIGHT, "  2  ", "2"},
      {ROLE_WEIGHT, "2 []", "2"},
      {ROLE_LINE_STYLE, "Dashed [5]", "Dashed[5]"},
      {ROLE_LINE_STYLE, "\"Dash \"\"A\"\"\" [x]", "Dash A[x]"},
      {ROLE_LEVEL, "\"RD [x]\"", "RD[x]"},
      {ROLE_LEVEL, "\"Roads\"", "Roads"},
      {ROLE_WEIGHT, "\"SV \"\"A\"\"\"", "SV A"},
      {ROLE_COLOUR, "\"yes\"", "yes"},
      {ROLE_CELL_NAME, " A [b] ", " A [b] "},
      {ROLE_FEATURE_NAME, "  Road  ", "  Road  "},
      {ROLE_TEXT_SCALE, "2.5x3", "2.5x3"},
      {ROLE_KEY_IN, "as=2; ps=3", "as=2; ps=3"},
  };
  for (const FieldCase& c : cases) {
    Dictionary d = buildDictionary({{"FIELD", c.role}}, {{c.value}});
    EXPECT_EQ(cellText(d, 0, c.role), c.expected) << c.value;
    // The text does not depend on what the scratch held before.
    std::string scratch = "stale scratch";
    if (c.role != ROLE_COLOUR) {
      EXPECT_EQ(symbologyView(d, 0, c.role, scratch), c.expected) << c.value;
    }
  }
}

TEST(SymbologyView, APlainValueIsAViewIntoTheDictionary) {
  Dictionary d =
      buildDictionary({{"LEVEL", ROLE_LEVEL}, {"NAME", ROLE_FEATURE_NAME}}, {{" Roads ", "Gully"}});
  std::string scratch;
  for (FieldRole role : {ROLE_LEVEL, ROLE_FEATURE_NAME}) {
    const std::string_view view = symbologyView(d, 0, role, scratch);
    const std::string_view text = d.text;
    EXPECT_TRUE(view.data() >= text.data() &&
                view.data() + view.size() <= text.data() + text.size());
  }
  EXPECT_EQ(symbologyView(d, 0, ROLE_LEVEL, scratch), "Roads");
}

TEST(SymbologyCell, AMissingFieldGivesAnEmptyCell) {
  Dictionary d = buildDictionary({{"NAME", ROLE_FEATURE_NAME}, {"LEVEL", ROLE_LEVEL}}, {{"x"}});
  EXPECT_EQ(cellText(d, 0, ROLE_LEVEL), "");
  EXPECT_EQ(cellText(d, 5, ROLE_FEATURE_NAME), "");
}

}  // namespace
}  // namespace plotwarden
