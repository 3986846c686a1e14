#include <array>
#include <cstdint>
#include <span>

#include "dictionary/word_scan.h"
#include "keyin/field_access.h"
#include "keyin/keyin_decoders.h"
#include "keyin/keyin_scan.h"
#include "platform/decimal_text.h"

namespace plotwarden {

namespace {

// The words of a setting stored as a code: the word for 0, 1 and 2.
using CodeWords = std::array<std::string_view, 3>;
constexpr CodeWords kArrowWords = {"open", "closed", "filled"};
constexpr CodeWords kOrientationWords = {"Inline", "Above", "Horiz."};

// One setting: its item code, its phrases in the order they are tried (a
// second, shorter form where there is one), and how its argument is shown:
// as written, with trailing zeros dropped, or as the word of its code.
struct Setting {
  int item;
  std::array<std::string_view, 2> phrases;
  bool trimZeros;
  const CodeWords* words;
};

constexpr Setting kExtensionSettings[] = {
    {EXTENSION_STYLE, {"dimension extension style "}, false, nullptr},
    {EXTENSION_WEIGHT, {"dimension extension weight "}, false, nullptr},
    {EXTENSION_OFFSET, {"dimension extension offset "}, true, nullptr},
    {EXTENSION_EXTENT, {"dimension extension extent "}, true, nullptr},
};

constexpr Setting kTerminatorSettings[] = {
    {TERMINATOR_ARROW,
     {"dimension terminator orientterm ", "dimension terminator orienthead "},
     false,
     &kArrowWords},
    {TERMINATOR_WIDTH, {"dimension terminator width "}, true, nullptr},
    {TERMINATOR_HEIGHT, {"dimension terminator height "}, true, nullptr},
    {TERMINATOR_MIN_LEADER, {"dimension terminator minleader "}, true, nullptr},
};

constexpr Setting kDimTextSettings[] = {
    {DIMTEXT_WIDTH, {"dimension text width "}, true, nullptr},
    {DIMTEXT_HEIGHT, {"dimension text height "}, true, nullptr},
    {DIMTEXT_WEIGHT, {"dimension text weight "}, false, nullptr},
    {DIMTEXT_FONT, {"dimension font ", "dimension text font "}, false, nullptr},
    {DIMTEXT_ORIENTATION, {"dimension text orient "}, false, &kOrientationWords},
    {DIMTEXT_FRAME, {"dimension text box ", "dimension text capsule "}, false, nullptr},
    {DIMTEXT_MARGIN, {"dimension text margin "}, true, nullptr},
    {DIMTEXT_JUSTIFICATION, {"dimension justification ", "dimension text just "}, false, nullptr},
};

// Every phrase begins with this word (and has three characters more at
// least), so a phrase occurs only where the word does.
constexpr std::string_view kPhraseStart = "dimension ";

constexpr std::span<const Setting> kGroups[] = {kExtensionSettings, kTerminatorSettings,
                                                kDimTextSettings};
constexpr size_t kExtensionGroup = 0;
constexpr size_t kTerminatorGroup = 1;
constexpr size_t kDimTextGroup = 2;

template <size_t kCount>
constexpr bool phrasesStartAlike(const Setting (&group)[kCount]) {
  if (kCount > DimensionPhrases::kMostSettings) return false;
  for (size_t index = 0; index < kCount; ++index)
    for (size_t p = 0; p < group[index].phrases.size(); ++p)
      if (!group[index].phrases[p].empty() &&
          (!group[index].phrases[p].starts_with(kPhraseStart) ||
           group[index].phrases[p].size() < kPhraseStart.size() + 3))
        return false;
  return true;
}
static_assert(phrasesStartAlike(kExtensionSettings) && phrasesStartAlike(kTerminatorSettings) &&
              phrasesStartAlike(kDimTextSettings));
static_assert(std::size(kGroups) == DimensionPhrases::kGroups);

// For each group, the characters its phrases have right after the common
// word: a group whose phrases cannot start where an occurrence goes on is
// passed over whole.
constexpr auto kGroupLetters = [] {
  std::array<std::array<bool, 256>, std::size(kGroups)> letters{};
  for (size_t group = 0; group < std::size(kGroups); ++group)
    for (size_t index = 0; index < kGroups[group].size(); ++index)
      for (size_t p = 0; p < kGroups[group][index].phrases.size(); ++p)
        if (!kGroups[group][index].phrases[p].empty())
          letters[group]
                 [static_cast<uint8_t>(kGroups[group][index].phrases[p][kPhraseStart.size()])] =
                     true;
  return letters;
}();

void decodeSetting(const DimensionPhrases& phrases, size_t group, int item, std::string& out) {
  out.clear();
  const std::span<const Setting> settings = kGroups[group];
  for (size_t index = 0; index < settings.size(); ++index) {
    const Setting& setting = settings[index];
    if (setting.item != item) continue;
    // The first of the setting's phrases, in their order, that occurs.
    std::string_view argument;
    bool found = false;
    for (size_t p = 0; p < setting.phrases.size() && !found; ++p) {
      const size_t at = phrases.first[group][index][p];
      if (setting.phrases[p].empty() || at == std::string_view::npos) continue;
      argument = phrases.keyin.substr(at + setting.phrases[p].size());
      argument = argument.substr(0, argument.find(';'));
      found = true;
    }
    if (setting.words) {
      const int code = found ? leadingInteger(argument) : -1;
      if (code >= 0 && code <= 2) out = (*setting.words)[static_cast<size_t>(code)];
    } else if (found) {
      out = argument;
      if (setting.trimZeros) trimTrailingZeros(out);
    }
    return;
  }
}

}  // namespace

void findDimensionPhrases(std::string_view keyin, DimensionPhrases& phrases) {
  phrases.keyin = keyin;
  for (auto& group : phrases.first)
    for (auto& setting : group) setting.fill(std::string_view::npos);
  for (size_t at = findText(keyin, kPhraseStart); at != std::string_view::npos;
       at = findText(keyin, kPhraseStart, at + 1)) {
    // Past the common word, the phrases mostly differ in their first or
    // third character: those are compared before the rest.
    const std::string_view rest = keyin.substr(at + kPhraseStart.size());
    if (rest.size() < 3) continue;  // every phrase has three characters more
    auto startsRest = [rest](std::string_view phrase) {
      const std::string_view own = phrase.substr(kPhraseStart.size());
      return rest.size() >= own.size() && rest[0] == own[0] && rest[2] == own[2] &&
             rest.starts_with(own);
    };
    for (size_t group = 0; group < std::size(kGroups); ++group) {
      if (!kGroupLetters[group][static_cast<uint8_t>(rest[0])]) continue;
      for (size_t index = 0; index < kGroups[group].size(); ++index) {
        const Setting& setting = kGroups[group][index];
        for (size_t p = 0; p < setting.phrases.size(); ++p) {
          size_t& first = phrases.first[group][index][p];
          if (first == std::string_view::npos && !setting.phrases[p].empty() &&
              startsRest(setting.phrases[p]))
            first = at;
        }
      }
    }
  }
}

void decodeExtensionLine(const DimensionPhrases& phrases, int item, std::string& out) {
  decodeSetting(phrases, kExtensionGroup, item, out);
}

void decodeTerminator(const DimensionPhrases& phrases, int item, std::string& out) {
  decodeSetting(phrases, kTerminatorGroup, item, out);
}

void decodeDimensionText(const DimensionPhrases& phrases, int item, std::string& out) {
  decodeSetting(phrases, kDimTextGroup, item, out);
}

}  // namespace plotwarden
