// Drawings that ezdxf wrote in every DXF version (scripts/make-test-drawings.py)
// read into the same model.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "dxf/dxf_reader.h"

namespace plotwarden::dxf {
namespace {

struct VersionCase {
  const char* file;
  std::string_view version;
  std::string_view specialLayer;
};

const VersionCase kVersions[] = {
    {"r12.dxf", "AC1009", "Straße-Ø"},    {"r2000.dxf", "AC1015", "Straße-Ø"},
    {"r2004.dxf", "AC1018", "Grün-名前"}, {"r2007.dxf", "AC1021", "Grün-名前"},
    {"r2010.dxf", "AC1024", "Grün-名前"}, {"r2013.dxf", "AC1027", "Grün-名前"},
    {"r2018.dxf", "AC1032", "Grün-名前"},
};

std::string dataPath(const char* file) {
  return std::string(PLOTWARDEN_SOURCE_DIR) + "/tests/data/dxf/" + file;
}

const Layer* findLayer(const Drawing& d, std::string_view name) {
  for (const Layer& layer : d.layers)
    if (layer.name == name) return &layer;
  return nullptr;
}

bool hasEntry(const std::vector<TableEntry>& entries, std::string_view name) {
  return std::any_of(entries.begin(), entries.end(),
                     [name](const TableEntry& e) { return e.name == name; });
}

std::vector<const Entity*> ofType(const std::vector<Entity>& entities, std::string_view type) {
  std::vector<const Entity*> found;
  for (const Entity& e : entities)
    if (e.type == type) found.push_back(&e);
  return found;
}

// The text of 1-based line `line`, without its line end and blanks.
std::string_view lineOf(std::string_view text, uint32_t line) {
  size_t start = 0;
  for (uint32_t i = 1; i < line && start != std::string_view::npos; ++i) {
    start = text.find('\n', start);
    if (start != std::string_view::npos) ++start;
  }
  if (start == std::string_view::npos) return {};
  std::string_view rest = text.substr(start);
  rest = rest.substr(0, rest.find('\n'));
  while (!rest.empty() && (rest.back() == '\r' || rest.back() == ' ')) rest.remove_suffix(1);
  while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
  return rest;
}

class DrawingVersions : public ::testing::TestWithParam<VersionCase> {};

TEST_P(DrawingVersions, ReadsTheSameDrawing) {
  const VersionCase& c = GetParam();
  const bool r12 = c.version == "AC1009";
  Drawing d;
  const Status status = readDxfFile(dataPath(c.file), d);
  ASSERT_TRUE(status.ok()) << status.line << ": " << status.error;
  EXPECT_EQ(d.version, c.version);
  EXPECT_EQ(d.storesLineWeights, !r12);
  EXPECT_FALSE(d.hasUndecodedNames);

  const Layer* walls = findLayer(d, "Walls");
  ASSERT_NE(walls, nullptr);
  EXPECT_EQ(walls->colour, 1);
  EXPECT_FALSE(walls->off);
  EXPECT_EQ(walls->lineType, "DASHED");
  EXPECT_EQ(walls->lineWeight, r12 ? kLineWeightDefault : 50);
  EXPECT_EQ(lineOf(d.text, walls->line), "0");
  EXPECT_EQ(lineOf(d.text, walls->line + 1), "LAYER");
  const Layer* hidden = findLayer(d, "Hidden");
  ASSERT_NE(hidden, nullptr);
  EXPECT_EQ(hidden->colour, 3);
  EXPECT_TRUE(hidden->off);
  const Layer* special = findLayer(d, c.specialLayer);
  ASSERT_NE(special, nullptr);
  EXPECT_EQ(special->colour, 200);

  EXPECT_TRUE(hasEntry(d.lineTypes, "DASHED"));
  EXPECT_TRUE(hasEntry(d.lineTypes, "CONTINUOUS") || hasEntry(d.lineTypes, "Continuous"));
  EXPECT_TRUE(hasEntry(d.textStyles, "Notes"));
  EXPECT_TRUE(hasEntry(d.dimensionStyles, "EZDXF"));

  for (const Entity& e : d.entities) {
    EXPECT_NE(e.type, "VERTEX");
    EXPECT_NE(e.type, "SEQEND");
    EXPECT_NE(e.type, "ATTRIB");
    EXPECT_EQ(lineOf(d.text, e.line), "0") << e.type;
    EXPECT_EQ(lineOf(d.text, e.line + 1), e.type);
    EXPECT_FALSE(e.handle.empty()) << e.type;
  }
  for (size_t i = 1; i < d.entities.size(); ++i)
    EXPECT_LT(d.entities[i - 1].line, d.entities[i].line);

  const auto lines = ofType(d.entities, "LINE");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0]->layer, "Walls");
  EXPECT_EQ(lines[0]->colour, 5);
  EXPECT_EQ(lines[0]->lineWeight, r12 ? kLineWeightByLayer : 35);
  EXPECT_EQ(lines[0]->lineType, "");
  EXPECT_FALSE(lines[0]->paperSpace);
  EXPECT_TRUE(lines[1]->paperSpace);

  const auto circles = ofType(d.entities, "CIRCLE");
  ASSERT_EQ(circles.size(), 1u);
  EXPECT_EQ(circles[0]->colour, kColourByBlock);
  EXPECT_EQ(circles[0]->lineType, "BYBLOCK");
  EXPECT_EQ(circles[0]->layer, "Hidden");

  const auto closed = ofType(d.entities, r12 ? "POLYLINE" : "LWPOLYLINE");
  ASSERT_FALSE(closed.empty());
  EXPECT_TRUE(closed[0]->closed);
  EXPECT_EQ(closed[0]->layer, "Walls");
  const auto polylines = ofType(d.entities, "POLYLINE");
  const auto open = std::find_if(polylines.begin(), polylines.end(),
                                 [&](const Entity* e) { return e->layer == c.specialLayer; });
  ASSERT_NE(open, polylines.end());
  EXPECT_FALSE((*open)->closed);
  EXPECT_TRUE(std::any_of(polylines.begin(), polylines.end(),
                          [](const Entity* e) { return e->polygonMesh && !e->polyface; }));
  EXPECT_EQ(std::any_of(polylines.begin(), polylines.end(),
                        [](const Entity* e) { return e->polyface && !e->polygonMesh; }),
            !r12);

  const auto texts = ofType(d.entities, "TEXT");
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0]->name, "Notes");
  EXPECT_EQ(texts[0]->layer, c.specialLayer);
  if (!r12) {
    const auto mtexts = ofType(d.entities, "MTEXT");
    ASSERT_EQ(mtexts.size(), 1u);
    EXPECT_EQ(mtexts[0]->name, "Notes");
  }
  const auto inserts = ofType(d.entities, "INSERT");
  ASSERT_EQ(inserts.size(), 1u);
  EXPECT_EQ(inserts[0]->name, "Door");
  const auto dimensions = ofType(d.entities, "DIMENSION");
  ASSERT_EQ(dimensions.size(), 1u);
  EXPECT_EQ(dimensions[0]->name, "EZDXF");

  const auto door = std::find_if(d.blocks.begin(), d.blocks.end(),
                                 [](const Block& b) { return b.name == "Door"; });
  ASSERT_NE(door, d.blocks.end());
  EXPECT_EQ(lineOf(d.text, door->line + 1), "BLOCK");
  ASSERT_EQ(door->entities.size(), 3u);
  EXPECT_EQ(door->entities[0].type, "LINE");
  EXPECT_EQ(door->entities[0].layer, "Walls");
  EXPECT_EQ(door->entities[1].type, "ARC");
  EXPECT_EQ(door->entities[2].type, "ATTDEF");
  for (const Block& b : d.blocks) {
    EXPECT_NE(b.name.substr(0, 6), "*Model");
    EXPECT_NE(b.name.substr(0, 6), "*Paper");
    EXPECT_NE(b.name.substr(0, 6), "$MODEL");
  }
}

INSTANTIATE_TEST_SUITE_P(EveryVersion, DrawingVersions, ::testing::ValuesIn(kVersions));

TEST(DrawingFiles, BinaryDxfAsksForAscii) {
  Drawing d;
  const Status status = readDxfFile(dataPath("binary.dxf"), d);
  EXPECT_NE(status.error.find("binary DXF"), std::string::npos) << status.error;
  EXPECT_NE(status.error.find("save the drawing as ASCII DXF"), std::string::npos);
}

TEST(DrawingFiles, MissingFileGivesTheSystemsReason) {
  Drawing d;
  const Status status = readDxfFile(dataPath("no-such-drawing.dxf"), d);
  EXPECT_NE(status.error.find("): No such file or directory"), std::string::npos) << status.error;
}

}  // namespace
}  // namespace plotwarden::dxf
