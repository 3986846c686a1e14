// The whole run: settings, every dictionary, the report, clean-up.
#pragma once

namespace plotwarden {

// Runs the program on its command line and returns the exit status.
int runPlotwarden(int argc, char** argv);

}  // namespace plotwarden
