#include <gtest/gtest.h>

#include <string>

#include "keyin/keyin_decoders.h"

namespace plotwarden {
namespace {

using TextDecoder = void (*)(std::string_view, std::string&);

struct DecodeCase {
  const char* keyin;
  const char* expected;
};

void expectDecodes(TextDecoder decode, std::initializer_list<DecodeCase> cases) {
  for (const DecodeCase& c : cases) {
    std::string out = "stale";
    decode(c.keyin, out);
    EXPECT_EQ(out, c.expected) << c.keyin;
  }
}

TEST(DecodeFill, ShowsTheFillColourOrYes) {
  expectDecodes(decodeFill, {
                                {"active fill on", "Yes"},
                                {"active fillcolor 5;active fill on", "5"},
                                {"active fill on;active fillcolor 5", "5"},
                                {"active fillcolor 5 ", "5 "},
                                {"active fill off", ""},
                                {"Active fill on", ""},
                                {"", ""},
                            });
}

TEST(DecodePlacement, NamesWhatTheFeaturePlaces) {
  expectDecodes(decodePlacement, {
                                     {"place cell NORTH;active scale 2", "Place NORTH"},
                                     {"active scale 2;place cell NORTH", "Place NORTH"},
                                     {"place cell iconA", ""},
                                     {"place cell icon", ""},
                                     {"place cell ico;n", "Place ico"},
                                     {"place cell Xicon", "Place Xicon"},
                                     {"place cell ", "Place "},
                                     {"lt=2", "Place Terminator"},
                                     {"active terminator ARROW", "Place Terminator"},
                                     {"ps=0.5", "Place Pattern"},
                                     {"active pattern scale 2", "Place Pattern"},
                                     {"lt=2;ps=0.5", "Place Terminator"},
                                     {"place cell A;lt=2", "Place A"},
                                     {"as=2", ""},
                                     {"", ""},
                                 });
}

TEST(DecodeClass, ShowsTheActiveClass) {
  expectDecodes(decodeClass, {
                                 {"active class construction", "Class: construction"},
                                 {"as=1;active class primary;ps=2", "Class: primary"},
                                 {"active class ", "Class: "},
                                 {"active classconstruction", ""},
                                 {"", ""},
                             });
}

TEST(DecodeLibrary, TriesTheShortFormFirst) {
  expectDecodes(decodeLibrary, {
                                   {"attach library lib1;rc=lib2", "lib2"},
                                   {"attach library lib1", "lib1"},
                                   {"rc=c:\\cells\\a.cel", "c:\\cells\\a.cel"},
                                   {"src=x", "x"},
                                   {"", ""},
                               });
}

TEST(DecodeScale, ShowsTheUniformOrThePerAxisScale) {
  expectDecodes(decodeScale, {
                                 {"place cell NORTH;active scale 2", "2"},
                                 {"ps=0.5", "0.5"},
                                 {"active scale 2.500", "2.5"},
                                 {"active scale 100", "100"},
                                 {"as=2;active scale 5", "5"},
                                 {"active pattern scale 3.0;as=4", "4"},
                                 {"ts=1.250;ps=2", "2"},
                                 {"ts=1.250", "1.25"},
                                 {"active scale 2 ", "2 "},
                                 {"active scale big", "big"},
                                 {"active xscale 2;xs=4;zs=1.50", "x:4z:1.5"},
                                 {"xs=2;ys=3", "x:2y:3"},
                                 {"xs=2.0;ys=3.0", "x:2.0y:3"},
                                 {"active yscale 2;active zscale 3", "y:2z:3"},
                                 {"xs=4;active xscale 2", "x:4"},
                                 {"active xscale 2;xs=", ""},
                                 {"as=2;xs=3", "2"},
                                 {"as=;xs=3", ""},
                                 {"place cell A", ""},
                                 {"", ""},
                             });
}

}  // namespace
}  // namespace plotwarden
