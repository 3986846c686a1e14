// Running the built program in a scratch folder, for end-to-end tests.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "support/scratch_folder.h"

namespace plotwarden::testing {

struct ProgramResult {
  int status = 0;      // as a POSIX shell sees it (0..255)
  std::string output;  // standard output
  std::string errors;  // standard error
};

// Runs the program with `arguments` (each passed as one argument) in `folder`.
// The environment variable PLOTWARDEN_RUNNER, when set, is the shell command
// used in place of the program built with the tests.
ProgramResult runProgram(const std::filesystem::path& folder,
                         const std::vector<std::string>& arguments);

// An absolute path written as a configuration made on Windows writes it, for
// the program under test: every '/' as '\', behind the drive letter in
// PLOTWARDEN_RUNNER_DRIVE when that is set (wine shows a Windows program this
// machine's root as drive Z:), so "/tmp/a/r.html" becomes "\tmp\a\r.html",
// or "Z:\tmp\a\r.html".
std::string windowsStylePath(const std::filesystem::path& path);

// Replaces the run's calendar time in a report by "<TIME>".
std::string maskCalendarTime(std::string report);

}  // namespace plotwarden::testing
