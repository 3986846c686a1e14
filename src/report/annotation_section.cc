// The Annotation section: one row per text feature with its text settings.
#include "report/column_table.h"
#include "report/sections.h"
#include "report/shared_columns.h"

namespace plotwarden {

namespace {

constexpr ColumnDef kAnnotationColumns[] = {
    kFeatureColumn,
    kLevelColumn,
    kTextStyleColumn,
    kTextColourColumn,
    {"Style", "Linetype", "colLineStyle", "colLineStyle", 20, "colLineStyle", CELL_SYMBOLOGY,
     ROLE_LINE_STYLE},
    kTextWeightColumn,
    kTextFontColumn,
    kTextWidthColumn,
    kTextHeightColumn,
    kLineSpacingColumn,
    kClassColumn,
};

}  // namespace

void writeAnnotationSection(OutputStream& out, const Dictionary& dictionary,
                            const ReportSettings& report) {
  writeRowPerFeatureSection(out, dictionary, report, "Annotation", kAnnotationColumns,
                            categoryBit(CATEGORY_TEXT));
}

}  // namespace plotwarden
