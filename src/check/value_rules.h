// Rules over field values: feature names given twice, colours and RGB
// values the report does not understand, and text a browser reads as
// mark-up.
#pragma once

#include <string_view>

#include "check/checked_file.h"

namespace plotwarden {

void checkValues(const CheckedFile& file, Findings& findings);

// Whether the report understands a COLOUR value: empty, a number, yes, or
// ByLevel, ByLayer, ByCell or ByBlock (any letter case), each with or
// without "(RRGGBB)"; a "[..]" after it is shown as it stands.
bool isUnderstoodColour(std::string_view value);

// Six hexadecimal digits, as the colour swatch needs.
bool isRgbValue(std::string_view value);

// The mark-up at `at` in a text: a '<' before a letter, '/' or '!', or an
// entity such as "&amp;". Its length, or 0 when there is none.
size_t markupLength(std::string_view text, size_t at);

}  // namespace plotwarden
