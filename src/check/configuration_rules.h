// Rules over a configuration's lines that its parser cannot judge: setting
// keys written in another letter case or with blanks, which it reads as
// content lines, and the reason a malformed line is likely malformed.
#pragma once

#include <string>
#include <string_view>

#include "check/checked_file.h"
#include "dictionary/finding.h"

namespace plotwarden {

// A finding for every line that looks like a setting (out, img or css and
// '=') but is not one to the parser: "OUT=", "Out =", " out= x".
void checkSettingKeys(std::string_view path, std::string_view text, Findings& findings);

}  // namespace plotwarden
