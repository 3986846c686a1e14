#include "dictionary/dictionary_reader.h"

#include <algorithm>
#include <limits>
#include <string>
#include <string_view>

#include "dictionary/field_roles.h"
#include "platform/file_io.h"

namespace plotwarden {

namespace {

// Fields and the cursor are 32-bit positions in the text, so a file of 4 GiB
// or more cannot be held: it is refused like a file that cannot be read.
constexpr uintmax_t kLargestHeldFile = std::numeric_limits<uint32_t>::max();

// Dictionary lines are full of short and empty fields: room for one field
// per 4 characters and one Feature per 32 spares regrowth for nearly every
// file. It costs address space about twice the text's size, of which only
// what the fields fill is ever touched.
void reserveForText(Dictionary& dictionary) {
  dictionary.cells.reserve(dictionary.text.size() / 4 + 1);
  dictionary.features.reserve(dictionary.text.size() / 32 + 1);
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

// The quoted part of a field, opened just before `position`, keeps its
// quote characters: a doubled one belongs to the text, and a single one
// closes the part (the field itself goes on unquoted). Separators and line
// ends inside belong to the field; an unclosed quote runs to the end of the
// text. Returns the position after the closing quote, or the terminator's.
uint32_t pastQuotedPart(const char* chars, uint32_t position, char quote) {
  for (;; ++position) {
    const char c = chars[position];
    if (c == '\0') return position;
    if (c == quote) {
      if (chars[position + 1] != quote) return position + 1;
      ++position;
    }
  }
}

// The first character from `position` on that may end an unquoted field.
// Line ends and the terminator are all at or below CR, so most characters
// are passed over after two tests.
uint32_t nextPossibleFieldEnd(const char* chars, uint32_t position, char separator) {
  for (;; ++position) {
    const char c = chars[position];
    if (c == separator) return position;
    if (static_cast<unsigned char>(c) <= '\r' && (c == '\n' || c == '\r' || c == '\0'))
      return position;
  }
}

// The tokenizer itself, kept in this file so that readFields has it inlined:
// a Token handed back through a call was built on the stack in halves and
// read back whole, which stalled every field.
inline Token scanToken(DictionaryReader& reader) {
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

  uint32_t position = start + 1;
  if (first == reader.quote) position = pastQuotedPart(chars, position, reader.quote);
  for (;;) {
    position = nextPossibleFieldEnd(chars, position, reader.separator);
    const char c = chars[position];
    if (c == '\0' || c == '\n' || (c == '\r' && chars[position + 1] == '\n')) break;
    if (c == reader.separator) {
      uint32_t end = reader.separator == ',' ? commaEndingField(reader, position) : position;
      reader.cursor = end + 1;
      return {TOKEN_FIELD, {start, end - start}};
    }
    ++position;  // a CR without LF is an ordinary character
  }
  reader.cursor = position;
  return {TOKEN_FIELD, {start, position - start}};
}

}  // namespace

Token nextToken(DictionaryReader& reader) { return scanToken(reader); }

bool readFields(DictionaryReader& reader, FieldDestination destination) {
  Dictionary& dictionary = reader.dictionary;
  for (;;) {
    Token token = scanToken(reader);
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
  // A file that opens but cannot be read whole, or is too large to hold, is
  // as good as missing.
  std::string bytes;
  if (readWholeFile(dictionary.filePath, bytes, kLargestHeldFile) != ReadStatus::Ok)
    return kLoadFailure;
  return loadDictionaryText(dictionary, std::move(bytes), separator, quote, marker);
}

int loadDictionaryText(Dictionary& dictionary, std::string bytes, char separator, char quote,
                       char marker) {
  clearFileContent(dictionary);
  if (bytes.size() > kLargestHeldFile) return kLoadFailure;
  // A zero byte inside the file ends the text there.
  bytes.resize(std::min(bytes.find('\0'), bytes.size()));
  dictionary.text = std::move(bytes);
  reserveForText(dictionary);

  DictionaryReader reader{dictionary, separator, quote, marker};
  while (readLine(reader)) {
  }
  return 0;
}

}  // namespace plotwarden
