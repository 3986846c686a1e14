#include "check/encoding_rules.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace plotwarden {
namespace {

// The bytes as a load leaves them: the text up to a zero byte, without the
// mark.
FileBytes asLoaded(std::string_view bytes) {
  std::string_view text = bytes.substr(0, bytes.find('\0'));
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  return {bytes.substr(0, kEncodingHead), bytes.size(), text};
}

TEST(EncodingRules, DetectsHowAFileIsEncoded) {
  struct EncodingCase {
    std::string bytes;
    TextEncoding encoding;
  };
  const EncodingCase cases[] = {
      {"NAME,LEVEL\r\n", TextEncoding::kAscii},
      {"\xEF\xBB\xBFNAME\r\n", TextEncoding::kAscii},
      {"Stra\xC3\x9F"
       "e\r\n",
       TextEncoding::kUtf8},
      {"Stra\xDF"
       "e\r\n",
       TextEncoding::kLegacy},
      {"\xFF\xFEN\0A\0M\0E\0"s, TextEncoding::kUtf16},
      {"\xFE\xFF\0N\0A\0M\0E"s, TextEncoding::kUtf16},
      {"N\0A\0M\0E\0,\0L\0"s, TextEncoding::kUtf16},
      {"\xFF\xFE\0\0N\0\0\0"s, TextEncoding::kUtf32},
      {"N\0\0\0A\0\0\0M\0\0\0E\0\0\0"s, TextEncoding::kUtf32},
  };
  for (const EncodingCase& c : cases)
    EXPECT_EQ(detectEncoding(asLoaded(c.bytes)), c.encoding) << c.bytes;
}

std::vector<std::string> findingLines(std::string_view bytes) {
  std::vector<Finding> findings;
  checkEncoding("civil.csv", asLoaded(bytes), findings);
  std::vector<std::string> lines;
  for (const Finding& f : findings)
    lines.push_back(std::to_string(f.line) + ":" + std::to_string(f.column) + " " + f.code);
  return lines;
}

TEST(EncodingRules, FindingsPointAtTheFirstFault) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(findingLines("\xFF\xFEN\0A\0"s), (Lines{"1:0 utf16"}));
  EXPECT_EQ(findingLines("NAME\r\nab\0c\r\n"s), (Lines{"2:3 zero-byte"}));
  EXPECT_EQ(findingLines("NAME\r\nKerb\r\nStra\xDF"
                         "e\r\n"),
            (Lines{"3:5 not-utf8"}));
  EXPECT_EQ(findingLines("\xEF\xBB\xBFNAME\r\nStra\xC3\x9F"
                         "e\r\n"),
            Lines{});
  std::vector<Finding> findings;
  checkEncoding("civil.csv",
                asLoaded("NAME\r\nStra\xDF"
                         "e\r\n"),
                findings);
  EXPECT_NE(findings[0].message.find("read as 'Stra\xC3\x9F"
                                     "e'"),
            std::string::npos);
}

TEST(EncodingRules, DictionariesInTwoEncodingsAreNamed) {
  std::vector<Finding> findings;
  checkMixedEncodings({"a.csv", "b.csv", "c.csv"},
                      {TextEncoding::kAscii, TextEncoding::kLegacy, TextEncoding::kUtf8}, findings);
  ASSERT_EQ(findings.size(), 1u);
  EXPECT_EQ(findings[0].path, "c.csv");
  EXPECT_NE(findings[0].message.find("this dictionary is UTF-8, b.csv is Windows-1252"),
            std::string::npos);
  findings.clear();
  checkMixedEncodings({"a.csv", "b.csv"}, {TextEncoding::kAscii, TextEncoding::kLegacy}, findings);
  EXPECT_TRUE(findings.empty());
}

}  // namespace
}  // namespace plotwarden
