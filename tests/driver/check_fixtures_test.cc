// --check and a normal run on each faulty input under tests/data/check, as
// spreadsheet programs and editors save them. A case folder holds:
//   input/     the configuration and its dictionaries
//   case.txt   "args: ..." (configuration and mode), "status: N" (the normal
//              run), "check-status: N" and "about: ..." (the fault it shows)
//   expected/  check.txt and check.json, what --check prints (the scratch
//              folder's path written <DIR>); _stdout, _stderr and the
//              report, what the normal run prints and leaves
// The normal run's standard output, report and status are those the program
// gave before --check existed, except where a byte-order mark is now skipped.
// PLOTWARDEN_UPDATE_GOLDEN=1 rewrites expected/ and the statuses, for review.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/case_folders.h"
#include "support/program_run.h"

namespace plotwarden::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kCasesFolder = fs::path(PLOTWARDEN_SOURCE_DIR) / "tests" / "data" / "check";

struct CheckCase {
  std::vector<std::string> arguments;
  int status = 0;
  int checkStatus = 0;
  std::string about;
};

CheckCase readCase(const fs::path& file) {
  std::map<std::string, std::string> fields = readCaseFile(file);
  return {wordsOf(fields["args"]), std::atoi(fields["status"].c_str()),
          std::atoi(fields["check-status"].c_str()), fields["about"]};
}

void writeCase(const fs::path& file, const CheckCase& c) {
  std::string text = "args:";
  for (const std::string& argument : c.arguments) text += " " + argument;
  text += "\nstatus: " + std::to_string(c.status) +
          "\ncheck-status: " + std::to_string(c.checkStatus) + "\nabout: " + c.about + "\n";
  std::ofstream(file, std::ios::binary) << text;
}

std::string withoutFolder(std::string text, const fs::path& folder) {
  const std::string path = folder.string();
  for (size_t at = text.find(path); at != std::string::npos; at = text.find(path, at))
    text.replace(at, path.size(), "<DIR>");
  return text;
}

// The bytes of an expected file; a file that is not there expects nothing.
std::string expected(const fs::path& file) { return fs::exists(file) ? readFileBytes(file) : ""; }

class CheckFixture : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    caseFolder_ = kCasesFolder / GetParam();
    case_ = readCase(caseFolder_ / "case.txt");
    fs::copy(caseFolder_ / "input", scratch_.path(), fs::copy_options::recursive);
    update_ = std::getenv("PLOTWARDEN_UPDATE_GOLDEN") != nullptr;
  }
  void TearDown() override {
    if (update_) writeCase(caseFolder_ / "case.txt", case_);
  }

  // Compares `actual` with expected/<name>, or writes it there when updating.
  void compare(const std::string& name, const std::string& actual) {
    const fs::path file = caseFolder_ / "expected" / name;
    if (update_) {
      if (!actual.empty()) writeBytes(file, actual);
      return;
    }
    EXPECT_EQ(actual, expected(file)) << name;
  }

  fs::path caseFolder_;
  CheckCase case_;
  ScratchFolder scratch_;
  bool update_ = false;
};

TEST_P(CheckFixture, CheckPrintsTheExpectedFindings) {
  std::vector<std::string> arguments = {"--check"};
  arguments.insert(arguments.end(), case_.arguments.begin(), case_.arguments.end());
  const ProgramResult result = runProgram(scratch_.path(), arguments);
  if (update_) case_.checkStatus = result.status;
  EXPECT_EQ(result.status, case_.checkStatus);
  EXPECT_EQ(result.errors, "");
  compare("check.txt", withoutFolder(result.output, scratch_.path()));
  // Nothing is written.
  EXPECT_FALSE(scratch_.exists("report.html"));
  EXPECT_FALSE(scratch_.exists("style.css"));

  arguments.insert(arguments.begin() + 1, "--format=json");
  const ProgramResult json = runProgram(scratch_.path(), arguments);
  EXPECT_EQ(json.status, case_.checkStatus);
  compare("check.json", withoutFolder(json.output, scratch_.path()));
}

TEST_P(CheckFixture, NormalRunKeepsItsOutputReportAndStatus) {
  const ProgramResult result = runProgram(scratch_.path(), case_.arguments);
  if (update_) case_.status = result.status;
  EXPECT_EQ(result.status, case_.status);
  compare("_stdout", result.output);
  compare("_stderr", withoutFolder(result.errors, scratch_.path()));
  const std::string report =
      scratch_.exists("report.html") ? maskCalendarTime(scratch_.read("report.html")) : "";
  compare("report.html", report);
}

INSTANTIATE_TEST_SUITE_P(Cases, CheckFixture, ::testing::ValuesIn(caseNames(kCasesFolder)),
                         [](const ::testing::TestParamInfo<std::string>& param) {
                           std::string name = param.param;
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

}  // namespace
}  // namespace plotwarden::testing

namespace plotwarden::testing {
namespace {

// Findings that are errors or warnings, one per line.
std::string errorsAndWarnings(const std::string& output) {
  std::istringstream lines(output);
  std::string found;
  for (std::string line; std::getline(lines, line);)
    if (line.find(": error: ") != std::string::npos ||
        line.find(": warning: ") != std::string::npos)
      found += line + "\n";
  return found;
}

TEST(CheckCleanInputs, TheBundledExampleHasNoErrorOrWarning) {
  ScratchFolder scratch;
  fs::copy(fs::path(PLOTWARDEN_SOURCE_DIR) / "examples", scratch.path(),
           fs::copy_options::recursive);
  for (const char* mode : {"0", "1"}) {
    const ProgramResult result = runProgram(scratch.path(), {"--check", "plotwarden.cfg", mode});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(errorsAndWarnings(result.output), "");
    EXPECT_NE(result.output.find("dictionaries\\civil-works.csv: 17 features: "),
              std::string::npos);
  }
}

TEST(CheckCleanInputs, TheNlcsTableHasNoErrorOrWarning) {
  ScratchFolder scratch;
  fs::copy(fs::path(PLOTWARDEN_SOURCE_DIR) / "tests" / "data" / "nlcs" / "nlcs-5.1.csv",
           scratch.path() / "nlcs-5.1.csv");
  scratch.write("plotwarden.cfg",
                "out=report.html\r\nimg=noimages\r\n,\r\n#\r\n\"\r\nNLCS,1\r\n"
                "NLCS 5.1,Objects,a,b,5.1,0,nlcs-5.1.csv\r\n");
  const ProgramResult result = runProgram(scratch.path(), {"--check", "plotwarden.cfg", "layer"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(errorsAndWarnings(result.output), "");
  EXPECT_NE(result.output.find("nlcs-5.1.csv: 5,346 features: 0 cells, 5,328 linear, 18 text, "),
            std::string::npos);
  // And a run of it says nothing on standard error.
  EXPECT_EQ(runProgram(scratch.path(), {"plotwarden.cfg", "layer"}).errors, "");
}

}  // namespace
}  // namespace plotwarden::testing
