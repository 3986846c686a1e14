// Rules over a file's bytes before they are read as text: UTF-16 and UTF-32
// (which the 8-bit reader cuts at their first zero byte), zero bytes,
// bytes that are not UTF-8, and dictionaries of one run saved in different
// encodings.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "dictionary/finding.h"

namespace plotwarden {

enum class TextEncoding { kAscii, kUtf8, kLegacy, kUtf16, kUtf32 };

// A file as a dictionary load leaves it: its first bytes as they are on disk
// (kEncodingHead of them, or all when it is shorter), its size, and the
// text read (up to a zero byte, without a UTF-8 byte-order mark).
struct FileBytes {
  std::string_view head;
  uintmax_t size = 0;
  std::string_view text;
};
constexpr size_t kEncodingHead = 64;

// How the file is most likely encoded: a byte-order mark or the pattern of
// zero bytes at its start tells UTF-16 and UTF-32; otherwise text that is
// valid UTF-8 with bytes past ASCII is UTF-8, other text a legacy code page.
TextEncoding detectEncoding(const FileBytes& file);

// The findings about the encoding of the file at `path`; returns the
// encoding detectEncoding tells.
TextEncoding checkEncoding(std::string_view path, const FileBytes& file,
                           std::vector<Finding>& findings);

// A finding when the dictionaries hold text in more than one encoding
// (UTF-8 beside a legacy code page); `paths` and `encodings` run in step.
void checkMixedEncodings(const std::vector<std::string_view>& paths,
                         const std::vector<TextEncoding>& encodings,
                         std::vector<Finding>& findings);

}  // namespace plotwarden
