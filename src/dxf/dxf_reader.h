// Reading ASCII DXF drawings (R12 to the newest) into a Drawing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "dxf/drawing.h"

namespace plotwarden::dxf {

// Why a drawing could not be read: the 1-based line (0 when the whole file
// is at fault) and a message. An empty message means the drawing was read.
struct ReadStatus {
  uint32_t line = 0;
  std::string message;

  bool ok() const { return message.empty(); }
};

// Reads the DXF text into `out`, which keeps the text. Binary DXF, DWG,
// truncated and malformed files return their fault, never a partial read.
ReadStatus readDxfText(std::string text, Drawing& out);

// Reads the DXF file at `path`; a file that cannot be opened or read gives
// the system's reason.
ReadStatus readDxfFile(std::string_view path, Drawing& out);

}  // namespace plotwarden::dxf
