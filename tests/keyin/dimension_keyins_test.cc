#include <gtest/gtest.h>

#include <string>

#include "keyin/keyin_decoders.h"

namespace plotwarden {
namespace {

using ItemDecoder = void (*)(const DimensionPhrases&, int, std::string&);

struct ItemCase {
  const char* keyin;
  int item;
  const char* expected;
};

void expectDecodes(ItemDecoder decode, std::initializer_list<ItemCase> cases) {
  for (const ItemCase& c : cases) {
    DimensionPhrases phrases;
    findDimensionPhrases(c.keyin, phrases);
    std::string out = "stale";
    decode(phrases, c.item, out);
    EXPECT_EQ(out, c.expected) << c.keyin << " item " << c.item;
  }
}

constexpr const char* kNoDimension = "place cell A;as=2";

TEST(DecodeExtensionLine, ShowsEachExtensionSetting) {
  constexpr const char* kOffsetExtent =
      "dimension extension offset 0.50;dimension extension extent 1.000";
  expectDecodes(decodeExtensionLine,
                {
                    {kOffsetExtent, EXTENSION_OFFSET, "0.5"},
                    {kOffsetExtent, EXTENSION_EXTENT, "1"},
                    {kOffsetExtent, EXTENSION_WEIGHT, ""},
                    {"dimension extension weight 2", EXTENSION_WEIGHT, "2"},
                    {"dimension extension weight 2.50", EXTENSION_WEIGHT, "2.50"},
                    {"dimension extension style 3 ", EXTENSION_STYLE, "3 "},
                    {"dimension extension style 1.0", EXTENSION_STYLE, "1.0"},
                    {kNoDimension, EXTENSION_STYLE, ""},
                    {kNoDimension, EXTENSION_WEIGHT, ""},
                    {kNoDimension, EXTENSION_OFFSET, ""},
                    {kNoDimension, EXTENSION_EXTENT, ""},
                    {"dimension extension weight 2", 5, ""},
                    {"dimension extension weight 2", TERMINATOR_ARROW, ""},
                });
}

TEST(DecodeTerminator, ShowsTheArrowAsAWord) {
  expectDecodes(decodeTerminator,
                {
                    {"dimension terminator orienthead 2", TERMINATOR_ARROW, "filled"},
                    {"dimension terminator orienthead 1", TERMINATOR_ARROW, "closed"},
                    {"dimension terminator orienthead 2;dimension terminator orientterm 0",
                     TERMINATOR_ARROW, "open"},
                    {"dimension terminator orientterm 0;dimension terminator orienthead 2",
                     TERMINATOR_ARROW, "open"},
                    {"dimension terminator orientterm 7", TERMINATOR_ARROW, ""},
                    {"dimension terminator orientterm x", TERMINATOR_ARROW, "open"},
                    {"dimension terminator orientterm ", TERMINATOR_ARROW, "open"},
                    {"dimension terminator orientterm  +1;x", TERMINATOR_ARROW, "closed"},
                    {"dimension terminator orientterm 2mm", TERMINATOR_ARROW, "filled"},
                    {"dimension terminator orientterm -0", TERMINATOR_ARROW, "open"},
                    {"dimension terminator orientterm -1", TERMINATOR_ARROW, ""},
                    {"dimension terminator orientterm 99999999999999999999", TERMINATOR_ARROW, ""},
                    {"dimension terminator orientterm 00001", TERMINATOR_ARROW, "closed"},
                    {kNoDimension, TERMINATOR_ARROW, ""},
                });
}

TEST(DecodeTerminator, ShowsTheTerminatorSizes) {
  expectDecodes(decodeTerminator,
                {
                    {"dimension terminator width 100", TERMINATOR_WIDTH, "100"},
                    {"dimension terminator width 0.250", TERMINATOR_WIDTH, "0.25"},
                    {"dimension terminator height 1.50;x", TERMINATOR_HEIGHT, "1.5"},
                    {"dimension terminator minleader 2.0", TERMINATOR_MIN_LEADER, "2"},
                    {kNoDimension, TERMINATOR_WIDTH, ""},
                    {kNoDimension, TERMINATOR_HEIGHT, ""},
                    {kNoDimension, TERMINATOR_MIN_LEADER, ""},
                    {"dimension terminator orientterm 1", 0, ""},
                    {"dimension terminator orientterm 1", 6, ""},
                });
}

TEST(DecodeDimensionText, ShowsEachTextSetting) {
  expectDecodes(
      decodeDimensionText,
      {
          {"dimension text width 2.50", DIMTEXT_WIDTH, "2.5"},
          {"dimension text height 3.000", DIMTEXT_HEIGHT, "3"},
          {"dimension text weight 1.0", DIMTEXT_WEIGHT, "1.0"},
          {"dimension text font 3;dimension font 5", DIMTEXT_FONT, "5"},
          {"dimension text font 3", DIMTEXT_FONT, "3"},
          {"dimension text capsule 1", DIMTEXT_FRAME, "1"},
          {"dimension text box 0;dimension text capsule 1", DIMTEXT_FRAME, "0"},
          {"dimension text capsule 1;dimension text box 0", DIMTEXT_FRAME, "0"},
          {"dimension text margin 0.50", DIMTEXT_MARGIN, "0.5"},
          {"dimension text just 2", DIMTEXT_JUSTIFICATION, "2"},
          {"dimension justification left", DIMTEXT_JUSTIFICATION, "left"},
          {"dimension text just 2;dimension justification left", DIMTEXT_JUSTIFICATION, "left"},
          {"dimension text orient 0", DIMTEXT_ORIENTATION, "Inline"},
          {"dimension text orient 1", DIMTEXT_ORIENTATION, "Above"},
          {"dimension text orient 2", DIMTEXT_ORIENTATION, "Horiz."},
          {"dimension text orient 3", DIMTEXT_ORIENTATION, ""},
          {"dimension text orient -1", DIMTEXT_ORIENTATION, ""},
          {"dimension text orient up", DIMTEXT_ORIENTATION, "Inline"},
          {"dimension text orient -99999999999999999999", DIMTEXT_ORIENTATION, ""},
          {kNoDimension, DIMTEXT_ORIENTATION, ""},
          {kNoDimension, DIMTEXT_WIDTH, ""},
          {kNoDimension, DIMTEXT_HEIGHT, ""},
          {kNoDimension, DIMTEXT_WEIGHT, ""},
          {kNoDimension, DIMTEXT_FONT, ""},
          {kNoDimension, DIMTEXT_FRAME, ""},
          {kNoDimension, DIMTEXT_MARGIN, ""},
          {kNoDimension, DIMTEXT_JUSTIFICATION, ""},
          {"dimension text orient 1", 1, ""},
          {"dimension text orient 1", 4, ""},
      });
}

// The phrases of one key-in are found in one pass over the places where
// "dimension " occurs: inside a longer word, right after another
// "dimension ", running into the next phrase, and each at its first place.
TEST(DimensionKeyins, PhrasesAreFoundWhereverTheyFirstOccur) {
  expectDecodes(decodeDimensionText,
                {
                    {"xdimension text height 2.50", DIMTEXT_HEIGHT, "2.5"},
                    {"dimension dimension text height 3", DIMTEXT_HEIGHT, "3"},
                    {"dimension text height 1;dimension text height 2", DIMTEXT_HEIGHT, "1"},
                    {"dimension text width 3dimension text height 4", DIMTEXT_WIDTH,
                     "3dimension text height 4"},
                    {"dimension text width 3dimension text height 4", DIMTEXT_HEIGHT, "4"},
                    {"dimension text heigh", DIMTEXT_HEIGHT, ""},
                    {"Dimension text height 1", DIMTEXT_HEIGHT, ""},
                });
  // Settings of all three groups read from one search of the key-in.
  DimensionPhrases phrases;
  findDimensionPhrases(
      "dimension terminator orienthead 1;dimension extension weight 2;dimension font 3", phrases);
  std::string out;
  decodeTerminator(phrases, TERMINATOR_ARROW, out);
  EXPECT_EQ(out, "closed");
  decodeExtensionLine(phrases, EXTENSION_WEIGHT, out);
  EXPECT_EQ(out, "2");
  decodeDimensionText(phrases, DIMTEXT_FONT, out);
  EXPECT_EQ(out, "3");
  decodeDimensionText(phrases, DIMTEXT_WIDTH, out);
  EXPECT_EQ(out, "");
}

}  // namespace
}  // namespace plotwarden
