#include <cctype>
#include <charconv>
#include <cstdlib>
#include <string>

#include "dictionary/run_options.h"
#include "keyin/keyin_decoders.h"
#include "keyin/keyin_scan.h"

namespace plotwarden {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

size_t skipDigits(std::string_view text, size_t at) {
  while (at < text.size() && isDigit(text[at])) ++at;
  return at;
}

// The decimal number at the start of the text: leading white space, an
// optional sign, digits with an optional fraction (at least one digit in
// all), an optional exponent. Anything after it is ignored; no number gives
// 0. Only this plain form counts: hexadecimal, "inf" and "nan" read as 0.
double leadingNumber(std::string_view text) {
  size_t start = 0;
  while (start < text.size() && std::isspace(static_cast<unsigned char>(text[start]))) ++start;
  size_t at = start;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  const size_t integerEnd = skipDigits(text, at);
  bool hasDigits = integerEnd > at;
  at = integerEnd;
  if (at < text.size() && text[at] == '.') {
    const size_t fractionEnd = skipDigits(text, at + 1);
    hasDigits = hasDigits || fractionEnd > at + 1;
    at = fractionEnd;
  }
  if (!hasDigits) return 0.0;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    size_t exponent = at + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    const size_t exponentEnd = skipDigits(text, exponent);
    if (exponentEnd > exponent) at = exponentEnd;
  }
  // from_chars reads exactly the number found above (it takes no '+') and
  // rounds as strtod does; a number too large or too small for a double is
  // left to strtod, which gives infinity or a value towards 0.
  const size_t digits = text[start] == '+' ? start + 1 : start;
  double value = 0.0;
  if (std::from_chars(text.data() + digits, text.data() + at, value).ec == std::errc()) return value;
  const std::string number(text.substr(start, at - start));
  return std::strtod(number.c_str(), nullptr);
}

// One dimension of a text size: its number with six decimals and its zeros
// trimmed, then '[qualifier]' when the part carries one.
void formatSizePart(std::string_view part, std::string& out) {
  std::string cleaned;
  BracketedParts parts;
  splitBracketedParts(part, quoteChar(), cleaned, parts);
  // Six decimals, as "%f" prints them (to_chars rounds the same exact way).
  // The largest double has 309 integer digits; with a sign, the point and
  // six decimals it needs 317 characters.
  char number[400];
  const std::to_chars_result printed = std::to_chars(
      number, number + sizeof number, leadingNumber(parts.main), std::chars_format::fixed, 6);
  std::string trimmed(number, printed.ptr);
  trimTrailingZeros(trimmed);
  appendBracketed(out, trimmed, parts.bracket);
}

}  // namespace

void splitTextSize(std::string_view value, std::string& width, std::string& height) {
  width.clear();
  height.clear();
  static constexpr std::string_view kHeightPhrase = "h = ";
  static constexpr std::string_view kWidthPhrase = "w = ";
  if (const size_t cross = value.find('x'); cross != std::string_view::npos) {
    formatSizePart(value.substr(0, cross), width);
    formatSizePart(value.substr(cross + 1), height);
  } else if (const size_t h = value.find(kHeightPhrase); h != std::string_view::npos) {
    // Looked for before "w = ", and found inside 'width = 3' as well.
    formatSizePart(value.substr(h + kHeightPhrase.size()), height);
  } else if (const size_t w = value.find(kWidthPhrase); w != std::string_view::npos) {
    formatSizePart(value.substr(w + kWidthPhrase.size()), width);
  }
}

}  // namespace plotwarden
