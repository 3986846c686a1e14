// --modern end to end: text shown as typed, one encoding, the default report
// untouched by the option's existence.
#include <gtest/gtest.h>

#include "support/program_run.h"

namespace plotwarden::testing {
namespace {

constexpr const char* kConfiguration =
    "out=report.html\nimg=noimages\n,\n#\n\"\nx,y\n"
    "Pipes,Mains & valves,-,-,1.0,-,pipes.csv\nOld,Windows text,-,-,1.0,-,old.csv\n";

class ModernRun : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.write("p.cfg", kConfiguration);
    folder_.write("pipes.csv",
                  "FEATURE NAME,ELEMENT TYPES,LEVEL,COLOUR,RGB\n"
                  "Pipe <DN100> & valve,[3,4],PIPE,3,00FF00\n"
                  "<script>alert(1)</script>,[3],X,ByLevel(0000FF),\n");
    // "Straße" saved by a Windows spreadsheet: 0xDF is not UTF-8.
    folder_.write("old.csv",
                  "FEATURE NAME,ELEMENT TYPES,LEVEL\nStra\xDF"
                  "e,3,ROAD\n");
  }
  ScratchFolder folder_;
};

TEST_F(ModernRun, DictionaryTextShowsAsTypedAndNeverActsAsMarkup) {
  const ProgramResult result = runProgram(folder_.path(), {"--modern", "p.cfg", "0"});
  ASSERT_EQ(result.status, 0) << result.errors;
  const std::string html = readFileBytes(folder_.path() / "report.html");
  EXPECT_TRUE(html.starts_with("<!DOCTYPE html>\r\n"));
  EXPECT_NE(html.find("<td class=\"colName\">Pipe &lt;DN100&gt; &amp; valve</td>"),
            std::string::npos);
  EXPECT_EQ(html.find("<script>alert"), std::string::npos);
  EXPECT_NE(html.find("&lt;script&gt;alert(1)&lt;/script&gt;"), std::string::npos);
  // The configuration's description stays as written.
  EXPECT_NE(html.find("<p>Mains & valves</p>"), std::string::npos);
  // The Windows-1252 dictionary is converted: one encoding in one report.
  EXPECT_NE(html.find("Stra\xC3\x9F"
                      "e"),
            std::string::npos);
  EXPECT_EQ(html.find("Stra\xDF"), std::string::npos);
  // Every line ends in CR LF, as in the default report.
  for (size_t at = html.find('\n'); at != std::string::npos; at = html.find('\n', at + 1))
    ASSERT_EQ(html[at - 1], '\r') << at;
}

TEST_F(ModernRun, TheDefaultReportKeepsItsUnescapedText) {
  const ProgramResult result = runProgram(folder_.path(), {"p.cfg", "0"});
  ASSERT_EQ(result.status, 0);
  const std::string html = readFileBytes(folder_.path() / "report.html");
  EXPECT_NE(html.find(">Pipe <DN100> & valve<"), std::string::npos);
  EXPECT_NE(html.find("Stra\xDF"), std::string::npos);
}

}  // namespace
}  // namespace plotwarden::testing
