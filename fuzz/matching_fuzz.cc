// The matching toolkit: wildcardMatch at every level, list cutting and testing, parseRange
// and takeToken, on texts, sets and bounds taken from the input. Level 0 must
// be plain equality and level 1 must agree with a direct recursive matcher;
// the rest must end in time and stay inside their texts.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/list_matching.h"
#include "fuzz_support.h"

using namespace plotwarden;

namespace {

bool isAsciiAlnum(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// '?' takes one letter or digit, '*' any run, every other character must
// equal the text's (through toupper unless case matters).
class LevelOneMatcher {
 public:
  LevelOneMatcher(std::string_view pattern, std::string_view text, bool caseSensitive)
      : pattern_(pattern),
        text_(text),
        caseSensitive_(caseSensitive),
        known_((pattern.size() + 1) * (text.size() + 1), 0) {}

  bool matches() { return from(0, 0); }

 private:
  bool from(size_t p, size_t t) {
    if (p == pattern_.size()) return t == text_.size();
    uint8_t& slot = known_[p * (text_.size() + 1) + t];
    if (slot == 0) slot = decide(p, t) ? 2 : 1;
    return slot == 2;
  }

  bool decide(size_t p, size_t t) {
    const char c = pattern_[p];
    if (c == '*') {
      for (size_t s = t; s <= text_.size(); ++s)
        if (from(p + 1, s)) return true;
      return false;
    }
    if (t == text_.size()) return false;
    if (c == '?') return isAsciiAlnum(text_[t]) && from(p + 1, t + 1);
    return sameChar(c, text_[t], caseSensitive_) && from(p + 1, t + 1);
  }

  std::string_view pattern_;
  std::string_view text_;
  bool caseSensitive_;
  std::vector<uint8_t> known_;
};

// A class of comma alternatives tries every prefix of the text left, longest
// first, against each alternative that holds '*' or '|', so its cost grows
// with the cube of the text's length (and more when '|' runs ask for the
// rest at every later position): polynomial, but minutes for texts of a few
// hundred characters. The report only ever matches element type numbers of
// at most three digits, so level 3 is checked on texts of realistic length.
constexpr size_t kLongestLevelThreeText = 32;

std::string_view takeText(fuzz::FuzzInput& input, int level) {
  std::string_view text = input.takePart();
  return level >= 3 ? text.substr(0, kLongestLevelThreeText) : text;
}

int32_t takeInt32(fuzz::FuzzInput& input) {
  uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value = (value << 8) | static_cast<uint8_t>(input.takeByte());
  return static_cast<int32_t>(value);
}

void checkWildcard(fuzz::FuzzInput& input, int level, bool caseSensitive) {
  const std::string_view pattern = input.takePart();
  const std::string_view text = takeText(input, level);
  const bool matched =
      wildcardMatch(pattern, text, static_cast<WildcardLevel>(level), caseSensitive);
  if (level == 0) FUZZ_CHECK(matched == (pattern == text));
  if (level == 1 && pattern.size() * text.size() <= 1 << 16)
    FUZZ_CHECK(matched == LevelOneMatcher(pattern, text, caseSensitive).matches());
  if (level >= 1 && !pattern.empty() && pattern.find_first_not_of('*') == std::string_view::npos)
    FUZZ_CHECK(matched);
  FUZZ_CHECK(alternativeWidth(pattern) <= pattern.size());
}

void checkList(fuzz::FuzzInput& input, int level, bool caseSensitive) {
  const std::string_view list = input.takePart();
  const std::string_view value = takeText(input, 3);  // also matched at level 3 below
  const std::string_view separators = input.takePart();
  const std::string_view quotes = input.takePart();
  int32_t lower = takeInt32(input);
  int32_t upper = takeInt32(input);
  bool isRange = true;
  CutList cut;
  cutList(cut, list, {" ", " ", "", separators, "", quotes}, lower, upper);
  cutListAccepts(cut, value, static_cast<WildcardLevel>(level), lower, upper, &isRange,
                 caseSensitive);
  // The report's own call: separator ',', quote '"', bounds 0 and 110.
  lower = 0;
  upper = 110;
  cutList(cut, list, {" ", " ", "", ",", "", "\""}, lower, upper);
  if (cutListAccepts(cut, value, WildcardLevel::kAlternatives, lower, upper, &isRange, false) &&
      isRange)
    FUZZ_CHECK(lower <= upper);
}

void checkRange(fuzz::FuzzInput& input, bool singleOk) {
  const int32_t lowerIn = takeInt32(input);
  const int32_t upperIn = takeInt32(input);
  const std::string_view item = input.takePart();
  int32_t lower = lowerIn;
  int32_t upper = upperIn;
  bool isRange = false;
  if (!parseRange(item, singleOk, lower, upper, &isRange)) {
    // A refused item leaves the bounds alone.
    FUZZ_CHECK(lower == lowerIn && upper == upperIn);
    return;
  }
  // The lower bound only rises.
  FUZZ_CHECK(lower >= lowerIn);
  if (!isRange) FUZZ_CHECK(singleOk);
}

void checkToken(fuzz::FuzzInput& input) {
  const long maxLength = static_cast<int8_t>(input.takeByte()) * 8L;
  const std::string_view sets[6] = {input.takePart(), input.takePart(), input.takePart(),
                                    input.takePart(), input.takePart(), input.takePart()};
  const std::string_view source = input.rest;
  const TokenRules rules{sets[0], sets[1], sets[2], sets[3], sets[4], sets[5], maxLength};
  std::string token = "left over";
  const size_t consumed = takeToken(&token, source, rules);
  const size_t counted = takeToken(nullptr, source, rules);
  FUZZ_CHECK(consumed == counted);
  size_t visible = std::min(source.size(), source.find('\0'));
  if (maxLength > 0) visible = std::min(visible, static_cast<size_t>(maxLength));
  FUZZ_CHECK(consumed <= visible);
  FUZZ_CHECK(token.size() <= consumed);
  // Cutting a text into itself reads the same characters.
  std::string self(source);
  FUZZ_CHECK(takeToken(&self, self, rules) == consumed);
  FUZZ_CHECK(self == token);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FuzzInput input(data, size);
  const auto choice = static_cast<uint8_t>(input.takeByte());
  const int level = choice & 3;
  const bool caseSensitive = (choice & 4) != 0;
  switch ((choice >> 3) & 3) {
    case 0:
      checkWildcard(input, level, caseSensitive);
      break;
    case 1:
      checkList(input, level, caseSensitive);
      break;
    case 2:
      checkRange(input, caseSensitive);
      break;
    default:
      checkToken(input);
      break;
  }
  return 0;
}
