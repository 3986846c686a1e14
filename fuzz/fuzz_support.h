// What the fuzz harnesses share: taking their input apart and checking a
// property, which aborts the run (and so reports the input) when it fails.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "dictionary/split_reading.h"
#include "report/report_settings.h"

namespace plotwarden::fuzz {

// Reads texts of a few hundred bytes in parts and writes sections in blocks
// of a few features, on several threads, so that inputs of fuzzing size take
// the paths the program takes on large dictionaries.
constexpr LoadConcurrency kSmallParts = {3, 256};
constexpr BlockConcurrency kSmallBlocks = {3, 4};

// The fuzzer's bytes, consumed from the front.
struct FuzzInput {
  std::string_view rest;

  FuzzInput(const uint8_t* data, size_t size) : rest(reinterpret_cast<const char*>(data), size) {}

  // The next byte, or 0 when none is left.
  char takeByte() {
    if (rest.empty()) return '\0';
    char c = rest.front();
    rest.remove_prefix(1);
    return c;
  }

  // The text up to the next zero byte (which is consumed), or all that is left.
  std::string_view takePart() {
    size_t end = rest.find('\0');
    std::string_view part = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    return part;
  }
};

[[noreturn]] inline void failedCheck(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
  std::abort();
}

}  // namespace plotwarden::fuzz

#define FUZZ_CHECK(condition) \
  ((condition) ? (void)0 : ::plotwarden::fuzz::failedCheck(#condition, __FILE__, __LINE__))
