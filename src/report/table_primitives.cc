#include "report/table_primitives.h"

namespace plotwarden {

void appendColumn(ColumnSet& set, std::string_view label, std::string_view cssClass,
                  int32_t width) {
  if (set.count == set.columns.size()) set.columns.emplace_back();
  ColumnSpec& column = set.columns[set.count++];
  column.label.assign(label);
  column.cssClass.assign(cssClass);
  column.width = width;
}

void releaseColumns(ColumnSet& set) { set.count = 0; }

// The feature table is left open here; its closing tag comes with the rows
// (or, after a library heading, never: stored reports are nested that way).
void openFeatureTable(OutputStream& out, std::string_view title) {
  putAll(out, "<TABLE><TR><TD class='cfeaturetypeheading'>", title, "</TD></TR></TABLE>\n",
         "<TABLE cellspacing='1' class='featuretable'>\n");
}

// Each row goes to the stream in one piece writer, so its line ends are
// looked for once per row rather than once per cell.

void openRow(PieceWriter& row) { row.add("<TR>"); }

void addHeadingCell(PieceWriter& row, std::string_view label, std::string_view cssClass,
                    int32_t width) {
  if (width <= 0) {
    row.add("<TD class='cfeatureheading'>", label, "</TD>");
  } else {
    row.add("<TD width='");
    row.addNumber(width);
    row.add("' class='cfeatureheading ", cssClass, "'>", label, "</TD>");
  }
}

void writeHeadingRow(OutputStream& out, const ColumnSet& set) {
  PieceWriter row(out);
  openRow(row);
  for (size_t i = 0; i < set.count; ++i)
    addHeadingCell(row, set.columns[i].label, set.columns[i].cssClass, set.columns[i].width);
  closeRow(row);
}

void writeDataRow(OutputStream& out, const ColumnSet& set) {
  PieceWriter row(out);
  openDataRow(row);
  for (size_t i = 0; i < set.count; ++i)
    addDataCell(row, set.columns[i].cssClass, set.columns[i].label);
  closeRow(row);
}

// Written with its line end already CR LF: dimension and leader features
// close four nested tables each, and a LF to find would rewrite the tail.
void closeTable(OutputStream& out) { putConverted(out, "</TABLE>\r\n"); }

}  // namespace plotwarden
