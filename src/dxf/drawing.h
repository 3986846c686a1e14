// A DXF drawing as an audit needs it: the version, the layer, line type,
// text style and dimension style tables, the entities of model and paper
// space, and the block definitions, each with the line it starts on.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace plotwarden::dxf {

// Line weights in hundredths of a millimetre, or one of these.
constexpr int kLineWeightByLayer = -1;
constexpr int kLineWeightByBlock = -2;
constexpr int kLineWeightDefault = -3;
// Entity colours beyond the 1..255 of the AutoCAD Color Index.
constexpr int kColourByBlock = 0;
constexpr int kColourByLayer = 256;

// Every name below views the drawing's text, or its decodedNames where the
// file's bytes had to be converted to UTF-8. Lines are 1-based and are those
// of the record's `0` group code.

struct Layer {
  std::string_view name;
  int colour = 7;       // the absolute ACI of group 62
  bool off = false;     // group 62 was negative
  int trueColour = -1;  // group 420 as 0xRRGGBB, or -1
  std::string_view lineType;
  int lineWeight = kLineWeightDefault;
  uint32_t line = 0;
};

// An entry of the LTYPE, STYLE or DIMSTYLE table.
struct TableEntry {
  std::string_view name;
  uint32_t line = 0;
};

struct Entity {
  std::string_view type;  // as written: LINE, LWPOLYLINE, INSERT, ACAD_PROXY_ENTITY, ...
  std::string_view handle;
  std::string_view layer;
  std::string_view lineType;  // empty when absent (BYLAYER)
  // The text style of a TEXT or MTEXT (group 7), the dimension style of a
  // DIMENSION (group 3), the block of an INSERT (group 2).
  std::string_view name;
  int colour = kColourByLayer;
  int lineWeight = kLineWeightByLayer;
  uint32_t line = 0;
  bool closed = false;       // LWPOLYLINE and POLYLINE, flag 1 of group 70
  bool polyface = false;     // POLYLINE, flag 64
  bool polygonMesh = false;  // POLYLINE, flag 16
  bool paperSpace = false;   // group 67, or kept in a *Paper_Space block
};

// A block definition; the layout blocks *Model_Space and *Paper_Space* are
// not among them (their entities are the drawing's own).
struct Block {
  std::string_view name;
  uint32_t line = 0;
  std::vector<Entity> entities;
};

struct Drawing {
  std::unique_ptr<char[]> storage;  // the file's bytes, which names view
  std::string_view text;
  std::deque<std::string> decodedNames;
  std::string_view version;        // $ACADVER, e.g. AC1009 or AC1032; empty without a header
  std::string_view codePage;       // $DWGCODEPAGE, e.g. ANSI_1252
  bool storesLineWeights = false;  // AC1015 (R2000) and later
  // Some names of a file older than AC1021 are in a code page other than
  // ANSI_1252 or Latin-1, and were kept as the file's bytes.
  bool hasUndecodedNames = false;
  std::vector<Layer> layers;
  std::vector<TableEntry> lineTypes;
  std::vector<TableEntry> textStyles;
  std::vector<TableEntry> dimensionStyles;
  std::vector<Entity> entities;  // model and paper space, in file order
  std::vector<Block> blocks;
};

}  // namespace plotwarden::dxf
