// One loaded dictionary as the rules of --check see it: the path the
// configuration names it by, its lines, and the characters it was read with.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "check/text_lines.h"
#include "dictionary/dictionary_store.h"
#include "dictionary/finding.h"

namespace plotwarden {

struct CheckedFile {
  std::string_view path;
  const Dictionary& dictionary;
  LineStarts lines;
  char separator;
  char quote;
};

// A finding at the character at `offset` of the dictionary's text.
inline Finding findingAt(const CheckedFile& file, uint32_t offset, Severity severity,
                         std::string_view code, std::string message) {
  return {
      std::string(file.path), lineAt(file.lines, offset), columnAt(file.lines, offset), severity,
      std::string(code),      std::move(message)};
}

// Where a feature that has fields starts in the text.
inline uint32_t featureStart(const Dictionary& dictionary, const Feature& feature) {
  return featureEntries(dictionary, feature)[0];
}

// Whether every field of the feature is empty or blanks: a spreadsheet's
// empty row (",,,,"), or an empty line.
bool isBlankRow(const Dictionary& dictionary, const Feature& feature);

// The pieces one after another.
std::string concat(std::initializer_list<std::string_view> pieces);

// A value quoted for a message: at most 60 bytes of it (never a part of a
// UTF-8 sequence), in single quotes, "..." marking a cut.
std::string quotedText(std::string_view value);

// "1 feature" or "12,345 features": a count with its noun, thousands
// grouped.
std::string counted(uint64_t count, std::string_view singular, std::string_view plural);

}  // namespace plotwarden
