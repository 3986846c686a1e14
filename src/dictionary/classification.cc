#include "dictionary/classification.h"

#include "dictionary/list_matching.h"
#include "dictionary/run_options.h"
#include "keyin/keyin_scan.h"
#include "platform/decimal_text.h"

namespace plotwarden {

namespace {

// Field texts are examined up to this many characters.
constexpr long kFieldCut = 511;
// Every list test starts from these bounds.
constexpr int32_t kLowestElementType = 0;
constexpr int32_t kHighestElementType = 110;

// Reused across the features of one pass, so a pass allocates nothing per feature.
struct PassBuffers {
  std::string field;
  std::string name;
  std::string list;
  std::string number;
};

bool elementTypesMatch(std::string_view field, const CategoryRule& rule, PassBuffers& buffers) {
  if (rule.elementTypes.empty()) return false;
  int bracketed = 0;
  splitBracketedValue(field, quoteChar(), &buffers.name, &buffers.list, &bracketed);
  for (int32_t elementType : rule.elementTypes) {
    buffers.number = std::to_string(elementType);
    if (!buffers.name.empty() && buffers.name == buffers.number) return true;
    int32_t lower = kLowestElementType;
    int32_t upper = kHighestElementType;
    if (bracketed &&
        matchInList(buffers.list, buffers.number, 3, " ", " ", "", fieldSeparatorText(),
                    quoteText(), lower, upper, nullptr, false))
      return true;
  }
  return false;
}

}  // namespace

CategoryRule categoryRule(FeatureCategory category) {
  switch (category) {
    case CATEGORY_CELLS: return {category, {2, 35}, 0};
    case CATEGORY_LINEAR: return {category, {3, 4, 6, 11, 12, 14, 15, 16, 27}, 1};
    case CATEGORY_TEXT: return {category, {7, 17, 37}, 3};
    case CATEGORY_DIMENSIONS: return {category, {33}, 6};
    case CATEGORY_SOLIDS: return {category, {2, 18, 19, 23, 24, 105}, 9};
    case CATEGORY_LEADERS: return {category, {}, 7};
    case CATEGORY_HATCHING: return {category, {}, 8};
    default: return {};
  }
}

int findElementTypesColumn(const Dictionary& dictionary) {
  return findFieldColumn(dictionary, ROLE_ELEMENT_TYPES);
}

int findFeatureTypeColumn(const Dictionary& dictionary) {
  return findFieldColumn(dictionary, ROLE_FEATURE_TYPE);
}

int classifyFeatures(Dictionary& dictionary, const CategoryRule& rule) {
  int column = findElementTypesColumn(dictionary);
  bool byElementTypes = column >= 0;
  if (!byElementTypes) column = findFeatureTypeColumn(dictionary);
  if (column < 0) return 0;

  PassBuffers buffers;
  int matches = 0;
  for (Feature& feature : dictionary.features) {
    if (feature.fieldCount < static_cast<uint32_t>(column) + 1) continue;
    takeToken(&buffers.field, featureField(dictionary, feature, column), " \t", " \t", "", "\n",
              "", quoteText(), kFieldCut);
    bool match = byElementTypes ? elementTypesMatch(buffers.field, rule, buffers)
                                : leadingInteger(buffers.field) == rule.featureTypeValue;
    if (match) {
      feature.category = rule.category;
      ++matches;
    }
  }
  return matches;
}

void runClassificationPass(Dictionary& dictionary, FeatureCategory category,
                           std::string& countText) {
  countText = std::to_string(classifyFeatures(dictionary, categoryRule(category)));
}

}  // namespace plotwarden
