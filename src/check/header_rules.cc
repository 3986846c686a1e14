#include "check/header_rules.h"

#include <algorithm>
#include <string>

#include "dictionary/field_roles.h"
#include "platform/ascii_case.h"

namespace plotwarden {

namespace {

// Words of the layer vocabulary (and other CAD programs' names) for the
// columns the header names with level words in either naming mode.
struct OtherWord {
  std::string_view word;
  std::string_view name;
};
constexpr OtherWord kOtherWords[] = {
    {"LAYER", "LEVEL"},          {"LAYER NAME", "LEVEL"},     {"LAYERS", "LEVEL"},
    {"COLOR", "COLOUR"},         {"LINETYPE", "LINE STYLE"},  {"LINE TYPE", "LINE STYLE"},
    {"BLOCK NAME", "CELL NAME"}, {"BLOCK", "CELL NAME"},      {"LINEWEIGHT", "WEIGHT"},
    {"LINE WEIGHT", "WEIGHT"},   {"RGB COLOR", "RGB COLOUR"},

    {"CELL", "CELL NAME"},       {"TYPE", "FEATURE TYPE"},    {"FONT", "TEXT FONT"},
};

bool isTrimmed(char c) { return c == ' ' || c == '\t' || c == '"' || c == '\''; }

// Upper case, with blanks, tabs and underscores between words made one blank.
std::string normalized(std::string_view name) {
  std::string out;
  bool gap = false;
  for (char c : name) {
    if (c == ' ' || c == '\t' || c == '_') {
      gap = !out.empty();
      continue;
    }
    if (gap) out.push_back(' ');
    gap = false;
    out.push_back(asciiUpper(c));
  }
  return out;
}

std::string withoutGaps(std::string_view name) {
  std::string out;
  for (char c : name)
    if (c != ' ' && c != '-') out.push_back(c);
  return out;
}

// Edits (insert, delete, change, swap of neighbours) between two short texts.
size_t editDistance(std::string_view a, std::string_view b) {
  std::vector<std::vector<size_t>> d(a.size() + 1, std::vector<size_t>(b.size() + 1));
  for (size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (size_t i = 1; i <= a.size(); ++i)
    for (size_t j = 1; j <= b.size(); ++j) {
      d[i][j] = std::min(
          {d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  return d[a.size()][b.size()];
}

std::string_view knownNameOf(std::string_view normalizedName) {
  for (const KnownFieldName& known : knownFieldNames())
    if (known.name == normalizedName) return known.name;
  return {};
}

std::string columnLabel(size_t column) { return "column " + std::to_string(column + 1); }

void checkNames(const CheckedFile& file, Findings& findings) {
  const Dictionary& d = file.dictionary;
  for (size_t column = 0; column < d.header.size(); ++column) {
    const HeaderCell& cell = d.header[column];
    const std::string_view name = cellText(d, cell.name);
    if (cell.role == ROLE_UNKNOWN) {
      std::string message;
      if (name.empty()) {
        findings.push_back(findingAt(file, cell.name.start, Severity::kNote, "unknown-header",
                                     columnLabel(column) + " has no name and is ignored"));
        continue;
      }
      message = "unknown column name " + quotedText(name) + " is ignored";
      const NameSuggestion suggestion = suggestFieldName(name);
      if (!suggestion.name.empty())
        message += "; did you mean '" + std::string(suggestion.name) + "'? (" +
                   std::string(suggestion.fix) + ")";
      findings.push_back(
          findingAt(file, cell.name.start, Severity::kWarning, "unknown-header", message));
      continue;
    }
    const int32_t used = d.roleColumns[static_cast<size_t>(cell.role)];
    if (used != static_cast<int32_t>(column)) {
      const std::string_view first = cellText(d, d.header[static_cast<size_t>(used)].name);
      findings.push_back(findingAt(file, cell.name.start, Severity::kWarning, "duplicate-header",
                                   "column name " + quotedText(name) + " (" + columnLabel(column) +
                                       ") repeats " + quotedText(first) + " (" +
                                       columnLabel(static_cast<size_t>(used)) +
                                       "): " + columnLabel(static_cast<size_t>(used)) +
                                       " is used, " + columnLabel(column) + " is ignored"));
    }
  }
}

std::string_view separatorName(char c) {
  switch (c) {
    case '\t':
      return "a tab";
    case ';':
      return "';'";
    case ',':
      return "','";
    default:
      return "'|'";
  }
}

// A header read as one column that holds another separator: the file was
// saved with that one. True when it says so.
bool checkSeparator(const CheckedFile& file, Findings& findings) {
  const Dictionary& d = file.dictionary;
  if (d.header.size() != 1) return false;
  const std::string_view name = cellText(d, d.header[0].name);
  for (char other : {';', '\t', ',', '|'}) {
    if (other == file.separator || name.find(other) == std::string_view::npos) continue;
    findings.push_back(
        findingAt(file, d.header[0].name.start, Severity::kError, "wrong-separator",
                  concat({"the header is one column holding ", separatorName(other),
                          ": the file separates its fields with ", separatorName(other),
                          ", the configuration with ", separatorName(file.separator),
                          "; make the configuration's separator line ", separatorName(other),
                          " (it holds for every dictionary) or save the file with ",
                          separatorName(file.separator)})));
    return true;
  }
  return false;
}

}  // namespace

NameSuggestion suggestFieldName(std::string_view unknown) {
  std::string_view trimmed = unknown;
  while (!trimmed.empty() && isTrimmed(trimmed.front())) trimmed.remove_prefix(1);
  while (!trimmed.empty() && isTrimmed(trimmed.back())) trimmed.remove_suffix(1);
  const bool quotes = trimmed.size() != unknown.size() &&
                      unknown.find_first_of("\"'") < unknown.find_first_not_of(" \t\"'");
  const std::string name = normalized(trimmed);
  if (std::string_view known = knownNameOf(name); !known.empty()) {
    if (quotes) return {known, "remove the quotes around it"};
    if (trimmed.size() != unknown.size()) return {known, "remove the blanks around it"};
    return {known, "write one blank between the words"};
  }
  for (const OtherWord& other : kOtherWords)
    if (other.word == name)
      return {other.name, "the dictionary names this column with this word in either naming mode"};
  const std::string squeezed = withoutGaps(name);
  for (const KnownFieldName& known : knownFieldNames())
    if (withoutGaps(known.name) == squeezed) return {known.name, "a blank or '-' is missing"};
  // Small misspellings: one edit in a short name, two in a longer one.
  std::string_view best;
  size_t bestDistance = name.size() <= 5 ? 2 : 3;
  for (const KnownFieldName& known : knownFieldNames()) {
    const size_t distance = editDistance(name, known.name);
    if (distance < bestDistance) {
      best = known.name;
      bestDistance = distance;
    }
  }
  if (!best.empty()) return {best, "a misspelling?"};
  return {};
}

void checkHeader(const CheckedFile& file, Findings& findings) {
  const Dictionary& d = file.dictionary;
  if (d.header.empty()) {
    if (!d.features.empty() || !d.text.empty())
      findings.push_back({std::string(file.path), 1, 0, Severity::kError, "no-header",
                          "the file has no header line naming its columns"});
    return;
  }
  const bool wrongSeparator = checkSeparator(file, findings);
  if (!wrongSeparator) checkNames(file, findings);
  if (!wrongSeparator && findFieldColumn(d, ROLE_ELEMENT_TYPES) < 0 &&
      findFieldColumn(d, ROLE_FEATURE_TYPE) < 0)
    findings.push_back(findingAt(file, d.header[0].name.start, Severity::kError, "no-type-column",
                                 "no ELEMENT TYPES or FEATURE TYPE column: every feature is in no "
                                 "table and the report lists none of them"));
}

}  // namespace plotwarden
