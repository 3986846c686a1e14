#include "keyin/keyin_scan.h"

#include "dictionary/list_matching.h"

namespace plotwarden {

bool keyinArgument(std::string_view keyin, std::string_view phrase, std::string_view& argument) {
  size_t at = keyin.find(phrase);
  if (at == std::string_view::npos) return false;
  argument = keyin.substr(at + phrase.size());
  argument = argument.substr(0, argument.find(';'));
  return true;
}

bool firstKeyinArgument(std::string_view keyin, std::span<const std::string_view> phrases,
                        std::string_view& argument) {
  for (std::string_view phrase : phrases)
    if (keyinArgument(keyin, phrase, argument)) return true;
  return false;
}

int splitBracketedValue(std::string_view value, char quote, std::string* main,
                        std::string* bracket, int* bracketFlag) {
  if (main) main->clear();
  if (bracket) bracket->clear();
  if (bracketFlag) *bracketFlag = 0;

  // A NUL quote makes the quote set empty.
  const std::string_view quotes = quote == '\0' ? std::string_view() : std::string_view(&quote, 1);
  std::string cleaned;
  if (takeToken(&cleaned, value, " \t", " \t", {}, {}, {}, quotes, 511) == 0 || cleaned.empty())
    return kFailure;

  const size_t open = cleaned.find('[');
  if (open == std::string::npos || cleaned.find(']', open + 1) == std::string::npos) {
    if (!main) return kFailure;
    *main = std::move(cleaned);
    return 0;
  }
  // Tabs around the main text survive: only spaces are trimmed here.
  if (takeToken(main, cleaned, " ", " ", {}, "[", {}, quotes, 511) == 0) return kFailure;
  // The 256 characters are counted from the '[', so at most 255 remain.
  takeToken(bracket, std::string_view(cleaned).substr(open), "[", {}, {}, "]", {}, {}, 256);
  if (bracketFlag) *bracketFlag = 1;
  return 0;
}

void appendBracketed(std::string& out, std::string_view main, std::string_view bracket) {
  out += main;
  if (bracket.empty()) return;
  out += '[';
  out += bracket;
  out += ']';
}

void extractParenthesized(std::string& value, std::string& out) {
  out.clear();
  const size_t open = value.find('(');
  const size_t close = value.find(')');
  if (open == std::string::npos || close == std::string::npos) return;
  // With the ')' before the '(' the part runs to the value's original end.
  const size_t end = close > open ? close : value.size();
  out.assign(value, open + 1, end - (open + 1));
  value.resize(close);
}

void trimTrailingZeros(std::string& text) {
  const size_t runStart = text.find_last_not_of("0123456789.") + 1;  // npos + 1 is 0
  if (text.find('.', runStart) == std::string::npos) return;
  text.resize(text.find_last_not_of('0') + 1);
  if (!text.empty() && text.back() == '.') text.pop_back();
}

}  // namespace plotwarden
