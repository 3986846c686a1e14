#include <array>
#include <cctype>
#include <span>

#include "keyin/field_access.h"
#include "keyin/keyin_decoders.h"
#include "keyin/keyin_scan.h"

namespace plotwarden {

namespace {

// The words of a setting stored as a code: the word for 0, 1 and 2.
using CodeWords = std::array<std::string_view, 3>;
constexpr CodeWords kArrowWords = {"open", "closed", "filled"};
constexpr CodeWords kOrientationWords = {"Inline", "Above", "Horiz."};

// What an absent coded setting, or a code without a word, shows.
constexpr std::string_view kNoWord = "&nbsp";

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
    {DIMTEXT_JUSTIFICATION, {"dimension justification ", "dimension text just "}, false,
     nullptr},
};

// A code read as a decimal integer: leading white space, an optional sign,
// digits up to the first other character; no digits give 0. Only 0 to 2 have
// words, so the magnitude stops growing past that and huge numbers cannot
// overflow.
int readCode(std::string_view text) {
  size_t at = 0;
  while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  int magnitude = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
    if (magnitude <= 2) magnitude = magnitude * 10 + (text[at] - '0');
  return negative ? -magnitude : magnitude;
}

void decodeSetting(std::span<const Setting> settings, std::string_view keyin, int item,
                   std::string& out) {
  out.clear();
  for (const Setting& setting : settings) {
    if (setting.item != item) continue;
    const size_t phraseCount = setting.phrases[1].empty() ? 1 : 2;
    std::string_view argument;
    const bool found = firstKeyinArgument(
        keyin, std::span<const std::string_view>(setting.phrases.data(), phraseCount), argument);
    if (setting.words) {
      const int code = found ? readCode(argument) : -1;
      out = code >= 0 && code <= 2 ? (*setting.words)[static_cast<size_t>(code)] : kNoWord;
    } else if (found) {
      out = argument;
      if (setting.trimZeros) trimTrailingZeros(out);
    }
    return;
  }
}

}  // namespace

void decodeExtensionLine(std::string_view keyin, int item, std::string& out) {
  decodeSetting(kExtensionSettings, keyin, item, out);
}

void decodeTerminator(std::string_view keyin, int item, std::string& out) {
  decodeSetting(kTerminatorSettings, keyin, item, out);
}

void decodeDimensionText(std::string_view keyin, int item, std::string& out) {
  decodeSetting(kDimTextSettings, keyin, item, out);
}

void decodeExtensionLine(const Dictionary& d, int featureIndex, FieldRole role, std::string& out,
                         int item) {
  decodeExtensionLine(getFieldText(d, featureIndex, role), item, out);
}

void decodeTerminator(const Dictionary& d, int featureIndex, FieldRole role, std::string& out,
                      int item) {
  decodeTerminator(getFieldText(d, featureIndex, role), item, out);
}

void decodeDimensionText(const Dictionary& d, int featureIndex, FieldRole role, std::string& out,
                         int item) {
  decodeDimensionText(getFieldText(d, featureIndex, role), item, out);
}

}  // namespace plotwarden
