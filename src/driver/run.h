// The whole run: settings, every dictionary, the report, clean-up.
#pragma once

#include "dictionary/split_reading.h"
#include "report/report_settings.h"

namespace plotwarden {

// How a run shares its work among threads: reading and sorting the
// dictionaries, and writing the report's sections in blocks.
struct Concurrency {
  LoadConcurrency load = defaultLoadConcurrency();
  BlockConcurrency blocks = defaultBlockConcurrency();
};

// Runs the program on its command line and returns the exit status.
int runPlotwarden(int argc, char** argv, const Concurrency& concurrency);

}  // namespace plotwarden
