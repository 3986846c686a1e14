// A finding: one thing wrong (or worth knowing) about an input file, at a
// place in it. Readers and rules fill these instead of printing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plotwarden {

enum class Severity { kError, kWarning, kNote };

struct Finding {
  std::string path;
  uint32_t line = 0;
  uint32_t column = 0;
  Severity severity = Severity::kWarning;
  std::string code;
  std::string message;
};

using Findings = std::vector<Finding>;

// "error", "warning" or "note".
inline std::string_view severityWord(Severity severity) {
  switch (severity) {
    case Severity::kError:
      return "error";
    case Severity::kWarning:
      return "warning";
    default:
      return "note";
  }
}

}  // namespace plotwarden
