#include "report/table_primitives.h"

#include <gtest/gtest.h>

namespace plotwarden {
namespace {

TEST(TablePrimitives, OpenFeatureTableWritesTheTitleTableAndOpensTheFeatureTable) {
  OutputStream out;
  openFeatureTable(out, "Linear");
  EXPECT_EQ(bufferedText(out),
            "<TABLE><TR><TD class='cfeaturetypeheading'>Linear</TD></TR></TABLE>\r\n"
            "<TABLE cellspacing='1' class='featuretable'>\r\n");
}

TEST(TablePrimitives, HeadingCellsWithAndWithoutWidth) {
  OutputStream out;
  ColumnSet set;
  appendColumn(set, "Feature", "colName", 80);
  appendColumn(set, "Version", "", 50);
  appendColumn(set, "Extra", "colExtra", 0);
  appendColumn(set, "Minus", "colMinus", -3);
  writeHeadingRow(out, set);
  EXPECT_EQ(bufferedText(out),
            "<TR><TD width='80' class='cfeatureheading colName'>Feature</TD>"
            "<TD width='50' class='cfeatureheading '>Version</TD>"
            "<TD class='cfeatureheading'>Extra</TD>"
            "<TD class='cfeatureheading'>Minus</TD></TR>\r\n");
}

TEST(TablePrimitives, DataCellsCarryTheirClassAndNoWidth) {
  OutputStream out;
  ColumnSet set;
  appendColumn(set, "Road", "colName", 80);
  appendColumn(set, "", "colFill", 50);
  appendColumn(set, "x", "", 0);
  writeDataRow(out, set);
  EXPECT_EQ(bufferedText(out),
            "<TR class='cfeature'><TD class= 'colName'>Road</TD><TD class= 'colFill'></TD>"
            "<TD class= ''>x</TD></TR>\r\n");
}

TEST(TablePrimitives, AnEmptySetWritesBareRows) {
  OutputStream out;
  ColumnSet set;
  writeHeadingRow(out, set);
  writeDataRow(out, set);
  EXPECT_EQ(bufferedText(out), "<TR></TR>\r\n<TR class='cfeature'></TR>\r\n");
}

TEST(TablePrimitives, ARefilledSetWritesOnlyTheNewColumns) {
  OutputStream out;
  ColumnSet set;
  appendColumn(set, "one", "a", 10);
  appendColumn(set, "two", "b", 10);
  appendColumn(set, "three", "c", 10);
  releaseColumns(set);
  EXPECT_EQ(set.count, 0u);
  appendColumn(set, "four", "d", 0);
  writeDataRow(out, set);
  writeHeadingRow(out, set);
  EXPECT_EQ(bufferedText(out),
            "<TR class='cfeature'><TD class= 'd'>four</TD></TR>\r\n"
            "<TR><TD class='cfeatureheading'>four</TD></TR>\r\n");
}

TEST(TablePrimitives, AppendCopiesTheTexts) {
  OutputStream out;
  ColumnSet set;
  std::string buffer = "first";
  appendColumn(set, buffer, buffer, 0);
  buffer = "second";
  appendColumn(set, buffer, "k", 0);
  writeDataRow(out, set);
  EXPECT_EQ(
      bufferedText(out),
      "<TR class='cfeature'><TD class= 'first'>first</TD><TD class= 'k'>second</TD></TR>\r\n");
}

TEST(TablePrimitives, TextIsWrittenAsItStands) {
  OutputStream out;
  ColumnSet set;
  appendColumn(set, "100% <b>&", "c%s", 20);
  writeHeadingRow(out, set);
  writeDataRow(out, set);
  openFeatureTable(out, "%d%%");
  EXPECT_EQ(bufferedText(out),
            "<TR><TD width='20' class='cfeatureheading c%s'>100% <b>&</TD></TR>\r\n"
            "<TR class='cfeature'><TD class= 'c%s'>100% <b>&</TD></TR>\r\n"
            "<TABLE><TR><TD class='cfeaturetypeheading'>%d%%</TD></TR></TABLE>\r\n"
            "<TABLE cellspacing='1' class='featuretable'>\r\n");
}

TEST(TablePrimitives, CloseTableEndsALine) {
  OutputStream out;
  closeTable(out);
  EXPECT_EQ(bufferedText(out), "</TABLE>\r\n");
}

}  // namespace
}  // namespace plotwarden
