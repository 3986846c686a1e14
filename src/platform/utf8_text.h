// UTF-8 validity and the one legacy encoding spreadsheet programs on Windows
// still save by default, Windows-1252.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace plotwarden {

// The offset of the first byte that does not begin a well-formed UTF-8
// sequence (overlong forms, surrogates and values past U+10FFFF are not
// well-formed), or text.size() when the whole text is valid.
size_t firstInvalidUtf8(std::string_view text);

inline bool isValidUtf8(std::string_view text) { return firstInvalidUtf8(text) == text.size(); }

// Appends a code point (below 0x110000) in UTF-8.
void appendCodePoint(std::string& out, uint32_t code);

// The code point of a Windows-1252 byte.
uint32_t windows1252CodePoint(unsigned char byte);

// The text read as Windows-1252, in UTF-8. The five bytes that code page
// leaves undefined are read as the C1 controls of the same value.
std::string windows1252ToUtf8(std::string_view text);

// The UTF-8 byte-order mark, which a spreadsheet's "CSV UTF-8" puts first.
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

}  // namespace plotwarden
