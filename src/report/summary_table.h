// The "Dictionary Summary" table: a row of feature counts per dictionary.
#pragma once

#include <vector>

#include "dictionary/dictionary_store.h"
#include "platform/output_stream.h"
#include "report/report_settings.h"

namespace plotwarden {

// Writes the table of every classified dictionary's counts per category.
void writeSummaryTable(OutputStream& out, const std::vector<Dictionary>& dictionaries,
                       const ReportSettings& report);

}  // namespace plotwarden
