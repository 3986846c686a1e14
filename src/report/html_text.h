// Text placed in HTML so that it shows exactly as written and never acts
// as mark-up.
#pragma once

#include <string>
#include <string_view>

namespace plotwarden {

// Appends `text` with &, <, >, " and ' written as character references.
void appendEscaped(std::string& out, std::string_view text);

// `text` escaped, as a new string.
std::string escaped(std::string_view text);

}  // namespace plotwarden
