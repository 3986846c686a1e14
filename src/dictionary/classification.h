// Sorting features into report categories by their "ELEMENT TYPES" list or,
// when a dictionary has no such column, by their "FEATURE TYPE" code.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "dictionary/dictionary_store.h"
#include "dictionary/split_reading.h"

namespace plotwarden {

// The input of one pass: the category it assigns, the element type numbers
// that select it, and the "FEATURE TYPE" value that selects it.
struct CategoryRule {
  FeatureCategory category = CATEGORY_NONE;
  std::vector<int32_t> elementTypes;
  int32_t featureTypeValue = -1;
};

// The passes in the order they run; a feature matched by several keeps the
// category of the last.
constexpr FeatureCategory kPassOrder[] = {CATEGORY_CELLS,      CATEGORY_LINEAR, CATEGORY_TEXT,
                                          CATEGORY_DIMENSIONS, CATEGORY_SOLIDS, CATEGORY_LEADERS,
                                          CATEGORY_HATCHING};
constexpr size_t kPassCount = std::size(kPassOrder);

// The rule of a category's pass.
CategoryRule categoryRule(FeatureCategory category);

int findElementTypesColumn(const Dictionary& dictionary);
int findFeatureTypeColumn(const Dictionary& dictionary);

// Sorts every feature into its category: the last pass in kPassOrder whose
// rule matches it. Sets the dictionary's count of each pass's matches (a
// feature matched by two passes counts in both) and groups the features by
// category (groupByCategory). Ranges of at least `fewestPerThread` features,
// several per thread, are classified side by side on the threads of
// `concurrency`.
void classifyDictionary(Dictionary& dictionary,
                        const LoadConcurrency& concurrency = defaultLoadConcurrency(),
                        size_t fewestPerThread = 1 << 16);

// The element type numbers a list may name: 0 to 110.
constexpr int32_t kHighestElementType = 110;
using ElementTypes = std::bitset<kHighestElementType + 1>;

// The element types feature `featureIndex` allows, judged as the passes
// judge a type: in ELEMENT TYPES a name equal to the number or a bracketed
// list that accepts it; without that column, those of the pass whose
// FEATURE TYPE code the feature has. None when the row has no such field.
ElementTypes allowedElementTypes(const Dictionary& dictionary, int featureIndex);

// The match counts classifyDictionary set, in pass order.
std::array<int, kPassCount> passCounts(const Dictionary& dictionary);

}  // namespace plotwarden
