// Rules over the rows as the reader cut them: a field that runs over its
// line end (a '[' not closed, a bracketed value in the last column, a quote
// not closed) and rows with more fields than the header has columns.
#pragma once

#include <cstdint>

#include "check/checked_file.h"

namespace plotwarden {

void checkRows(const CheckedFile& file, Findings& findings);

// A field that holds a line end because brackets or a quote joined it to
// later lines: where it starts and ends in the text, and why.
enum class JoinCause { kBracketNotClosed, kBracketInLastColumn, kBracketNotOpened, kQuote };
struct JoinedField {
  uint32_t start = 0;
  uint32_t end = 0;
  JoinCause cause = JoinCause::kBracketNotClosed;
  bool neverClosed = false;  // a quote open up to the end of the text
};

// The joined fields of every feature the load listed as holding a line end.
std::vector<JoinedField> findJoinedFields(const Dictionary& dictionary, char quote);

}  // namespace plotwarden
