// An audit's per-drawing summary, as a line of text or in JSON.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "audit/drawing_audit.h"

namespace plotwarden::audit {

// The finding counts of a drawing by code, codes in order.
std::map<std::string, uint64_t> countsByCode(const DrawingAudit& audit);

// "PATH: 1,204 entities checked, 1,150 with no finding (95.5%); colour 30, unknown-layer 2\n".
std::string auditSummaryLine(const DrawingAudit& audit);

// The findings (`findings`, then each drawing's), then per drawing its
// counts and layers, as one JSON document:
// {"findings": [...], "drawings": [{"path", "entities", "clean", "findings":
// {code: count}, "layers": [{"name", "entities", "withFindings"}...]}...]}.
std::string auditJson(const Findings& findings, const std::vector<DrawingAudit>& audits);

// "95.5%": the share of entities with no finding; "100%" for none.
std::string compliance(uint64_t clean, uint64_t entities);

}  // namespace plotwarden::audit
