#include "support/program_run.h"

#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>

namespace plotwarden::testing {

namespace fs = std::filesystem;

std::string windowsStylePath(const fs::path& path) {
  const char* drive = std::getenv("PLOTWARDEN_RUNNER_DRIVE");
  std::string written = drive ? drive : "";
  for (char c : path.string()) written += c == '/' ? '\\' : c;
  return written;
}

static std::string shellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    if (c == '\'')
      quoted += "'\\''";
    else
      quoted += c;
  }
  return quoted + "'";
}

// The command that starts the program: PLOTWARDEN_RUNNER when set (a shell
// command such as "wine /path/plotwarden.exe", so that another build of the
// program can be run through the same tests), otherwise the program built
// beside the tests.
static std::string programCommand() {
  const char* runner = std::getenv("PLOTWARDEN_RUNNER");
  if (runner && *runner) return runner;
  return shellQuoted(PLOTWARDEN_EXE);
}

ProgramResult runProgram(const fs::path& folder, const std::vector<std::string>& arguments) {
  fs::path outputFile = folder / ".stdout";
  fs::path errorFile = folder / ".stderr";
  std::string command = "cd ";
  command.append(shellQuoted(folder.string())).append(" && ").append(programCommand());
  for (const std::string& argument : arguments) command.append(" ").append(shellQuoted(argument));
  command.append(" >").append(shellQuoted(outputFile.string()));
  command.append(" 2>").append(shellQuoted(errorFile.string())).append(" </dev/null");
  int raw = std::system(command.c_str());
  ProgramResult result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
  result.output = readFileBytes(outputFile);
  result.errors = readFileBytes(errorFile);
  fs::remove(outputFile);
  fs::remove(errorFile);
  return result;
}

std::string maskCalendarTime(std::string report) {
  static const std::regex kTime(
      "[A-Z][a-z]{2} [A-Z][a-z]{2} [ 0-9][0-9] [0-9]{2}:[0-9]{2}:[0-9]{2} "
      "[0-9]{4,}\r\n<br>Produced By Plotwarden");
  return std::regex_replace(report, kTime, "<TIME>\r\n<br>Produced By Plotwarden");
}

}  // namespace plotwarden::testing
