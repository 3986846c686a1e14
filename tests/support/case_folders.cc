#include "support/case_folders.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "support/scratch_folder.h"

namespace plotwarden::testing {

namespace fs = std::filesystem;

std::vector<std::string> caseNames(const fs::path& folder) {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder))
    if (entry.is_directory()) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::map<std::string, std::string> readCaseFile(const fs::path& file) {
  std::map<std::string, std::string> fields;
  std::istringstream lines(readFileBytes(file));
  for (std::string line; std::getline(lines, line);) {
    const size_t colon = line.find(':');
    if (colon == std::string::npos) continue;
    const size_t value = line.find_first_not_of(' ', colon + 1);
    fields[line.substr(0, colon)] = value == std::string::npos ? "" : line.substr(value);
  }
  return fields;
}

std::vector<std::string> wordsOf(const std::string& value) {
  std::vector<std::string> words;
  std::istringstream stream(value);
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

void writeBytes(const fs::path& file, const std::string& bytes) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << bytes;
}

}  // namespace plotwarden::testing
