#include "driver/audit_run.h"

#include <algorithm>
#include <string>
#include <vector>

#include "audit/audit_output.h"
#include "audit/drawing_audit.h"
#include "audit/standard.h"
#include "check/finding_output.h"
#include "dictionary/classification.h"
#include "dictionary/dictionary_reader.h"
#include "driver/configuration.h"
#include "driver/messages.h"
#include "dxf/dxf_reader.h"
#include "platform/file_io.h"
#include "report/audit_report.h"

namespace plotwarden {

namespace {

// Loads and classifies the dictionaries the configuration names; false,
// with a finding, when one of them or the configuration cannot be read.
bool loadStandard(const std::string& configurationPath, std::vector<Dictionary>& dictionaries,
                  Findings& findings) {
  RunSettings settings;
  if (const Status parsed = parseConfiguration(configurationPath, settings, dictionaries);
      !parsed.ok()) {
    findings.push_back({configurationPath, parsed.line, 0, Severity::kError,
                        parsed.line == 0 ? "cannot-read-configuration" : "configuration-line",
                        parsed.error});
    return false;
  }
  const TextRules& rules = settings.textRules;
  for (Dictionary& dictionary : dictionaries) {
    if (const Status loaded =
            loadDictionary(dictionary, rules.separator, rules.quote, rules.marker);
        !loaded.ok()) {
      findings.push_back(
          {dictionary.filePath, 0, 0, Severity::kError, "cannot-read-dictionary", loaded.error});
      return false;
    }
    classifyDictionary(dictionary);
  }
  return true;
}

bool hasError(const Findings& findings) {
  return std::any_of(findings.begin(), findings.end(),
                     [](const Finding& f) { return f.severity == Severity::kError; });
}

// Writes the HTML audit report; false, with a message, when it cannot be.
bool writeHtml(const CommandLine& line, const std::vector<audit::DrawingAudit>& audits,
               const Findings& standardFindings, const audit::AuditWords& words) {
  OutputStream out(openFile(line.auditHtmlPath, "wb"));
  if (!out.file) {
    printReason(line.auditHtmlPath + ": cannot be created (tried " +
                absolutePath(line.auditHtmlPath) + ")");
    return false;
  }
  writeAuditReport(out, audits, standardFindings, line.configurationPath, words);
  if (closeStream(out)) return true;
  printReason(line.auditHtmlPath + ": cannot be written whole");
  return false;
}

}  // namespace

int runAudit(const CommandLine& line) {
  Findings findings;
  std::vector<Dictionary> dictionaries;
  std::vector<audit::DrawingAudit> audits;
  const audit::AuditWords words = audit::auditWords(parseNamingMode(line.modeText).layerNaming);
  if (loadStandard(line.configurationPath, dictionaries, findings)) {
    const audit::Standard standard = audit::buildStandard(dictionaries, findings);
    for (const std::string& path : line.drawings) {
      dxf::Drawing drawing;
      if (const Status read = dxf::readDxfFile(path, drawing); !read.ok()) {
        findings.push_back(
            {path, read.line, 0, Severity::kError, "unreadable-drawing", read.error});
        continue;
      }
      audits.push_back(audit::auditDrawing(path, drawing, standard, words));
    }
  }
  bool error = hasError(findings);
  for (const audit::DrawingAudit& audit : audits) error = error || hasError(audit.findings);

  if (line.format == FindingFormat::kJson) {
    printToStandardOutput(audit::auditJson(findings, audits));
  } else {
    std::string text;
    for (const Finding& finding : findings) text += findingLine(finding);
    for (const audit::DrawingAudit& audit : audits)
      for (const Finding& finding : audit.findings) text += findingLine(finding);
    for (const audit::DrawingAudit& audit : audits) text += audit::auditSummaryLine(audit);
    printToStandardOutput(text);
  }
  if (!line.auditHtmlPath.empty() && !writeHtml(line, audits, findings, words)) error = true;
  return error ? kExitFindings : kExitOk;
}

}  // namespace plotwarden
