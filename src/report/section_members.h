// Which features a section lists: those of its categories, in dictionary order.
#pragma once

#include <memory>
#include <span>

#include "dictionary/dictionary_store.h"

namespace plotwarden {

// Bit of a category in a set of categories.
constexpr unsigned categoryBit(FeatureCategory category) { return 1u << category; }

// The indexes of the features whose category is in `categories` (a set of
// categoryBit), in dictionary order: the group of a category the dictionary
// keeps, or the groups of several merged (into `storage`), without a look at
// every feature; a scan where the dictionary keeps no groups.
std::span<const int> sectionMembers(const Dictionary& dictionary, unsigned categories,
                                    std::unique_ptr<int[]>& storage);

}  // namespace plotwarden
