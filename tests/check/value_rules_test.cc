#include "check/value_rules.h"

#include <gtest/gtest.h>

#include "check/check_support.h"

namespace plotwarden {
namespace {

using test_support::CheckedText;
using test_support::placesAndCodes;
using Codes = std::vector<std::string>;

TEST(ValueRules, ColourForms) {
  for (const char* understood :
       {"", "0", "255", "yes", "Yes", "ByLevel", "bylayer", "ByCell(00FF00)", "BYBLOCK (FF8000)",
        "3 [Red]", "ByLevel(ff8000) [note]"})
    EXPECT_TRUE(isUnderstoodColour(understood)) << understood;
  for (const char* not_understood :
       {"red", "#FF0000", "1.5", "ByLevel(00FF0)", "ByCell(GG0000)", "By Level", "-1", "ByLayer 3"})
    EXPECT_FALSE(isUnderstoodColour(not_understood)) << not_understood;
}

TEST(ValueRules, RgbValuesAreSixHexadecimalDigits) {
  EXPECT_TRUE(isRgbValue("FF8000"));
  EXPECT_TRUE(isRgbValue("00ff7f"));
  for (const char* bad : {"#FF8000", "FF800", "FF80000", "GG0000", "255,0,0"})
    EXPECT_FALSE(isRgbValue(bad)) << bad;
}

TEST(ValueRules, MarkupABrowserReads) {
  struct MarkupCase {
    const char* text;
    size_t at;
    const char* markup;  // "" for none
  };
  const MarkupCase cases[] = {
      {"Pipe <DN100> & valve", 5, "<DN100>"},
      {"Pipe <DN100> & valve", 13, ""},
      {"<script>alert(1)</script>", 0, "<script>"},
      {"a </b> c", 2, "</b>"},
      {"<!-- x -->", 0, "<!-- x -->"},
      {"x < 5", 2, ""},
      {"Bend &amp; tee", 5, "&amp;"},
      {"&#169;", 0, "&#169;"},
      {"R&D", 1, ""},
      {"a &b c;", 2, ""},
      {"<DN100", 0, "<DN100"},
  };
  for (const MarkupCase& c : cases) {
    const std::string_view text = c.text;
    EXPECT_EQ(text.substr(c.at, markupLength(text, c.at)), c.markup) << c.text << " at " << c.at;
  }
}

Findings valueFindings(std::string_view text) {
  CheckedText checked(text);
  Findings findings;
  checkValues(checked.file(), findings);
  return findings;
}

TEST(ValueRules, FindingsAtTheirRows) {
  const Findings findings = valueFindings(
      "FEATURE NAME,LEVEL,COLOUR,RGB,ELEMENT TYPES\r\n"
      "Road,RD,1,FF0000,3\r\n"
      "Kerb,K1,red,,3\r\n"
      "Fence,F1,4,#FFFF00,3\r\n"
      "Road,RD,2,,3\r\n"
      "Road,RD2,2,,3\r\n"
      "\"Pipe <DN100>\",WA,3,,3\r\n");
  EXPECT_EQ(placesAndCodes(findings), (Codes{"5:1 duplicate-feature", "6:1 name-on-levels",
                                             "3:1 colour-form", "4:1 rgb-value", "7:7 markup"}));
  EXPECT_EQ(findings[0].message,
            "feature 'Road' is already defined on line 2 with the same level; the report lists "
            "both");
  EXPECT_EQ(findings[1].severity, Severity::kNote);
  EXPECT_EQ(findings[4].message,
            "text '<DN100>' is read by a browser as mark-up: it vanishes from the report or acts "
            "as HTML (the default report writes dictionary text unescaped)");
}

TEST(ValueRules, CleanValuesHaveNoFinding) {
  EXPECT_TRUE(valueFindings("FEATURE NAME,LEVEL,COLOUR,RGB,ELEMENT TYPES\r\n"
                            "Road,RD,1,FF0000,3\r\n"
                            "\"Road, main\",RD,ByLevel,,3\r\n"
                            "Kerb < 5 m,K1,ByCell(00FF00),00ff00,3\r\n"
                            "R&D,K1,yes,,3\r\n")
                  .empty());
}

}  // namespace
}  // namespace plotwarden
