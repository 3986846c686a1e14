// The one mechanism every feature table is written with: a section is a
// static table of column definitions (labels, classes and width per naming
// mode, and what each data cell shows); heading and data rows are made from
// such a table and handed to the table primitives.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dictionary/dictionary_store.h"
#include "platform/output_stream.h"
#include "report/feature_cells.h"
#include "report/library_tables.h"
#include "report/report_settings.h"
#include "report/section_members.h"
#include "report/table_primitives.h"

namespace plotwarden {

// What a data cell shows.
enum CellSource {
  CELL_LABEL,            // the column's own label: fixed cells of block rows
  CELL_SYMBOLOGY,        // symbologyText of the role in `argument`
  CELL_BOLD_NAME,        // the rendered feature name in <b></b>
  CELL_FILL,             // decodeFill
  CELL_CLASS,            // decodeClass
  CELL_CLASS_OR_FILLER,  // decodeClass, or "&nbsp" when that is empty
  CELL_TEXT_WIDTH,       // splitTextSize of the rendered TEXT SCALE
  CELL_TEXT_HEIGHT,
  CELL_LINE_SPACING,             // rendered LINE SPACING without trailing zeros
  CELL_EXTENSION_LINE,           // decodeExtensionLine of the item in `argument`
  CELL_TERMINATOR,               // decodeTerminator of the item in `argument`
  CELL_DIMENSION_TEXT,           // decodeDimensionText of the item in `argument`
  CELL_LIBRARY,                  // decodeLibrary
  CELL_SCALE,                    // decodeScale
  CELL_PLACEMENT,                // decodePlacement
  CELL_PREVIEW,                  // cellImageCell
  CELL_FEATURE_OR_LIBRARY_LINK,  // library link with pictures on, else the feature name
};

enum ColumnPresence { PRESENT_ALWAYS, PRESENT_IN_LEVEL_MODE, PRESENT_WITH_IMAGES };

struct ColumnDef {
  std::string_view levelLabel;
  std::string_view layerLabel;
  std::string_view levelHeadingClass;
  std::string_view layerHeadingClass;
  int32_t width;
  std::string_view dataClass;
  CellSource source;
  int argument;  // a FieldRole or a decoder's item code; 0 where unused
  ColumnPresence presence = PRESENT_ALWAYS;
};

struct SectionSettings {
  bool layerMode = false;
  bool showImages = false;
  std::string_view imageFolder;
  bool modern = false;
  std::string_view anchor;  // of the dictionary, in the modern document
  BlockConcurrency blocks;
};

// What a section writer works with: the stream, the run's settings, the
// current feature's texts and the symbol libraries the written features
// call for, in order.
struct TableWriter {
  // Worded by the report's naming mode.
  TableWriter(OutputStream& stream, const ReportSettings& report, bool showImages = false,
              std::string_view imageFolder = {});
  TableWriter(OutputStream& stream, const SectionSettings& sectionSettings);

  OutputStream& out;
  SectionSettings settings;
  FeatureCells cells;
  std::string cell;  // the text of a cell made for one column only
  std::string row;   // a modern row, made whole before it is written
  std::vector<NamedLibrary> libraries;
  // Heading rows made before, by column table: the dimension sections write
  // the same four for every feature.
  std::vector<std::pair<const ColumnDef*, std::string>> headings;
};

// The heading row of the columns present in the current mode.
void writeHeading(TableWriter& writer, std::span<const ColumnDef> columns);

// One data row of the current feature (see beginFeature).
void writeFeatureRow(TableWriter& writer, std::span<const ColumnDef> columns);

// What a section writes for the feature begun in the writer's cells.
using FeatureWriter = std::function<void(TableWriter& writer)>;

// A section: its title in a table of its own, the feature table with the
// heading row, then for every feature whose category is in `categories`, in
// dictionary order, `writeFeature` with the feature begun, and the closing
// of the feature table. The features are written in blocks, side by side
// where the machine has processors to spare; `writeFeature` then runs on
// several threads at once, each with a writer of its own.
void writeSection(TableWriter& writer, const Dictionary& dictionary, std::string_view title,
                  std::span<const ColumnDef> heading, unsigned categories,
                  const FeatureWriter& writeFeature);

// A section of one row per feature, the heading and the rows made from one
// column table.
void writeRowPerFeatureSection(OutputStream& out, const Dictionary& dictionary,
                               const ReportSettings& report, std::string_view title,
                               std::span<const ColumnDef> columns, unsigned categories);

}  // namespace plotwarden
