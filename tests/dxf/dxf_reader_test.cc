// The reader on texts: line ends, blanks, escapes, lines, and every fault.
#include "dxf/dxf_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace plotwarden::dxf {
namespace {

// A small R12-style drawing: line 1 is the first group code.
constexpr std::string_view kSmall =
    "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1009\n0\nENDSEC\n"   // lines 1-10
    "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n70\n1\n"           // 11-20
    "0\nLAYER\n2\nA\\U+00E9\n62\n-4\n6\nCONTINUOUS\n0\nENDTAB\n"   // 21-30
    "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nA\\U+00E9\n"  // 31-40
    "62\n256\n0\nPOLYLINE\n8\n0\n70\n1\n0\nVERTEX\n"               // 41-50
    "8\n0\n0\nSEQEND\n0\nENDSEC\n0\nEOF\n";                        // 51-58

TEST(DxfReader, ReadsAnR12TextWithLinesAndEscapes) {
  Drawing d;
  ASSERT_TRUE(readDxfText(std::string(kSmall), d).ok());
  EXPECT_EQ(d.version, "AC1009");
  ASSERT_EQ(d.layers.size(), 1u);
  EXPECT_EQ(d.layers[0].name, "Aé");
  EXPECT_EQ(d.layers[0].colour, 4);
  EXPECT_TRUE(d.layers[0].off);
  EXPECT_EQ(d.layers[0].line, 21u);
  EXPECT_EQ(d.layers[0].lineWeight, kLineWeightDefault);
  ASSERT_EQ(d.entities.size(), 2u);
  EXPECT_EQ(d.entities[0].type, "LINE");
  EXPECT_EQ(d.entities[0].line, 37u);
  EXPECT_EQ(d.entities[0].layer, "Aé");
  EXPECT_EQ(d.entities[0].colour, kColourByLayer);
  EXPECT_EQ(d.entities[1].type, "POLYLINE");
  EXPECT_EQ(d.entities[1].line, 43u);
  EXPECT_TRUE(d.entities[1].closed);
}

TEST(DxfReader, TakesCrLfBlanksAndComments) {
  std::string text;
  for (char c : kSmall) {
    if (c == '\n') text += "\r";
    text += c;
  }
  text = "999\r\nwritten by hand\r\n" + text;
  // Group codes right-aligned as AutoCAD writes them, and blanks after.
  size_t at = 0;
  while ((at = text.find("\r\n8\r\n", at)) != std::string::npos) {
    text.replace(at, 5, "\r\n  8  \r\n");
    at += 5;
  }
  Drawing d;
  const Status status = readDxfText(text, d);
  ASSERT_TRUE(status.ok()) << status.error;
  ASSERT_EQ(d.entities.size(), 2u);
  EXPECT_EQ(d.entities[0].line, 39u);
  EXPECT_EQ(d.entities[0].layer, "Aé");
}

TEST(DxfReader, ConvertsWindows1252NamesOfOldFiles) {
  std::string text(kSmall);
  text.replace(text.find("A\\U+00E9"), 8,
               "Stra\xDF"
               "e\x80");
  Drawing d;
  ASSERT_TRUE(readDxfText(text, d).ok());
  EXPECT_EQ(d.layers[0].name, "Straße€");
  EXPECT_FALSE(d.hasUndecodedNames);
}

TEST(DxfReader, KeepsAndFlagsNamesOfOtherCodePages) {
  std::string text(kSmall);
  text.replace(text.find("AC1009\n"), 7, "AC1009\n9\n$DWGCODEPAGE\n3\nANSI_1251\n");
  text.replace(text.find("A\\U+00E9"), 8, "\xCF\xEB");
  Drawing d;
  ASSERT_TRUE(readDxfText(text, d).ok());
  EXPECT_EQ(d.layers[0].name, "\xCF\xEB");
  EXPECT_TRUE(d.hasUndecodedNames);
}

struct FaultCase {
  std::string_view text;
  uint32_t line;
  std::string_view message;
};

class DxfFaults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(DxfFaults, GiveTheLineAndReason) {
  Drawing d;
  const Status status = readDxfText(std::string(GetParam().text), d);
  EXPECT_EQ(status.line, GetParam().line);
  EXPECT_EQ(status.error, GetParam().message);
  EXPECT_TRUE(d.entities.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DxfFaults,
    ::testing::Values(
        FaultCase{"", 0, "the file is empty; a DXF drawing was expected"},
        FaultCase{std::string_view("AutoCAD Binary DXF\r\n\x1A\0", 22), 0,
                  "this is a binary DXF file; save the drawing as ASCII DXF"},
        FaultCase{std::string_view("AC1032\0\0\0\0\0\x01", 12), 0,
                  "this is a DWG drawing, not DXF; save the drawing as ASCII DXF"},
        FaultCase{"0\nSECTION\n2\nENTITIES\nzero\nLINE\n", 5,
                  "a group code must be a whole number"},
        FaultCase{"0\nSECTION\n2\nENTITIES\n0\nLINE\n8", 7, "group code 8 has no value line"},
        FaultCase{"0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nA\n62\nred\n0\nENDSEC\n0\nEOF\n", 9,
                  "group 62 needs a whole number"},
        FaultCase{"0\nSECTION\n2\nENTITIES\n0\nENDSEC\n", 6, "the drawing ends without EOF"},
        FaultCase{"0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n0\nEOF\n", 1,
                  "section ENTITIES has no ENDSEC"},
        FaultCase{"0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nB\n0\nLINE\n0\nENDSEC\n0\nEOF\n", 5,
                  "block B has no ENDBLK"},
        FaultCase{"0\nSECTION\n0\nEOF\n", 1, "SECTION has no name"}));

TEST(DxfReader, PassesOverGroupsBetweenSections) {
  Drawing d;
  const Status status = readDxfText(
      "0\nSECTION\n2\nHEADER\n0\nENDSEC\n9\n$DIMASZ\n40\n2.5\n0\nENDSEC\n"
      "0\nSECTION\n2\nENTITIES\n0\nARC\n0\nENDSEC\n0\nEOF\n",
      d);
  ASSERT_TRUE(status.ok()) << status.error;
  ASSERT_EQ(d.entities.size(), 1u);
  EXPECT_EQ(d.entities[0].line, 17u);
}

TEST(DxfReader, EveryTruncationIsAFault) {
  for (size_t cut = 0; cut + 4 < kSmall.size(); ++cut) {
    Drawing d;
    const Status status = readDxfText(std::string(kSmall.substr(0, cut)), d);
    EXPECT_FALSE(status.ok()) << "cut at " << cut;
    EXPECT_LE(status.line, 58u);
  }
}

}  // namespace
}  // namespace plotwarden::dxf
