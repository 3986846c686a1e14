#include "check/dictionary_check.h"

#include <gtest/gtest.h>

#include "check/check_support.h"

namespace plotwarden {
namespace {

using test_support::CheckedText;

TEST(DictionaryCheck, RepeatsOfACodeAreCutToAFewAndCounted) {
  Findings findings;
  for (uint32_t line = 1; line <= 14; ++line)
    findings.push_back({"a.csv", line, 0, Severity::kWarning, "colour-form", "x"});
  findings.push_back({"b.csv", 1, 0, Severity::kWarning, "colour-form", "x"});
  limitRepeats(findings);
  ASSERT_EQ(findings.size(), 12u);
  EXPECT_EQ(findings[9].line, 10u);
  EXPECT_EQ(findings[10].path, "b.csv");
  EXPECT_EQ(findings[11].path, "a.csv");
  EXPECT_EQ(findings[11].severity, Severity::kNote);
  EXPECT_EQ(findings[11].message, "4 more findings like the above [colour-form] not shown");
}

TEST(DictionaryCheck, SummaryCountsRowsThatAreNotBlank) {
  CheckedText checked("FEATURE NAME,ELEMENT TYPES\r\nRoad,3\r\nKerb,\r\n,\r\n");
  const DictionarySummary summary = summarize("civil.csv", checked.dictionary());
  EXPECT_EQ(summary.features, 2u);
  EXPECT_EQ(summary.passCounts[1], 1);
  EXPECT_EQ(summary.inNoTable, 1u);
}

TEST(DictionaryCheck, LossLineSaysWhatARunLostSilently) {
  CheckedText lost(
      "FEATURE NAME,LEVEL,ELEMENT TYPES\r\n"
      "Road,RD,3\r\n"
      "Kerb,K1,\r\n"
      "Fence,F1 [x,3\r\n"
      "Gate,G1,3\r\n"
      "Post,P1],3\r\n");
  EXPECT_EQ(lossLine("civil.csv", lost.dictionary(), '"'),
            "civil.csv: 1 feature in no table; line 4: '[' not closed, 3 lines joined");
  CheckedText clean("FEATURE NAME,ELEMENT TYPES\r\nRoad,3\r\n\"Kerb\r\nline\",3\r\n,\r\n");
  EXPECT_EQ(lossLine("civil.csv", clean.dictionary(), '"'), "");
}

}  // namespace
}  // namespace plotwarden
