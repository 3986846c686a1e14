#include "report/html_text.h"

namespace plotwarden {

void appendEscaped(std::string& out, std::string_view text) {
  size_t plainFrom = 0;
  for (size_t at = 0; at < text.size(); ++at) {
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
