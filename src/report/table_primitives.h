// The primitives every table of the report is written with: a section
// opener, a heading row, a data row and a closer, driven by a column set.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/output_stream.h"

namespace plotwarden {

// One column of one row: the heading text or the cell text, the cell's CSS
// class (may be empty) and, in heading rows, the width (0 or less: none).
struct ColumnSpec {
  std::string label;
  std::string cssClass;
  int32_t width = 0;
};

// The columns of one row, in order. Released sets keep their storage, so a
// writer that refills one set for every row allocates nothing per cell.
struct ColumnSet {
  std::vector<ColumnSpec> columns;
  size_t count = 0;
};

// Adds a column at the end, copying both texts.
void appendColumn(ColumnSet& set, std::string_view label, std::string_view cssClass, int32_t width);

// Empties the set.
void releaseColumns(ColumnSet& set);

// The section title in a one-cell table, then the opening of the feature table.
void openFeatureTable(OutputStream& out, std::string_view title);

void writeHeadingRow(OutputStream& out, const ColumnSet& set);
void writeDataRow(OutputStream& out, const ColumnSet& set);

// The same rows written cell by cell, straight into the stream, for writers
// that make each cell's text just before it is written.
void openRow(PieceWriter& row);
void addHeadingCell(PieceWriter& row, std::string_view label, std::string_view cssClass,
                    int32_t width);
inline void openDataRow(PieceWriter& row) { row.add("<TR class='cfeature'>"); }
// Inline: a data cell is the most often written piece of the report. The
// blank in "class= '" is deliberate: stored reports and their readers have it.
inline void addDataCell(PieceWriter& row, std::string_view cssClass, std::string_view text) {
  row.add("<TD class= '", cssClass, "'>", text, "</TD>");
}
inline void closeRow(PieceWriter& row) {
  row.add("</TR>");
  row.addLineEnd();
}

// Closes a feature table, or a nested detail table.
void closeTable(OutputStream& out);

}  // namespace plotwarden
