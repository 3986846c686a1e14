// ASCII letter case: dictionary header names, the "embed" style value, the
// naming-mode words and CAD names compare without regard to it. Bytes past
// ASCII are never folded, so UTF-8 text compares byte for byte.
#pragma once

#include <string_view>

namespace plotwarden {

constexpr char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }
constexpr char asciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

constexpr bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (asciiLower(a[i]) != asciiLower(b[i])) return false;
  return true;
}

}  // namespace plotwarden
