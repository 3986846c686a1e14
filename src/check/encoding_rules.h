// Rules over a file's bytes before they are read as text: UTF-16 and UTF-32
// (which the 8-bit reader cuts at their first zero byte), zero bytes,
// bytes that are not UTF-8, and dictionaries of one run saved in different
// encodings.
#pragma once

#include <string_view>
#include <vector>

#include "dictionary/finding.h"

namespace plotwarden {

enum class TextEncoding { kAscii, kUtf8, kLegacy, kUtf16, kUtf32 };

// How the bytes of a file are most likely encoded: a byte-order mark or the
// pattern of zero bytes tells UTF-16 and UTF-32; otherwise valid UTF-8
// with bytes past ASCII is UTF-8, invalid UTF-8 a legacy code page.
TextEncoding detectEncoding(std::string_view bytes);

// The findings about the encoding of the file at `path`, whose bytes are
// `bytes` (a UTF-8 byte-order mark included).
void checkEncoding(std::string_view path, std::string_view bytes, std::vector<Finding>& findings);

// A finding when the dictionaries hold text in more than one encoding
// (UTF-8 beside a legacy code page); `paths` and `encodings` run in step.
void checkMixedEncodings(const std::vector<std::string_view>& paths,
                         const std::vector<TextEncoding>& encodings,
                         std::vector<Finding>& findings);

}  // namespace plotwarden
