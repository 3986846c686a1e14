// Reading ASCII DXF drawings (R12 to the newest) into a Drawing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "dxf/drawing.h"
#include "platform/status.h"

namespace plotwarden::dxf {

// Reads the DXF text into `out`, which keeps a copy of it. A failure names the
// 1-based line at fault (0: the whole file). Binary DXF, DWG,
// truncated and malformed files return their fault, never a partial read.
Status readDxfText(std::string_view text, Drawing& out);

// Reads the DXF file at `path`; a file that cannot be opened or read gives
// the system's reason.
Status readDxfFile(std::string_view path, Drawing& out);

}  // namespace plotwarden::dxf
