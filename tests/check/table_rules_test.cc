#include "check/table_rules.h"

#include <gtest/gtest.h>

#include "check/check_support.h"

namespace plotwarden {
namespace {

using test_support::CheckedText;
using test_support::placesAndCodes;
using Codes = std::vector<std::string>;

Findings tableFindings(std::string_view text, char separator = ',') {
  CheckedText checked(text, separator);
  Findings findings;
  checkTables(checked.file(), findings);
  return findings;
}

TEST(TableRules, PassesMatchedFollowTheSeparatorGiven) {
  constexpr uint8_t kCells = 1, kLinear = 2, kText = 4, kSolids = 16;
  EXPECT_EQ(passesMatched("[3,4]", true, ',', '"'), kLinear);
  EXPECT_EQ(passesMatched("[3,4]", true, ';', '"'), 0);
  EXPECT_EQ(passesMatched("\"[3;4]\"", true, ';', '"'), kLinear);
  EXPECT_EQ(passesMatched("2", true, ',', '"'), kCells | kSolids);
  EXPECT_EQ(passesMatched("Text[7]", true, ',', '"'), kText);
  EXPECT_EQ(passesMatched("", false, ',', '"'), kCells);  // an empty FEATURE TYPE reads as 0
  EXPECT_EQ(passesMatched("3", false, ',', '"'), kText);
}

TEST(TableRules, FeaturesInNoTableAreGroupedByWhy) {
  const Findings findings = tableFindings(
      "FEATURE NAME,LEVEL,ELEMENT TYPES\r\n"
      "Road,RD,3\r\n"
      "Kerb,K1,\r\n"
      "Fence,F1,Line\r\n"
      "Gate,G1,[99]\r\n"
      "Post,P1,Line\r\n"
      "Short\r\n"
      ",,\r\n");  // a blank row is in no group
  ASSERT_EQ(placesAndCodes(findings), (Codes{"3:1 no-table-empty", "4:1 no-table-type"}));
  EXPECT_EQ(findings[0].message, "2 features in no table: nothing in ELEMENT TYPES");
  EXPECT_EQ(findings[1].message,
            "3 features in no table: ELEMENT TYPES values name no table: 'Line', '[99]'");
}

TEST(TableRules, AListSeparatedWithAnotherCharacterSaysWhatItWouldBe) {
  const Findings findings = tableFindings(
      "FEATURE NAME;ELEMENT TYPES\r\n"
      "Road;[3,4,6,16]\r\n"
      "Kerb;[3,4,6,16]\r\n"
      "Note;[17]\r\n"
      "Gully;[2,35]\r\n",
      ';');
  ASSERT_EQ(placesAndCodes(findings), (Codes{"2:1 list-separator"}));
  EXPECT_EQ(findings[0].severity, Severity::kError);
  EXPECT_EQ(findings[0].message,
            "0 of 2 linear features listed, 0 of 1 3D solids features listed: 3 features are in "
            "no table because ELEMENT TYPES lists such as '[3,4,6,16]', '[2,35]' separate their "
            "items with ',' but items are split at the file's separator ';'; write the items "
            "separated by ';' and quote the value");
}

TEST(TableRules, AListCutByTheSeparatorIsAnError) {
  const Findings findings =
      tableFindings("FEATURE NAME;ELEMENT TYPES\nRoad;[3;4]\nKerb;\"[3;4]\"\n", ';');
  ASSERT_EQ(placesAndCodes(findings), (Codes{"2:1 list-cut"}));
  EXPECT_NE(findings[0].message.find("'[3' have '[' but no ']'"), std::string::npos);
}

TEST(TableRules, BlankRowsThatCountAsFeatures) {
  const Findings findings = tableFindings(
      "FEATURE NAME,FEATURE TYPE,LEVEL\r\n"
      "Road,1,RD\r\n"
      ",,\r\n"
      ",,\r\n");
  ASSERT_EQ(placesAndCodes(findings), (Codes{"3:1 blank-row"}));
  EXPECT_NE(findings[0].message.find("2 blank rows count as features (cells)"), std::string::npos);
  // With FEATURE TYPE last, the empty row ends before it: no feature.
  EXPECT_TRUE(tableFindings("FEATURE NAME,LEVEL,FEATURE TYPE\nRoad,RD,1\n,,\n").empty());
}

TEST(TableRules, FeaturesInNoTableDoNotCountBlankRows) {
  CheckedText checked("FEATURE NAME,ELEMENT TYPES\r\nRoad,3\r\nKerb,\r\n,\r\n\r\n");
  EXPECT_EQ(featuresInNoTable(checked.dictionary()), 1u);
}

}  // namespace
}  // namespace plotwarden
