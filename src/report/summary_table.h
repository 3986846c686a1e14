// The "Dictionary Summary" table: a row of feature counts per dictionary.
#pragma once

#include <vector>

#include "dictionary/dictionary_store.h"
#include "platform/output_stream.h"
#include "report/report_settings.h"

namespace plotwarden {

// Classifies every dictionary's features while it writes their counts; the
// counts and categories it sets decide which sections each dictionary gets.
void writeSummaryTable(OutputStream& out, std::vector<Dictionary>& dictionaries,
                       const ReportSettings& report);

}  // namespace plotwarden
