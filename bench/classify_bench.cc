// Classification speed: the seven passes over a million features, once for
// a dictionary classified by "ELEMENT TYPES" lists (numbers, ranges and
// patterns) and once for one classified by "FEATURE TYPE" codes.
#include <cstdio>
#include <string>

#include "bench_timing.h"
#include "dictionary/classification.h"
#include "dictionary/dictionary_reader.h"
#include "synthetic_dictionary.h"

namespace {

using namespace plotwarden;

constexpr size_t kFeatures = 1000000;
constexpr int kRounds = 3;

void measure(const char* shape, bench::FeatureMix mix) {
  Dictionary dictionary;
  if (!loadDictionaryText(dictionary, bench::makeDictionary(mix, kFeatures, 1), ',', '"', '#')
           .ok()) {
    std::fprintf(stderr, "could not load the %s dictionary\n", shape);
    return;
  }
  const double seconds = bench::bestSeconds(
      kRounds,
      [&] {
        for (Feature& feature : dictionary.features) feature.category = CATEGORY_NONE;
      },
      [&] { classifyDictionary(dictionary); });
  const double features = static_cast<double>(dictionary.featureCount());
  std::printf("%-16s %10.0f %10.4f %14.0f\n", shape, features, seconds, features / seconds);
}

}  // namespace

int main() {
  std::printf("%-16s %10s %10s %14s\n", "classified by", "features", "seconds", "features/s");
  measure("element types", bench::MIX_ELEMENT_TYPES);
  measure("feature type", bench::MIX_FEATURE_TYPES);
  return 0;
}
