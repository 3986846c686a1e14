// Writes the folder of one benchmark run: a configuration, two dictionaries
// with FEATURES features between them, and the symbol listings they name.
//   plotwarden_generate_dictionaries FEATURES FOLDER
#include <cstdio>
#include <cstdlib>
#include <string>

#include "synthetic_dictionary.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s FEATURES FOLDER\n", argv[0]);
    return 2;
  }
  char* end = nullptr;
  const unsigned long long features = std::strtoull(argv[1], &end, 10);
  if (*end != '\0' || features == 0) {
    std::fprintf(stderr, "FEATURES must be a positive number\n");
    return 2;
  }
  if (!plotwarden::bench::writeBenchmarkRun(argv[2], static_cast<size_t>(features))) {
    std::fprintf(stderr, "could not write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
