#include "platform/decimal_text.h"

#include <limits>

namespace plotwarden {

static bool isCSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Where the digits of the leading integer start: past blanks and a sign.
static size_t digitsStart(std::string_view text) {
  size_t at = 0;
  while (at < text.size() && isCSpace(text[at])) ++at;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  return at;
}

bool hasLeadingInteger(std::string_view text) {
  const size_t at = digitsStart(text);
  return at < text.size() && text[at] >= '0' && text[at] <= '9';
}

int32_t leadingInteger(std::string_view text) {
  size_t at = digitsStart(text);
  const bool negative = at > 0 && text[at - 1] == '-';
  constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
  int64_t magnitude = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
    if (magnitude < kLimit) magnitude = magnitude * 10 + (text[at] - '0');
  if (magnitude > kLimit) magnitude = kLimit;
  int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<int32_t>::max()) value = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(value);
}

}  // namespace plotwarden
