// Taking key-in texts and field values apart.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace plotwarden {

constexpr int kFailure = 0x8000;

// Finds the first occurrence of `phrase` in the key-in text (exact, with
// case, anywhere, even inside a longer word). When found, `argument` is the
// text after it up to the next ';' or the end, blanks kept, and the result is
// true; otherwise `argument` is left as it was.
bool keyinArgument(std::string_view keyin, std::string_view phrase, std::string_view& argument);

// The argument of the first of `phrases`, in their order, that occurs
// anywhere in the key-in text, whatever the positions of the others.
bool firstKeyinArgument(std::string_view keyin, std::span<const std::string_view> phrases,
                        std::string_view& argument);

// Separates 'main [bracket]'. The value is first cleaned (at most 511
// characters; leading and trailing blanks and tabs removed, every `quote`
// dropped). When a '[' is followed somewhere by a ']', main is the text before
// the first '[' with spaces trimmed, bracket the text after it up to the next
// ']' (at most 255 characters) and the flag 1; otherwise main is the whole
// cleaned text. Any output may be null. Returns 0, or kFailure for a value
// that cleans to nothing (outputs then "" and 0) or a plain value without a
// main output.
int splitBracketedValue(std::string_view value, char quote, std::string* main, std::string* bracket,
                        int* bracketFlag);

// The parts splitBracketedValue makes, as views into the value or into
// `scratch` (which holds the cleaned text when quotes had to be dropped), so
// that a caller appending them somewhere copies them once.
struct BracketedParts {
  std::string_view main;
  std::string_view bracket;
  bool hasBracket = false;
};
// False, with empty parts, for a value that cleans to nothing.
bool splitBracketedParts(std::string_view value, char quote, std::string& scratch,
                         BracketedParts& parts);

// The same for a value known to hold neither a NUL nor the quote character,
// as every view fieldView gives into the dictionary's text is: no scan for
// them, and no scratch.
bool splitPlainBracketedParts(std::string_view value, BracketedParts& parts);

// Values are cleaned and split within their first this many characters.
constexpr size_t kCleanedLength = 511;

// The blanks cleaning takes off a value's ends.
inline bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Whether splitPlainBracketedParts leaves a value as it is, main text only:
// it is not empty, not cut, holds no '[' and neither starts nor ends with a
// blank. Most field values are such a name or number; inline, for a test on
// every LEVEL, WEIGHT and LINE STYLE cell.
inline bool isTidyPlainValue(std::string_view value) {
  return !value.empty() && value.size() <= kCleanedLength && !isBlank(value.front()) &&
         !isBlank(value.back()) && value.find('[') == std::string_view::npos;
}

// Appends 'main[bracket]', or main alone when the bracket text is empty.
void appendBracketed(std::string& out, std::string_view main, std::string_view bracket);

// The part of `value` between its first '(' and the first ')' (everything
// after the '(' when the ')' comes first); "" without either character.
std::string_view parenthesized(std::string_view value);

// '2.500' becomes '2.5' and '3.000' '3'; texts not ending in a decimal
// fraction ('100', '12.5mm') are left as they are.
void trimTrailingZeros(std::string& text);

}  // namespace plotwarden
