#include "check/row_rules.h"

#include <gtest/gtest.h>

#include "check/check_support.h"

namespace plotwarden {
namespace {

using test_support::CheckedText;
using test_support::placesAndCodes;
using Codes = std::vector<std::string>;

Findings rowFindings(std::string_view text, char separator = ',') {
  CheckedText checked(text, separator);
  Findings findings;
  checkRows(checked.file(), findings);
  return findings;
}

constexpr std::string_view kHeader = "FEATURE NAME,LEVEL,ELEMENT TYPES\r\n";

TEST(RowRules, ABracketedValueInTheLastColumnJoinsTheNextRow) {
  const std::string text = std::string(kHeader) +
                           "Road,RD,\"[3,4]\"\r\n"
                           "Kerb,K1,[3,4]\r\n"
                           "Fence,F1,3\r\n"
                           "Gate,G1,3\r\n";
  const Findings findings = rowFindings(text);
  ASSERT_EQ(placesAndCodes(findings), (Codes{"3:9 bracket-last-column"}));
  EXPECT_EQ(findings[0].severity, Severity::kError);
  EXPECT_EQ(findings[0].message,
            "the bracketed value '[3,4]' ends its line, so the ',' inside it joins the field up to "
            "the next ',' on a later line: 2 lines (lines 3-4) are read as one row; put the value "
            "in quotes or end the line with ','");
}

TEST(RowRules, ABracketNotClosedNamesTheLinesItJoined) {
  const std::string text = std::string(kHeader) +
                           "Kerb,K1 [Roads,3\r\n"
                           "Fence,F1,3\r\n"
                           "Gate,G1 Bounds],3\r\n";
  const Findings findings = rowFindings(text);
  ASSERT_EQ(placesAndCodes(findings), (Codes{"2:6 bracket-not-closed"}));
  EXPECT_NE(findings[0].message.find("'[' not closed before the line end in 'K1 [Roads,3'"),
            std::string::npos);
  EXPECT_NE(findings[0].message.find("3 lines (lines 2-4)"), std::string::npos);
}

TEST(RowRules, AQuoteNeverClosedTakesTheRestOfTheFile) {
  const std::string text = std::string(kHeader) +
                           "Kerb,\"K1,3\r\n"
                           "Fence,F1,3\r\n";
  EXPECT_EQ(placesAndCodes(rowFindings(text)), (Codes{"2:6 quote-not-closed"}));
  // Closed on a later line: a quoted field over two lines, which may be meant.
  const std::string closed = std::string(kHeader) + "Kerb,\"K1\r\nK2\",3\r\nFence,F1,3\r\n";
  const Findings findings = rowFindings(closed);
  ASSERT_EQ(placesAndCodes(findings), (Codes{"2:6 quote-spans-lines"}));
  EXPECT_EQ(findings[0].severity, Severity::kWarning);
}

TEST(RowRules, FieldsPastTheHeaderWithTextAreCountedOnce) {
  const std::string text = std::string(kHeader) +
                           "Kerb, dropped,K1,3\r\n"
                           "Fence,F1,3,,,\r\n"  // padding: nothing lost
                           "Gate,main,G1,3\r\n";
  const Findings findings = rowFindings(text);
  ASSERT_EQ(placesAndCodes(findings), (Codes{"2:18 extra-fields"}));
  EXPECT_NE(findings[0].message.find("2 rows have more fields than the header's 3 columns"),
            std::string::npos);
}

TEST(RowRules, CleanRowsHaveNoFinding) {
  EXPECT_TRUE(rowFindings(std::string(kHeader) + "Road,RD [x],\"[3,4]\"\r\nKerb,K1,[3,4],\r\n"
                                                 "Fence,F1,3\r\n")
                  .empty());
  // With ';' the bracket rule is off: nothing joins.
  EXPECT_TRUE(rowFindings("FEATURE NAME;ELEMENT TYPES\nKerb;[3\nFence;4]\n", ';').empty());
}

}  // namespace
}  // namespace plotwarden
