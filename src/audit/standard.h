// The standard an audit judges drawings by: every feature of the run's
// dictionaries, by the level (layer) it names, with what it allows.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "dictionary/classification.h"
#include "dictionary/dictionary_store.h"
#include "dictionary/finding.h"

namespace plotwarden::audit {

// What a COLOUR, LINE STYLE or WEIGHT value asks of an entity.
enum class Demand {
  kNone,     // empty, or unreadable: not judged
  kByLayer,  // ByLevel or ByLayer: the entity takes its layer's value
  kByBlock,  // ByCell or ByBlock
  kValue,    // the number or name below
};

struct Property {
  Demand demand = Demand::kNone;
  int number = 0;    // a colour index 0..256, or a weight in hundredths of a millimetre
  std::string name;  // a line style, upper case
};

struct StandardFeature {
  std::string name;
  FeatureCategory category = CATEGORY_NONE;
  ElementTypes elementTypes;
  Property colour;
  Property lineStyle;
  Property weight;
  std::string cellName;  // upper case, as every name below
  std::string textStyle;
  std::string dimensionStyle;
};

struct Standard {
  std::vector<StandardFeature> features;
  // Indexes into `features` by level name in upper case; names with '*'
  // (any run) or '?' (one letter or digit) are patterns.
  std::unordered_map<std::string, std::vector<uint32_t>> byLayer;
  std::vector<std::pair<std::string, std::vector<uint32_t>>> byPattern;
};

// The features on the layer named `upperName`: those of its name, else
// those of every pattern it matches.
std::vector<uint32_t> featuresOnLayer(const Standard& standard, const std::string& upperName);

// The standard of classified dictionaries. A value that reads as no
// colour, line style or weight is not judged, and said once per dictionary
// and property in `findings`.
Standard buildStandard(const std::vector<Dictionary>& dictionaries, Findings& findings);

// ASCII upper case: layer, block and style names compare without case.
std::string upperCase(std::string_view text);

}  // namespace plotwarden::audit
