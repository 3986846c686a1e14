// A whole run, from the command line to the finished report, in a scratch
// folder. The input is the mode argument, the configuration, a symbol
// library listing (Images/lib/DIR_CONTENTS.csv) and the dictionary (d.csv),
// separated by zero bytes. Runs whose configuration names a path outside
// the scratch folder (absolute, or through "..") are passed over, so that a
// run never touches other files.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/dictionary_store.h"
#include "driver/configuration.h"
#include "driver/run.h"
#include "fuzz_support.h"
#include "platform/file_io.h"

using namespace plotwarden;
namespace fs = std::filesystem;

namespace {

void writeFile(const fs::path& path, std::string_view bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool staysInside(const std::string& path) {
  const std::string native = nativePath(path);
  return native.empty() || (native[0] != '/' && native.find("..") == std::string::npos);
}

// The paths the run would open, read from the configuration as the run
// reads it.
bool configurationStaysInside(std::string_view configuration, RunSettings& settings) {
  std::vector<Dictionary> dictionaries;
  parseConfigurationText(configuration, settings, dictionaries);
  bool inside = staysInside(settings.outputPath) && staysInside(settings.imageFolder);
  for (const Dictionary& dictionary : dictionaries)
    inside = inside && staysInside(dictionary.filePath);
  return inside;
}

std::string readFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void emptyFolder(const fs::path& folder) {
  for (const fs::directory_entry& entry : fs::directory_iterator(folder))
    fs::remove_all(entry.path());
}

// Every run happens in a folder of its own; the fuzzer's own files are
// written between runs, in the folder it was started in.
struct ScratchRun {
  fs::path scratch;
  fs::path home = fs::current_path();

  ScratchRun() {
    std::string pattern = (fs::temp_directory_path() / "plotwarden-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    scratch = pattern;
  }
  ~ScratchRun() {
    std::error_code ignored;
    fs::remove_all(scratch, ignored);
  }
};

ScratchRun scratchRun;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  std::string mode(input.takePart());
  const std::string_view configuration = input.takePart();
  const std::string_view listing = input.takePart();
  const std::string_view dictionary = input.rest;
  RunSettings settings;
  if (!configurationStaysInside(configuration, settings)) return -1;  // not added to the corpus

  const fs::path& folder = scratchRun.scratch;
  emptyFolder(folder);
  writeFile(folder / "c.cfg", configuration);
  writeFile(folder / "d.csv", dictionary);
  writeFile(folder / "Images" / "lib" / "DIR_CONTENTS.csv", listing);

  std::string program = "plotwarden";
  std::string configurationPath = "c.cfg";
  char* argv[] = {program.data(), configurationPath.data(), mode.data(), nullptr};
  fs::current_path(folder);
  const int status = runPlotwarden(3, argv, {fuzz::kSmallParts, fuzz::kSmallBlocks});
  FUZZ_CHECK(status == 0 || status == -1 || status == -2);
  if (status == 0) {
    const std::string report = readFileBytes(nativePath(settings.outputPath));
    FUZZ_CHECK(report.ends_with("</BODY>\r\n</HTML>\r\n"));
  }
  fs::current_path(scratchRun.home);
  return 0;
}
