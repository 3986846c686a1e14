#include "keyin/keyin_scan.h"

#include <algorithm>

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

  // Cleaning: at most 511 characters, up to any NUL; leading blanks and tabs
  // skipped, every quote character dropped, trailing blanks and tabs removed.
  // Worked on views, so that the common value without quotes is not copied.
  constexpr size_t kCleanedLength = 511;
  value = value.substr(0, std::min(value.find('\0'), kCleanedLength));
  value.remove_prefix(std::min(value.find_first_not_of(" \t"), value.size()));
  std::string unquoted;
  if (quote != '\0' && value.find(quote) != std::string_view::npos) {
    for (char c : value)
      if (c != quote) unquoted.push_back(c);
    value = unquoted;
  }
  value = value.substr(0, value.find_last_not_of(" \t") + 1);  // npos + 1 is 0
  if (value.empty()) return kFailure;

  const size_t open = value.find('[');
  if (open == std::string_view::npos || value.find(']', open + 1) == std::string_view::npos) {
    if (!main) return kFailure;
    main->assign(value);
    return 0;
  }
  // Main: the text before the first '[', spaces trimmed (tabs survive here).
  if (main) {
    std::string_view before = value.substr(0, open);
    before.remove_prefix(std::min(before.find_first_not_of(' '), before.size()));
    main->assign(before.substr(0, before.find_last_not_of(' ') + 1));
  }
  // Bracket: after the '[' (and any further '[' right after it) up to the
  // next ']', within 256 characters counted from the '[', so at most 255.
  if (bracket) {
    std::string_view inside = value.substr(open, 256);
    inside.remove_prefix(std::min(inside.find_first_not_of('['), inside.size()));
    bracket->assign(inside.substr(0, inside.find(']')));
  }
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
