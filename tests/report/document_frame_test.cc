#include "report/document_frame.h"

#include <gtest/gtest.h>

namespace plotwarden {
namespace {

std::string titleBlock(std::optional<std::string_view> version) {
  OutputStream out;
  writeTitleBlock(out, "Roads", "<i>Road</i> features", version);
  return std::string(bufferedText(out));
}

TEST(TitleBlock, ShowsTheVersionUnlessEmptyOrNotSet) {
  const std::string twoRows =
      "<TABLE class='tablefolder'><TR><TD class='dictname'>Roads</TD></TR>"
      "<TR><TD class='dictdesc'><i>Road</i> features</TD></TR></TABLE>\r\n";
  EXPECT_EQ(titleBlock(std::nullopt), twoRows);
  EXPECT_EQ(titleBlock(""), twoRows);
  EXPECT_EQ(titleBlock("not set"), twoRows);
  EXPECT_EQ(titleBlock("Not Set"),
            "<TABLE class='tablefolder'><TR><TD class='dictname'>Roads</TD></TR>"
            "<TR><TD class='dictdesc'><i>Road</i> features</TD></TR>"
            "<TR><TD class='dictdesc'>VNot Set</TD></TR></TABLE>\r\n");
}

TEST(TitleBlock, WritesPercentSignsAndLineEndsAsTheyStand) {
  OutputStream out;
  writeTitleBlock(out, "100%s", "Tue Dec  8 03:58:51 2026\n<br>x", "%d");
  EXPECT_EQ(bufferedText(out),
            "<TABLE class='tablefolder'><TR><TD class='dictname'>100%s</TD></TR>"
            "<TR><TD class='dictdesc'>Tue Dec  8 03:58:51 2026\r\n<br>x</TD></TR>"
            "<TR><TD class='dictdesc'>V%d</TD></TR></TABLE>\r\n");
}

TEST(DocumentFrame, FixedPieces) {
  OutputStream out;
  writeDocumentStart(out);
  writeHeadEnd(out);
  writeDictionaryBreak(out);
  writeDocumentEnd(out);
  EXPECT_EQ(bufferedText(out),
            "<HTML><HEAD><TITLE>CAD Standards Report</TITLE>\r\n</HEAD>\r\n<BODY>\r\n<BR>\r\n"
            "</BODY>\r\n</HTML>\r\n");
}

const char* const kSheetStart =
    "<style>\r\n"
    "@page jpage { size: 10cm 10cm }\r\n"
    ".tablefolder {page:jpage;width:100%;background-color:D6D3CE;}\r\n"
    ".dictname{text-align:center;font-family: Verdana,Helvetica,Arial;font-size: "
    "17pt;font-weight:bold;}\r\n"
    ".dictdesc{text-align:center;font-family: Verdana,Helvetica,Arial;font-size: 17pt;}\r\n"
    ".foldername{text-align:center;font-family: Verdana,Helvetica,Arial;font-size: "
    "12pt;font-weight:bold;}\r\n"
    ".folderdesc{text-align:center;font-family: Verdana,Helvetica,Arial;font-size: "
    "10pt;font-weight:bold;}\r\n"
    ".featuretable {page:jpage;width:100%;border-width:0;background-color:000;}\r\n"
    ".cfeaturetypeheading {text-align:left;font-family: Verdana,Helvetica,Arial;font-size: "
    "10pt;font-weight:bold;}\r\n"
    ".cfeatureheading {text-align:left;font-family: Verdana,Helvetica,Arial;font-size: "
    "8pt;font-weight:bold;background-color:D6D3CE;}\r\n"
    ".cfeature{text-align:left;font-family: Verdana,Helvetica,Arial;font-size: "
    "8pt;font-weight:normal;background-color:EFEFEF;}\r\n";

TEST(StyleSheet, WithoutADictionaryHidesEveryColumn) {
  OutputStream out;
  writeStyleSheet(out, nullptr, false);
  EXPECT_EQ(bufferedText(out), std::string(kSheetStart) +
                                   ".csymbolpic {height:100;width:100;display:\"none\";} \r\n"
                                   ".colLibTableName {display:\"none\";} \r\n"
                                   ".colLibTableDesc {display:\"none\";} \r\n"
                                   "\r\n"
                                   ".colName {display:\"none\";} \r\n"
                                   ".colLevel {display:\"none\";} \r\n"
                                   ".colColour {display:\"none\";} \r\n"
                                   ".colWeight {display:\"none\";} \r\n"
                                   ".colLineStyle {display:\"none\";} \r\n"
                                   ".colTextScale {display:\"none\";} \r\n"
                                   ".colTextFont {display:\"none\";} \r\n"
                                   ".colTextWeight {display:\"none\";} \r\n"
                                   ".colTextLineSpacing {display:\"none\";} \r\n"
                                   ".colCellName {display:\"none\";} \r\n"
                                   ".colTextStyle {display:\"none\";} \r\n"
                                   ".colDimStyle {display:\"none\";} \r\n"
                                   ".colKeyin {display:\"none\";} \r\n"
                                   ".colCellLibrary {display:\"none\";} \r\n"
                                   ".colExtra {display:\"none\";} \r\n"
                                   ".colFill {display:\"none\"}; \r\n"
                                   ".colFeatureType {display:\"none\";} \r\n"
                                   ".colElmType {display:\"none\";} \r\n"
                                   "</style>\r\n");
}

TEST(StyleSheet, ColumnRulesFollowTheHeader) {
  Dictionary dictionary;
  for (FieldRole role : {ROLE_FEATURE_NAME, ROLE_LEVEL, ROLE_KEY_IN, ROLE_LINE_SPACING,
                         ROLE_ELEMENT_TYPES, ROLE_UNKNOWN})
    appendHeaderCell(dictionary, HeaderCell{FieldCell{}, role});
  OutputStream out;
  writeStyleSheet(out, &dictionary, true);
  EXPECT_EQ(bufferedText(out), std::string(kSheetStart) +
                                   ".csymbolpic {height:100;width:100;display:\"inline\";} \r\n"
                                   ".colLibTableName {display:\"inline\";} \r\n"
                                   ".colLibTableDesc {display:\"inline\";} \r\n"
                                   "\r\n"
                                   ".colName {display:\"inline\";} \r\n"
                                   ".colLevel {display:\"inline\";} \r\n"
                                   ".colColour {display:\"none\";} \r\n"
                                   ".colWeight {display:\"none\";} \r\n"
                                   ".colLineStyle {display:\"none\";} \r\n"
                                   ".colTextScale {display:\"none\";} \r\n"
                                   ".colTextFont {display:\"none\";} \r\n"
                                   ".colTextWeight {display:\"none\";} \r\n"
                                   ".colLineSpacing {display:\"inline\";} \r\n"
                                   ".colCellName {display:\"none\";} \r\n"
                                   ".colTextStyle {display:\"none\";} \r\n"
                                   ".colDimStyle {display:\"none\";} \r\n"
                                   ".colKeyin {display:\"inline\";} \r\n"
                                   ".colCellLibrary {display:\"inline\";} \r\n"
                                   ".colExtra {display:\"inline\"}; \r\n"
                                   ".colFill {display:\"inline\"}; \r\n"
                                   ".colFeatureType {display:\"none\";} \r\n"
                                   ".colElmType {display:\"inline\";} \r\n"
                                   "</style>\r\n");
}

}  // namespace
}  // namespace plotwarden
