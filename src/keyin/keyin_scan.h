// Taking key-in texts and field values apart.
#pragma once

#include <string>
#include <string_view>

namespace plotwarden {

constexpr int kFailure = 0x8000;

// Finds the first occurrence of `phrase` in the key-in text (exact, with
// case, anywhere). When found, `argument` is the text after it up to the
// next ';' or the end, blanks kept, and the result is true.
bool keyinArgument(std::string_view keyin, std::string_view phrase, std::string_view& argument);

// Separates 'main [bracket]': main is the text before the first '[' (blanks
// trimmed, quote characters dropped), bracket the text up to the next ']'
// (at most 255 characters), flag 1 when a bracket pair was found. Any output
// may be null. Returns 0, or kFailure for an empty value.
int splitBracketedValue(std::string_view value, char quote, std::string* main,
                        std::string* bracket, int* bracketFlag);

// The part of `value` between its first '(' and first ')'; `value` is cut at
// that ')'. Both "" and unchanged when either is missing.
void extractParenthesized(std::string& value, std::string& out);

// '2.500' becomes '2.5' and '3.000' '3'; texts not ending in a decimal
// fraction are left as they are.
void trimTrailingZeros(std::string& text);

}  // namespace plotwarden
