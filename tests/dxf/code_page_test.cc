// Names of old DXF files in UTF-8.
#include "dxf/code_page.h"

#include <gtest/gtest.h>

namespace plotwarden::dxf {
namespace {

struct DecodeCase {
  std::string_view version, codePage, name, expected;
};

class NameDecoding : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(NameDecoding, GivesUtf8) {
  const DecodeCase& c = GetParam();
  const CodePage page = codePageOf(c.version, c.codePage);
  const std::string decoded =
      needsDecoding(c.name, page) ? decodeName(c.name, page) : std::string(c.name);
  EXPECT_EQ(decoded, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, NameDecoding,
    ::testing::Values(DecodeCase{"AC1015", "ANSI_1252", "Plain", "Plain"},
                      DecodeCase{"AC1015", "ANSI_1252", "\x80\x9F\xE9", "€Ÿé"},
                      DecodeCase{"AC1009", "", "\x81", "\xC2\x81"},
                      DecodeCase{"AC1018", "ISO8859-1", "\x80\xE9", "\xC2\x80é"},
                      DecodeCase{"AC1018", "ANSI_1251", "\xCF", "\xCF"},
                      DecodeCase{"AC1032", "ANSI_1252", "Grün", "Grün"},
                      DecodeCase{"AC1032", "ANSI_1252", "\\U+540D\\U+1F600",
                                 "名\xE1\xBD\xA0"
                                 "0"},
                      DecodeCase{"AC1009", "ANSI_1252", "A\\U+00e9\\U+00", "Aé\\U+00"},
                      DecodeCase{"AC1009", "ANSI_1252", "back\\slash", "back\\slash"}));

}  // namespace
}  // namespace plotwarden::dxf
