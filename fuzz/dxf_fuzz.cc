// The DXF reader on any bytes: it returns a drawing or a fault with a line
// inside the text, and every name of a drawing it read views its text or its
// decoded names.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "dxf/dxf_reader.h"
#include "fuzz_support.h"

using namespace plotwarden::dxf;

namespace {

bool viewsDrawing(const Drawing& d, std::string_view name) {
  if (name.empty()) return true;
  const std::string_view text = d.text;
  if (name.data() >= text.data() && name.data() + name.size() <= text.data() + text.size())
    return true;
  for (const std::string& decoded : d.decodedNames)
    if (name.data() == decoded.data() && name.size() == decoded.size()) return true;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  const uint32_t lines = static_cast<uint32_t>(std::count(text.begin(), text.end(), '\n')) + 1;
  Drawing d;
  const plotwarden::Status status = readDxfText(text, d);
  FUZZ_CHECK(status.line <= lines);
  if (!status.ok()) {
    FUZZ_CHECK(d.entities.empty() && d.layers.empty() && d.blocks.empty());
    return 0;
  }
  for (const Layer& layer : d.layers) {
    FUZZ_CHECK(viewsDrawing(d, layer.name) && viewsDrawing(d, layer.lineType));
    FUZZ_CHECK(layer.line >= 1 && layer.line <= lines && layer.colour >= 0);
  }
  auto checkEntities = [&](const std::vector<Entity>& entities) {
    for (const Entity& e : entities) {
      FUZZ_CHECK(e.line >= 1 && e.line <= lines);
      FUZZ_CHECK(viewsDrawing(d, e.type) && viewsDrawing(d, e.layer) &&
                 viewsDrawing(d, e.lineType) && viewsDrawing(d, e.name));
    }
  };
  checkEntities(d.entities);
  for (const Block& b : d.blocks) checkEntities(b.entities);
  return 0;
}
