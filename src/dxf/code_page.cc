#include "dxf/code_page.h"

#include <cstdint>

namespace plotwarden::dxf {
namespace {

// Windows-1252's 0x80..0x9F; the five bytes it leaves undefined map to the
// C1 controls, as Windows converts them.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
    if (x != y) return false;
  }
  return true;
}

void appendUtf8(std::string& out, uint32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

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
      appendUtf8(out, static_cast<uint32_t>(escaped));
      i += 7;
      continue;
    }
    if (c < 0x80 || page == CodePage::Utf8 || page == CodePage::Unknown)
      out += static_cast<char>(c);
    else if (page == CodePage::Windows1252 && c < 0xA0)
      appendUtf8(out, kWindows1252High[c - 0x80]);
    else
      appendUtf8(out, c);
    ++i;
  }
  return out;
}

}  // namespace plotwarden::dxf
