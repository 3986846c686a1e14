// The wildcard matcher. Outcomes of the elements that can branch ('*', '|'
// and classes with comma alternatives) are remembered per (pattern position,
// text position), so every pattern runs in polynomial time on any text.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "dictionary/list_matching.h"
#include "platform/ascii_case.h"

namespace plotwarden {

namespace {

constexpr size_t kClassContentLimit = 255;
constexpr size_t kNone = static_cast<size_t>(-1);

bool isAsciiAlnum(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

unsigned char folded(char c, bool caseSensitive) {
  return static_cast<unsigned char>(caseSensitive ? c : asciiUpper(c));
}

// True when the text character `c` is one of the elements of a character
// set: a range 'a-z' (written either way round), a '?', '*' or '|' (any
// character), or a character compared by sameChar.
bool setHolds(std::string_view content, char c, bool caseSensitive) {
  for (size_t i = 0; i < content.size(); ++i) {
    char element = content[i];
    if (element == '-' && i > 0 && i + 1 < content.size()) {
      unsigned char a = folded(content[i - 1], caseSensitive);
      unsigned char b = folded(content[i + 1], caseSensitive);
      unsigned char x = folded(c, caseSensitive);
      if (x >= std::min(a, b) && x <= std::max(a, b)) return true;
      ++i;  // the upper end of the range is used up
      continue;
    }
    if (element == '?' || element == '*' || element == '|') return true;
    if (sameChar(element, c, caseSensitive)) return true;
  }
  return false;
}

// What a class at a pattern position does with the text character it meets.
enum class ClassOutcome { kMatched, kFailed, kBranches };

struct Matcher {
  std::string_view pattern;
  std::string_view text;
  WildcardLevel level;
  bool caseSensitive;

  // Filled on first use, so patterns without branching elements allocate nothing.
  std::vector<size_t> closingBracket;  // per '[': its matching ']', or kNone
  std::vector<size_t> runEnd;          // per '*' or '|': one past its run of equals
  std::vector<uint8_t> outcome;        // per (position, text position): 0 unknown, 1 no, 2 yes
  std::vector<size_t> latestSuccess;   // per position: largest t from which the rest matched
  std::vector<size_t> failsFrom;       // per position: from here on the rest never matches

  size_t closeOf(size_t open) {
    if (closingBracket.empty()) {
      closingBracket.assign(pattern.size(), kNone);
      std::vector<size_t> opens;
      for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '[') {
          opens.push_back(i);
        } else if (pattern[i] == ']' && !opens.empty()) {
          closingBracket[opens.back()] = i;
          opens.pop_back();
        }
      }
    }
    return closingBracket[open];
  }

  size_t endOfRun(size_t p) {
    if (runEnd.empty()) {
      runEnd.assign(pattern.size(), 0);
      for (size_t i = pattern.size(); i-- > 0;)
        runEnd[i] = i + 1 < pattern.size() && pattern[i + 1] == pattern[i] ? runEnd[i + 1] : i + 1;
    }
    return runEnd[p];
  }

  // Does the pattern from p match the text from t through to both their ends?
  // Literal characters, '?' and single-character classes are stepped over
  // here; elements that can branch hand over to `remembered`.
  bool from(size_t p, size_t t) {
    while (p < pattern.size()) {
      const char c = pattern[p];
      if (c == '*' || (c == '|' && level >= WildcardLevel::kAlternatives)) return remembered(p, t);
      if (c == '[' && level >= WildcardLevel::kClasses) {
        size_t next = p;
        const ClassOutcome step = stepClass(next, t);
        if (step == ClassOutcome::kBranches) return remembered(p, t);
        if (step == ClassOutcome::kFailed) return false;
        p = next;
        ++t;
        continue;
      }
      if (!oneCharacterMatches(c, t)) return false;
      ++p;
      ++t;
    }
    return t == text.size();
  }

  // A literal pattern character, or '?' (one letter or digit), at text position t.
  bool oneCharacterMatches(char c, size_t t) const {
    if (t == text.size()) return false;
    return c == '?' ? isAsciiAlnum(text[t]) : sameChar(c, text[t], caseSensitive);
  }

  // The class opening at p against the text character at t; on a match, p
  // moves past the class.
  ClassOutcome stepClass(size_t& p, size_t t) {
    const size_t close = closeOf(p);
    const size_t contentStart = p + 1 < pattern.size() && pattern[p + 1] == '^' ? p + 2 : p + 1;
    if (close == kNone) {
      // An unclosed '[' takes one character, whatever it is, and passes
      // over the pattern character after it. With no character left it fails.
      if (t == text.size()) return ClassOutcome::kFailed;
      p = std::min(contentStart + 1, pattern.size());
      return ClassOutcome::kMatched;
    }
    const std::string_view content = classContent(contentStart, close);
    if (level >= WildcardLevel::kAlternatives && hasAlternatives(content))
      return ClassOutcome::kBranches;
    // A class compares one character; at the end of the text it fails,
    // '[^]' included.
    if (t == text.size()) return ClassOutcome::kFailed;
    const bool negated = contentStart == p + 2;
    if (setHolds(content, text[t], caseSensitive) == negated) return ClassOutcome::kFailed;
    p = close + 1;
    return ClassOutcome::kMatched;
  }

  // Only the first 255 characters of a class are examined.
  std::string_view classContent(size_t contentStart, size_t close) const {
    return pattern.substr(contentStart, std::min(close - contentStart, kClassContentLimit));
  }

  static bool hasAlternatives(std::string_view content) {
    return content.find(',', 1) != std::string_view::npos;
  }

  bool remembered(size_t p, size_t t) {
    if (outcome.empty()) outcome.assign((pattern.size() + 1) * (text.size() + 1), 0);
    uint8_t& slot = outcome[p * (text.size() + 1) + t];
    if (slot == 0) slot = branch(p, t) ? 2 : 1;
    return slot == 2;
  }

  bool branch(size_t p, size_t t) {
    if (pattern[p] == '*') return star(p, t);
    if (pattern[p] == '|') return bar(p, t);
    return alternatives(p, t);
  }

  // A run of '*' acts as one: a trailing run takes whatever is left, any
  // other lets the rest start at any later text position, the end included.
  bool star(size_t p, size_t t) {
    size_t rest = endOfRun(p);
    return rest == pattern.size() || restFromAnyPosition(rest, t);
  }

  bool bar(size_t p, size_t t) {
    size_t remaining = text.size() - t;
    // A last '|' takes the last character; with none left it fails.
    if (p + 1 == pattern.size()) return remaining == 1;
    size_t rest = endOfRun(p);
    if (rest - p >= 2 && pattern.size() - rest >= 2 && !restFromAnyPosition(rest, t)) return false;
    if (from(p + 1, t)) return true;
    // Otherwise '|' takes one character, whatever it is; with none left it fails.
    return remaining > 0 && from(p + 1, t + 1);
  }

  // Is there a text position s >= t from which the pattern from `rest`
  // matches? Positions known to fail or succeed are kept per `rest`, so each
  // text position is tried at most once for it.
  bool restFromAnyPosition(size_t rest, size_t t) {
    if (latestSuccess.empty()) {
      latestSuccess.assign(pattern.size() + 1, kNone);
      failsFrom.assign(pattern.size() + 1, text.size() + 1);
    }
    if (latestSuccess[rest] != kNone && t <= latestSuccess[rest]) return true;
    for (size_t s = t; s < failsFrom[rest]; ++s) {
      if (from(rest, s)) {
        if (latestSuccess[rest] == kNone || s > latestSuccess[rest]) latestSuccess[rest] = s;
        return true;
      }
    }
    failsFrom[rest] = std::min(failsFrom[rest], t);
    return false;
  }

  // A class of comma alternatives: the first alternative that matches is
  // taken, with what it matched, and the pattern goes on after the class.
  bool alternatives(size_t p, size_t t) {
    size_t close = closeOf(p);
    // A negated class with comma alternatives has no settled meaning: it fails.
    if (pattern[p + 1] == '^') return false;
    std::string_view content = classContent(p + 1, close);
    bool lastElement = close + 1 == pattern.size();
    size_t remaining = text.size() - t;
    size_t start = 0;
    while (start <= content.size()) {
      size_t comma = std::min(content.find(',', start), content.size());
      std::string_view alternative = content.substr(start, comma - start);
      start = comma + 1;
      if (alternative.empty()) continue;
      size_t taken = alternativeLength(alternative, t, remaining);
      if (taken == kNone) continue;
      if (lastElement && alternative.back() == '*') return true;
      return from(close + 1, t + taken);
    }
    return false;
  }

  // How many characters from t the alternative matches, or kNone.
  size_t alternativeLength(std::string_view alternative, size_t t, size_t remaining) const {
    if (alternative.find_first_of("*|") != std::string_view::npos) {
      for (size_t length = remaining; length >= 1; --length)
        if (wildcardMatch(alternative, text.substr(t, length), level, caseSensitive)) return length;
      return kNone;
    }
    size_t width = alternativeWidth(alternative);
    // An alternative wider than the text left cannot match.
    if (width > remaining) return kNone;
    return wildcardMatch(alternative, text.substr(t, width), level, caseSensitive) ? width : kNone;
  }
};

}  // namespace

bool wildcardMatch(std::string_view pattern, std::string_view text, WildcardLevel level,
                   bool caseSensitive) {
  if (level == WildcardLevel::kExact) return pattern == text;
  Matcher matcher{pattern, text, level, caseSensitive, {}, {}, {}, {}, {}};
  return matcher.from(0, 0);
}

size_t alternativeWidth(std::string_view alternative) {
  size_t start = !alternative.empty() && alternative.front() == '^' ? 1 : 0;
  size_t width = 0;
  int depth = 1;  // inside the class the alternative belongs to
  for (size_t i = start; i < alternative.size(); ++i) {
    char c = alternative[i];
    if (c == '[') {
      ++depth;
    } else if (c == ']') {
      if (--depth == 0) break;
    } else {
      ++width;
    }
  }
  // A range such as 'a-z' stands for one character.
  size_t dash = alternative.find('-');
  if (dash != std::string_view::npos && dash > 0 && dash + 1 < alternative.size() &&
      isAsciiAlnum(alternative[dash - 1]) && isAsciiAlnum(alternative[dash + 1]))
    width = width >= 2 ? width - 2 : 0;
  return width;
}

}  // namespace plotwarden
