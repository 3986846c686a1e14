#include "audit/audit_output.h"

#include "check/checked_file.h"
#include "check/finding_output.h"

namespace plotwarden::audit {

std::map<std::string, uint64_t> countsByCode(const DrawingAudit& audit) {
  std::map<std::string, uint64_t> counts;
  for (const Finding& finding : audit.findings) ++counts[finding.code];
  return counts;
}

std::string compliance(uint64_t clean, uint64_t entities) {
  if (entities == 0 || clean == entities) return "100%";
  // Rounded down, so that only a drawing without a finding shows 100%.
  const uint64_t tenths = clean * 1000 / entities;
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + "%";
}

std::string auditSummaryLine(const DrawingAudit& audit) {
  std::string line = audit.path + ": " + counted(audit.entities, "entity", "entities") +
                     " checked, " + counted(audit.clean, "", "") + "with no finding (" +
                     compliance(audit.clean, audit.entities) + ")";
  const auto counts = countsByCode(audit);
  std::string separator = "; ";
  for (const auto& [code, count] : counts) {
    line += separator + code + " " + counted(count, "", "");
    line.pop_back();  // the blank counted leaves after a count without a noun
    separator = ", ";
  }
  return line + "\n";
}

std::string auditJson(const Findings& findings, const std::vector<DrawingAudit>& audits) {
  Findings all = findings;
  for (const DrawingAudit& audit : audits)
    all.insert(all.end(), audit.findings.begin(), audit.findings.end());
  nlohmann::ordered_json document;
  document["findings"] = findingsArray(all);
  nlohmann::ordered_json& drawings = document["drawings"] = nlohmann::ordered_json::array();
  for (const DrawingAudit& audit : audits) {
    nlohmann::ordered_json layers = nlohmann::ordered_json::array();
    for (const auto& [name, tally] : audit.layers)
      layers.push_back(
          {{"name", name}, {"entities", tally.entities}, {"withFindings", tally.withFindings}});
    nlohmann::ordered_json counts = nlohmann::ordered_json::object();
    for (const auto& [code, count] : countsByCode(audit)) counts[code] = count;
    drawings.push_back({{"path", audit.path},
                        {"entities", audit.entities},
                        {"clean", audit.clean},
                        {"findings", counts},
                        {"layers", layers}});
  }
  return jsonText(document);
}

}  // namespace plotwarden::audit
