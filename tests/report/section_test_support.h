// Shared by the section writer tests: a dictionary whose features have been
// given their report categories, as the summary would have.
#pragma once

#include <cstddef>
#include <initializer_list>

#include "dictionary/dictionary_store.h"

namespace plotwarden::test_support {

inline Dictionary categorized(Dictionary dictionary,
                              std::initializer_list<FeatureCategory> categories) {
  size_t i = 0;
  for (FeatureCategory category : categories) dictionary.features.at(i++).category = category;
  return dictionary;
}

}  // namespace plotwarden::test_support
