// Rules over the rows as the reader cut them: a field that runs over its
// line end (a '[' not closed, a bracketed value in the last column, a quote
// not closed) and rows with more fields than the header has columns.
#pragma once

#include <cstdint>

#include "check/checked_file.h"

namespace plotwarden {

void checkRows(const CheckedFile& file, Findings& findings);

// A field that holds a line end because brackets or a quote joined it to
// later lines: where it starts, the lines it spans, and why.
enum class JoinCause { kBracketNotClosed, kBracketInLastColumn, kBracketNotOpened, kQuote };
struct JoinedField {
  uint32_t start = 0;
  uint32_t firstLine = 0;
  uint32_t lastLine = 0;
  JoinCause cause = JoinCause::kBracketNotClosed;
  bool reachesEnd = false;  // runs to the end of the text
};

// The joined fields of every feature the load listed as holding a line end.
std::vector<JoinedField> findJoinedFields(const CheckedFile& file);

}  // namespace plotwarden
