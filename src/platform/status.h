// How the core reports a failure: a value, never an exception or a print.
// The caller that knows the file's name places the message ("p.cfg:4: ...").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace plotwarden {

struct Status {
  std::string error;  // empty: success
  uint32_t line = 0;  // the 1-based line to blame; 0 for the file as a whole

  bool ok() const { return error.empty(); }
};

inline Status failure(std::string error, uint32_t line = 0) { return {std::move(error), line}; }

// "PATH:LINE: error", or "PATH: error" without a line, or the error alone
// without a path.
inline std::string placedError(std::string_view path, const Status& status) {
  if (path.empty()) return status.error;
  std::string text(path);
  if (status.line != 0) text.append(":").append(std::to_string(status.line));
  return text.append(": ").append(status.error);
}

}  // namespace plotwarden
