#include "report/summary_table.h"

#include <string>

#include "dictionary/classification.h"
#include "dictionary/dictionary_store.h"
#include "report/table_primitives.h"

namespace plotwarden {

namespace {

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

void writeSummaryTable(OutputStream& out, const std::vector<Dictionary>& dictionaries,
                       const ReportSettings& report) {
  openFeatureTable(out, "Dictionary Summary");
  ColumnSet columns;
  appendHeadings(columns, report.layerNaming);
  writeHeadingRow(out, columns);
  releaseColumns(columns);

  for (const Dictionary& dictionary : dictionaries) {
    appendColumn(columns, dictionary.name, "", 0);
    appendColumn(columns, dictionary.version, "", 0);
    for (int count : passCounts(dictionary)) appendColumn(columns, std::to_string(count), "", 0);
    writeDataRow(out, columns);
    releaseColumns(columns);
  }
  closeTable(out);
}

}  // namespace plotwarden
