// The HTML audit report: per drawing a table per layer (entities, entities
// with findings, compliance), then its findings grouped by code.
#pragma once

#include <string_view>
#include <vector>

#include "audit/drawing_audit.h"
#include "platform/output_stream.h"

namespace plotwarden {

// Writes the whole document. `standardFindings` are those about the
// dictionaries' values; `heading` names the standard (its configuration).
void writeAuditReport(OutputStream& out, const std::vector<audit::DrawingAudit>& audits,
                      const Findings& standardFindings, std::string_view heading,
                      const audit::AuditWords& words);

}  // namespace plotwarden
