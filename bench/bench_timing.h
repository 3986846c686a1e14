// Timing for the micro-benchmarks: the best of a few rounds, since other
// work on the machine only ever makes a round slower.
#pragma once

#include <algorithm>
#include <chrono>

namespace plotwarden::bench {

// Seconds of the fastest of `rounds` calls of `prepare()` then `measure()`;
// only `measure` is timed.
template <typename Prepare, typename Measure>
double bestSeconds(int rounds, Prepare prepare, Measure measure) {
  double best = 1e300;
  for (int round = 0; round < rounds; ++round) {
    prepare();
    const auto started = std::chrono::steady_clock::now();
    measure();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
    best = std::min(best, took.count());
  }
  return best;
}

}  // namespace plotwarden::bench
