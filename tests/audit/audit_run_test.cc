// --audit end to end: the drawings of tests/data/audit/input (written by
// ezdxf with scripts/make-test-drawings.py), each audit rule once kept and
// once broken, judged against the standard beside them. What the program
// prints is compared with expected/; PLOTWARDEN_UPDATE_GOLDEN=1 rewrites it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "support/case_folders.h"
#include "support/program_run.h"

namespace plotwarden::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kFolder = fs::path(PLOTWARDEN_SOURCE_DIR) / "tests" / "data" / "audit";

class AuditRun : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::copy(kFolder / "input", scratch_.path(), fs::copy_options::recursive);
  }

  // Runs the audit with `options` before the usual arguments and compares
  // its standard output with expected/<name>.
  ProgramResult expectOutput(const std::vector<std::string>& options, const std::string& name,
                             const std::string& mode = "0") {
    std::vector<std::string> arguments = options;
    for (const std::string& argument :
         {std::string("standard.cfg"), mode, std::string("site.dxf"), std::string("site-r12.dxf")})
      arguments.push_back(argument);
    const ProgramResult result = runProgram(scratch_.path(), arguments);
    const fs::path expected = kFolder / "expected" / name;
    if (std::getenv("PLOTWARDEN_UPDATE_GOLDEN")) writeBytes(expected, result.output);
    EXPECT_EQ(result.output, readFileBytes(expected)) << name;
    return result;
  }

  ScratchFolder scratch_;
};

TEST_F(AuditRun, FindsEachBrokenRuleOnceAndSummarizesEachDrawing) {
  const ProgramResult result = expectOutput({"--audit"}, "audit.txt");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.errors, "");
}

TEST_F(AuditRun, SpeaksOfLayersInLayerNaming) { expectOutput({"--audit"}, "audit-layer.txt", "1"); }

TEST_F(AuditRun, PrintsTheSameAsJson) { expectOutput({"--audit", "--format=json"}, "audit.json"); }

TEST_F(AuditRun, WritesAnHtmlAuditReport) {
  const ProgramResult result = runProgram(
      scratch_.path(), {"--audit", "--audit-html", "audit.html", "standard.cfg", "0", "site.dxf"});
  EXPECT_EQ(result.status, 1);
  const std::string html = readFileBytes(scratch_.path() / "audit.html");
  EXPECT_TRUE(html.starts_with("<!DOCTYPE html>")) << html.substr(0, 40);
  EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
  EXPECT_NE(
      html.find(
          "<td>WALLS</td><td class=\"n\">5</td><td class=\"n\">4</td><td class=\"n\">20.0%</td>"),
      std::string::npos);
  EXPECT_NE(html.find("<h3>block-name (1)</h3>"), std::string::npos);
  // Names and messages are escaped.
  EXPECT_NE(html.find("cell &#39;WINDOW&#39;"), std::string::npos);
}

// The bundled example's drawing, with its few deliberate faults, as the
// README shows its audit.
TEST(AuditExample, FindsTheDeliberateFaults) {
  ScratchFolder scratch;
  fs::copy(fs::path(PLOTWARDEN_SOURCE_DIR) / "examples", scratch.path(),
           fs::copy_options::recursive);
  const ProgramResult result =
      runProgram(scratch.path(), {"--audit", "plotwarden.cfg", "0", "drawings/site-plan.dxf"});
  EXPECT_EQ(result.status, 1);
  const fs::path expected = kFolder / "expected" / "example.txt";
  if (std::getenv("PLOTWARDEN_UPDATE_GOLDEN")) writeBytes(expected, result.output);
  EXPECT_EQ(result.output, readFileBytes(expected));
}

struct Unreadable {
  const char* file;
  const char* bytes;
  const char* message;
};

TEST_F(AuditRun, UnreadableDrawingsAreErrorsThatNameTheirFault) {
  const Unreadable cases[] = {
      {"binary.dxf", "AutoCAD Binary DXF\r\n\x1a", "save the drawing as ASCII DXF"},
      {"cut.dxf", "  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n  8\n", "cut.dxf:"},
      {"missing.dxf", nullptr, "No such file or directory"},
  };
  for (const Unreadable& c : cases) {
    if (c.bytes) writeBytes(scratch_.path() / c.file, c.bytes);
    const ProgramResult result =
        runProgram(scratch_.path(), {"--audit", "standard.cfg", "0", c.file});
    EXPECT_EQ(result.status, 1) << c.file;
    EXPECT_NE(result.output.find(c.message), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("[unreadable-drawing]"), std::string::npos) << result.output;
  }
}

}  // namespace
}  // namespace plotwarden::testing
