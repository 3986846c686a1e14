// Reading one field of one feature by its role.
#pragma once

#include <string>
#include <string_view>

#include "dictionary/dictionary_store.h"

namespace plotwarden {

// The field of `role` of feature `featureIndex` (leftmost column of that
// role), with the dictionary's quoting removed; "" when the index is out of
// range, no column has the role, or the row is shorter than the header. The
// whole field is returned, however long.
void getFieldText(const Dictionary& dictionary, int featureIndex, FieldRole role,
                  std::string& out);

// Removes the enclosing quote characters of a quoted text and turns each
// doubled quote character into one. A NUL quote changes nothing.
void undoubleQuotes(std::string& text, char quote);

}  // namespace plotwarden
