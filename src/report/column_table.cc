#include "report/column_table.h"

#include <algorithm>

#include "dictionary/run_options.h"
#include "keyin/keyin_decoders.h"
#include "keyin/keyin_scan.h"
#include "platform/prefetch.h"
#include "report/cell_preview.h"

namespace plotwarden {

TableWriter::TableWriter(OutputStream& stream, bool showImages, std::string_view imageFolder)
    : out(stream), settings{layerNaming(), showImages, imageFolder} {}

static bool isPresent(const ColumnDef& column, const SectionSettings& settings) {
  switch (column.presence) {
    case PRESENT_IN_LEVEL_MODE: return !settings.layerMode;
    case PRESENT_WITH_IMAGES: return settings.showImages;
    case PRESENT_ALWAYS: break;
  }
  return true;
}

static std::string_view labelOf(const ColumnDef& column, const SectionSettings& settings) {
  return settings.layerMode ? column.layerLabel : column.levelLabel;
}

void writeHeading(TableWriter& writer, std::span<const ColumnDef> columns) {
  for (const ColumnDef& column : columns) {
    if (!isPresent(column, writer.settings)) continue;
    appendColumn(writer.set, labelOf(column, writer.settings),
                 writer.settings.layerMode ? column.layerHeadingClass : column.levelHeadingClass,
                 column.width);
  }
  writeHeadingRow(writer.out, writer.set);
  releaseColumns(writer.set);
}

// The text of the current feature's cell in `column`.
static std::string_view producedCell(TableWriter& writer, const ColumnDef& column) {
  FeatureCells& cells = writer.cells;
  std::string& cell = writer.cell;
  switch (column.source) {
    case CELL_LABEL: return labelOf(column, writer.settings);
    case CELL_SYMBOLOGY: return symbologyText(cells, static_cast<FieldRole>(column.argument));
    case CELL_BOLD_NAME:
      cell.assign("<b>").append(symbologyText(cells, ROLE_FEATURE_NAME)).append("</b>");
      return cell;
    case CELL_FILL: decodeFill(cells.keyin, cell); return cell;
    case CELL_CLASS: return classText(cells);
    case CELL_CLASS_OR_FILLER: {
      // Detail tables keep their Extra cell from collapsing.
      std::string_view text = classText(cells);
      return text.empty() ? std::string_view("&nbsp") : text;
    }
    case CELL_TEXT_WIDTH: return textWidth(cells);
    case CELL_TEXT_HEIGHT: return textHeight(cells);
    case CELL_LINE_SPACING:
      cell.assign(symbologyText(cells, ROLE_LINE_SPACING));
      trimTrailingZeros(cell);
      return cell;
    case CELL_EXTENSION_LINE: decodeExtensionLine(cells.keyin, column.argument, cell); return cell;
    case CELL_TERMINATOR: decodeTerminator(cells.keyin, column.argument, cell); return cell;
    case CELL_DIMENSION_TEXT: decodeDimensionText(cells.keyin, column.argument, cell); return cell;
    case CELL_LIBRARY: return libraryText(cells);
    case CELL_SCALE: decodeScale(cells.keyin, cell); return cell;
    case CELL_PLACEMENT: decodePlacement(cells.keyin, cell); return cell;
    case CELL_PREVIEW:
      cellImageCell(symbologyText(cells, ROLE_CELL_NAME), libraryText(cells),
                    isLibraryFeature(cells), writer.settings.imageFolder, cell);
      return cell;
    case CELL_FEATURE_OR_LIBRARY_LINK:
      if (!writer.settings.showImages || !isLibraryFeature(cells))
        return symbologyText(cells, ROLE_FEATURE_NAME);
      libraryLinkCell(libraryTitle(cells), cell);
      return cell;
  }
  return {};
}

void writeFeatureRow(TableWriter& writer, std::span<const ColumnDef> columns) {
  for (const ColumnDef& column : columns) {
    if (!isPresent(column, writer.settings)) continue;
    appendColumn(writer.set, producedCell(writer, column), column.dataClass, column.width);
  }
  writeDataRow(writer.out, writer.set);
  releaseColumns(writer.set);
}

int nextFeatureOf(const Dictionary& dictionary, unsigned categories, int from) {
  const int count = dictionary.featureCount();
  while (from < count &&
         !(categoryBit(dictionary.features[static_cast<size_t>(from)].category) & categories))
    ++from;
  return std::min(from, count);
}

// Cache lines are 64 bytes on the machines this runs on; a line of a
// dictionary rarely needs more than a few of them.
constexpr size_t kCacheLine = 64;
constexpr size_t kTextLinesAhead = 4;

void prefetchFeatureCells(const Dictionary& dictionary, int index) {
  if (index >= dictionary.featureCount()) return;
  const Feature& feature = dictionary.features[static_cast<size_t>(index)];
  if (feature.fieldCount == 0) return;
  const char* first = reinterpret_cast<const char*>(dictionary.fieldStarts.data() + feature.firstField);
  const size_t bytes = (feature.fieldCount + 1) * sizeof(uint32_t);
  for (size_t offset = 0; offset < bytes; offset += kCacheLine) prefetchMemory(first + offset);
}

void prefetchFeatureText(const Dictionary& dictionary, int index) {
  if (index >= dictionary.featureCount()) return;
  const Feature& feature = dictionary.features[static_cast<size_t>(index)];
  if (feature.fieldCount == 0) return;
  const size_t start = dictionary.fieldStarts[feature.firstField];
  const size_t lastFieldEnd = dictionary.fieldStarts[feature.firstField + feature.fieldCount] - 1;
  const size_t end = std::min<size_t>(lastFieldEnd, start + kTextLinesAhead * kCacheLine);
  for (size_t offset = start; offset < end; offset += kCacheLine)
    prefetchMemory(dictionary.text.data() + offset);
}

void writeRowPerFeatureSection(OutputStream& out, const Dictionary& dictionary,
                               std::string_view title, std::span<const ColumnDef> columns,
                               unsigned categories) {
  TableWriter writer(out);
  writeSection(writer, dictionary, title, columns, categories,
               [columns](TableWriter& w) { writeFeatureRow(w, columns); });
}

}  // namespace plotwarden
