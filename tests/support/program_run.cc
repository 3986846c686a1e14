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

ScratchFolder::ScratchFolder() {
  static std::atomic<int> counter{0};
  path_ = fs::temp_directory_path() /
          ("plotwarden-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  fs::remove_all(path_);
  fs::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

void ScratchFolder::write(const std::string& relative, const std::string& bytes) const {
  fs::path file = path_ / relative;
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << bytes;
}

std::string ScratchFolder::read(const std::string& relative) const {
  return readFileBytes(path_ / relative);
}

bool ScratchFolder::exists(const std::string& relative) const {
  return fs::exists(path_ / relative);
}

std::string readFileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

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
  static const std::regex kTime("[A-Z][a-z]{2} [A-Z][a-z]{2} [ 0-9][0-9] [0-9]{2}:[0-9]{2}:[0-9]{2} [0-9]{4,}\r\n<br>Produced By Plotwarden");
  return std::regex_replace(report, kTime, "<TIME>\r\n<br>Produced By Plotwarden");
}

}  // namespace plotwarden::testing
