#include "check/dictionary_check.h"

#include <algorithm>
#include <map>
#include <utility>

#include "check/header_rules.h"
#include "check/row_rules.h"
#include "check/table_rules.h"
#include "check/value_rules.h"

namespace plotwarden {

namespace {

constexpr size_t kShownPerCode = 10;
// A normal run's line names this many joined fields at most.
constexpr size_t kJoinsNamed = 3;

std::string_view joinWords(JoinCause cause) {
  switch (cause) {
    case JoinCause::kBracketNotClosed:
      return "'[' not closed";
    case JoinCause::kBracketNotOpened:
      return "']' without '['";
    case JoinCause::kBracketInLastColumn:
      return "bracketed value in the last column";
    default:
      return "quote not closed";
  }
}

}  // namespace

void checkDictionary(const CheckedFile& file, const PictureSettings* pictures, Findings& findings) {
  checkHeader(file, findings);
  checkRows(file, findings);
  checkTables(file, findings);
  checkValues(file, findings);
  if (pictures) checkCellPictures(file, *pictures, findings);
}

DictionarySummary summarize(std::string_view path, const Dictionary& dictionary) {
  DictionarySummary summary{std::string(path), 0, passCounts(dictionary),
                            featuresInNoTable(dictionary)};
  for (const Feature& feature : dictionary.features)
    if (!isBlankRow(dictionary, feature)) ++summary.features;
  return summary;
}

void limitRepeats(Findings& findings) {
  std::map<std::pair<std::string, std::string>, size_t> seen;
  Findings kept;
  for (Finding& finding : findings)
    if (++seen[{finding.path, finding.code}] <= kShownPerCode) kept.push_back(std::move(finding));
  for (const auto& [key, count] : seen)
    if (count > kShownPerCode)
      kept.push_back({key.first, 0, 0, Severity::kNote, key.second,
                      counted(count - kShownPerCode, "more finding", "more findings") +
                          " like the above [" + key.second + "] not shown"});
  findings = std::move(kept);
}

std::string lossLine(std::string_view path, const Dictionary& dictionary, char quote) {
  std::string line;
  auto add = [&line](const std::string& part) { line += (line.empty() ? "" : "; ") + part; };
  if (dictionary.text.starts_with("\xFF\xFE") || dictionary.text.starts_with("\xFE\xFF"))
    add("saved as UTF-16 or UTF-32, nothing read");
  if (const uint64_t lost = featuresInNoTable(dictionary); lost != 0)
    add(counted(lost, "feature", "features") + " in no table");
  // Lines are counted for the few joins named, not indexed: a run pays for
  // nothing more than the joins it reports.
  size_t joins = 0;
  for (const JoinedField& joined : findJoinedFields(dictionary, quote)) {
    if (joined.cause == JoinCause::kQuote && !joined.neverClosed) continue;
    if (++joins > kJoinsNamed) continue;
    const std::string_view text = dictionary.text;
    const auto before = std::count(text.begin(), text.begin() + joined.start, '\n');
    const auto inside =
        std::count(text.begin() + joined.start, text.begin() + joined.end - 1, '\n');
    add(concat({"line ", std::to_string(before + 1), ": ", joinWords(joined.cause), ", ",
                counted(static_cast<uint64_t>(inside + 1), "line", "lines"), " joined"}));
  }
  if (joins > kJoinsNamed) add(counted(joins - kJoinsNamed, "more join", "more joins"));
  return line.empty() ? line : std::string(path) + ": " + line;
}

}  // namespace plotwarden
