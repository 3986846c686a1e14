#include "check/finding_output.h"

#include <gtest/gtest.h>

namespace plotwarden {
namespace {

TEST(FindingOutput, LinesReadAsCompilersWriteThem) {
  EXPECT_EQ(findingLine({"dict\\civil.csv", 41, 9, Severity::kError, "bracket-not-closed",
                         "'[' not closed"}),
            "dict\\civil.csv:41:9: error: '[' not closed [bracket-not-closed]\n");
  EXPECT_EQ(findingLine({"civil.csv", 3, 0, Severity::kWarning, "blank-row", "blank"}),
            "civil.csv:3: warning: blank [blank-row]\n");
  EXPECT_EQ(findingLine({"civil.csv", 0, 0, Severity::kNote, "markup", "more"}),
            "civil.csv: note: more [markup]\n");
}

TEST(FindingOutput, SummaryCountsEveryPassAndTheRest) {
  DictionarySummary summary{"nlcs.csv", 5346, {0, 5328, 18, 0, 0, 0, 0}, 12};
  EXPECT_EQ(summaryLine(summary),
            "nlcs.csv: 5,346 features: 0 cells, 5,328 linear, 18 text, 0 dimensions, 0 3D solids, "
            "0 leaders, 0 hatching; 12 in no table\n");
}

TEST(FindingOutput, JsonHoldsEveryFindingAndSummary) {
  const std::string json =
      findingsJson({{"c.csv", 2, 5, Severity::kWarning, "markup", "text '<b>' \"x\""}},
                   {{"c.csv", 3, {1, 2, 0, 0, 0, 0, 0}, 0}});
  EXPECT_EQ(json,
            "{\n"
            "  \"findings\": [\n"
            "    {\n"
            "      \"path\": \"c.csv\",\n"
            "      \"line\": 2,\n"
            "      \"column\": 5,\n"
            "      \"severity\": \"warning\",\n"
            "      \"code\": \"markup\",\n"
            "      \"message\": \"text '<b>' \\\"x\\\"\"\n"
            "    }\n"
            "  ],\n"
            "  \"dictionaries\": [\n"
            "    {\n"
            "      \"path\": \"c.csv\",\n"
            "      \"features\": 3,\n"
            "      \"cells\": 1,\n"
            "      \"linear\": 2,\n"
            "      \"text\": 0,\n"
            "      \"dimensions\": 0,\n"
            "      \"solids3d\": 0,\n"
            "      \"leaders\": 0,\n"
            "      \"hatching\": 0,\n"
            "      \"noTable\": 0\n"
            "    }\n"
            "  ]\n"
            "}\n");
}

TEST(FindingOutput, JsonReplacesBytesThatAreNotUtf8) {
  const std::string json = findingsJson({{"c.csv", 1, 0, Severity::kNote, "not-utf8",
                                          "Stra\xDF"
                                          "e"}},
                                        {});
  EXPECT_NE(json.find("Stra\xEF\xBF\xBD"
                      "e"),
            std::string::npos);
}

}  // namespace
}  // namespace plotwarden
