#include "dictionary/dictionary_store.h"

#include <algorithm>

namespace plotwarden {

void appendHeaderCell(Dictionary& dictionary, HeaderCell cell) {
  int32_t& column = dictionary.roleColumns[static_cast<size_t>(cell.role)];
  if (column < 0) column = static_cast<int32_t>(dictionary.header.size());
  dictionary.header.push_back(cell);
}

void appendFeature(Dictionary& dictionary) {
  Feature feature;
  feature.firstField = static_cast<uint32_t>(dictionary.fieldStarts.size());
  dictionary.features.push_back(feature);
}

void setText(Dictionary& dictionary, std::string_view text) {
  dictionary.textStorage = std::make_unique_for_overwrite<char[]>(text.size() + 1);
  std::copy(text.begin(), text.end(), dictionary.textStorage.get());
  dictionary.textStorage[text.size()] = '\0';
  dictionary.text = std::string_view(dictionary.textStorage.get(), text.size());
}

CategoryCounts countCategories(const Dictionary& dictionary, size_t first, size_t end) {
  CategoryCounts counts{};
  for (size_t index = first; index < end; ++index)
    ++counts[static_cast<size_t>(dictionary.features[index].category)];
  return counts;
}

std::vector<CategoryCounts> placeCategoryGroups(Dictionary& dictionary,
                                                const std::vector<CategoryCounts>& rangeCounts) {
  std::vector<CategoryCounts> places(rangeCounts.size());
  uint32_t next = 0;
  for (size_t category = 0; category < CategoryCounts().size(); ++category) {
    dictionary.categoryStarts[category] = next;
    for (size_t range = 0; range < rangeCounts.size(); ++range) {
      places[range][category] = next;
      next += rangeCounts[range][category];
    }
  }
  dictionary.categoryStarts.back() = next;
  // Not cleared: the ranges filling it share the first touches of its memory.
  dictionary.featuresByCategory = std::make_unique_for_overwrite<int[]>(next + size_t{1});
  return places;
}

void fillCategoryGroups(Dictionary& dictionary, size_t first, size_t end, CategoryCounts places) {
  int* groups = dictionary.featuresByCategory.get();
  for (size_t index = first; index < end; ++index)
    groups[places[static_cast<size_t>(dictionary.features[index].category)]++] =
        static_cast<int>(index);
}

void groupByCategory(Dictionary& dictionary) {
  const size_t features = dictionary.features.size();
  const std::vector<CategoryCounts> places =
      placeCategoryGroups(dictionary, {countCategories(dictionary, 0, features)});
  fillCategoryGroups(dictionary, 0, features, places[0]);
}

void clearFileContent(Dictionary& dictionary) {
  dictionary.text = {};
  dictionary.textStorage.reset();
  dictionary.header.clear();
  dictionary.fieldStarts.clear();
  dictionary.laterFieldStarts.clear();
  dictionary.features.clear();
  dictionary.featuresByCategory.reset();
  dictionary.fieldsMayHoldLineFeeds = true;
  dictionary.featuresWithLineFeeds.clear();
  dictionary.lineFeedsListed = false;
  dictionary.roleColumns = Dictionary::makeNoColumns();
}

}  // namespace plotwarden
