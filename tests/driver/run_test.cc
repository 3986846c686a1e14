// The run driver end to end: messages, exit statuses, which files a run
// leaves, and the settings that shape the report.
#include <gtest/gtest.h>

#include "support/program_run.h"

namespace plotwarden::testing {
namespace {

const std::string kHeader = ",\n#\n\"\nexample,1\n";
const std::string kDictionary =
    "FEATURE NAME,LEVEL,COLOUR,KEY-IN,ELEMENT TYPES\nRoad,RD,1,active class a,3\n";

std::string dictionaryLine(const std::string& path) {
  return "Roads,Road features,a,b,1.0,1," + path + "\n";
}

struct FailureCase {
  const char* name;
  std::string configuration;  // written to c.cfg unless empty
  std::vector<std::string> arguments;
  int status;
  std::string output;
};

TEST(Run, FailuresPrintTheirMessageAndLeaveNoReport) {
  const FailureCase cases[] = {
      {"no arguments", "", {}, 2, ""},
      {"one argument", "out=r.html\n", {"c.cfg"}, 2, ""},
      {"missing configuration",
       "",
       {"missing.cfg", "0"},
       255,
       "Could not open missing.cfg. Exit ...\n"},
      {"configuration is a folder", "", {"folder", "0"}, 255, "Could not open folder. Exit ...\n"},
      {"no output line",
       kHeader,
       {"c.cfg", "0"},
       255,
       "Html output file not defined in c.cfg \n(should contain out=[file path])\nExiting\n"},
      {"output not given",
       "out=0\n" + kHeader,
       {"c.cfg", "1"},
       255,
       "Html output file not defined in c.cfg \n(should contain out=[file path])\nExiting\n"},
      {"output beginning with 0",
       "out=0r.html\n",
       {"c.cfg", "1"},
       255,
       "Html output file not defined in c.cfg \n(should contain out=[file path])\nExiting\n"},
      {"malformed fourth line",
       "out=r.html\n,\n#\n\"\nnoseparator\n",
       {"c.cfg", "0"},
       255,
       "Could not open c.cfg. Exit ...\n"},
      {"six-field dictionary line",
       "out=r.html\n" + kHeader + "a,b,c,d,e,f\n",
       {"c.cfg", "0"},
       255,
       "Could not open c.cfg. Exit ...\n"},
      {"missing dictionary before a good one",
       "out=r.html\n" + kHeader + dictionaryLine("dict\\missing.csv") + dictionaryLine("good.csv"),
       {"c.cfg", "0"},
       254,
       "Error reading dict\\missing.csv. Exit ...\n"},
      {"dictionary is a folder",
       "out=r.html\n" + kHeader + dictionaryLine("folder"),
       {"c.cfg", "0"},
       254,
       "Error reading folder. Exit ...\n"},
      {"report in a missing folder",
       "out=nowhere\\r.html\n" + kHeader,
       {"c.cfg", "0"},
       255,
       "Could not create nowhere\\r.html. Exit ...\n"},
      {"report is a folder",
       "out=folder\n" + kHeader,
       {"c.cfg", "0"},
       255,
       "Could not create folder. Exit ...\n"},
      {"report would replace a dictionary",
       "out=.\\good.csv\n" + kHeader + dictionaryLine("good.csv"),
       {"c.cfg", "0"},
       255,
       "Could not create .\\good.csv. Exit ...\n"},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchFolder scratch;
    scratch.write("good.csv", kDictionary);
    scratch.write("folder/x", "");
    if (!c.configuration.empty()) scratch.write("c.cfg", c.configuration);
    ProgramResult result = runProgram(scratch.path(), c.arguments);
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.output, c.output);
    EXPECT_FALSE(scratch.exists("r.html"));
    EXPECT_FALSE(scratch.exists("style.css"));
    EXPECT_EQ(scratch.read("good.csv"), kDictionary);
  }
}

TEST(Run, TooFewArgumentsAreAFailureWithTheUsageOnStandardErrorOnly) {
  ScratchFolder scratch;
  ProgramResult result = runProgram(scratch.path(), {"only.cfg"});
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.output, "");
  EXPECT_NE(result.errors.find("usage: plotwarden"), std::string::npos);
}

TEST(Run, AMissingDictionaryLeavesAnExistingReportUntouched) {
  ScratchFolder scratch;
  scratch.write("r.html", "old report");
  scratch.write("c.cfg", "out=r.html\n" + kHeader + dictionaryLine("missing.csv"));
  EXPECT_EQ(runProgram(scratch.path(), {"c.cfg", "0"}).status, 254);
  EXPECT_EQ(scratch.read("r.html"), "old report");
}

TEST(Run, AFailedWriteIsNeverASuccess) {
  ScratchFolder scratch;
  scratch.write("c.cfg", "out=/dev/full\ncss=embed\n" + kHeader);
  ProgramResult result = runProgram(scratch.path(), {"c.cfg", "0"});
  EXPECT_EQ(result.status, 255);
  EXPECT_EQ(result.output, "Could not write /dev/full. Exit ...\n");
}

TEST(Run, ModeArgumentIsReadAsADecimalNumber) {
  struct ModeCase {
    const char* argument;
    bool layerMode;
  };
  const ModeCase cases[] = {{"1", true},      {"01", true},          {"1x", true},
                            {" 1", true},     {"+1", true},          {"0", false},
                            {"2", false},     {"-1", false},         {"abc", false},
                            {"", false},      {"4294967297", false}, {"99999999999", false},
                            {"Layers", true}, {"LEVEL", false}};
  for (const ModeCase& c : cases) {
    SCOPED_TRACE(c.argument);
    ScratchFolder scratch;
    scratch.write("c.cfg", "out=r.html\ncss=embed\n" + kHeader);
    ASSERT_EQ(runProgram(scratch.path(), {"c.cfg", c.argument}).status, 0);
    bool layerWords = scratch.read("r.html").find("#Blocks") != std::string::npos;
    EXPECT_EQ(layerWords, c.layerMode);
  }
}

struct StyleCase {
  const char* name;
  std::string settings;
  const char* linkOrBlock;  // what the report holds after its first line
  const char* styleFile;    // where a style file is written, or ""
};

TEST(Run, StyleSheetPlacement) {
  const char* const kLink = "<link rel=\"stylesheet\" type=\"text/css\" href=\"style.css\" />";
  const StyleCase cases[] = {
      {"default beside the report", "out=r.html\n", kLink, "style.css"},
      {"default beside a report in a folder", "out=sub\\r.html\n", kLink, "sub/style.css"},
      {"embedded in any letter case", "out=r.html\ncss=EMBED\n", "<style>\r\n", ""},
      {"linked as configured", "out=r.html\ncss=my.css\n",
       "<link rel=\"stylesheet\" type=\"text/css\" href=\"my.css\" />", ""},
      {"an empty value is linked", "out=r.html\ncss=\n",
       "<link rel=\"stylesheet\" type=\"text/css\" href=\"\" />", ""},
      {"style file would be the report", "out=style.css\n", "</HEAD>", ""},
  };
  for (const StyleCase& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchFolder scratch;
    scratch.write("sub/.keep", "");
    scratch.write("c.cfg", c.settings + kHeader);
    ASSERT_EQ(runProgram(scratch.path(), {"c.cfg", "0"}).status, 0);
    std::string reportPath = c.settings.substr(4, c.settings.find('\n') - 4);
    for (char& ch : reportPath)
      if (ch == '\\') ch = '/';
    std::string report = scratch.read(reportPath);
    const std::string start = "<HTML><HEAD><TITLE>CAD Standards Report</TITLE>\r\n";
    ASSERT_EQ(report.compare(0, start.size(), start), 0);
    EXPECT_EQ(report.compare(start.size(), std::string(c.linkOrBlock).size(), c.linkOrBlock), 0)
        << report.substr(start.size(), 80);
    if (*c.styleFile) {
      std::string style = scratch.read(c.styleFile);
      EXPECT_EQ(style.rfind("<style>\r\n", 0), 0u);
      EXPECT_NE(style.find("</style>\r\n"), std::string::npos);
    } else {
      EXPECT_FALSE(scratch.exists("style.css") && reportPath != "style.css");
    }
  }
}

TEST(Run, ImageFolderRules) {
  struct ImageCase {
    const char* setting;
    const char* preview;  // the start of the cell's picture source, or "" for none
  };
  const ImageCase cases[] = {
      {"", "Images\\NORTH.png"},
      {"img=pics\n", "pics\\NORTH.png"},
      {"img=C:\\pics\\\n", "C:\\pics\\NORTH.png"},
      {"img=\n", "\\NORTH.png"},
      {"img=x/noimages/y\n", ""},
  };
  for (const ImageCase& c : cases) {
    SCOPED_TRACE(c.setting);
    ScratchFolder scratch;
    scratch.write("d.csv", "FEATURE NAME,CELL NAME,ELEMENT TYPES\nNorth,NORTH,35\n");
    scratch.write("c.cfg", std::string("out=r.html\ncss=embed\n") + c.setting + kHeader +
                               dictionaryLine("d.csv"));
    ASSERT_EQ(runProgram(scratch.path(), {"c.cfg", "0"}).status, 0);
    std::string report = scratch.read("r.html");
    if (*c.preview) {
      EXPECT_NE(report.find(std::string("<img src=\"") + c.preview + "\""), std::string::npos);
      EXPECT_NE(report.find(".csymbolpic {height:100;width:100;display:\"inline\";}"),
                std::string::npos);
    } else {
      EXPECT_EQ(report.find("<img"), std::string::npos);
      EXPECT_NE(report.find(".csymbolpic {height:100;width:100;display:\"none\";}"),
                std::string::npos);
    }
  }
}

}  // namespace
}  // namespace plotwarden::testing
