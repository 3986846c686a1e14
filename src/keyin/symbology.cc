#include "keyin/symbology.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "keyin/field_access.h"
#include "keyin/keyin_scan.h"
#include "platform/ascii_case.h"

namespace plotwarden {

namespace {

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  return equalsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

// Copies `pieces` one after another into the start of `buffer` and returns
// the text they make. The buffer's size only grows, and what lies past the
// text is left as it is, so that composing a cell is copying its pieces,
// with no character cleared first and no growth per piece. No piece may
// lie in the buffer.
template <typename... Pieces>
std::string_view composeText(std::string& buffer, const Pieces&... pieces) {
  const size_t total = (std::string_view(pieces).size() + ...);
  if (buffer.size() < total) buffer.resize(std::max(total, 2 * buffer.size()));
  char* to = buffer.data();
  auto copy = [&to](std::string_view piece) {
    if (!piece.empty()) std::memcpy(to, piece.data(), piece.size());
    to += piece.size();
  };
  (copy(std::string_view(pieces)), ...);
  return std::string_view(buffer.data(), total);
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

// The swatch table of a COLOUR value, composed in `out`. The value and the
// views made of it lie in the dictionary's text or in strings of this call,
// never in `out`.
std::string_view renderColour(const Dictionary& dictionary, int featureIndex, const Fetched& raw,
                              bool layerNaming, std::string& out) {
  if (raw.text == "yes") return "yes";
  std::string cleaned;
  BracketedParts parts;
  splitFetched(raw, cleaned, parts);
  std::string_view main = parts.main;
  std::string rgb;
  std::string_view swatch = fieldView(dictionary, featureIndex, ROLE_RGB, rgb);

  // A colour taken from the level, layer, cell or block names its colour in
  // parentheses, which the swatch shows instead of the RGB field's; in level
  // mode the level forms keep the RGB field's colour.
  if (startsWithNoCase(raw.text, "bylevel") || startsWithNoCase(raw.text, "bylayer")) {
    if (layerNaming) {
      swatch = parenthesized(raw.text);
      main = "ByLayer";
    }
  } else if (startsWithNoCase(raw.text, "bycell") || startsWithNoCase(raw.text, "byblock")) {
    swatch = parenthesized(raw.text);
    main = layerNaming ? "ByBlock" : "ByCell";
  }

  const std::string_view open = parts.bracket.empty() ? "" : "[";
  const std::string_view close = parts.bracket.empty() ? "" : "]";
  constexpr std::string_view kTableStart = "<TABLE align='right'><TR class='cfeature'><TD>";
  if (swatch.empty())
    return composeText(out, kTableStart, main, open, parts.bracket, close, "</TD></TABLE>");
  return composeText(out, kTableStart, main, open, parts.bracket, close,
                     "</TD><TD  width='15' bgcolor='#", swatch, "'><font color='#", swatch,
                     "'>W</font></TD></TABLE>");
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

std::string_view symbologyView(const Dictionary& dictionary, int featureIndex, FieldRole role,
                               bool layerNaming, std::string& scratch) {
  switch (role) {
    case ROLE_LEVEL:
    case ROLE_WEIGHT:
    case ROLE_LINE_STYLE:
      return renderBracketed(fetchField(dictionary, featureIndex, role, scratch), scratch);
    case ROLE_COLOUR: {
      std::string unquoted;
      return renderColour(dictionary, featureIndex,
                          fetchField(dictionary, featureIndex, role, unquoted), layerNaming,
                          scratch);
    }
    default:
      return fieldView(dictionary, featureIndex, role, scratch);
  }
}

void renderSymbologyCell(const Dictionary& dictionary, int featureIndex, FieldRole role,
                         bool layerNaming, std::string& out) {
  std::string scratch;
  out.assign(symbologyView(dictionary, featureIndex, role, layerNaming, scratch));
}

}  // namespace plotwarden
