#include "check/finding_output.h"

#include <nlohmann/json.hpp>

#include "check/checked_file.h"
#include "check/table_rules.h"

namespace plotwarden {

namespace {

// JSON keys of the pass counts, in kPassOrder.
constexpr std::string_view kCountKeys[kPassCount] = {"cells",    "linear",  "text",    "dimensions",
                                                     "solids3d", "leaders", "hatching"};

}  // namespace

std::string findingLine(const Finding& finding) {
  std::string line = finding.path;
  if (finding.line != 0) line.append(":").append(std::to_string(finding.line));
  if (finding.line != 0 && finding.column != 0)
    line.append(":").append(std::to_string(finding.column));
  line.append(": ").append(severityWord(finding.severity)).append(": ");
  line.append(finding.message).append(" [").append(finding.code).append("]\n");
  return line;
}

std::string summaryLine(const DictionarySummary& summary) {
  std::string line = summary.path + ": " + counted(summary.features, "feature", "features") + ":";
  for (size_t pass = 0; pass < kPassCount; ++pass) {
    line += pass == 0 ? " " : ", ";
    line += counted(static_cast<uint64_t>(summary.passCounts[pass]), "", "");
    line += categoryWord(kPassOrder[pass]);
  }
  line += "; " + counted(summary.inNoTable, "", "") + "in no table\n";
  return line;
}

nlohmann::ordered_json findingsArray(const std::vector<Finding>& findings) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const Finding& finding : findings)
    list.push_back({{"path", finding.path},
                    {"line", finding.line},
                    {"column", finding.column},
                    {"severity", severityWord(finding.severity)},
                    {"code", finding.code},
                    {"message", finding.message}});
  return list;
}

std::string jsonText(const nlohmann::ordered_json& document) {
  return document.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

std::string findingsJson(const std::vector<Finding>& findings,
                         const std::vector<DictionarySummary>& summaries) {
  nlohmann::ordered_json document;
  document["findings"] = findingsArray(findings);
  nlohmann::ordered_json& dictionaries = document["dictionaries"] = nlohmann::ordered_json::array();
  for (const DictionarySummary& summary : summaries) {
    nlohmann::ordered_json entry = {{"path", summary.path}, {"features", summary.features}};
    for (size_t pass = 0; pass < kPassCount; ++pass)
      entry[std::string(kCountKeys[pass])] = summary.passCounts[pass];
    entry["noTable"] = summary.inNoTable;
    dictionaries.push_back(entry);
  }
  return jsonText(document);
}

}  // namespace plotwarden
