#include <cctype>
#include <charconv>
#include <cstdlib>
#include <string>

#include "keyin/keyin_decoders.h"
#include "keyin/keyin_scan.h"

namespace plotwarden {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

size_t skipDigits(std::string_view text, size_t at) {
  while (at < text.size() && isDigit(text[at])) ++at;
  return at;
}

// The decimal number at the start of a text: leading white space, an
// optional sign, digits with an optional fraction (at least one digit in
// all), an optional exponent. Anything after it is ignored; no number reads
// as 0. Only this plain form counts: hexadecimal, "inf" and "nan" read as 0.
struct NumberText {
  bool hasDigits = false;
  bool negative = false;
  bool hasExponent = false;
  std::string_view integer;   // the digits before the point
  std::string_view fraction;  // the digits after it
  std::string_view whole;     // sign, digits, point and exponent
};

NumberText readNumberText(std::string_view text) {
  NumberText number;
  size_t start = 0;
  while (start < text.size() && std::isspace(static_cast<unsigned char>(text[start]))) ++start;
  size_t at = start;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) number.negative = text[at++] == '-';
  const size_t integerEnd = skipDigits(text, at);
  number.integer = text.substr(at, integerEnd - at);
  at = integerEnd;
  if (at < text.size() && text[at] == '.') {
    const size_t fractionEnd = skipDigits(text, at + 1);
    number.fraction = text.substr(at + 1, fractionEnd - (at + 1));
    at = fractionEnd;
  }
  number.hasDigits = !number.integer.empty() || !number.fraction.empty();
  if (number.hasDigits && at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    size_t exponent = at + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    const size_t exponentEnd = skipDigits(text, exponent);
    if (exponentEnd > exponent) {
      at = exponentEnd;
      number.hasExponent = true;
    }
  }
  number.whole = text.substr(start, at - start);
  return number;
}

double numberValue(const NumberText& number) {
  if (!number.hasDigits) return 0.0;
  // from_chars reads exactly the number found (it takes no '+') and rounds
  // as strtod does; a number too large or too small for a double is left to
  // strtod, which gives infinity or a value towards 0.
  const std::string_view digits =
      number.whole.front() == '+' ? number.whole.substr(1) : number.whole;
  double value = 0.0;
  if (std::from_chars(digits.data(), digits.data() + digits.size(), value).ec == std::errc())
    return value;
  const std::string copy(number.whole);
  return std::strtod(copy.c_str(), nullptr);
}

// A number of at most nine integer digits (after leading zeros) and six
// decimals, without exponent, lies within half a millionth of the double it
// reads as (below 2^33 a double's spacing is under a millionth), so six
// decimals print its own digits: it is written from them, without reading
// and printing a double. Appends it with its zeros trimmed; false for any
// other number.
bool appendPlainDecimal(const NumberText& number, std::string& out) {
  std::string_view integer = number.integer;
  while (!integer.empty() && integer.front() == '0') integer.remove_prefix(1);
  if (!number.hasDigits || number.hasExponent || integer.size() > 9 || number.fraction.size() > 6)
    return false;
  std::string_view fraction = number.fraction;
  while (!fraction.empty() && fraction.back() == '0') fraction.remove_suffix(1);
  // "%f" keeps the sign of a negative zero.
  if (number.negative) out += '-';
  if (integer.empty()) integer = "0";
  out += integer;
  if (!fraction.empty()) {
    out += '.';
    out += fraction;
  }
  return true;
}

// One dimension of a text size: its number with six decimals and its zeros
// trimmed, then '[qualifier]' when the part carries one.
void formatSizePart(std::string_view part, char quote, std::string& out) {
  std::string cleaned;
  BracketedParts parts;
  splitBracketedParts(part, quote, cleaned, parts);
  const NumberText number = readNumberText(parts.main);
  std::string trimmed;
  if (!appendPlainDecimal(number, trimmed)) {
    // Six decimals, as "%f" prints them (to_chars rounds the same exact
    // way). The largest double has 309 integer digits; with a sign, the
    // point and six decimals it needs 317 characters.
    char printed[400];
    const std::to_chars_result end = std::to_chars(
        printed, printed + sizeof printed, numberValue(number), std::chars_format::fixed, 6);
    trimmed.assign(printed, end.ptr);
    trimTrailingZeros(trimmed);
  }
  appendBracketed(out, trimmed, parts.bracket);
}

}  // namespace

void splitTextSize(std::string_view value, char quote, std::string& width, std::string& height) {
  width.clear();
  height.clear();
  static constexpr std::string_view kHeightPhrase = "h = ";
  static constexpr std::string_view kWidthPhrase = "w = ";
  if (const size_t cross = value.find('x'); cross != std::string_view::npos) {
    formatSizePart(value.substr(0, cross), quote, width);
    formatSizePart(value.substr(cross + 1), quote, height);
  } else if (const size_t h = value.find(kHeightPhrase); h != std::string_view::npos) {
    // Looked for before "w = ", and found inside 'width = 3' as well.
    formatSizePart(value.substr(h + kHeightPhrase.size()), quote, height);
  } else if (const size_t w = value.find(kWidthPhrase); w != std::string_view::npos) {
    formatSizePart(value.substr(w + kWidthPhrase.size()), quote, width);
  }
}

}  // namespace plotwarden
