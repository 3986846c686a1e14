#include "driver/run.h"

namespace plotwarden {

int runPlotwarden(int, char**) { return 0; }

}  // namespace plotwarden
