#include "keyin/symbology.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "keyin/field_access.h"
#include "keyin/keyin_scan.h"
#include "platform/ascii_case.h"
#include "platform/text_compose.h"

namespace plotwarden {

namespace {

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  return equalsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

// 'main[bracket]', or main alone when the bracket text is empty.
std::string_view composeBracketed(std::string& buffer, std::string_view main,
                                  std::string_view bracket) {
  if (bracket.empty()) return composeText(buffer, main);
  return composeText(buffer, main, "[", bracket, "]");
}

// A field as fieldView fetched it, and whether it is a view into the
// dictionary's text (not into the string it was unquoted into), which
// holds neither a NUL nor the quote character.
struct Fetched {
  std::string_view text;
  bool plain;
  char quote;  // the dictionary's
};

Fetched fetchField(const Dictionary& dictionary, int featureIndex, FieldRole role,
                   std::string& unquoted) {
  const std::string_view text = fieldView(dictionary, featureIndex, role, unquoted);
  return {text, text.data() != unquoted.data(), dictionary.textRules.quote};
}

bool splitFetched(const Fetched& raw, std::string& cleaned, BracketedParts& parts) {
  if (raw.plain) return splitPlainBracketedParts(raw.text, parts);
  return splitBracketedParts(raw.text, raw.quote, cleaned, parts);
}

// 'main[bracket]' of a LEVEL, WEIGHT or LINE STYLE value: without a bracket
// text it is the cleaned main text, a view into the field where it can be.
// The value may lie in `scratch`.
std::string_view renderBracketed(const Fetched& raw, std::string& scratch) {
  if (raw.plain && isTidyPlainValue(raw.text)) return raw.text;
  std::string cleaned;
  BracketedParts parts;
  splitFetched(raw, cleaned, parts);
  if (parts.bracket.empty()) {
    if (parts.main.empty()) return {};
    // Without quotes to drop the main text lies in the field itself (or in
    // `scratch`, holding the field unquoted).
    if (cleaned.empty()) return parts.main;
    scratch.assign(parts.main);
    return scratch;
  }
  // The parts may lie in `scratch` itself when the field was quoted.
  if (raw.text.data() == scratch.data()) {
    std::string composed;
    scratch.assign(composeBracketed(composed, parts.main, parts.bracket));
    return scratch;
  }
  return composeBracketed(scratch, parts.main, parts.bracket);
}

}  // namespace

ColourValue colourValue(const Dictionary& dictionary, int featureIndex, bool layerNaming,
                        ColourScratch& scratch) {
  const Fetched raw = fetchField(dictionary, featureIndex, ROLE_COLOUR, scratch.unquoted);
  if (raw.text == "yes") return {"yes", {}, {}, false};
  BracketedParts parts;
  splitFetched(raw, scratch.cleaned, parts);
  ColourValue value{parts.main, parts.bracket,
                    fieldView(dictionary, featureIndex, ROLE_RGB, scratch.rgb), true};

  // A colour taken from the level, layer, cell or block names its colour in
  // parentheses, which the swatch shows instead of the RGB field's; in level
  // mode the level forms keep the RGB field's colour.
  if (startsWithNoCase(raw.text, "bylevel") || startsWithNoCase(raw.text, "bylayer")) {
    if (layerNaming) {
      value.swatch = parenthesized(raw.text);
      value.main = "ByLayer";
    }
  } else if (startsWithNoCase(raw.text, "bycell") || startsWithNoCase(raw.text, "byblock")) {
    value.swatch = parenthesized(raw.text);
    value.main = layerNaming ? "ByBlock" : "ByCell";
  }
  return value;
}

std::string_view symbologyView(const Dictionary& dictionary, int featureIndex, FieldRole role,
                               std::string& scratch) {
  switch (role) {
    case ROLE_LEVEL:
    case ROLE_WEIGHT:
    case ROLE_LINE_STYLE:
      return renderBracketed(fetchField(dictionary, featureIndex, role, scratch), scratch);
    default:
      return fieldView(dictionary, featureIndex, role, scratch);
  }
}

}  // namespace plotwarden
