// A folder of its own for one test, removed with everything in it when the
// test ends, and a way to put a file into it.
#pragma once

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

namespace plotwarden::test_support {

struct TempFolder {
  std::filesystem::path path;

  TempFolder() {
    static int made = 0;
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    path = std::filesystem::temp_directory_path() /
           ("plotwarden-report-" + std::to_string(now) + "-" + std::to_string(++made));
    std::filesystem::create_directories(path);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // Writes `bytes` to the file at `relative` (folders made as needed).
  void write(const std::filesystem::path& relative, std::string_view bytes) const {
    const std::filesystem::path file = path / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
};

}  // namespace plotwarden::test_support
