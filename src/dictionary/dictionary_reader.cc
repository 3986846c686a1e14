#include "dictionary/dictionary_reader.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

#include "dictionary/field_roles.h"
#include "platform/file_io.h"

namespace plotwarden {

namespace {

// Fields and the cursor are 32-bit positions in the text, so a file of 4 GiB
// or more cannot be held: it is refused like a file that cannot be read.
constexpr uintmax_t kLargestHeldFile = std::numeric_limits<uint32_t>::max();

// Asked before reading so that such a file is never brought into memory.
bool fileTooLargeToHold(const std::string& path) {
  std::error_code error;
  uintmax_t size = std::filesystem::file_size(nativePath(path), error);
  return !error && size > kLargestHeldFile;
}

// Lines of a typical dictionary hold a few hundred characters in a dozen or
// so fields; reserving for that spares most regrowth without a counting pass.
void reserveForText(Dictionary& dictionary) {
  dictionary.cells.reserve(dictionary.text.size() / 24);
  dictionary.features.reserve(dictionary.text.size() / 256);
}

// With a comma separator a comma inside [..] does not split a field. The
// comma is taken to be inside brackets when a ']' follows it before any '['
// does, in the whole rest of the text (line ends and quotes do not stop the
// search). The field then runs unexamined up to the first comma after that
// ']', which ends it; with no such comma the comma splits as usual.
// Returns the position of the comma that ends the field.
uint32_t commaEndingField(DictionaryReader& reader, uint32_t comma) {
  std::string_view text = reader.dictionary.text;
  size_t close = findFrom(reader.nextCloseBracket, text, comma);
  if (close == text.size()) return comma;
  if (findFrom(reader.nextOpenBracket, text, comma) < close) return comma;
  size_t after = findFrom(reader.nextComma, text, close);
  return after == text.size() ? comma : static_cast<uint32_t>(after);
}

}  // namespace

Token nextToken(DictionaryReader& reader) {
  const char* chars = reader.dictionary.text.c_str();
  const uint32_t start = reader.cursor;
  const char first = chars[start];
  if (first == '\0') return {TOKEN_END_OF_TEXT, {}};
  if (first == '\r' && chars[start + 1] == '\n') {
    reader.cursor = start + 2;
    return {TOKEN_END_OF_LINE, {}};
  }
  if (first == '\n') {
    reader.cursor = start + 1;
    return {TOKEN_END_OF_LINE, {}};
  }
  if (first == reader.separator) {
    reader.cursor = start + 1;
    return {TOKEN_FIELD, {start, 0}};
  }

  // Quote characters stay in the field: a doubled one inside quotes belongs
  // to the text, and the closing one ends the quoted part but not the field.
  bool quoted = first == reader.quote;
  uint32_t position = start + 1;
  for (;;) {
    const char c = chars[position];
    if (quoted) {
      if (c == '\0') break;  // an unclosed quote runs to the end of the text
      if (c == reader.quote) {
        if (chars[position + 1] == reader.quote) {
          position += 2;
          continue;
        }
        quoted = false;
      }
      ++position;
      continue;
    }
    if (c == '\0' || c == '\n' || (c == '\r' && chars[position + 1] == '\n')) break;
    if (c == reader.separator) {
      uint32_t end = reader.separator == ',' ? commaEndingField(reader, position) : position;
      reader.cursor = end + 1;
      return {TOKEN_FIELD, {start, end - start}};
    }
    ++position;
  }
  reader.cursor = position;
  return {TOKEN_FIELD, {start, position - start}};
}

bool readFields(DictionaryReader& reader, FieldDestination destination) {
  Dictionary& dictionary = reader.dictionary;
  for (;;) {
    Token token = nextToken(reader);
    if (token.kind == TOKEN_END_OF_TEXT) return false;
    if (token.kind == TOKEN_END_OF_LINE) return true;
    if (destination == DESTINATION_HEADER)
      appendHeaderCell(dictionary, {token.field, classifyFieldName(cellText(dictionary, token.field))});
    else
      appendFeatureField(dictionary, token.field);
  }
}

bool readLine(DictionaryReader& reader) {
  Dictionary& dictionary = reader.dictionary;
  // Until some line gives the header a cell, every line is a header line:
  // the first whatever it starts with, and blank lines before it.
  if (dictionary.features.empty() && dictionary.header.empty())
    return readFields(reader, DESTINATION_HEADER);

  // The terminator is never a marker, even when the marker is a zero byte:
  // at the end of the text a Feature with no fields follows either way.
  const char* chars = dictionary.text.c_str();
  if (reader.cursor < dictionary.text.size() && chars[reader.cursor] == reader.marker) {
    if (chars[reader.cursor + 1] == ' ') {
      reader.cursor += 2;
      return readFields(reader, DESTINATION_HEADER);
    }
    // The line after a skipped line is a Feature, whatever it starts with.
    skipLine(reader);
  }
  appendFeature(dictionary);
  return readFields(reader, DESTINATION_FEATURE);
}

void skipLine(DictionaryReader& reader) {
  // A line ends at LF, alone or after CR; a lone CR ends nothing.
  const std::string& text = reader.dictionary.text;
  size_t lineFeed = text.find('\n', reader.cursor);
  reader.cursor = static_cast<uint32_t>(lineFeed == std::string::npos ? text.size() : lineFeed + 1);
}

int loadDictionary(Dictionary& dictionary, char separator, char quote, char marker) {
  clearFileContent(dictionary);
  // A file that opens but cannot be read whole is as good as missing.
  if (fileTooLargeToHold(dictionary.filePath) ||
      readWholeFile(dictionary.filePath, dictionary.text) != ReadStatus::Ok ||
      dictionary.text.size() > kLargestHeldFile) {
    clearFileContent(dictionary);
    return kLoadFailure;
  }
  // A zero byte inside the file ends the text there.
  dictionary.text.resize(std::min(dictionary.text.find('\0'), dictionary.text.size()));
  reserveForText(dictionary);

  DictionaryReader reader{dictionary, separator, quote, marker};
  while (readLine(reader)) {
  }
  return 0;
}

}  // namespace plotwarden
