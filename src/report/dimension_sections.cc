// The Dimensions and Leaders sections: per feature a bold name row, a
// dimension-style row and four detail groups, each a nested table with a
// heading row and one data row. Only the Text group differs between them.
#include "keyin/keyin_decoders.h"
#include "report/column_table.h"
#include "report/modern_markup.h"
#include "report/sections.h"
#include "report/shared_columns.h"

namespace plotwarden {

namespace {

constexpr ColumnDef kSectionHeading[] = {
    kFeatureColumn,
    {"Details", "Details", "", "", 0, "", CELL_LABEL, 0},
};

constexpr ColumnDef kNameRow[] = {
    {"", "", "", "", 0, "colName", CELL_BOLD_NAME, 0},
    {"", "", "", "", 0, "colName", CELL_LABEL, 0},
};

constexpr ColumnDef kStyleRow[] = {
    {"Dimension Style", "Dimension Style", "", "", 0, "colDimStyle", CELL_LABEL, 0},
    {"", "", "", "", 0, "colDimStyle", CELL_SYMBOLOGY, ROLE_DIM_STYLE},
};

// Inside the detail groups the Extra cell is never empty.
constexpr ColumnDef kGroupExtra = {"Extra", "Extra",    "colExtra",           "colExtra",
                                   0,       "colExtra", CELL_CLASS_OR_FILLER, 0};
constexpr ColumnDef kPlainGroupExtra = {
    "Extra", "Extra", "", "", 0, "colExtra", CELL_CLASS_OR_FILLER, 0};

constexpr ColumnDef kLinesColumns[] = {
    {"Level", "Layer", "colLevel", "colLevel", 90, "colLevel", CELL_SYMBOLOGY, ROLE_LEVEL},
    {"Color", "Color", "colColour", "colColour", 50, "colColour", CELL_SYMBOLOGY, ROLE_COLOUR},
    {"Style", "Linetype", "colLineStyle", "colLineStyle", 50, "colLineStyle", CELL_SYMBOLOGY,
     ROLE_LINE_STYLE},
    kWeightColumn,
    kGroupExtra,
};

constexpr ColumnDef kExtensionLinesColumns[] = {
    {"Style", "Linetype", "colLineStyle", "colLineStyle", 50, "colDimStyle", CELL_EXTENSION_LINE,
     EXTENSION_STYLE},
    {"Weight", "Weight", "colWeight", "colWeight", 50, "", CELL_EXTENSION_LINE, EXTENSION_WEIGHT},
    {"Offset", "Offset", "", "", 50, "", CELL_EXTENSION_LINE, EXTENSION_OFFSET},
    {"Extent", "Extent", "", "", 50, "", CELL_EXTENSION_LINE, EXTENSION_EXTENT},
    kGroupExtra,
};

constexpr ColumnDef kTerminatorsColumns[] = {
    {"Arrow", "Arrow", "", "", 50, "", CELL_TERMINATOR, TERMINATOR_ARROW},
    {"Width", "Width", "", "", 50, "", CELL_TERMINATOR, TERMINATOR_WIDTH},
    {"Height", "Height", "", "", 50, "", CELL_TERMINATOR, TERMINATOR_HEIGHT},
    {"Min.Leader", "Min.Leader", "", "", 50, "", CELL_TERMINATOR, TERMINATOR_MIN_LEADER},
    {"Extra", "Extra", "", "", 0, "", CELL_CLASS_OR_FILLER, 0},
};

constexpr ColumnDef kDimensionTextColumns[] = {
    {"Weight", "Weight", "", "", 50, "", CELL_DIMENSION_TEXT, DIMTEXT_WEIGHT},
    {"Font", "Font", "", "", 50, "", CELL_DIMENSION_TEXT, DIMTEXT_FONT},
    {"Width", "Width", "", "", 50, "", CELL_DIMENSION_TEXT, DIMTEXT_WIDTH},
    {"Height", "Height", "", "", 50, "", CELL_DIMENSION_TEXT, DIMTEXT_HEIGHT},
    {"Orient", "Orient", "", "", 50, "", CELL_DIMENSION_TEXT, DIMTEXT_ORIENTATION},
    {"Frame", "Frame", "", "", 50, "", CELL_DIMENSION_TEXT, DIMTEXT_FRAME},
    {"Margin", "Margin", "", "", 50, "", CELL_DIMENSION_TEXT, DIMTEXT_MARGIN},
    {"Just", "Just", "", "", 50, "", CELL_DIMENSION_TEXT, DIMTEXT_JUSTIFICATION},
    kPlainGroupExtra,
};

constexpr ColumnDef kLeaderTextColumns[] = {
    kTextStyleColumn, kTextColourColumn, kTextWeightColumn,  kTextFontColumn,
    kTextWidthColumn, kTextHeightColumn, kLineSpacingColumn, kPlainGroupExtra,
};

struct DetailGroup {
  std::string_view label;
  std::string_view rowClass;
  std::span<const ColumnDef> columns;
};

constexpr DetailGroup kLines = {"Lines", "colDimStyle", kLinesColumns};
constexpr DetailGroup kExtensionLines = {"Extension Lines", "", kExtensionLinesColumns};
constexpr DetailGroup kTerminators = {"Terminators", "", kTerminatorsColumns};
constexpr DetailGroup kDimensionText = {"Text", "", kDimensionTextColumns};
constexpr DetailGroup kLeaderText = {"Text", "", kLeaderTextColumns};

// The group's label row, whose second cell opens the nested table, then the
// nested table's heading row, data row and end.
void writeDetailGroup(TableWriter& writer, const DetailGroup& group) {
  if (writer.settings.modern) {
    std::string html = "<tr class=\"group\">";
    appendModernTag(html, "td", group.rowClass);
    html.append(group.label).append("</td><td><table class=\"detail\">\n");
    put(writer.out, html);
    writeHeading(writer, group.columns);
    writeFeatureRow(writer, group.columns);
    put(writer.out, "</tbody></table></td></tr>\n");
    return;
  }
  {
    // Every text of this row is the program's own; none holds a LF.
    PieceWriter row(writer.out, false);
    openDataRow(row);
    addDataCell(row, group.rowClass, group.label);
    addDataCell(row, group.rowClass, "<TABLE cellspacing='1' class='featuretable'>");
    closeRow(row);
  }
  writeHeading(writer, group.columns);
  writeFeatureRow(writer, group.columns);
  closeTable(writer.out);
}

void writeBlockSection(OutputStream& out, const Dictionary& dictionary,
                       const ReportSettings& report, std::string_view title,
                       FeatureCategory category, const DetailGroup& textGroup) {
  TableWriter writer(out, report);
  writeSection(writer, dictionary, title, kSectionHeading, categoryBit(category),
               [&textGroup](TableWriter& w) {
                 writeFeatureRow(w, kNameRow);
                 writeFeatureRow(w, kStyleRow);
                 writeDetailGroup(w, kLines);
                 writeDetailGroup(w, kExtensionLines);
                 writeDetailGroup(w, kTerminators);
                 writeDetailGroup(w, textGroup);
               });
}

}  // namespace

void writeDimensionsSection(OutputStream& out, const Dictionary& dictionary,
                            const ReportSettings& report) {
  writeBlockSection(out, dictionary, report, "Dimensions", CATEGORY_DIMENSIONS, kDimensionText);
}

void writeLeadersSection(OutputStream& out, const Dictionary& dictionary,
                         const ReportSettings& report) {
  writeBlockSection(out, dictionary, report, "Leaders", CATEGORY_LEADERS, kLeaderText);
}

}  // namespace plotwarden
