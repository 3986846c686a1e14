// The case folders of the end-to-end tests: one folder per case under a
// data folder, each with a case.txt of "key: value" lines.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace plotwarden::testing {

// The names of the case folders in `folder`, sorted.
std::vector<std::string> caseNames(const std::filesystem::path& folder);

// The "key: value" lines of a case.txt, by key (without its ':').
std::map<std::string, std::string> readCaseFile(const std::filesystem::path& file);

// The blank-separated words of a value.
std::vector<std::string> wordsOf(const std::string& value);

// Writes `bytes` to `file`, making its folders first.
void writeBytes(const std::filesystem::path& file, const std::string& bytes);

}  // namespace plotwarden::testing
