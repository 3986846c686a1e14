// Reading decimal integers from text the way C's atoi reads them, without
// its undefined behaviour on overflow.
#pragma once

#include <cstdint>
#include <string_view>

namespace plotwarden {

// Leading white space is skipped, an optional sign taken, then digits up to
// the first other character; no digits give 0. Values beyond the 32-bit
// range saturate at its ends.
int32_t leadingInteger(std::string_view text);

// Whether leadingInteger finds digits in the text (rather than giving 0 for
// want of any).
bool hasLeadingInteger(std::string_view text);

}  // namespace plotwarden
