#include "check/header_rules.h"

#include <gtest/gtest.h>

#include "check/check_support.h"

namespace plotwarden {
namespace {

using test_support::CheckedText;
using test_support::placesAndCodes;
using Codes = std::vector<std::string>;

struct SuggestionCase {
  const char* name;
  const char* suggested;  // "" for none
  const char* fix;        // a word the fix must hold
};

const SuggestionCase kSuggestionCases[] = {
    {" Element Types ", "ELEMENT TYPES", "blanks"},
    {"\"LINE STYLE\"", "LINE STYLE", "quotes"},
    {"'Level'", "LEVEL", "quotes"},
    {"Feature  Name", "FEATURE NAME", "one blank"},
    {"FEATURE_TYPE", "FEATURE TYPE", "one blank"},
    {"ELEMENTTYPES", "ELEMENT TYPES", "missing"},
    {"KeyIn", "KEY-IN", "missing"},
    {"LAYER", "LEVEL", "either naming mode"},
    {"Color", "COLOUR", "either naming mode"},
    {"LINETYPE", "LINE STYLE", "either naming mode"},
    {"Block Name", "CELL NAME", "either naming mode"},
    {"Text Fnot", "TEXT FONT", "misspelling"},
    {"Elemnt Types", "ELEMENT TYPES", "misspelling"},
    {"WIEGHT", "WEIGHT", "misspelling"},
    {"Description", "", ""},
    {"Remarks", "", ""},
    {"", "", ""},
};

TEST(HeaderRules, SuggestsTheKnownNameMeant) {
  for (const SuggestionCase& c : kSuggestionCases) {
    const NameSuggestion suggestion = suggestFieldName(c.name);
    EXPECT_EQ(suggestion.name, c.suggested) << c.name;
    EXPECT_NE(std::string(suggestion.fix).find(c.fix), std::string::npos)
        << c.name << ": " << suggestion.fix;
  }
}

Findings headerFindings(std::string_view text, char separator = ',') {
  CheckedText checked(text, separator);
  Findings findings;
  checkHeader(checked.file(), findings);
  return findings;
}

TEST(HeaderRules, UnknownNamesAreWarnedAtTheirColumnWithTheSuggestion) {
  const Findings findings =
      headerFindings("FEATURE NAME,Colour, Weight ,Remarks,,ELEMENT TYPES\r\nKerb,1,2,x,,3\r\n");
  EXPECT_EQ(placesAndCodes(findings),
            (Codes{"1:21 unknown-header", "1:30 unknown-header", "1:38 unknown-header"}));
  EXPECT_EQ(findings[0].message,
            "unknown column name ' Weight ' is ignored; did you mean 'WEIGHT'? (remove the blanks "
            "around it)");
  EXPECT_EQ(findings[1].message, "unknown column name 'Remarks' is ignored");
  EXPECT_EQ(findings[2].severity, Severity::kNote);
}

TEST(HeaderRules, ARepeatedRoleSaysWhichColumnIsUsed) {
  const Findings findings = headerFindings("NAME,LEVEL,FEATURE NAME,ELEMENT TYPES\nA,L,B,3\n");
  ASSERT_EQ(placesAndCodes(findings), (Codes{"1:12 duplicate-header"}));
  EXPECT_EQ(findings[0].message,
            "column name 'FEATURE NAME' (column 3) repeats 'NAME' (column 1): column 1 is used, "
            "column 3 is ignored");
}

TEST(HeaderRules, AOneColumnHeaderHoldingAnotherSeparatorNamesIt) {
  for (const char* text : {"FEATURE NAME;LEVEL;ELEMENT TYPES\r\nKerb;K;3\r\n",
                           "FEATURE NAME\tLEVEL\tELEMENT TYPES\r\nKerb\tK\t3\r\n"}) {
    const Findings findings = headerFindings(text);
    ASSERT_EQ(placesAndCodes(findings), (Codes{"1:1 wrong-separator"})) << text;
    EXPECT_EQ(findings[0].severity, Severity::kError);
  }
  EXPECT_NE(headerFindings("FEATURE NAME;LEVEL\nx\n")[0].message.find(
                "make the configuration's separator line ';'"),
            std::string::npos);
  // Read with ';', a comma-separated file shows the comma.
  EXPECT_EQ(placesAndCodes(headerFindings("FEATURE NAME,ELEMENT TYPES\nKerb,3\n", ';')),
            (Codes{"1:1 wrong-separator"}));
}

TEST(HeaderRules, NoColumnToSortByIsAnError) {
  EXPECT_EQ(placesAndCodes(headerFindings("FEATURE NAME,LEVEL\nKerb,K\n")),
            (Codes{"1:1 no-type-column"}));
  EXPECT_TRUE(headerFindings("FEATURE NAME,FEATURE TYPE\nKerb,1\n").empty());
  EXPECT_TRUE(headerFindings("FEATURE NAME,ELEMENT TYPE\nKerb,1\n").empty());
}

TEST(HeaderRules, ACleanHeaderHasNoFinding) {
  EXPECT_TRUE(headerFindings("\xEF\xBB\xBF"
                             "Feature Name,Level,COLOUR,rgb,Weight,Line Style,Text Scale,Text Font,"
                             "Line Spacing,Cell Name,Text Style,Dim Style,Key-In,Element Types,"
                             "Text Weight\r\nKerb\r\n")
                  .empty());
}

}  // namespace
}  // namespace plotwarden
