// --audit: the standard loaded as a run loads it, each drawing judged
// against it; findings printed, then one summary line per drawing, and an
// HTML audit report where one is asked for.
#pragma once

#include "driver/options.h"

namespace plotwarden {

// Returns 0 when no finding is an error, 1 when one is (an unreadable
// configuration, dictionary or drawing among them).
int runAudit(const CommandLine& line);

}  // namespace plotwarden
