// The command line: options before the positional arguments, "--" ending
// them, usage errors, and the naming-mode argument.
#include "driver/options.h"

#include <gtest/gtest.h>

#include "support/program_run.h"

namespace plotwarden {
namespace {

struct CommandLineCase {
  std::vector<std::string_view> arguments;
  Command command;
  std::string configurationPath;
  bool usageError;
};

TEST(CommandLine, OptionsComeBeforeThePositionalArguments) {
  const CommandLineCase cases[] = {
      {{"c.cfg", "0"}, Command::kReport, "c.cfg", false},
      {{"c.cfg", "1", "ignored", "--check"}, Command::kReport, "c.cfg", false},
      {{"--check", "c.cfg", "0"}, Command::kCheck, "c.cfg", false},
      {{"--", "--check", "0"}, Command::kReport, "--check", false},
      {{"--", "-c.cfg", "0"}, Command::kReport, "-c.cfg", false},
      {{"-c.cfg", "0"}, Command::kReport, "-c.cfg", false},
      {{"--help", "c.cfg"}, Command::kHelp, "", false},
      {{"--version"}, Command::kVersion, "", false},
      {{}, Command::kReport, "", true},
      {{"c.cfg"}, Command::kReport, "", true},
      {{"--check", "c.cfg"}, Command::kCheck, "", true},
      {{"--chek", "c.cfg", "0"}, Command::kReport, "", true},
      {{"--check", "--audit", "c.cfg", "0", "d.dxf"}, Command::kCheck, "", true},
      {{"--audit", "c.cfg", "0"}, Command::kAudit, "c.cfg", true},
      {{"--format=xml", "--check", "c.cfg", "0"}, Command::kReport, "", true},
      {{"--format=json", "c.cfg", "0"}, Command::kReport, "c.cfg", true},
      {{"--audit-html", "a.html", "c.cfg", "0"}, Command::kReport, "c.cfg", true},
  };
  for (const CommandLineCase& c : cases) {
    const CommandLine line = parseCommandLine(c.arguments);
    std::string shown;
    for (std::string_view a : c.arguments) shown += std::string(a) + " ";
    SCOPED_TRACE(shown);
    EXPECT_EQ(line.command, c.command);
    EXPECT_EQ(line.configurationPath, c.configurationPath);
    EXPECT_EQ(!line.usageError.empty(), c.usageError) << line.usageError;
  }
}

TEST(CommandLine, AuditTakesDrawingsAndItsReportFile) {
  const CommandLine line = parseCommandLine(
      {"--audit", "--audit-html=a.html", "--format=json", "c.cfg", "layer", "x.dxf", "y.dxf"});
  EXPECT_EQ(line.usageError, "");
  EXPECT_EQ(line.auditHtmlPath, "a.html");
  EXPECT_EQ(line.format, FindingFormat::kJson);
  EXPECT_EQ(line.drawings, (std::vector<std::string>{"x.dxf", "y.dxf"}));
}

TEST(NamingMode, NumbersAsAtoiReadsThemAndTheModeWords) {
  struct ModeCase {
    const char* text;
    bool layerNaming;
    bool understood;
  };
  const ModeCase cases[] = {
      {"1", true, true},      {"01", true, true},       {" 1", true, true},
      {"1x", true, true},     {"0", false, true},       {"2", false, true},
      {"-1", false, true},    {"layer", true, true},    {"LAYERS", true, true},
      {"Level", false, true}, {"levels", false, true},  {"abc", false, false},
      {"", false, false},     {"layer1", false, false}, {"+", false, false},
  };
  for (const ModeCase& c : cases) {
    const NamingMode mode = parseNamingMode(c.text);
    EXPECT_EQ(mode.layerNaming, c.layerNaming) << c.text;
    EXPECT_EQ(mode.understood, c.understood) << c.text;
  }
}

TEST(CommandLine, TheProgramAnswersHelpVersionAndUsageErrors) {
  testing::ScratchFolder scratch;
  const testing::ProgramResult help = testing::runProgram(scratch.path(), {"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.output.find("--check"), std::string::npos);
  EXPECT_NE(help.output.find("Exit status"), std::string::npos);
  EXPECT_EQ(help.errors, "");

  const testing::ProgramResult version = testing::runProgram(scratch.path(), {"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.output, "plotwarden " PLOTWARDEN_VERSION "\n");

  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{}, {"c.cfg"}, {"--nonsense", "c.cfg", "0"}}) {
    const testing::ProgramResult result = testing::runProgram(scratch.path(), arguments);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.output, "");
    EXPECT_NE(result.errors.find("usage: plotwarden"), std::string::npos);
  }
}

}  // namespace
}  // namespace plotwarden
