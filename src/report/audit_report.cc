#include "report/audit_report.h"

#include <map>
#include <string>

#include "audit/audit_output.h"
#include "platform/ascii_case.h"
#include "report/html_text.h"

namespace plotwarden {

namespace {

constexpr std::string_view kStyle =
    "body{font-family:system-ui,sans-serif;margin:1rem auto;max-width:72rem;padding:0 1rem;"
    "color:#1b1b1b}\n"
    "h1{font-size:1.5rem}h2{font-size:1.2rem;margin-top:2rem;border-bottom:1px solid #ccc}"
    "h3{font-size:1rem}\n"
    ".scroll{overflow-x:auto}\n"
    "table{border-collapse:collapse;margin:.5rem 0;font-size:.9rem}\n"
    "th,td{border:1px solid #ccc;padding:.2rem .5rem;text-align:left;vertical-align:top}\n"
    "th{background:#eef1f5}td.n{text-align:right}\n"
    ".error{color:#a40000}.warning{color:#8a5a00}.note{color:#555}\n"
    "@media print{h2,h3{break-after:avoid}thead{display:table-header-group}}\n";

// A table of findings; `withPath` names each one's file before its line.
void writeFindingRows(std::string& html, const std::vector<const Finding*>& findings,
                      bool withPath) {
  html +=
      "<div class=\"scroll\"><table><thead><tr><th>Line</th><th>Severity</th>"
      "<th>Finding</th></tr></thead><tbody>\n";
  for (const Finding* finding : findings) {
    const std::string_view severity = severityWord(finding->severity);
    html += "<tr><td>";
    if (withPath) appendEscaped(html, finding->path + ":");
    html += std::to_string(finding->line) + "</td><td class=\"" + std::string(severity) + "\">" +
            std::string(severity) + "</td><td>";
    appendEscaped(html, finding->message);
    html += "</td></tr>\n";
  }
  html += "</tbody></table></div>\n";
}

void writeDrawing(std::string& html, const audit::DrawingAudit& audit,
                  const audit::AuditWords& words) {
  html += "<section><h2>";
  appendEscaped(html, audit.path);
  html += "</h2>\n<p>" + std::to_string(audit.entities) + " entities checked, " +
          std::to_string(audit.clean) + " with no finding (" +
          audit::compliance(audit.clean, audit.entities) + ").</p>\n";
  std::string layerWord(words.layer);
  layerWord[0] = asciiUpper(layerWord[0]);
  html += "<h3>By " + std::string(words.layer) +
          "</h3>\n<div class=\"scroll\"><table><thead><tr><th>" + layerWord +
          "</th><th>Entities</th><th>With findings</th><th>Compliance</th></tr></thead><tbody>\n";
  for (const auto& [name, tally] : audit.layers) {
    html += "<tr><td>";
    appendEscaped(html, name);
    html += "</td><td class=\"n\">" + std::to_string(tally.entities) + "</td><td class=\"n\">" +
            std::to_string(tally.withFindings) + "</td><td class=\"n\">" +
            audit::compliance(tally.entities - tally.withFindings, tally.entities) + "</td></tr>\n";
  }
  html += "</tbody></table></div>\n";
  std::map<std::string, std::vector<const Finding*>> byCode;
  for (const Finding& finding : audit.findings) byCode[finding.code].push_back(&finding);
  for (const auto& [code, findings] : byCode) {
    html += "<h3>";
    appendEscaped(html, code);
    html += " (" + std::to_string(findings.size()) + ")</h3>\n";
    writeFindingRows(html, findings, false);
  }
  html += "</section>\n";
}

}  // namespace

void writeAuditReport(OutputStream& out, const std::vector<audit::DrawingAudit>& audits,
                      const Findings& standardFindings, std::string_view heading,
                      const audit::AuditWords& words) {
  std::string html =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
      "<title>CAD Standards Audit</title>\n<style>\n";
  html += kStyle;
  html += "</style>\n</head>\n<body>\n<h1>CAD Standards Audit</h1>\n<p>Standard: ";
  appendEscaped(html, heading);
  html += ". Produced by Plotwarden " PLOTWARDEN_VERSION ".</p>\n";
  if (!standardFindings.empty()) {
    html += "<section><h2>The standard</h2>\n";
    std::vector<const Finding*> all;
    for (const Finding& finding : standardFindings) all.push_back(&finding);
    writeFindingRows(html, all, true);
    html += "</section>\n";
  }
  for (const audit::DrawingAudit& audit : audits) writeDrawing(html, audit, words);
  html += "</body>\n</html>\n";
  put(out, html);
}

}  // namespace plotwarden
