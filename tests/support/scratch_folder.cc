#include "support/scratch_folder.h"

#include <unistd.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <system_error>

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

std::string ScratchFolder::write(const fs::path& relative, std::string_view bytes) const {
  fs::path file = path_ / relative;
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return file.string();
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

}  // namespace plotwarden::testing
