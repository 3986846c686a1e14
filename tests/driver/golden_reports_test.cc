// Whole runs of the program on the cases under tests/data/reports, each
// compared byte for byte with the files its run must leave (only the
// calendar time is masked). A case folder holds:
//   input/     the files the run starts with (configuration, dictionaries...)
//   case.txt   "args: ..." (blank-separated) and "status: N"
//   expected/  every file the run must leave, at the same relative path, and
//              "_stdout", what it prints
// PLOTWARDEN_UPDATE_GOLDEN=1 rewrites expected/ from the actual run, for review.
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

const fs::path kCasesFolder = fs::path(PLOTWARDEN_SOURCE_DIR) / "tests" / "data" / "reports";

struct GoldenCase {
  std::vector<std::string> arguments;
  int status = 0;
};

GoldenCase readCase(const fs::path& file) {
  std::map<std::string, std::string> fields = readCaseFile(file);
  return {wordsOf(fields["args"]), std::atoi(fields["status"].c_str())};
}

class GoldenReport : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenReport, LeavesExactlyTheExpectedFiles) {
  const fs::path caseFolder = kCasesFolder / GetParam();
  const GoldenCase golden = readCase(caseFolder / "case.txt");
  ScratchFolder scratch;
  fs::copy(caseFolder / "input", scratch.path(), fs::copy_options::recursive);
  std::vector<fs::path> inputs;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(scratch.path()))
    inputs.push_back(fs::relative(entry.path(), scratch.path()));

  ProgramResult result = runProgram(scratch.path(), golden.arguments);

  const fs::path expectedFolder = caseFolder / "expected";
  if (std::getenv("PLOTWARDEN_UPDATE_GOLDEN")) {
    fs::remove_all(expectedFolder);
    writeBytes(expectedFolder / "_stdout", result.output);
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(scratch.path())) {
      fs::path relative = fs::relative(entry.path(), scratch.path());
      if (entry.is_regular_file() &&
          std::find(inputs.begin(), inputs.end(), relative) == inputs.end())
        writeBytes(expectedFolder / relative, maskCalendarTime(readFileBytes(entry.path())));
    }
  }

  EXPECT_EQ(result.status, golden.status);
  EXPECT_EQ(result.output, readFileBytes(expectedFolder / "_stdout"));
  // Every file the run made is expected, and every expected file was made.
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(scratch.path())) {
    fs::path relative = fs::relative(entry.path(), scratch.path());
    if (!entry.is_regular_file() ||
        std::find(inputs.begin(), inputs.end(), relative) != inputs.end())
      continue;
    ASSERT_TRUE(fs::exists(expectedFolder / relative)) << "unexpected file " << relative;
    EXPECT_EQ(maskCalendarTime(readFileBytes(entry.path())),
              readFileBytes(expectedFolder / relative))
        << relative;
  }
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(expectedFolder)) {
    fs::path relative = fs::relative(entry.path(), expectedFolder);
    if (entry.is_regular_file() && relative != "_stdout" &&
        std::find(inputs.begin(), inputs.end(), relative) == inputs.end()) {
      EXPECT_TRUE(scratch.exists(relative.string())) << "missing file " << relative;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenReport, ::testing::ValuesIn(caseNames(kCasesFolder)),
                         [](const ::testing::TestParamInfo<std::string>& param) {
                           std::string name = param.param;
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

}  // namespace
}  // namespace plotwarden::testing
