// Names of DXF files in UTF-8: the code pages of files older than AC1021
// and the \U+XXXX escapes that any version may hold.
#pragma once

#include <string>
#include <string_view>

namespace plotwarden::dxf {

enum class CodePage { Utf8, Windows1252, Latin1, Unknown };

// The code page of a $DWGCODEPAGE value for a file of version `version`:
// AC1021 and later are UTF-8 whatever they declare.
CodePage codePageOf(std::string_view version, std::string_view dwgCodePage);

// True when `name` needs decodeName: it holds a byte above 0x7F (outside
// UTF-8 files) or a backslash.
bool needsDecoding(std::string_view name, CodePage page);

// `name` in UTF-8, with each \U+XXXX escape decoded. Bytes of an Unknown
// code page stay as they are.
std::string decodeName(std::string_view name, CodePage page);

}  // namespace plotwarden::dxf
