// The dictionary reader on any text, with the separator, quote and marker
// characters taken from the input's first three bytes. Its header and rows
// are compared with those of a plain, unhurried reader that follows the
// file format rule by rule, so a faster reader cannot drift from the format.
// The text is also read in 2 to 8 parts on several threads (as many as the
// text's length gives, modulo 7, plus 2), which must give exactly the
// header, roles, Features and each Feature's field entries of reading it in
// one part.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/dictionary_reader.h"
#include "dictionary/dictionary_store.h"
#include "dictionary/split_reading.h"
#include "fuzz_support.h"
#include "platform/utf8_text.h"

using namespace plotwarden;

namespace {

using Row = std::vector<std::string>;

struct PlainResult {
  Row header;
  std::vector<Row> rows;
};

// Reads the format one character at a time; a bracket search scans the
// whole rest of the text afresh for every comma.
class PlainReader {
 public:
  PlainReader(std::string_view text, char separator, char quote, char marker)
      : text_(text), separator_(separator), quote_(quote), marker_(marker) {
    text_.push_back('\0');
  }

  PlainResult read() {
    while (readLine()) {
    }
    return result_;
  }

 private:
  enum Kind { FIELD, END_OF_LINE, END_OF_TEXT };

  char at(size_t i) const { return i < text_.size() ? text_[i] : '\0'; }

  bool lineEndAt(size_t i) const { return at(i) == '\n' || (at(i) == '\r' && at(i + 1) == '\n'); }

  // The comma that ends a field whose unquoted ',' stands at `comma`.
  size_t bracketRuleEnd(size_t comma) const {
    size_t open = text_.find('[', comma);
    size_t close = text_.find(']', comma);
    if (close == std::string::npos || open < close) return comma;
    size_t after = text_.find(',', close);
    return after == std::string::npos ? comma : after;
  }

  Kind nextToken(std::string& field) {
    const char first = at(cursor_);
    if (first == '\0') return END_OF_TEXT;
    if (first == '\r' && at(cursor_ + 1) == '\n') {
      cursor_ += 2;
      return END_OF_LINE;
    }
    if (first == '\n') {
      ++cursor_;
      return END_OF_LINE;
    }
    const size_t start = cursor_;
    if (first == separator_) {
      field.clear();
      ++cursor_;
      return FIELD;
    }
    bool quoted = first == quote_;
    size_t position = start + 1;
    for (;;) {
      const char c = at(position);
      if (quoted) {
        if (c == '\0') break;
        if (c == quote_ && at(position + 1) == quote_) {
          position += 2;
          continue;
        }
        if (c == quote_) quoted = false;
        ++position;
        continue;
      }
      if (c == '\0' || lineEndAt(position)) break;
      if (c == separator_) {
        size_t end = separator_ == ',' ? bracketRuleEnd(position) : position;
        field = text_.substr(start, end - start);
        cursor_ = end + 1;
        return FIELD;
      }
      ++position;
    }
    field = text_.substr(start, position - start);
    cursor_ = position;
    return FIELD;
  }

  bool readFields(Row& row) {
    std::string field;
    for (;;) {
      Kind kind = nextToken(field);
      if (kind == END_OF_TEXT) return false;
      if (kind == END_OF_LINE) return true;
      row.push_back(field);
    }
  }

  void skipLine() {
    while (at(cursor_) != '\0') {
      if (at(cursor_) == '\n') {
        ++cursor_;
        return;
      }
      ++cursor_;
    }
  }

  bool readLine() {
    if (result_.rows.empty() && result_.header.empty()) return readFields(result_.header);
    if (at(cursor_) != '\0' && at(cursor_) == marker_) {
      if (at(cursor_ + 1) == ' ') {
        cursor_ += 2;
        return readFields(result_.header);
      }
      skipLine();
    }
    result_.rows.emplace_back();
    return readFields(result_.rows.back());
  }

  std::string text_;
  char separator_;
  char quote_;
  char marker_;
  size_t cursor_ = 0;
  PlainResult result_;
};

// Reading in parts on several threads, cut at line starts near equal
// shares, gives what one reading gave.
void checkSplitReadingAgrees(const Dictionary& whole, const std::string& bytes, char separator,
                             char quote, char marker) {
  Dictionary split;
  const LoadConcurrency parts = {2 + static_cast<int>(bytes.size() % 7), 0};
  FUZZ_CHECK(loadDictionaryText(split, bytes, separator, quote, marker, parts).ok());
  FUZZ_CHECK(split.text == whole.text);
  FUZZ_CHECK(split.header.size() == whole.header.size());
  for (size_t i = 0; i < whole.header.size(); ++i) {
    FUZZ_CHECK(split.header[i].name.start == whole.header[i].name.start);
    FUZZ_CHECK(split.header[i].name.length == whole.header[i].name.length);
    FUZZ_CHECK(split.header[i].role == whole.header[i].role);
  }
  FUZZ_CHECK(split.roleColumns == whole.roleColumns);
  FUZZ_CHECK(split.fieldsMayHoldLineFeeds == whole.fieldsMayHoldLineFeeds);
  FUZZ_CHECK(split.featuresWithLineFeeds == whole.featuresWithLineFeeds);
  FUZZ_CHECK(split.features.size() == whole.features.size());
  for (size_t i = 0; i < whole.features.size(); ++i) {
    const Feature& a = split.features[i];
    const Feature& b = whole.features[i];
    FUZZ_CHECK(a.category == b.category);
    FUZZ_CHECK(a.fieldCount == b.fieldCount);
    FUZZ_CHECK(a.plainFields == b.plainFields);
    FUZZ_CHECK(a.entryArray <= split.laterFieldStarts.size());
    if (a.fieldCount == 0) continue;
    const FieldEntries& entries =
        a.entryArray == 0 ? split.fieldStarts : split.laterFieldStarts[a.entryArray - 1];
    FUZZ_CHECK(a.firstField + uint64_t{a.fieldCount} + 1 <= entries.size());
    const uint32_t* splitEntries = featureEntries(split, a);
    const uint32_t* wholeEntries = featureEntries(whole, b);
    for (uint32_t k = 0; k <= a.fieldCount; ++k) FUZZ_CHECK(splitEntries[k] == wholeEntries[k]);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  const char separator = input.takeByte();
  const char quote = input.takeByte();
  const char marker = input.takeByte();
  const std::string bytes(input.rest);

  Dictionary dictionary;
  FUZZ_CHECK(loadDictionaryText(dictionary, bytes, separator, quote, marker, {1, 0}).ok());
  checkSplitReadingAgrees(dictionary, bytes, separator, quote, marker);

  // Every cell lies inside the text. Each Feature's field entries follow the
  // last Feature's, and rise by at least one from a field to the next (an
  // empty field still has its separator); the entry closing the last field
  // is at most one past the terminator.
  const size_t textSize = dictionary.text.size();
  FUZZ_CHECK(textSize <= bytes.size());
  for (const HeaderCell& cell : dictionary.header)
    FUZZ_CHECK(cell.name.start + uint64_t{cell.name.length} <= textSize);
  uint64_t nextField = 0;
  FUZZ_CHECK(dictionary.laterFieldStarts.empty());
  for (const Feature& feature : dictionary.features) {
    FUZZ_CHECK(feature.category == CATEGORY_NONE);
    FUZZ_CHECK(feature.entryArray == 0);
    FUZZ_CHECK(feature.firstField == nextField);
    if (feature.fieldCount == 0) continue;
    nextField = feature.firstField + uint64_t{feature.fieldCount} + 1;
    FUZZ_CHECK(nextField <= dictionary.fieldStarts.size());
    for (uint64_t i = feature.firstField; i + 1 < nextField; ++i)
      FUZZ_CHECK(dictionary.fieldStarts[i] < dictionary.fieldStarts[i + 1]);
    FUZZ_CHECK(dictionary.fieldStarts[nextField - 1] <= textSize + 1);
  }
  FUZZ_CHECK(nextField == dictionary.fieldStarts.size());

  // A byte-order mark at the start is no part of the text.
  std::string_view source = bytes;
  if (source.starts_with(kUtf8ByteOrderMark)) source.remove_prefix(kUtf8ByteOrderMark.size());
  FUZZ_CHECK(dictionary.text == source.substr(0, textSize));
  const PlainResult plain =
      PlainReader(source.substr(0, textSize), separator, quote, marker).read();
  // The load tells whether any field holds a LF, exactly, and each
  // Feature whether its own may.
  bool lineFeedInField = false;
  const auto holdsLineFeed = [](std::string_view field) {
    return field.find('\n') != std::string_view::npos;
  };
  FUZZ_CHECK(plain.header.size() == dictionary.header.size());
  for (size_t i = 0; i < plain.header.size(); ++i) {
    FUZZ_CHECK(plain.header[i] == cellText(dictionary, dictionary.header[i].name));
    lineFeedInField = lineFeedInField || holdsLineFeed(plain.header[i]);
  }
  FUZZ_CHECK(plain.rows.size() == dictionary.features.size());
  for (size_t r = 0; r < plain.rows.size(); ++r) {
    const Feature& feature = dictionary.features[r];
    FUZZ_CHECK(plain.rows[r].size() == feature.fieldCount);
    bool featureLineFeed = false;
    for (uint32_t i = 0; i < feature.fieldCount; ++i) {
      const std::string_view field = featureField(dictionary, feature, static_cast<int>(i));
      FUZZ_CHECK(plain.rows[r][i] == field);
      featureLineFeed = featureLineFeed || holdsLineFeed(field);
      // A field marked plain holds no quote.
      const bool plainField = i < kFieldsWithPlainBit && (feature.plainFields >> i & 1) != 0;
      if (plainField) FUZZ_CHECK(field.find(quote) == std::string_view::npos);
    }
    FUZZ_CHECK(featureMayHoldLineFeeds(dictionary, feature) == featureLineFeed);
    lineFeedInField = lineFeedInField || featureLineFeed;
  }
  FUZZ_CHECK(dictionary.fieldsMayHoldLineFeeds == lineFeedInField);
  return 0;
}
