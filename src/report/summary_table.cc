#include "report/summary_table.h"

#include <string>

#include "dictionary/classification.h"
#include "dictionary/dictionary_store.h"
#include "report/table_primitives.h"

namespace plotwarden {

namespace {

int32_t& countOf(Dictionary& dictionary, FeatureCategory category) {
  switch (category) {
    case CATEGORY_CELLS:
      return dictionary.cellCount;
    case CATEGORY_LINEAR:
      return dictionary.linearCount;
    case CATEGORY_TEXT:
      return dictionary.textCount;
    case CATEGORY_DIMENSIONS:
      return dictionary.dimensionCount;
    case CATEGORY_SOLIDS:
      return dictionary.solidCount;
    case CATEGORY_LEADERS:
      return dictionary.leaderCount;
    case CATEGORY_HATCHING:
      return dictionary.hatchCount;
    default:
      return dictionary.shapeCount;
  }
}

void appendHeadings(ColumnSet& columns, bool layer) {
  appendColumn(columns, "Dictionary", "", 200);
  appendColumn(columns, "Version", "", 50);
  appendColumn(columns, layer ? "#Blocks" : "#Cells", "", 50);
  appendColumn(columns, "#Linear", "", 50);
  appendColumn(columns, layer ? "#Annotation" : "#Text", "", 50);
  appendColumn(columns, "#Dimensions", "", 50);
  appendColumn(columns, "#3D Solids", "", 50);
  appendColumn(columns, "#Leaders", "", 50);
  appendColumn(columns, "#Hatching", "", 50);
}

}  // namespace

void writeSummaryTable(OutputStream& out, std::vector<Dictionary>& dictionaries,
                       const ReportSettings& report) {
  openFeatureTable(out, "Dictionary Summary");
  ColumnSet columns;
  appendHeadings(columns, report.layerNaming);
  writeHeadingRow(out, columns);
  releaseColumns(columns);

  std::array<int, kPassCount> counts;
  for (Dictionary& dictionary : dictionaries) {
    appendColumn(columns, dictionary.name, "", 0);
    appendColumn(columns, dictionary.version, "", 0);
    classifyInPassOrder(dictionary, counts);
    for (size_t pass = 0; pass < kPassCount; ++pass) {
      countOf(dictionary, kPassOrder[pass]) = counts[pass];
      appendColumn(columns, std::to_string(counts[pass]), "", 0);
    }
    writeDataRow(out, columns);
    releaseColumns(columns);
  }
  closeTable(out);
}

}  // namespace plotwarden
