// A folder of a test's own, for tests that need real files.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace plotwarden::testing {

// A fresh, empty folder under the system's temporary folder, removed again
// when the object goes.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes `bytes` to the file at `relative`, making its folders; returns
  // the file's path.
  std::string write(const std::filesystem::path& relative, std::string_view bytes) const;
  // The bytes of the file at `relative`; "" when it does not exist.
  std::string read(const std::string& relative) const;
  bool exists(const std::string& relative) const;

 private:
  std::filesystem::path path_;
};

std::string readFileBytes(const std::filesystem::path& path);

}  // namespace plotwarden::testing
