#include "audit/standard.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "check/checked_file.h"
#include "check/text_lines.h"
#include "dictionary/list_matching.h"
#include "keyin/field_access.h"
#include "keyin/keyin_scan.h"
#include "platform/ascii_case.h"

namespace plotwarden::audit {

namespace {

// The main text of a field, without its bracket.
std::string mainText(const Dictionary& d, int index, FieldRole role) {
  std::string scratch;
  std::string cleaned;
  BracketedParts parts;
  splitBracketedParts(fieldView(d, index, role, scratch), d.textRules.quote, cleaned, parts);
  return std::string(parts.main);
}

std::string upperText(const Dictionary& d, int index, FieldRole role) {
  return upperCase(mainText(d, index, role));
}

// The demand of a by-level, by-layer, by-cell or by-block form, if the
// text is one.
std::optional<Demand> byForm(std::string_view text) {
  if (text.starts_with("BYLEVEL") || text.starts_with("BYLAYER")) return Demand::kByLayer;
  if (text.starts_with("BYCELL") || text.starts_with("BYBLOCK")) return Demand::kByBlock;
  return std::nullopt;
}

bool isWholeNumber(std::string_view text) {
  return !text.empty() && text.size() <= 3 &&
         text.find_first_not_of("0123456789") == std::string_view::npos;
}

// Nothing for a value that is none of the forms: it is not judged.
std::optional<Property> readColour(const std::string& text) {
  if (text.empty() || text == "YES") return Property{};
  if (auto by = byForm(text)) return Property{*by, 0, {}};
  if (isWholeNumber(text) && std::atoi(text.c_str()) <= 255)
    return Property{Demand::kValue, std::atoi(text.c_str()), {}};
  return std::nullopt;
}

// A numbered style is a level-mode line code: 0 is the solid line DXF
// calls CONTINUOUS; the dashed codes 1 to 7 have no DXF name to compare.
Property readLineStyle(const std::string& text) {
  if (text.empty()) return Property{};
  if (auto by = byForm(text)) return Property{*by, 0, {}};
  if (isWholeNumber(text))
    return text == "0" ? Property{Demand::kValue, 0, "CONTINUOUS"} : Property{};
  return Property{Demand::kValue, 0, text};
}

// A weight in millimetres ("0.25", "0,25" or "2").
std::optional<Property> readWeight(const std::string& text) {
  if (text.empty()) return Property{};
  if (auto by = byForm(text)) return Property{*by, 0, {}};
  std::string decimal = text;
  for (char& c : decimal)
    if (c == ',') c = '.';
  char* end = nullptr;
  const double millimetres = std::strtod(decimal.c_str(), &end);
  if (end == decimal.c_str() || *end != '\0' || !(millimetres >= 0) || millimetres > 100)
    return std::nullopt;
  return Property{Demand::kValue, static_cast<int>(std::lround(millimetres * 100)), {}};
}

// Values of one property of one dictionary that could not be read.
struct Unreadable {
  uint64_t count = 0;
  uint32_t firstOffset = 0;
  std::string first;
};

void noteUnreadable(const Dictionary& d, const LineStarts& lines, const Unreadable& unreadable,
                    std::string_view what, std::string_view code, Findings& findings) {
  if (unreadable.count == 0) return;
  findings.push_back({d.filePath, lineAt(lines, unreadable.firstOffset),
                      columnAt(lines, unreadable.firstOffset), Severity::kWarning,
                      std::string(code),
                      counted(unreadable.count, "value", "values") + " of " + std::string(what) +
                          " cannot be read (first: " + quotedText(unreadable.first) +
                          "); the audit does not judge them"});
}

}  // namespace

std::vector<uint32_t> featuresOnLayer(const Standard& standard, const std::string& upperName) {
  if (auto named = standard.byLayer.find(upperName); named != standard.byLayer.end())
    return named->second;
  std::vector<uint32_t> matched;
  for (const auto& [pattern, features] : standard.byPattern)
    if (wildcardMatch(pattern, upperName, WildcardLevel::kAnyCharacter, false))
      matched.insert(matched.end(), features.begin(), features.end());
  return matched;
}

std::string upperCase(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = asciiUpper(c);
  return upper;
}

Standard buildStandard(const std::vector<Dictionary>& dictionaries, Findings& findings) {
  Standard standard;
  for (const Dictionary& d : dictionaries) {
    const LineStarts lines = findLineStarts(d.text);
    Unreadable colours, weights;
    auto read = [&](auto reader, const std::string& text, Unreadable& unreadable,
                    const Feature& feature) {
      if (auto property = reader(upperCase(text))) return *property;
      if (unreadable.count++ == 0) {
        unreadable.firstOffset = featureStart(d, feature);
        unreadable.first = text;
      }
      return Property{};
    };
    for (int index = 0; index < d.featureCount(); ++index) {
      const Feature& feature = d.features[static_cast<size_t>(index)];
      std::string level = upperText(d, index, ROLE_LEVEL);
      if (level.empty()) continue;
      StandardFeature f;
      std::string scratch;
      f.name = std::string(fieldView(d, index, ROLE_FEATURE_NAME, scratch));
      f.category = feature.category;
      f.elementTypes = allowedElementTypes(d, index);
      f.colour = read(readColour, mainText(d, index, ROLE_COLOUR), colours, feature);
      f.lineStyle = readLineStyle(upperText(d, index, ROLE_LINE_STYLE));
      f.weight = read(readWeight, mainText(d, index, ROLE_WEIGHT), weights, feature);
      f.cellName = upperText(d, index, ROLE_CELL_NAME);
      f.textStyle = upperText(d, index, ROLE_TEXT_STYLE);
      f.dimensionStyle = upperText(d, index, ROLE_DIM_STYLE);
      const auto featureIndex = static_cast<uint32_t>(standard.features.size());
      standard.features.push_back(std::move(f));
      if (level.find_first_of("*?") == std::string::npos) {
        standard.byLayer[level].push_back(featureIndex);
        continue;
      }
      auto pattern = std::find_if(standard.byPattern.begin(), standard.byPattern.end(),
                                  [&](const auto& entry) { return entry.first == level; });
      if (pattern == standard.byPattern.end())
        pattern = standard.byPattern.insert(pattern, {level, {}});
      pattern->second.push_back(featureIndex);
    }
    noteUnreadable(d, lines, colours, "COLOUR", "standard-colour", findings);
    noteUnreadable(d, lines, weights, "WEIGHT", "standard-weight", findings);
  }
  return standard;
}

}  // namespace plotwarden::audit
