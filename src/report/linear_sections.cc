// The Linear, 3D Solids and Hatching sections: one row per feature.
#include "report/column_table.h"
#include "report/sections.h"
#include "report/shared_columns.h"

namespace plotwarden {

namespace {

constexpr ColumnDef kFillColumn = {"Fill", "Fill",    "colFill", "colFill",
                                   50,     "colFill", CELL_FILL, 0};

constexpr ColumnDef onlyIn(ColumnPresence presence, ColumnDef column) {
  column.presence = presence;
  return column;
}

// The style column's heading class differs between the sections and the
// modes, while its data cells always carry colLineStyle. "colLineEtyle" is
// deliberate: readers' style sheets select the hatching heading by it.
constexpr ColumnDef kStyleColumn = {"Style", "Linetype",     "colStyle",     "colLineType",
                                    50,      "colLineStyle", CELL_SYMBOLOGY, ROLE_LINE_STYLE};
constexpr ColumnDef kHatchStyleColumn = {"Style", "Linetype",     "colLineStyle", "colLineEtyle",
                                         50,      "colLineStyle", CELL_SYMBOLOGY, ROLE_LINE_STYLE};

constexpr ColumnDef kLinearColumns[] = {
    kFeatureColumn, kLevelColumn,  kColorColumn, onlyIn(PRESENT_IN_LEVEL_MODE, kFillColumn),
    kStyleColumn,   kWeightColumn, kClassColumn,
};

constexpr ColumnDef kSolidsColumns[] = {
    kFeatureColumn, kLevelColumn, kColorColumn, kStyleColumn, kWeightColumn, kClassColumn,
};

constexpr ColumnDef kHatchingColumns[] = {
    kFeatureColumn,    kLevelColumn,  kColorColumn, kFillColumn,
    kHatchStyleColumn, kWeightColumn, kClassColumn,
};

}  // namespace

void writeLinearSection(OutputStream& out, const Dictionary& dictionary,
                        const ReportSettings& report) {
  writeRowPerFeatureSection(out, dictionary, report, "Linear", kLinearColumns,
                            categoryBit(CATEGORY_LINEAR));
}

void writeSolidsSection(OutputStream& out, const Dictionary& dictionary,
                        const ReportSettings& report) {
  writeRowPerFeatureSection(out, dictionary, report, "3D Solids", kSolidsColumns,
                            categoryBit(CATEGORY_SOLIDS));
}

void writeHatchingSection(OutputStream& out, const Dictionary& dictionary,
                          const ReportSettings& report) {
  writeRowPerFeatureSection(out, dictionary, report, "Hatching", kHatchingColumns,
                            categoryBit(CATEGORY_HATCHING));
}

}  // namespace plotwarden
