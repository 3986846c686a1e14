#include "report/html_text.h"

#include <array>

namespace plotwarden {

namespace {

// The characters that are written as references.
constexpr std::array<bool, 256> kSpecial = [] {
  std::array<bool, 256> special{};
  for (unsigned char c : std::string_view("&<>\"'")) special[c] = true;
  return special;
}();

}  // namespace

void appendEscaped(std::string& out, std::string_view text) {
  // Most texts hold none of them: one pass to find out, one append.
  size_t first = 0;
  while (first < text.size() && !kSpecial[static_cast<unsigned char>(text[first])]) ++first;
  if (first == text.size()) {
    out.append(text);
    return;
  }
  size_t plainFrom = 0;
  for (size_t at = first; at < text.size(); ++at) {
    std::string_view reference;
    switch (text[at]) {
      case '&':
        reference = "&amp;";
        break;
      case '<':
        reference = "&lt;";
        break;
      case '>':
        reference = "&gt;";
        break;
      case '"':
        reference = "&quot;";
        break;
      case '\'':
        reference = "&#39;";
        break;
      default:
        continue;
    }
    out.append(text.substr(plainFrom, at - plainFrom)).append(reference);
    plainFrom = at + 1;
  }
  out.append(text.substr(plainFrom));
}

std::string escaped(std::string_view text) {
  std::string out;
  appendEscaped(out, text);
  return out;
}

}  // namespace plotwarden
