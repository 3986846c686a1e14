#include "report/feature_loop.h"

#include <algorithm>

#include "platform/prefetch.h"

namespace plotwarden {

// Cache lines are 64 bytes on the machines this runs on; a line of a
// dictionary rarely needs more than a few of them.
constexpr size_t kCacheLine = 64;
constexpr size_t kTextLinesAhead = 4;

// Starts fetching every cache line that holds one of the `bytes` bytes at
// `first`: one every line's length, and the last byte's line, which a text
// that does not start a line reaches into.
PLOTWARDEN_PREFETCHING static inline void prefetchBytes(const char* first, size_t bytes) {
  if (bytes == 0) return;
  for (size_t offset = 0; offset < bytes; offset += kCacheLine) prefetchMemory(first + offset);
  prefetchMemory(first + bytes - 1);
}

// Start fetching the field starts, or the text, of a feature.
PLOTWARDEN_PREFETCHING static inline void prefetchFeatureCells(const Dictionary& dictionary,
                                                               const Feature& feature) {
  if (feature.fieldCount == 0) return;
  prefetchBytes(reinterpret_cast<const char*>(featureEntries(dictionary, feature)),
                (feature.fieldCount + 1) * sizeof(uint32_t));
}

PLOTWARDEN_PREFETCHING static inline void prefetchFeatureText(const Dictionary& dictionary,
                                                              const Feature& feature) {
  if (feature.fieldCount == 0) return;
  const uint32_t* entries = featureEntries(dictionary, feature);
  const size_t start = entries[0];
  const size_t lastFieldEnd = entries[feature.fieldCount] - 1;
  const size_t end = std::min<size_t>(lastFieldEnd, start + kTextLinesAhead * kCacheLine);
  prefetchBytes(dictionary.text.data() + start, end - start);
}

// Writes `features`, which lie scattered over the dictionary's Features,
// cells and text, far too large to stay in the processor's caches: while one
// is written, the Feature sixteen ahead, the cells of the one eight ahead
// and the text of the one four ahead are asked for, each found by way of
// what was asked for before, so they are there in time.
void writeFeatures(TableWriter& writer, const Dictionary& dictionary, std::span<const int> features,
                   const FeatureWriter& writeFeature) {
  constexpr size_t kFeatureAhead = 16;
  constexpr size_t kCellsAhead = 8;
  constexpr size_t kTextAhead = 4;
  auto feature = [&](size_t i) -> const Feature& {
    return dictionary.features[static_cast<size_t>(features[i])];
  };
  for (size_t i = 0; i < features.size(); ++i) {
    if (i + kFeatureAhead < features.size()) prefetchMemory(&feature(i + kFeatureAhead));
    if (i + kCellsAhead < features.size())
      prefetchFeatureCells(dictionary, feature(i + kCellsAhead));
    if (i + kTextAhead < features.size()) prefetchFeatureText(dictionary, feature(i + kTextAhead));
    beginFeature(writer.cells, dictionary, features[i]);
    writeFeature(writer);
  }
}

}  // namespace plotwarden
