// Runs whose configurations name files by absolute paths written the Windows
// way (backslashes, and a drive letter when the program runs under wine): the
// report, its style file, the dictionaries and a symbol library's listing are
// found where those paths say, whatever the working folder.
#include <gtest/gtest.h>

#include "support/program_run.h"

namespace plotwarden::testing {
namespace {

const std::string kHeader = ",\n#\n\"\nexample,1\n";
const std::string kDictionary =
    "FEATURE NAME,LEVEL,COLOUR,RGB,KEY-IN,ELEMENT TYPES\nRoad,RD,1,FF0000,active class a,3\n";

std::string dictionaryLine(const std::string& path) {
  return "Roads,Road features,a,b,1.0,1," + path + "\n";
}

TEST(RunPaths, AnAbsoluteReportPathPutsReportAndStyleFileInItsFolder) {
  ScratchFolder scratch;
  scratch.write("work/c.cfg", "out=" + windowsStylePath(scratch.path() / "out/r.html") + "\n" +
                                  kHeader +
                                  dictionaryLine(windowsStylePath(scratch.path() / "d.csv")));
  scratch.write("out/.keep", "");
  scratch.write("d.csv", kDictionary);
  ProgramResult result = runProgram(scratch.path() / "work", {"c.cfg", "0"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.output, "");
  EXPECT_FALSE(scratch.exists("work/r.html"));
  EXPECT_FALSE(scratch.exists("work/style.css"));
  EXPECT_TRUE(scratch.exists("out/style.css"));

  // The same run with relative paths writes the same report.
  scratch.write("c.cfg", "out=r.html\n" + kHeader + dictionaryLine("d.csv"));
  ASSERT_EQ(runProgram(scratch.path(), {"c.cfg", "0"}).status, 0);
  EXPECT_EQ(maskCalendarTime(scratch.read("out/r.html")), maskCalendarTime(scratch.read("r.html")));
  EXPECT_EQ(scratch.read("out/style.css"), scratch.read("style.css"));
}

TEST(RunPaths, RelativePathsWithBackslashesStartAtTheWorkingFolder) {
  ScratchFolder scratch;
  scratch.write("cfg/c.cfg", "out=out\\r.html\n" + kHeader + dictionaryLine("dicts\\d.csv"));
  scratch.write("dicts/d.csv", kDictionary);
  scratch.write("out/.keep", "");
  ProgramResult result = runProgram(scratch.path(), {"cfg\\c.cfg", "0"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.output, "");
  EXPECT_NE(scratch.read("out/r.html").find("<TD class= 'colName'>Road</TD>"), std::string::npos);
  EXPECT_TRUE(scratch.exists("out/style.css"));
}

struct PathFailure {
  const char* name;
  std::string configuration;
  std::string configurationArgument;
  int status;
  std::string output;
};

TEST(RunPaths, MessagesNameAbsolutePathsAsWritten) {
  ScratchFolder scratch;
  const std::string missingConfiguration = windowsStylePath(scratch.path() / "none.cfg");
  const std::string missingDictionary = windowsStylePath(scratch.path() / "dicts/missing.csv");
  const std::string reportInMissingFolder = windowsStylePath(scratch.path() / "nowhere/r.html");
  const std::string reportOverDictionary = windowsStylePath(scratch.path() / "d.csv");
  const PathFailure cases[] = {
      {"missing configuration", "", missingConfiguration, 255,
       "Could not open " + missingConfiguration + ". Exit ...\n"},
      {"missing dictionary", "out=r.html\n" + kHeader + dictionaryLine(missingDictionary), "c.cfg",
       254, "Error reading " + missingDictionary + ". Exit ...\n"},
      {"report in a missing folder", "out=" + reportInMissingFolder + "\n" + kHeader, "c.cfg", 255,
       "Could not create " + reportInMissingFolder + ". Exit ...\n"},
      {"report would replace a dictionary named otherwise",
       "out=" + reportOverDictionary + "\n" + kHeader + dictionaryLine("d.csv"), "c.cfg", 255,
       "Could not create " + reportOverDictionary + ". Exit ...\n"},
  };
  scratch.write("d.csv", kDictionary);
  for (const PathFailure& c : cases) {
    SCOPED_TRACE(c.name);
    scratch.write("c.cfg", c.configuration);
    ProgramResult result = runProgram(scratch.path(), {c.configurationArgument, "0"});
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.output, c.output);
    EXPECT_FALSE(scratch.exists("r.html"));
    EXPECT_FALSE(scratch.exists("style.css"));
    EXPECT_EQ(scratch.read("d.csv"), kDictionary);
  }
}

TEST(RunPaths, ALibraryListingIsFoundBesideAnAbsoluteReport) {
  ScratchFolder scratch;
  scratch.write("c.cfg", "out=" + windowsStylePath(scratch.path() / "out/r.html") +
                             "\ncss=embed\n" + kHeader + dictionaryLine("d.csv"));
  scratch.write("d.csv",
                "FEATURE NAME,CELL NAME,KEY-IN,ELEMENT TYPES\n"
                "Symbols,,attach library C:\\cells\\symbols.cel,35\n");
  scratch.write("out/Images/symbols/DIR_CONTENTS.csv",
                "Name,Description,File\r\nNORTH,North arrow,north.png\r\n");
  ASSERT_EQ(runProgram(scratch.path(), {"c.cfg", "0"}).status, 0);
  const std::string report = scratch.read("out/r.html");
  EXPECT_NE(report.find("<A id=\"symbols\"></A>\r\n"), std::string::npos);
  EXPECT_NE(report.find("<TD class= 'colLibTableName'>NORTH</TD>"
                        "<TD class= 'colLibTableDesc'>North arrow</TD>"
                        "<TD class= 'csymbolpic'><img src=\"Images\\symbols\\north.png\""),
            std::string::npos)
      << report;
}

}  // namespace
}  // namespace plotwarden::testing
