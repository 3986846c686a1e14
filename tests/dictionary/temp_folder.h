// A folder of a test's own under the system's temporary folder, removed with
// everything in it when the test is done.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <system_error>

namespace plotwarden::test {

struct TempFolder {
  std::filesystem::path path;

  TempFolder() {
    std::random_device random;
    std::error_code error;
    do {
      path = std::filesystem::temp_directory_path() /
             ("plotwarden-test-" + std::to_string(random()) + std::to_string(random()));
    } while (!std::filesystem::create_directory(path, error) && !error);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() {
    std::error_code error;
    std::filesystem::remove_all(path, error);
  }

  // Writes `bytes` exactly as given to a file in the folder; returns its path.
  std::string writeFile(std::string_view name, std::string_view bytes) const {
    std::filesystem::path file = path / name;
    std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file.string();
  }
};

}  // namespace plotwarden::test
