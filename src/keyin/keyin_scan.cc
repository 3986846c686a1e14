#include "keyin/keyin_scan.h"

#include <algorithm>

#include "dictionary/word_scan.h"

namespace plotwarden {

bool keyinArgument(std::string_view keyin, std::string_view phrase, std::string_view& argument) {
  size_t at = findText(keyin, phrase);
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

namespace {

std::string_view withoutLeadingBlanks(std::string_view value) {
  size_t leading = 0;
  while (leading < value.size() && isBlank(value[leading])) ++leading;
  return value.substr(leading);
}

// The parts of a value already cut, quotes dropped and leading blanks
// skipped.
bool splitCleanedValue(std::string_view value, BracketedParts& parts) {
  // Trailing blanks never reach back to a '['.
  while (!value.empty() && isBlank(value.back())) value.remove_suffix(1);
  if (value.empty()) return false;
  const size_t open = value.find('[');
  const size_t close = open == std::string_view::npos ? open : value.find(']', open + 1);
  if (close == std::string_view::npos) {
    parts.main = value;
    return true;
  }
  // Main: the text before the first '[', spaces trimmed (tabs survive here).
  std::string_view main = value.substr(0, open);
  while (!main.empty() && main.front() == ' ') main.remove_prefix(1);
  while (!main.empty() && main.back() == ' ') main.remove_suffix(1);
  parts.main = main;
  // Bracket: after the '[' (and any further '[' right after it) up to the
  // next ']', within 256 characters counted from the '[', so at most 255.
  // That ']' is the one found above: the run of '[' holds none.
  const size_t window = std::min(value.size(), open + 256);
  size_t first = open;
  while (first < window && value[first] == '[') ++first;
  parts.bracket = value.substr(first, std::min(close, window) - first);
  parts.hasBracket = true;
  return true;
}

}  // namespace

bool splitBracketedParts(std::string_view value, char quote, std::string& scratch,
                         BracketedParts& parts) {
  parts = {};
  // Cleaning: at most 511 characters, up to any NUL; leading blanks and tabs
  // skipped, every quote character dropped, trailing blanks and tabs removed.
  // The common value without quotes is not copied.
  value = value.substr(0, kCleanedLength);
  const bool special = findFirstOf(value.data(), 0, value.size(), '\0', quote) != value.size();
  if (special) value = value.substr(0, value.find('\0'));
  // Leading blanks go before the quotes do: blanks inside quotes stay.
  value = withoutLeadingBlanks(value);
  if (special && quote != '\0' && value.find(quote) != std::string_view::npos) {
    scratch.clear();
    for (char c : value)
      if (c != quote) scratch.push_back(c);
    value = scratch;
  }
  return splitCleanedValue(value, parts);
}

bool splitPlainBracketedParts(std::string_view value, BracketedParts& parts) {
  parts = {};
  return splitCleanedValue(withoutLeadingBlanks(value.substr(0, kCleanedLength)), parts);
}

int splitBracketedValue(std::string_view value, char quote, std::string* main, std::string* bracket,
                        int* bracketFlag) {
  std::string scratch;
  BracketedParts parts;
  const bool cleaned = splitBracketedParts(value, quote, scratch, parts);
  // The outputs may be the value's own storage: read the parts before any is changed.
  std::string mainText(parts.main);
  std::string bracketText(parts.bracket);
  if (main) *main = std::move(mainText);
  if (bracket) *bracket = std::move(bracketText);
  if (bracketFlag) *bracketFlag = parts.hasBracket ? 1 : 0;
  if (!cleaned || (!parts.hasBracket && !main)) return kFailure;
  return 0;
}

void appendBracketed(std::string& out, std::string_view main, std::string_view bracket) {
  out += main;
  if (bracket.empty()) return;
  out += '[';
  out += bracket;
  out += ']';
}

std::string_view parenthesized(std::string_view value) {
  const size_t open = value.find('(');
  const size_t close = value.find(')');
  if (open == std::string_view::npos || close == std::string_view::npos) return {};
  const size_t end = close > open ? close : value.size();
  return value.substr(open + 1, end - (open + 1));
}

void trimTrailingZeros(std::string& text) {
  // The run of digits and points the text ends with; only a run holding a
  // point is a fraction.
  size_t runStart = text.size();
  bool point = false;
  for (; runStart > 0; --runStart) {
    const char c = text[runStart - 1];
    if (c == '.') {
      point = true;
    } else if (c < '0' || c > '9') {
      break;
    }
  }
  if (!point) return;
  size_t end = text.size();
  while (end > 0 && text[end - 1] == '0') --end;
  if (end > 0 && text[end - 1] == '.') --end;
  text.resize(end);
}

}  // namespace plotwarden
