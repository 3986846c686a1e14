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

}  // namespace

void renderSymbologyCell(const Dictionary& dictionary, int featureIndex, FieldRole role,
                         std::string& out) {
  out.clear();
  std::string unquoted;
  switch (role) {
    case ROLE_LEVEL:
    case ROLE_WEIGHT:
    case ROLE_LINE_STYLE: {
      std::string cleaned;
      BracketedParts parts;
      splitBracketedParts(fieldView(dictionary, featureIndex, role, unquoted), quoteChar(),
                          cleaned, parts);
      appendBracketed(out, parts.main, parts.bracket);
      break;
    }
    case ROLE_COLOUR:
      renderColour(dictionary, featureIndex, fieldView(dictionary, featureIndex, role, unquoted),
                   out);
      break;
    default:
      // Passed through: fetched straight into the cell, whose storage is reused.
      getFieldText(dictionary, featureIndex, role, out);
      break;
  }
}

}  // namespace plotwarden
