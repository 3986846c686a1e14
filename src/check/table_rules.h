// Rules over how features were sorted into tables: features in no table,
// grouped by why (nothing to sort by, a list cut or separated with another
// character than the file's, types that match no table), and blank rows
// that still count as features.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "check/checked_file.h"
#include "dictionary/classification.h"

namespace plotwarden {

// The passes (bit i: kPassOrder[i]) that the classification field `raw`
// matches when lists are cut at `separator`.
uint8_t passesMatched(std::string_view raw, bool byElementTypes, char separator, char quote);

// The word for a category in findings and summaries ("linear", "cells").
std::string_view categoryWord(FeatureCategory category);

// Needs the features' categories set.
void checkTables(const CheckedFile& file, Findings& findings);

// How many features are in no table, blank rows not counted.
uint64_t featuresInNoTable(const Dictionary& dictionary);

}  // namespace plotwarden
