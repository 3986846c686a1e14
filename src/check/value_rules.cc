#include "check/value_rules.h"

#include <algorithm>
#include <array>
#include <bit>
#include <deque>
#include <string>
#include <vector>

#include "keyin/field_access.h"
#include "platform/ascii_case.h"
#include "platform/prefetch.h"

namespace plotwarden {

namespace {

bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHex(char c) { return isDigit(c) || (asciiUpper(c) >= 'A' && asciiUpper(c) <= 'F'); }

std::string_view trimmed(std::string_view value) {
  while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.remove_prefix(1);
  while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.remove_suffix(1);
  return value;
}

bool startsWithWord(std::string_view text, std::string_view word) {
  return text.size() >= word.size() && equalsIgnoringCase(text.substr(0, word.size()), word);
}

// The features seen so far by name: open addressing in one array of
// slots, each a feature's index and the top half of its name's hash. Names
// are compared, by way of `nameOf`, only where the hashes agree; nothing
// is kept per feature but its slot.
class NameTable {
 public:
  explicit NameTable(size_t most) : slots_(std::bit_ceil(2 * most + 2)) {}

  // FNV-1a: names are short.
  static uint64_t hashOf(std::string_view text) {
    uint64_t hash = 0xcbf29ce484222325u;
    for (char c : text) hash = (hash ^ static_cast<uint8_t>(c)) * 0x100000001b3u;
    return hash ^ (hash >> 29);
  }

  // Starts fetching the slot a name of `hash` is looked for in first.
  PLOTWARDEN_PREFETCHING void prefetch(uint64_t hash) const {
    prefetchMemory(&slots_[hash & (slots_.size() - 1)]);
  }

  // The index of an earlier feature named `name`, or -1 after adding
  // feature `index` under it.
  template <typename NameOf>
  int findOrAdd(std::string_view name, uint64_t hash, int index, const NameOf& nameOf) {
    const size_t mask = slots_.size() - 1;
    const auto tag = static_cast<uint32_t>(hash >> 32);
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
      Slot& slot = slots_[at];
      if (slot.index < 0) {
        slot = {index, tag};
        return -1;
      }
      if (slot.tag == tag && nameOf(slot.index) == name) return slot.index;
    }
  }

 private:
  struct Slot {
    int index = -1;
    uint32_t tag = 0;
  };
  std::vector<Slot> slots_;
};

// Feature names given twice. The same name on another level is how many
// standards name one object in several disciplines: counted, not listed.
// The table is far larger than the processor's caches: each feature's slot
// is asked for a few features before it is probed.
void checkNames(const CheckedFile& file, Findings& findings) {
  const Dictionary& d = file.dictionary;
  if (findFieldColumn(d, ROLE_FEATURE_NAME) < 0) return;
  NameTable seen(d.features.size());
  std::deque<std::string> unquoted;  // names that needed their quotes removed
  std::string scratch;
  auto nameOf = [&](int index) {
    std::string_view value = fieldView(d, index, ROLE_FEATURE_NAME, scratch);
    if (value.data() == scratch.data()) value = unquoted.emplace_back(value);
    return trimmed(value);
  };
  std::string earlierScratch;
  auto earlierNameOf = [&](int index) {
    return trimmed(fieldView(d, index, ROLE_FEATURE_NAME, earlierScratch));
  };
  std::string levelScratch;
  std::string earlierLevelScratch;
  struct Ahead {
    std::string_view name;
    uint64_t hash;
  };
  constexpr int kAhead = 8;  // a power of two
  std::array<Ahead, kAhead> ahead;
  auto look = [&](int index) {
    Ahead& next = ahead[static_cast<size_t>(index % kAhead)];
    next.name = index < d.featureCount() ? nameOf(index) : std::string_view();
    next.hash = NameTable::hashOf(next.name);
    seen.prefetch(next.hash);
  };
  for (int index = 0; index < kAhead; ++index) look(index);
  uint64_t onOtherLevels = 0;
  uint32_t firstOther = 0;
  std::string otherName;
  for (int index = 0; index < d.featureCount(); ++index) {
    const Ahead current = ahead[static_cast<size_t>(index % kAhead)];
    look(index + kAhead);
    if (current.name.empty()) continue;
    const int earlier = seen.findOrAdd(current.name, current.hash, index, earlierNameOf);
    if (earlier < 0) continue;
    const uint32_t offset = featureStart(d, d.features[static_cast<size_t>(index)]);
    if (trimmed(fieldView(d, index, ROLE_LEVEL, levelScratch)) ==
        trimmed(fieldView(d, earlier, ROLE_LEVEL, earlierLevelScratch))) {
      const uint32_t earlierOffset = featureStart(d, d.features[static_cast<size_t>(earlier)]);
      findings.push_back(findingAt(file, offset, Severity::kWarning, "duplicate-feature",
                                   "feature " + quotedText(current.name) +
                                       " is already defined on line " +
                                       std::to_string(lineAt(file.lines, earlierOffset)) +
                                       " with the same level; the report lists both"));
    } else if (onOtherLevels++ == 0) {
      firstOther = offset;
      otherName = current.name;
    }
  }
  if (onOtherLevels != 0)
    findings.push_back(findingAt(
        file, firstOther, Severity::kNote, "name-on-levels",
        counted(onOtherLevels, "feature repeats", "features repeat") +
            " the name of another on a different level (first: " + quotedText(otherName) + ")"));
}

void checkColours(const CheckedFile& file, Findings& findings) {
  const Dictionary& d = file.dictionary;
  const bool colours = findFieldColumn(d, ROLE_COLOUR) >= 0;
  const bool rgbs = findFieldColumn(d, ROLE_RGB) >= 0;
  if (!colours && !rgbs) return;
  std::string scratch;
  for (int index = 0; index < d.featureCount(); ++index) {
    const Feature& feature = d.features[static_cast<size_t>(index)];
    if (feature.fieldCount == 0) continue;
    if (colours) {
      const std::string_view colour = trimmed(fieldView(d, index, ROLE_COLOUR, scratch));
      if (!isUnderstoodColour(colour))
        findings.push_back(findingAt(
            file, featureStart(d, feature), Severity::kWarning, "colour-form",
            "colour " + quotedText(colour) +
                " is none of the forms the report understands (a number, yes, ByLevel, ByLayer, "
                "ByCell or ByBlock, each optionally with (RRGGBB)): it is shown with no swatch"));
    }
    if (rgbs) {
      const std::string_view rgb = trimmed(fieldView(d, index, ROLE_RGB, scratch));
      if (!rgb.empty() && !isRgbValue(rgb))
        findings.push_back(findingAt(file, featureStart(d, feature), Severity::kWarning,
                                     "rgb-value",
                                     "RGB value " + quotedText(rgb) +
                                         " is not six hexadecimal digits (such as FF8000): its "
                                         "swatch shows no colour"));
    }
  }
}

// Each of '<' and '&' is found by its own search through the text: two
// memchr scans are far faster than one that tests every byte for both.
void checkMarkup(const CheckedFile& file, Findings& findings) {
  const std::string_view text = file.dictionary.text;
  for (char opener : {'<', '&'}) {
    for (size_t at = text.find(opener); at != std::string_view::npos;
         at = text.find(opener, at + 1)) {
      const size_t length = markupLength(text, at);
      if (length == 0) continue;
      const std::string effect = opener == '&' ? "shows as the character it names"
                                               : "vanishes from the report or acts as HTML";
      findings.push_back(findingAt(file, static_cast<uint32_t>(at), Severity::kWarning, "markup",
                                   "text " + quotedText(text.substr(at, length)) +
                                       " is read by a browser as mark-up: it " + effect +
                                       " (the default report writes dictionary text unescaped)"));
    }
  }
}

}  // namespace

bool isUnderstoodColour(std::string_view value) {
  value = value.substr(0, value.find('['));
  value = trimmed(value);
  if (value.empty() || equalsIgnoringCase(value, "yes")) return true;
  if (std::all_of(value.begin(), value.end(), isDigit)) return true;
  for (std::string_view form : {"bylevel", "bylayer", "bycell", "byblock"}) {
    if (!startsWithWord(value, form)) continue;
    std::string_view rest = trimmed(value.substr(form.size()));
    if (rest.empty()) return true;
    return rest.size() == 8 && rest.front() == '(' && rest.back() == ')' &&
           isRgbValue(rest.substr(1, 6));
  }
  return false;
}

bool isRgbValue(std::string_view value) {
  return value.size() == 6 && std::all_of(value.begin(), value.end(), isHex);
}

size_t markupLength(std::string_view text, size_t at) {
  const auto endOfTag = [&](size_t from) {
    const size_t close = text.find_first_of(">\r\n", from);
    if (close != std::string_view::npos && text[close] == '>') return close + 1 - at;
    return std::min(text.size(), at + 20) - at;
  };
  if (at + 1 >= text.size()) return 0;
  const char next = text[at + 1];
  if (text[at] == '<') return isLetter(next) || next == '/' || next == '!' ? endOfTag(at + 1) : 0;
  // An entity: '&', a name or '#' and digits, ';'.
  size_t end = at + 1;
  if (next == '#') ++end;
  const size_t nameStart = end;
  while (end < text.size() && (isLetter(text[end]) || isDigit(text[end]))) ++end;
  if (end == nameStart || end >= text.size() || text[end] != ';') return 0;
  return end + 1 - at;
}

void checkValues(const CheckedFile& file, Findings& findings) {
  checkNames(file, findings);
  checkColours(file, findings);
  checkMarkup(file, findings);
}

}  // namespace plotwarden
