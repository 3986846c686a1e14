// --check: the configuration and every dictionary read and sorted into
// tables as a run reads them, nothing written; what is wrong printed as
// findings, then one summary line per dictionary.
#pragma once

#include "driver/options.h"

namespace plotwarden {

// Returns 0 when no finding is an error, 1 when one is.
int runCheck(const CommandLine& line);

}  // namespace plotwarden
