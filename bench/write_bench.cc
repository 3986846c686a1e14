// Row writing speed: the Linear section of 100,000 linear features, in both
// naming modes, written through the report's output stream to a file.
#include <cstdio>
#include <string>

#include "bench_timing.h"
#include "dictionary/classification.h"
#include "dictionary/dictionary_reader.h"
#include "platform/output_stream.h"
#include "report/sections.h"
#include "synthetic_dictionary.h"

namespace {

using namespace plotwarden;

constexpr size_t kFeatures = 100000;
constexpr int kRounds = 5;

}  // namespace

int main() {
  Dictionary dictionary;
  if (!loadDictionaryText(dictionary, bench::makeDictionary(bench::MIX_LINEAR_ONLY, kFeatures, 1),
                          ',', '"', '#')
           .ok()) {
    std::fprintf(stderr, "could not load the dictionary\n");
    return 1;
  }
  classifyDictionary(dictionary);
  const double rows = static_cast<double>(dictionary.linearCount);

  std::printf("%-12s %10s %10s %14s %10s\n", "mode", "rows", "seconds", "rows/s", "MB/s");
  for (bool layerMode : {false, true}) {
    const ReportSettings words{layerMode};
    OutputStream inMemory;
    writeLinearSection(inMemory, dictionary, words);
    const double bytes = static_cast<double>(bufferedText(inMemory).size());
    const double seconds = bench::bestSeconds(
        kRounds, [] {},
        [&] {
          OutputStream out(std::tmpfile());
          writeLinearSection(out, dictionary, words);
          closeStream(out);
        });
    std::printf("%-12s %10.0f %10.4f %14.0f %10.1f\n", layerMode ? "layer" : "level", rows, seconds,
                rows / seconds, bytes / 1e6 / seconds);
  }
  return 0;
}
