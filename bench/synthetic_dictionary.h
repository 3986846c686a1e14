// Synthetic but realistic dictionaries for the benchmarks: every category,
// element-type lists with numbers, ranges and patterns, key-ins of every
// kind, quoted fields with separators and doubled quotes inside, bracketed
// qualifiers, colours by number, by level or cell and with RGB, comment and
// header-continuation lines, and library features whose symbol listings are
// written beside the report. The same arguments always give the same bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace plotwarden::bench {

// Which features a dictionary holds.
enum FeatureMix {
  MIX_ELEMENT_TYPES,  // classified by "ELEMENT TYPES" lists: cells, linear, text,
                      // dimensions, 3D solids and a few unclassified features
  MIX_FEATURE_TYPES,  // classified by "FEATURE TYPE" codes, leaders and hatching included
  MIX_LINEAR_ONLY,    // linear features with "ELEMENT TYPES" lists
};

// The text of a dictionary with `features` feature lines (comment lines come
// on top of them). Separator ',', marker '#', quote '"'.
std::string makeDictionary(FeatureMix mix, size_t features, uint64_t seed);

// Fills `folder` for one run of the program, started in that folder with
// "plotwarden plotwarden.cfg 0": the configuration (report "report.html",
// style embedded, pictures on), two dictionaries sharing `features` between
// them (nine in ten classified by element types, the rest by feature type)
// and the symbol listing of every library the dictionaries name. False when
// a file cannot be written.
bool writeBenchmarkRun(const std::filesystem::path& folder, size_t features);

// Writes `text` to `path`; false when that fails.
bool writeTextFile(const std::filesystem::path& path, const std::string& text);

}  // namespace plotwarden::bench
