// Dictionaries read from text and classified as a run reads them, for the
// tests of the rules of --check, and short forms of their findings.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "check/checked_file.h"
#include "dictionary/classification.h"
#include "dictionary/dictionary_reader.h"

namespace plotwarden::test_support {

// A dictionary read from text with a separator, '"' quotes and '#' markers,
// and classified.
class CheckedText {
 public:
  explicit CheckedText(std::string_view text, char separator = ',') {
    loadDictionaryText(dictionary_, text, separator, '"', '#');
    classifyDictionary(dictionary_);
    file_ = std::make_unique<CheckedFile>(
        CheckedFile{"civil.csv", dictionary_, findLineStarts(dictionary_.text), separator, '"'});
  }
  const CheckedFile& file() const { return *file_; }
  const Dictionary& dictionary() const { return dictionary_; }

 private:
  Dictionary dictionary_;
  std::unique_ptr<CheckedFile> file_;
};

// "LINE:COLUMN code" of each finding, in order.
inline std::vector<std::string> placesAndCodes(const Findings& findings) {
  std::vector<std::string> out;
  for (const Finding& f : findings)
    out.push_back(std::to_string(f.line) + ":" + std::to_string(f.column) + " " + f.code);
  return out;
}

}  // namespace plotwarden::test_support
