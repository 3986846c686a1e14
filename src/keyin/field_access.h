// Reading one field of one feature by its role.
#pragma once

#include <string>
#include <string_view>

#include "dictionary/dictionary_store.h"

namespace plotwarden {

// A field of the dictionary's text with the quoting removed and cut at a
// zero byte: the field itself, or a part of it, where that is the text;
// else a view of `scratch`, which then holds the unquoted text.
std::string_view unquotedField(const Dictionary& dictionary, std::string_view field,
                               std::string& scratch);

// The field of `role` of feature `featureIndex` (leftmost column of that
// role) with the quoting removed, whole however long: a view into the
// dictionary's text when the field holds no quote character, else a view of
// `scratch`, which then holds the unquoted text; "" when the index is out of
// range, no column has the role, or the row is shorter than the header.
// Inline, for the fields the reader marked plain (a text it read holds no
// zero byte): nearly every fetch ends at that bit test.
inline std::string_view fieldView(const Dictionary& dictionary, int featureIndex, FieldRole role,
                                  std::string& scratch) {
  if (featureIndex < 0 || featureIndex >= dictionary.featureCount()) return {};
  const Feature& feature = dictionary.features[static_cast<size_t>(featureIndex)];
  const int column = findFieldColumn(dictionary, role);
  // A marked field exists (no column is -1 here): its entries are read
  // without the row-length test.
  if (static_cast<uint32_t>(column) < kFieldsWithPlainBit &&
      (feature.plainFields >> column & 1) != 0)
    return fieldEntryText(dictionary, feature, static_cast<uint32_t>(column));
  return unquotedField(dictionary, featureField(dictionary, feature, column), scratch);
}

// Removes the enclosing quote characters of a quoted text and turns each
// doubled quote character into one; a lone quote inside the text is kept.
// A NUL quote changes nothing.
void undoubleQuotes(std::string& text, char quote);

}  // namespace plotwarden
