// Findings and per-dictionary summaries written as compilers write
// diagnostics (PATH:LINE[:COLUMN]: severity: message [code]) or as JSON.
#pragma once

#include <array>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "dictionary/classification.h"
#include "dictionary/finding.h"

namespace plotwarden {

// What one dictionary holds: its rows that are not blank, the count of each
// classification pass (as the report's summary shows them, in kPassOrder)
// and the features in no table.
struct DictionarySummary {
  std::string path;
  uint64_t features = 0;
  std::array<int, kPassCount> passCounts{};
  uint64_t inNoTable = 0;
};

// "PATH:LINE:COLUMN: severity: message [code]\n"; the line and column are
// left out where they are 0.
std::string findingLine(const Finding& finding);

// "PATH: 5,346 features: 0 cells, 5,328 linear, ...; 18 in no table\n".
std::string summaryLine(const DictionarySummary& summary);

// The findings as a JSON array of {"path", "line", "column", "severity",
// "code", "message"} objects.
nlohmann::ordered_json findingsArray(const std::vector<Finding>& findings);

// A JSON document as text; text that is not UTF-8 (a Windows-1252 name)
// goes out with U+FFFD in its place rather than stopping the output.
std::string jsonText(const nlohmann::ordered_json& document);

// The findings and summaries as one JSON document:
// {"findings": [{"path", "line", "column", "severity", "code", "message"}...],
//  "dictionaries": [{"path", "features", "cells", "linear", ..., "noTable"}...]}.
std::string findingsJson(const std::vector<Finding>& findings,
                         const std::vector<DictionarySummary>& summaries);

}  // namespace plotwarden
