// A dictionary of the run: its header, its feature rows and the characters
// that structure its text.
#pragma once

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/uncleared_array.h"

namespace plotwarden {

// The role a header name gives its column.
enum FieldRole : int32_t {
  ROLE_FEATURE_NAME = 0,
  ROLE_LEVEL = 1,
  ROLE_COLOUR = 2,
  ROLE_RGB = 3,
  ROLE_WEIGHT = 4,
  ROLE_LINE_STYLE = 5,
  ROLE_TEXT_SCALE = 6,
  ROLE_TEXT_FONT = 7,
  ROLE_LINE_SPACING = 8,
  ROLE_CELL_NAME = 9,
  ROLE_TEXT_STYLE = 10,
  ROLE_DIM_STYLE = 11,
  ROLE_KEY_IN = 12,
  ROLE_FEATURE_TYPE = 13,
  ROLE_ELEMENT_TYPES = 14,
  ROLE_TEXT_WEIGHT = 15,
  ROLE_UNKNOWN = 16,
};

// The report category of a feature.
enum FeatureCategory : int32_t {
  CATEGORY_NONE = 0,
  CATEGORY_CELLS = 1,
  CATEGORY_LINEAR = 2,
  CATEGORY_TEXT = 3,
  CATEGORY_DIMENSIONS = 4,
  CATEGORY_SOLIDS = 5,
  CATEGORY_LEADERS = 6,
  CATEGORY_HATCHING = 7,
};

// A stretch of the dictionary's text, kept as an offset so that moving a
// Dictionary never invalidates it: a header name, or a field as it is
// handed to appendFeatureField. Raw characters, quotes kept.
struct FieldCell {
  uint32_t start = 0;
  uint32_t length = 0;
};

// One header column: its name in the text and the role the name gives it.
struct HeaderCell {
  FieldCell name;
  FieldRole role = ROLE_UNKNOWN;
};

// One data line. Its fields are described by `fieldCount` + 1 consecutive
// entries of one of the dictionary's entry arrays, from `firstField` on
// (none when it has no field); field i is in column i.
struct Feature {
  uint32_t firstField = 0;
  uint32_t fieldCount = 0;
  // Bit i set: field i (of the first 32) is known to hold no quote
  // character, so its text is its value as it stands. The reader knows it
  // for every field it takes; a clear bit only means "look".
  uint32_t plainFields = 0;
  // Packed with the entry array into one word: sections visit Features
  // scattered over memory, and four to a cache line come in fewer fetches.
  FeatureCategory category : 8 = CATEGORY_NONE;
  // The array holding the entries: 0 for the dictionary's `fieldStarts`,
  // k for laterFieldStarts[k - 1].
  uint32_t entryArray : 24 = 0;
};

// How many entry arrays a dictionary's Features can name.
constexpr size_t kMostEntryArrays = size_t{1} << 24;

// Fields past this many have no plain bit.
constexpr uint32_t kFieldsWithPlainBit = 32;

// An array of field entries: a minimal vector of 32-bit values, its room
// never cleared. The reader writes a line's entries into that room through a
// bare pointer that stays in a register, and sets `count` once the line is
// read; a std::vector would have it load and store its end at every field.
struct FieldEntries {
  UnclearedArray<uint32_t> storage;
  size_t count = 0;

  FieldEntries() = default;
  // A moved-from array is empty, with no room.
  FieldEntries(FieldEntries&& other) noexcept
      : storage(std::move(other.storage)), count(std::exchange(other.count, 0)) {}
  FieldEntries& operator=(FieldEntries&& other) noexcept {
    storage = std::move(other.storage);
    count = std::exchange(other.count, 0);
    return *this;
  }

  size_t size() const { return count; }
  bool empty() const { return count == 0; }
  const uint32_t* data() const { return storage.data(); }
  const uint32_t* begin() const { return storage.data(); }
  const uint32_t* end() const { return storage.data() + count; }
  uint32_t operator[](size_t i) const { return storage.items[i]; }
  uint32_t back() const { return storage.items[count - 1]; }
  void clear() { count = 0; }
  void reserve(size_t least) { storage.grow(least, count); }
  void push_back(uint32_t entry) {
    if (count == storage.capacity) reserve(2 * storage.capacity + 16);
    storage.items[count++] = entry;
  }
};

// The three characters that structure a dictionary's text; NUL where a
// character is not set (an unset quote makes no character a quote).
struct TextRules {
  char separator = 0;
  char quote = 0;
  char marker = 0;

  // The separator and the quote as texts of one character, empty for NUL.
  std::string_view separatorText() const { return {&separator, separator != 0 ? 1u : 0u}; }
  std::string_view quoteText() const { return {&quote, quote != 0 ? 1u : 0u}; }
};

struct Dictionary {
  // From the configuration line.
  std::string name;
  std::string description;
  std::string unusedText3;
  std::string unusedText4;
  std::string version;
  int32_t unusedNumber = 0;
  std::string filePath;

  // Set by the load: what classification and field access read the text by.
  TextRules textRules;

  // From the file: its whole text, the header columns, every feature's
  // fields and the features in file order.
  //
  // The text lies in `textStorage` (setText, or the file read straight into
  // it) or in storage the caller keeps alive; a zero byte follows it. The
  // storage is never cleared before it is filled: a large file is read into
  // it on several threads, which then share the first touches of its memory.
  //
  // A field that another field follows on its line ends one separator
  // before that one starts, so 4 bytes per field are enough: a Feature's
  // fields are the start of each, then one entry more, one past its last
  // field's end plus one (where a further field would start). Field i is
  // the text from entries[firstField + i] up to one character before
  // entries[firstField + i + 1], in the Feature's entry array.
  //
  // Features read on the calling thread keep their entries in `fieldStarts`;
  // those of a part of the text read on a thread of its own stay in the
  // array that thread filled, one of `laterFieldStarts`, never copied.
  std::unique_ptr<char[]> textStorage;
  std::string_view text;
  std::vector<HeaderCell> header;
  FieldEntries fieldStarts;
  std::vector<FieldEntries> laterFieldStarts;
  std::vector<Feature> features;

  // Whether a field may hold a LF: one inside quotes, or where brackets join
  // a comma to one on a later line. A load that finds no such field clears
  // it, and rows made of this dictionary's fields then need no search for
  // line ends to turn into CR LF. Dictionaries filled by hand keep it set.
  bool fieldsMayHoldLineFeeds = true;
  // The indexes, rising, of the features a field of which holds a LF, listed
  // by a load (lineFeedsListed), so that a feature is told without a look at
  // its text; dictionaries filled by hand have no list.
  std::vector<uint32_t> featuresWithLineFeeds;
  bool lineFeedsListed = false;

  // Every feature's index grouped by category, each group in dictionary
  // order: category c's are those from categoryStarts[c] up to
  // categoryStarts[c + 1]. Set with the categories by classifyInPassOrder,
  // so that a section takes its features without a scan of all of them;
  // null otherwise (see groupByCategory).
  std::unique_ptr<int[]> featuresByCategory;
  std::array<uint32_t, CATEGORY_HATCHING + 2> categoryStarts{};

  // How many features each category's pass matched, set by classifyDictionary.
  int32_t cellCount = 0;
  int32_t linearCount = 0;
  int32_t textCount = 0;
  int32_t dimensionCount = 0;
  int32_t solidCount = 0;
  int32_t hatchCount = 0;
  int32_t leaderCount = 0;

  // The leftmost header column of each role, -1 where none; kept by
  // appendHeaderCell so that lookups per feature cost nothing.
  std::array<int32_t, ROLE_UNKNOWN + 1> roleColumns = makeNoColumns();

  int32_t featureCount() const { return static_cast<int32_t>(features.size()); }

  static std::array<int32_t, ROLE_UNKNOWN + 1> makeNoColumns() {
    std::array<int32_t, ROLE_UNKNOWN + 1> none{};
    none.fill(-1);
    return none;
  }
};

// Makes the dictionary's text a copy of `text`, in storage of its own.
void setText(Dictionary& dictionary, std::string_view text);

// Appends a header column after those already there.
void appendHeaderCell(Dictionary& dictionary, HeaderCell cell);

// Appends a Feature with no fields after those already there.
void appendFeature(Dictionary& dictionary);

// The field entries of a field that `fieldsBefore` fields of its Feature
// precede: the field's start for the first, then the entry closing it. A
// field after the Feature's first must start one character past the end of
// the one before it (where a separator ends a field, the next starts after
// it).
inline void appendFieldEntries(FieldEntries& starts, uint32_t fieldsBefore, FieldCell field) {
  if (fieldsBefore == 0) starts.push_back(field.start);
  assert(starts.back() == field.start);  // the closing entry of the field before
  starts.push_back(field.start + field.length + 1);
}

// Appends a field to the newest Feature (its plain bit left clear), one
// made by appendFeature, whose entries are in `fieldStarts`. Only the newest
// Feature grows, so each Feature's fields stay consecutive there.
inline void appendFeatureField(Dictionary& dictionary, FieldCell field) {
  Feature& feature = dictionary.features.back();
  assert(feature.entryArray == 0);
  appendFieldEntries(dictionary.fieldStarts, feature.fieldCount, field);
  ++feature.fieldCount;
}

// Grouping the features by category (featuresByCategory, categoryStarts),
// in consecutive ranges that may be done side by side: each range's
// categories are counted, the groups placed, then each range filled in.
using CategoryCounts = std::array<uint32_t, CATEGORY_HATCHING + 1>;

// How many of the features from `first` up to `end` each category has.
CategoryCounts countCategories(const Dictionary& dictionary, size_t first, size_t end);

// Sets categoryStarts and makes room for every feature, given the counts of
// consecutive ranges that cover the features; returns, per range, where its
// first feature of each category goes.
std::vector<CategoryCounts> placeCategoryGroups(Dictionary& dictionary,
                                                const std::vector<CategoryCounts>& rangeCounts);

// Writes the indexes of the features from `first` up to `end` into their
// groups, from `places` on.
void fillCategoryGroups(Dictionary& dictionary, size_t first, size_t end, CategoryCounts places);

// All three over the features as one range.
void groupByCategory(Dictionary& dictionary);

// Whether featuresByCategory holds every feature, as groupByCategory left it.
inline bool isGroupedByCategory(const Dictionary& dictionary) {
  return dictionary.featuresByCategory != nullptr &&
         dictionary.categoryStarts.back() == dictionary.features.size();
}

// Empties what a file gave the dictionary: its text, header and features.
void clearFileContent(Dictionary& dictionary);

// The text of a header cell.
inline std::string_view cellText(const Dictionary& d, FieldCell cell) {
  return d.text.substr(cell.start, cell.length);
}

// The field entries of a feature that has fields: fieldCount + 1 of them.
inline const uint32_t* featureEntries(const Dictionary& d, const Feature& f) {
  const FieldEntries& entries =
      f.entryArray == 0 ? d.fieldStarts : d.laterFieldStarts[f.entryArray - 1u];
  return entries.data() + f.firstField;
}

// The raw text of field `column` of a feature that has it. Its entries lie
// inside the text, so no bounds are checked.
inline std::string_view fieldEntryText(const Dictionary& d, const Feature& f, uint32_t column) {
  const uint32_t* bounds = featureEntries(d, f) + column;
  return std::string_view(d.text.data() + bounds[0], bounds[1] - 1 - bounds[0]);
}

// Whether some field of the feature may hold a LF: the dictionary's may,
// and the load listed the feature, or without a list, the text from its
// first field's start to its last field's end, which between fields holds
// only their separators, has one.
inline bool featureMayHoldLineFeeds(const Dictionary& d, const Feature& f) {
  if (!d.fieldsMayHoldLineFeeds || f.fieldCount == 0) return false;
  if (d.lineFeedsListed) {
    const auto index = static_cast<uint32_t>(&f - d.features.data());
    return std::binary_search(d.featuresWithLineFeeds.begin(), d.featuresWithLineFeeds.end(),
                              index);
  }
  const uint32_t* bounds = featureEntries(d, f);
  const uint32_t end = bounds[f.fieldCount] - 1;
  return d.text.substr(bounds[0], end - bounds[0]).find('\n') != std::string_view::npos;
}

// The raw text of a feature's field in `column`; "" when the row is shorter.
inline std::string_view featureField(const Dictionary& d, const Feature& f, int column) {
  if (column < 0 || static_cast<uint32_t>(column) >= f.fieldCount) return {};
  return fieldEntryText(d, f, static_cast<uint32_t>(column));
}

// The leftmost header column with `role`, or -1.
inline int findFieldColumn(const Dictionary& dictionary, FieldRole role) {
  if (role < ROLE_FEATURE_NAME || role > ROLE_UNKNOWN) return -1;
  return dictionary.roleColumns[static_cast<size_t>(role)];
}

}  // namespace plotwarden
