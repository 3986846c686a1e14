#include "check/row_rules.h"

#include <string>

namespace plotwarden {

namespace {

JoinCause causeOf(std::string_view field, char quote) {
  if (quote != '\0' && field.front() == quote) return JoinCause::kQuote;
  const std::string_view firstLine = field.substr(0, field.find('\n'));
  const size_t open = firstLine.rfind('[');
  if (open == std::string_view::npos) return JoinCause::kBracketNotOpened;
  return firstLine.find(']', open) == std::string_view::npos ? JoinCause::kBracketNotClosed
                                                             : JoinCause::kBracketInLastColumn;
}

Finding joinFinding(const CheckedFile& file, const JoinedField& joined) {
  const std::string_view text = file.dictionary.text.substr(joined.start);
  std::string_view firstLine = text.substr(0, text.find('\n'));
  if (!firstLine.empty() && firstLine.back() == '\r') firstLine.remove_suffix(1);
  const uint32_t first = lineAt(file.lines, joined.start);
  const uint32_t last = lineAt(file.lines, joined.end - 1);
  const std::string linesText = "lines " + std::to_string(first) + "-" + std::to_string(last);
  const std::string joinedLines =
      std::to_string(last - first + 1) + " lines (" + linesText + ") are read as one row";
  switch (joined.cause) {
    case JoinCause::kBracketNotClosed:
      return findingAt(file, joined.start, Severity::kError, "bracket-not-closed",
                       "'[' not closed before the line end in " + quotedText(firstLine) + ": " +
                           joinedLines + "; close the bracket");
    case JoinCause::kBracketNotOpened:
      return findingAt(file, joined.start, Severity::kError, "bracket-not-closed",
                       "a ']' on a later line with no '[' before it joins " +
                           quotedText(firstLine) + " to it: " + joinedLines +
                           "; remove the ']' or add its '['");
    case JoinCause::kBracketInLastColumn:
      return findingAt(file, joined.start, Severity::kError, "bracket-last-column",
                       "the bracketed value " + quotedText(firstLine) +
                           " ends its line, so the ',' inside it joins the field up to the next "
                           "',' on a later line: " +
                           joinedLines + "; put the value in quotes or end the line with ','");
    case JoinCause::kQuote:
      if (joined.neverClosed)
        return findingAt(file, joined.start, Severity::kError, "quote-not-closed",
                         "a quote opened here is never closed: the rest of the file (" + linesText +
                             ") is one field; close the quote");
      return findingAt(file, joined.start, Severity::kWarning, "quote-spans-lines",
                       "a quoted field runs over " + linesText +
                           ", read as one row; if that is not meant, a quote is not closed");
  }
  return {};
}

void checkExtraFields(const CheckedFile& file, Findings& findings) {
  const Dictionary& d = file.dictionary;
  const auto columns = static_cast<uint32_t>(d.header.size());
  uint64_t rows = 0;
  uint32_t firstOffset = 0;
  uint32_t firstFields = 0;
  for (const Feature& feature : d.features) {
    // A row joined to later lines has their fields too: its own finding says so.
    if (feature.fieldCount <= columns || columns == 0 || featureMayHoldLineFeeds(d, feature))
      continue;
    // Spreadsheets pad short rows with empty fields: only text past the
    // header's columns is lost.
    bool lost = false;
    for (uint32_t column = columns; column < feature.fieldCount && !lost; ++column)
      lost = !fieldEntryText(d, feature, column).empty();
    if (!lost) continue;
    if (rows++ == 0) {
      firstOffset = featureEntries(d, feature)[columns];
      firstFields = feature.fieldCount;
    }
  }
  if (rows == 0) return;
  findings.push_back(findingAt(
      file, firstOffset, Severity::kWarning, "extra-fields",
      counted(rows, "row has", "rows have") + " more fields than the header's " +
          counted(columns, "column", "columns") + " (this one " + std::to_string(firstFields) +
          "); the fields past the last column are not shown: a value holding the separator '" +
          std::string(1, file.separator) + "' needs quotes"));
}

}  // namespace

std::vector<JoinedField> findJoinedFields(const Dictionary& d, char quote) {
  std::vector<JoinedField> joined;
  if (!d.lineFeedsListed && !d.fieldsMayHoldLineFeeds) return joined;
  auto visit = [&](const Feature& feature) {
    for (uint32_t column = 0; column < feature.fieldCount; ++column) {
      const std::string_view field = fieldEntryText(d, feature, column);
      if (field.find('\n') == std::string_view::npos) continue;
      const auto start = static_cast<uint32_t>(field.data() - d.text.data());
      const auto end = static_cast<uint32_t>(start + field.size());
      joined.push_back(
          {start, end, causeOf(field, quote), end == d.text.size() && field.back() != quote});
    }
  };
  if (d.lineFeedsListed) {
    for (uint32_t index : d.featuresWithLineFeeds) visit(d.features[index]);
  } else {
    for (const Feature& feature : d.features)
      if (featureMayHoldLineFeeds(d, feature)) visit(feature);
  }
  return joined;
}

void checkRows(const CheckedFile& file, Findings& findings) {
  const Dictionary& d = file.dictionary;
  for (const JoinedField& joined : findJoinedFields(d, file.quote))
    findings.push_back(joinFinding(file, joined));
  checkExtraFields(file, findings);
}

}  // namespace plotwarden
