#include "dictionary/dictionary_store.h"

#include <algorithm>

namespace plotwarden {

namespace {
std::vector<Dictionary>& store() {
  static std::vector<Dictionary> dictionaries;
  return dictionaries;
}
}  // namespace

int dictionaryCount() { return static_cast<int>(store().size()); }

Dictionary* dictionaryAt(int index) {
  if (index < 0 || index >= dictionaryCount()) return nullptr;
  return &store()[static_cast<size_t>(index)];
}

void appendDictionary(Dictionary dictionary) { store().push_back(std::move(dictionary)); }

void appendHeaderCell(Dictionary& dictionary, HeaderCell cell) {
  int32_t& column = dictionary.roleColumns[static_cast<size_t>(cell.role)];
  if (column < 0) column = static_cast<int32_t>(dictionary.header.size());
  dictionary.header.push_back(cell);
}

void FieldEntries::reserve(size_t least) {
  if (least <= capacity) return;
  auto larger = std::make_unique_for_overwrite<uint32_t[]>(least);
  std::copy(begin(), end(), larger.get());
  storage = std::move(larger);
  capacity = least;
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

void groupByCategory(Dictionary& dictionary) {
  std::array<uint32_t, CATEGORY_HATCHING + 2>& starts = dictionary.categoryStarts;
  starts.fill(0);
  for (const Feature& feature : dictionary.features) ++starts[static_cast<size_t>(feature.category) + 1];
  for (size_t category = 1; category < starts.size(); ++category) starts[category] += starts[category - 1];
  std::array<uint32_t, CATEGORY_HATCHING + 2> next = starts;
  dictionary.featuresByCategory.resize(dictionary.features.size());
  for (size_t index = 0; index < dictionary.features.size(); ++index) {
    const auto category = static_cast<size_t>(dictionary.features[index].category);
    dictionary.featuresByCategory[next[category]++] = static_cast<int>(index);
  }
}

void clearFileContent(Dictionary& dictionary) {
  dictionary.text = {};
  dictionary.textStorage.reset();
  dictionary.header.clear();
  dictionary.fieldStarts.clear();
  dictionary.laterFieldStarts.clear();
  dictionary.features.clear();
  dictionary.featuresByCategory.clear();
  dictionary.fieldsMayHoldLineFeeds = true;
  dictionary.featuresWithLineFeeds.clear();
  dictionary.lineFeedsListed = false;
  dictionary.roleColumns = Dictionary::makeNoColumns();
}

void releaseDictionaries() {
  std::vector<Dictionary>().swap(store());
}

}  // namespace plotwarden
