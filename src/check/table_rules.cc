#include "check/table_rules.h"

#include <algorithm>
#include <bit>
#include <string>
#include <vector>

#include "dictionary/list_matching.h"
#include "keyin/keyin_scan.h"
#include "platform/decimal_text.h"

namespace plotwarden {

namespace {

// Why a feature is in no table.
enum NoTableReason {
  REASON_EMPTY,           // nothing in the column, or the row ends before it
  REASON_LIST_CUT,        // '[' without ']': the separator cut the list
  REASON_LIST_SEPARATOR,  // the list separates its items with another character
  REASON_NOT_MATCHED,     // a value that names no table
  kReasons,
};

struct ReasonGroup {
  uint64_t count = 0;
  uint32_t firstOffset = 0;
  std::vector<std::string> examples;  // distinct values, the first few
  std::array<uint64_t, CATEGORY_HATCHING + 1> wouldBe{};
  char listSeparator = 0;
};

constexpr size_t kExamples = 3;

std::string columnName(const Dictionary& d, int column) {
  return std::string(cellText(d, d.header[static_cast<size_t>(column)].name));
}

template <typename Visit>
void forEachFeatureWithoutTable(const Dictionary& d, Visit visit) {
  if (isGroupedByCategory(d)) {
    for (uint32_t at = d.categoryStarts[CATEGORY_NONE]; at < d.categoryStarts[CATEGORY_NONE + 1];
         ++at)
      visit(d.features[static_cast<size_t>(d.featuresByCategory[at])]);
    return;
  }
  for (const Feature& feature : d.features)
    if (feature.category == CATEGORY_NONE) visit(feature);
}

std::string cleanedField(std::string_view raw, char quote) {
  std::string field;
  const std::string quotes = quote ? std::string(1, quote) : std::string();
  takeToken(&field, raw, {" \t", " \t", "", "\n", "", quotes, static_cast<long>(kCleanedLength)});
  return field;
}

NoTableReason reasonFor(const CheckedFile& file, std::string_view raw, bool byElementTypes,
                        ReasonGroup* groups) {
  const std::string field = cleanedField(raw, file.quote);
  if (field.empty()) return REASON_EMPTY;
  if (!byElementTypes) return REASON_NOT_MATCHED;
  const size_t open = field.find('[');
  if (open != std::string::npos && field.find(']', open) == std::string::npos)
    return REASON_LIST_CUT;
  if (open != std::string::npos) {
    for (char other : {',', ';', '|', ' '}) {
      if (other == file.separator || field.find(other, open) == std::string::npos) continue;
      const uint8_t passes = passesMatched(raw, true, other, file.quote);
      if (passes == 0) continue;
      ReasonGroup& group = groups[REASON_LIST_SEPARATOR];
      group.listSeparator = other;
      ++group.wouldBe[kPassOrder[std::bit_width(passes) - 1]];
      return REASON_LIST_SEPARATOR;
    }
  }
  return REASON_NOT_MATCHED;
}

std::string examplesText(const ReasonGroup& group) {
  std::string text;
  for (const std::string& example : group.examples)
    text += (text.empty() ? "" : ", ") + quotedText(example);
  if (group.examples.size() == kExamples) text += ", ...";
  return text;
}

// "0 of 5,328 linear features listed": per table the features would
// reach, how many it has of all it would have.
std::string listedText(const Dictionary& d, const ReasonGroup& group) {
  const CategoryCounts listed = countCategories(d, 0, d.features.size());
  std::string text;
  for (FeatureCategory category : kPassOrder)
    if (group.wouldBe[category] != 0)
      text += concat({text.empty() ? "" : ", ", counted(listed[category], "", ""), "of ",
                      counted(listed[category] + group.wouldBe[category], "", ""),
                      categoryWord(category), " features listed"});
  return text;
}

Finding groupFinding(const CheckedFile& file, NoTableReason reason, const ReasonGroup& group,
                     const std::string& column) {
  const std::string features = counted(group.count, "feature", "features") + " in no table: ";
  const std::string separator(1, file.separator);
  switch (reason) {
    case REASON_EMPTY:
      return findingAt(file, group.firstOffset, Severity::kWarning, "no-table-empty",
                       features + "nothing in " + column);
    case REASON_LIST_CUT:
      return findingAt(
          file, group.firstOffset, Severity::kError, "list-cut",
          features + column + " values such as " + examplesText(group) +
              " have '[' but no ']': the list was cut into fields at the separator '" + separator +
              (file.separator == ','
                   ? "' because its ']' is missing; close the bracket"
                   : "' (only a ',' separator keeps [..] together); put the value in quotes"));
    case REASON_LIST_SEPARATOR: {
      const std::string other = group.listSeparator == ' '
                                    ? std::string("blanks")
                                    : concat({"'", std::string_view(&group.listSeparator, 1), "'"});
      return findingAt(
          file, group.firstOffset, Severity::kError, "list-separator",
          concat({listedText(file.dictionary, group), ": ",
                  counted(group.count, "feature is", "features are"), " in no table because ",
                  column, " lists such as ", examplesText(group), " separate their items with ",
                  other, " but items are split at the file's separator '", separator,
                  "'; write the items separated by '", separator, "' and quote the value"}));
    }
    default:
      return findingAt(file, group.firstOffset, Severity::kWarning, "no-table-type",
                       features + column + " values name no table: " + examplesText(group));
  }
}

}  // namespace

uint8_t passesMatched(std::string_view raw, bool byElementTypes, char separator, char quote) {
  const std::string field = cleanedField(raw, quote);
  const std::string quotes = quote ? std::string(1, quote) : std::string();
  const std::string separators = separator ? std::string(1, separator) : std::string();
  std::string name, list;
  int bracketed = 0;
  CutList items;
  if (byElementTypes) splitBracketedValue(field, quote, &name, &list, &bracketed);
  if (bracketed) cutList(items, list, {" ", " ", "", separators, "", quotes}, 0, 110);
  uint8_t passes = 0;
  for (size_t pass = 0; pass < kPassCount; ++pass) {
    const CategoryRule rule = categoryRule(kPassOrder[pass]);
    bool matches = false;
    if (!byElementTypes) matches = leadingInteger(field) == rule.featureTypeValue;
    for (int32_t elementType : rule.elementTypes) {
      if (!byElementTypes || matches) break;
      const std::string number = std::to_string(elementType);
      int32_t lower = 0, upper = 110;
      matches = (!name.empty() && name == number) ||
                (bracketed && cutListAccepts(items, number, WildcardLevel::kAlternatives, lower,
                                             upper, nullptr, false));
    }
    if (matches) passes |= static_cast<uint8_t>(1u << pass);
  }
  return passes;
}

std::string_view categoryWord(FeatureCategory category) {
  switch (category) {
    case CATEGORY_CELLS:
      return "cells";
    case CATEGORY_LINEAR:
      return "linear";
    case CATEGORY_TEXT:
      return "text";
    case CATEGORY_DIMENSIONS:
      return "dimensions";
    case CATEGORY_SOLIDS:
      return "3D solids";
    case CATEGORY_LEADERS:
      return "leaders";
    case CATEGORY_HATCHING:
      return "hatching";
    default:
      return "no table";
  }
}

void checkTables(const CheckedFile& file, Findings& findings) {
  const Dictionary& d = file.dictionary;
  const int typesColumn = findFieldColumn(d, ROLE_ELEMENT_TYPES);
  const bool byElementTypes = typesColumn >= 0;
  const int column = byElementTypes ? typesColumn : findFieldColumn(d, ROLE_FEATURE_TYPE);
  if (column < 0) return;  // the header's finding says so

  ReasonGroup groups[kReasons];
  forEachFeatureWithoutTable(d, [&](const Feature& feature) {
    if (isBlankRow(d, feature)) return;
    const std::string_view raw = featureField(d, feature, column);
    const NoTableReason reason = feature.fieldCount <= static_cast<uint32_t>(column)
                                     ? REASON_EMPTY
                                     : reasonFor(file, raw, byElementTypes, groups);
    ReasonGroup& group = groups[reason];
    if (group.count++ == 0) group.firstOffset = featureStart(d, feature);
    const std::string value = cleanedField(raw, file.quote);
    if (group.examples.size() < kExamples &&
        std::find(group.examples.begin(), group.examples.end(), value) == group.examples.end())
      group.examples.push_back(value);
  });
  const std::string name = columnName(d, column);
  for (int reason = 0; reason < kReasons; ++reason)
    if (groups[reason].count != 0)
      findings.push_back(
          groupFinding(file, static_cast<NoTableReason>(reason), groups[reason], name));

  // Blank rows in a table: a spreadsheet's empty row whose empty type reads
  // as a table's code, or a blank row inside a list.
  uint64_t blankInTable = 0;
  uint32_t firstBlank = 0;
  FeatureCategory blankCategory = CATEGORY_NONE;
  for (const Feature& feature : d.features) {
    if (feature.category == CATEGORY_NONE || !isBlankRow(d, feature)) continue;
    if (blankInTable++ == 0) {
      firstBlank = featureStart(d, feature);
      blankCategory = feature.category;
    }
  }
  if (blankInTable != 0)
    findings.push_back(findingAt(
        file, firstBlank, Severity::kWarning, "blank-row",
        counted(blankInTable, "blank row counts as a feature", "blank rows count as features") +
            " (" + std::string(categoryWord(blankCategory)) +
            "): its fields are empty, and an empty " + name +
            " reads as 0; delete the empty rows at the end of the sheet"));
}

uint64_t featuresInNoTable(const Dictionary& dictionary) {
  uint64_t count = 0;
  forEachFeatureWithoutTable(dictionary, [&](const Feature& feature) {
    if (!isBlankRow(dictionary, feature)) ++count;
  });
  return count;
}

}  // namespace plotwarden
