// Rules over a dictionary's header: names no role knows (with the known
// name most likely meant), names repeated, a header read as one column
// because the file uses another separator, and no column that sorts
// features into tables.
#pragma once

#include <string_view>

#include "check/checked_file.h"

namespace plotwarden {

// The known header name an unknown one was most likely meant to be, and
// how to get there; an empty name when none is near.
struct NameSuggestion {
  std::string_view name;
  std::string_view fix;
};
NameSuggestion suggestFieldName(std::string_view unknown);

void checkHeader(const CheckedFile& file, Findings& findings);

}  // namespace plotwarden
