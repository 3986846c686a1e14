// The "Dictionary Summary" table: a row of feature counts per dictionary.
#pragma once

#include "platform/output_stream.h"

namespace plotwarden {

// Classifies every dictionary's features while it writes their counts; the
// counts and categories it sets decide which sections each dictionary gets.
void writeSummaryTable(OutputStream& out);

}  // namespace plotwarden
