// Sorting features into report categories by their "ELEMENT TYPES" list or,
// when a dictionary has no such column, by their "FEATURE TYPE" code.
#pragma once

#include <array>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "dictionary/dictionary_store.h"

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

// Runs one pass: sets the category of every feature the rule matches and
// returns how many it matched. The features' grouping by category is
// forgotten.
int classifyFeatures(Dictionary& dictionary, const CategoryRule& rule);

// Runs every pass in kPassOrder, with the same outcome as running them one
// after the other, but reads each feature's field once for all of them;
// counts[i] is the count of pass i, and the features are grouped by their
// categories (groupByCategory). Ranges of at least `fewestPerThread`
// features, several per thread, are classified side by side on as many
// threads as a long text is read with.
void classifyInPassOrder(Dictionary& dictionary, std::array<int, kPassCount>& counts,
                         size_t fewestPerThread = 1 << 16);

}  // namespace plotwarden
