// One drawing judged against the standard: findings at the lines of the DXF
// file where the entities and table entries start, and counts per layer.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "audit/standard.h"
#include "dictionary/finding.h"
#include "dxf/drawing.h"

namespace plotwarden::audit {

// The words of the naming mode: "level", "cell", "colour", "style", or
// "layer", "block", "color", "line type".
struct AuditWords {
  std::string_view layer;
  std::string_view block;
  std::string_view colour;
  std::string_view style;
};
AuditWords auditWords(bool layerNaming);

struct LayerTally {
  uint64_t entities = 0;
  uint64_t withFindings = 0;
};

struct DrawingAudit {
  std::string path;
  Findings findings;
  uint64_t entities = 0;                     // of model and paper space
  uint64_t clean = 0;                        // of them, with no finding
  std::map<std::string, LayerTally> layers;  // by layer name as the drawing writes it
};

DrawingAudit auditDrawing(std::string_view path, const dxf::Drawing& drawing,
                          const Standard& standard, const AuditWords& words);

}  // namespace plotwarden::audit
