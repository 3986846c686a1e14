#include "report/section_members.h"

#include <algorithm>
#include <vector>

namespace plotwarden {

// The indexes of the features whose category is in `categories`, in
// dictionary order. Without a branch per feature: sections interleave their
// categories at random, which no branch predicts. Room is made for every
// feature, but nothing clears it first, so only what the section's own
// indexes fill is ever touched.
static std::span<const int> featuresOf(const Dictionary& dictionary, unsigned categories,
                                       std::unique_ptr<int[]>& storage) {
  const std::vector<Feature>& features = dictionary.features;
  storage = std::make_unique_for_overwrite<int[]>(features.size() + 1);
  size_t count = 0;
  for (size_t index = 0; index < features.size(); ++index) {
    storage[count] = static_cast<int>(index);
    count += (categoryBit(features[index].category) & categories) != 0;
  }
  return std::span<const int>(storage.get(), count);
}

std::span<const int> sectionMembers(const Dictionary& dictionary, unsigned categories,
                                    std::unique_ptr<int[]>& storage) {
  if (!isGroupedByCategory(dictionary)) return featuresOf(dictionary, categories, storage);
  std::vector<std::span<const int>> groups;
  size_t total = 0;
  for (size_t category = 0; category + 1 < dictionary.categoryStarts.size(); ++category) {
    if ((categories & categoryBit(static_cast<FeatureCategory>(category))) == 0) continue;
    const uint32_t first = dictionary.categoryStarts[category];
    const uint32_t end = dictionary.categoryStarts[category + 1];
    groups.emplace_back(dictionary.featuresByCategory.get() + first, end - first);
    total += end - first;
  }
  if (groups.size() == 1) return groups.front();
  storage = std::make_unique_for_overwrite<int[]>(total + 1);
  int* merged = storage.get();
  size_t used = 0;
  for (std::span<const int> group : groups) {
    std::copy(group.begin(), group.end(), merged + used);
    std::inplace_merge(merged, merged + used, merged + used + group.size());
    used += group.size();
  }
  return std::span<const int>(merged, used);
}

}  // namespace plotwarden
