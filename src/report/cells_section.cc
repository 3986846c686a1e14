// The Cells (Blocks) section and the symbol library tables its library
// features call for.
#include "report/column_table.h"
#include "report/library_tables.h"
#include "report/sections.h"
#include "report/shared_columns.h"

namespace plotwarden {

namespace {

constexpr ColumnDef kCellsColumns[] = {
    {"Preview", "Preview", "csymbolpic", "csymbolpic", 100, "csymbolpic", CELL_PREVIEW, 0,
     PRESENT_WITH_IMAGES},
    {"Feature", "Feature", "colName", "colName", 80, "colName", CELL_FEATURE_OR_LIBRARY_LINK, 0},
    {"Cell", "Block", "colCellName", "colCellName", 70, "colCellName", CELL_SYMBOLOGY,
     ROLE_CELL_NAME},
    {"Library", "Library", "colCellLibrary", "colCellLibrary", 70, "colCellLibrary", CELL_LIBRARY,
     0},
    kLevelColumn,
    kColorColumn,
    {"Style", "Linetype", "colLineStyle", "colLineStyle", 50, "colLineStyle", CELL_SYMBOLOGY,
     ROLE_LINE_STYLE},
    kWeightColumn,
    {"Scale", "Scale", "colScale", "colScale", 50, "colScale", CELL_SCALE, 0},
    // Unlike the other sections' Extra, this heading has a width.
    {"Extra", "Extra", "colExtra", "colExtra", 50, "colExtra", CELL_PLACEMENT, 0},
};

}  // namespace

void writeCellsSection(OutputStream& out, const Dictionary& dictionary,
                       const ReportSettings& report, bool showImages, std::string_view imageFolder,
                       std::string_view outputPath) {
  TableWriter writer(out, report, showImages, imageFolder);
  writeSection(writer, dictionary, writer.settings.layerMode ? "Blocks" : "Cells", kCellsColumns,
               categoryBit(CATEGORY_CELLS), [](TableWriter& w) {
                 writeFeatureRow(w, kCellsColumns);
                 if (w.settings.showImages && isLibraryFeature(w.cells))
                   w.libraries.push_back(
                       {std::string(libraryText(w.cells)), std::string(libraryTitle(w.cells))});
               });
  writeLibraryTables(writer.libraries, out, imageFolder, outputPath, report.modern);
}

}  // namespace plotwarden
