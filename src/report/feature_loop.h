// The loop that writes a section's features, with the prefetching that
// keeps it fed.
#pragma once

#include <span>

#include "dictionary/dictionary_store.h"
#include "report/column_table.h"

namespace plotwarden {

// Writes `features` (indexes into the dictionary) in order with
// `writeFeature`, each begun in the writer's cells first.
void writeFeatures(TableWriter& writer, const Dictionary& dictionary, std::span<const int> features,
                   const FeatureWriter& writeFeature);

}  // namespace plotwarden
