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

void renderColour(const Dictionary& dictionary, int featureIndex, std::string& raw,
                  std::string& out) {
  if (raw == "yes") {
    out = "yes";
    return;
  }
  std::string main;
  std::string bracket;
  splitBracketedValue(raw, quoteChar(), &main, &bracket, nullptr);
  std::string swatch;
  getFieldText(dictionary, featureIndex, ROLE_RGB, swatch);

  // A colour taken from the level, layer, cell or block names its colour in
  // parentheses, which the swatch shows instead of the RGB field's; in level
  // mode the level forms keep the RGB field's colour.
  if (startsWithNoCase(raw, "bylevel") || startsWithNoCase(raw, "bylayer")) {
    if (layerNaming()) {
      extractParenthesized(raw, swatch);
      main = "ByLayer";
    }
  } else if (startsWithNoCase(raw, "bycell") || startsWithNoCase(raw, "byblock")) {
    extractParenthesized(raw, swatch);
    main = layerNaming() ? "ByBlock" : "ByCell";
  }

  out = "<TABLE align='right'><TR class='cfeature'><TD>";
  appendBracketed(out, main, bracket);
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
  std::string raw;
  switch (role) {
    case ROLE_LEVEL:
    case ROLE_WEIGHT:
    case ROLE_LINE_STYLE: {
      getFieldText(dictionary, featureIndex, role, raw);
      std::string main;
      std::string bracket;
      splitBracketedValue(raw, quoteChar(), &main, &bracket, nullptr);
      appendBracketed(out, main, bracket);
      break;
    }
    case ROLE_COLOUR:
      getFieldText(dictionary, featureIndex, role, raw);
      renderColour(dictionary, featureIndex, raw, out);
      break;
    default:
      // Passed through: fetched straight into the cell, whose storage is reused.
      getFieldText(dictionary, featureIndex, role, out);
      break;
  }
}

}  // namespace plotwarden
