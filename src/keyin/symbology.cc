#include "keyin/symbology.h"

#include <string_view>

#include "dictionary/run_options.h"
#include "keyin/field_access.h"
#include "keyin/keyin_scan.h"

namespace plotwarden {

namespace {

// The program runs in the C locale, where toupper changes only 'a' to 'z';
// folding those here spares a library call for every character of every
// colour cell.
char upperCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (upperCase(text[i]) != upperCase(prefix[i])) return false;
  return true;
}

void renderColour(const Dictionary& dictionary, int featureIndex, std::string_view raw,
                  std::string& out) {
  if (raw == "yes") {
    out = "yes";
    return;
  }
  std::string cleaned;
  BracketedParts parts;
  splitBracketedParts(raw, quoteChar(), cleaned, parts);
  std::string_view main = parts.main;
  std::string rgb;
  std::string_view swatch = fieldView(dictionary, featureIndex, ROLE_RGB, rgb);

  // A colour taken from the level, layer, cell or block names its colour in
  // parentheses, which the swatch shows instead of the RGB field's; in level
  // mode the level forms keep the RGB field's colour.
  std::string value;
  std::string named;
  if (startsWithNoCase(raw, "bylevel") || startsWithNoCase(raw, "bylayer")) {
    if (layerNaming()) {
      value.assign(raw);
      extractParenthesized(value, named);
      swatch = named;
      main = "ByLayer";
    }
  } else if (startsWithNoCase(raw, "bycell") || startsWithNoCase(raw, "byblock")) {
    value.assign(raw);
    extractParenthesized(value, named);
    swatch = named;
    main = layerNaming() ? "ByBlock" : "ByCell";
  }

  out.assign("<TABLE align='right'><TR class='cfeature'><TD>");
  appendBracketed(out, main, parts.bracket);
  out += "</TD>";
  if (!swatch.empty()) {
    out += "<TD  width='15' bgcolor='#";
    out += swatch;
    out += "'><font color='#";
    out += swatch;
    out += "'>W</font></TD>";
  }
  out += "</TABLE>";
}

// 'main[bracket]' of a LEVEL, WEIGHT or LINE STYLE value: without a bracket
// text it is the cleaned main text, a view into the field where it can be.
std::string_view renderBracketed(std::string_view raw, std::string& scratch) {
  std::string cleaned;
  BracketedParts parts;
  splitBracketedParts(raw, quoteChar(), cleaned, parts);
  if (parts.bracket.empty()) {
    if (parts.main.empty()) return {};
    // Without quotes to drop the main text lies in the field itself (or in
    // `scratch`, holding the field unquoted).
    if (cleaned.empty()) return parts.main;
    scratch.assign(parts.main);
    return scratch;
  }
  // The parts may lie in `scratch` itself when the field was quoted.
  if (raw.data() == scratch.data()) {
    std::string composed;
    appendBracketed(composed, parts.main, parts.bracket);
    scratch.assign(composed);
    return scratch;
  }
  scratch.clear();
  appendBracketed(scratch, parts.main, parts.bracket);
  return scratch;
}

}  // namespace

std::string_view symbologyView(const Dictionary& dictionary, int featureIndex, FieldRole role,
                               std::string& scratch) {
  switch (role) {
    case ROLE_LEVEL:
    case ROLE_WEIGHT:
    case ROLE_LINE_STYLE:
      return renderBracketed(fieldView(dictionary, featureIndex, role, scratch), scratch);
    case ROLE_COLOUR: {
      std::string unquoted;
      renderColour(dictionary, featureIndex, fieldView(dictionary, featureIndex, role, unquoted),
                   scratch);
      return scratch;
    }
    default:
      return fieldView(dictionary, featureIndex, role, scratch);
  }
}

void renderSymbologyCell(const Dictionary& dictionary, int featureIndex, FieldRole role,
                         std::string& out) {
  std::string scratch;
  out.assign(symbologyView(dictionary, featureIndex, role, scratch));
}

}  // namespace plotwarden
