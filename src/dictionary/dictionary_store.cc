#include "dictionary/dictionary_store.h"

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

void appendFeature(Dictionary& dictionary) {
  Feature feature;
  feature.firstField = static_cast<uint32_t>(dictionary.fieldStarts.size());
  dictionary.features.push_back(feature);
}

void clearFileContent(Dictionary& dictionary) {
  dictionary.text.clear();
  dictionary.header.clear();
  dictionary.fieldStarts.clear();
  dictionary.features.clear();
  dictionary.roleColumns = Dictionary::makeNoColumns();
}

void releaseDictionaries() {
  std::vector<Dictionary>().swap(store());
}

}  // namespace plotwarden
