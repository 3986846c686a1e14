// Builds a Dictionary in memory for tests: header columns with their roles,
// then rows of raw field texts (quotes and blanks kept as given).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/dictionary_store.h"

namespace plotwarden::test_support {

// An entry array's values, to compare with a list.
inline std::vector<uint32_t> entriesOf(const FieldEntries& entries) {
  return std::vector<uint32_t>(entries.begin(), entries.end());
}

struct Column {
  std::string_view name;
  FieldRole role;
};

using Row = std::vector<std::string_view>;

// What spreadsheet programs save: comma-separated, '"' quotes, '#' marks.
constexpr TextRules kSpreadsheetRules{',', '"', '#'};

inline Dictionary buildDictionary(std::initializer_list<Column> header,
                                  std::initializer_list<Row> rows,
                                  TextRules rules = kSpreadsheetRules) {
  Dictionary d;
  d.textRules = rules;
  std::string text;
  // Each text is followed by a character that no field holds, so a reader
  // that runs past a field's length shows it. After a field it stands where
  // a separator would, as the store expects.
  auto place = [&text](std::string_view piece, char after) {
    FieldCell cell{static_cast<uint32_t>(text.size()), static_cast<uint32_t>(piece.size())};
    text += piece;
    text += after;
    return cell;
  };
  for (const Column& column : header)
    appendHeaderCell(d, HeaderCell{place(column.name, '\0'), column.role});
  for (const Row& row : rows) {
    appendFeature(d);
    for (std::string_view field : row) appendFeatureField(d, place(field, '~'));
  }
  setText(d, text);
  return d;
}

}  // namespace plotwarden::test_support
