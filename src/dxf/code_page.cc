#include "dxf/code_page.h"

#include <cstdint>

#include "platform/ascii_case.h"
#include "platform/utf8_text.h"

namespace plotwarden::dxf {
namespace {

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The code point of a \U+XXXX escape at the start of `s`, or -1.
int32_t escapedCodePoint(std::string_view s) {
  if (s.size() < 7 || s[0] != '\\' || (s[1] != 'U' && s[1] != 'u') || s[2] != '+') return -1;
  int32_t c = 0;
  for (size_t i = 3; i < 7; ++i) {
    int digit = hexValue(s[i]);
    if (digit < 0) return -1;
    c = c * 16 + digit;
  }
  return c;
}

}  // namespace

CodePage codePageOf(std::string_view version, std::string_view dwgCodePage) {
  if (version >= "AC1021") return CodePage::Utf8;
  if (dwgCodePage.empty() || equalsIgnoringCase(dwgCodePage, "ANSI_1252"))
    return CodePage::Windows1252;
  if (equalsIgnoringCase(dwgCodePage, "ISO8859-1") || equalsIgnoringCase(dwgCodePage, "ANSI_28591"))
    return CodePage::Latin1;
  return CodePage::Unknown;
}

bool needsDecoding(std::string_view name, CodePage page) {
  for (char c : name)
    if (c == '\\' || (page != CodePage::Utf8 && static_cast<unsigned char>(c) >= 0x80)) return true;
  return false;
}

std::string decodeName(std::string_view name, CodePage page) {
  std::string out;
  out.reserve(name.size() + name.size() / 2);
  for (size_t i = 0; i < name.size();) {
    const unsigned char c = static_cast<unsigned char>(name[i]);
    const int32_t escaped = c == '\\' ? escapedCodePoint(name.substr(i)) : -1;
    if (escaped >= 0) {
      appendCodePoint(out, static_cast<uint32_t>(escaped));
      i += 7;
      continue;
    }
    if (c < 0x80 || page == CodePage::Utf8 || page == CodePage::Unknown)
      out += static_cast<char>(c);
    else if (page == CodePage::Windows1252)
      appendCodePoint(out, windows1252CodePoint(c));
    else
      appendCodePoint(out, c);
    ++i;
  }
  return out;
}

}  // namespace plotwarden::dxf
