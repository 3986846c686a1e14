#include "report/column_table.h"

#include <algorithm>
#include <memory>

#include "keyin/keyin_decoders.h"
#include "keyin/keyin_scan.h"
#include "report/block_pipeline.h"
#include "report/cell_preview.h"
#include "report/feature_loop.h"
#include "report/html_text.h"
#include "report/modern_markup.h"
#include "report/section_members.h"

namespace plotwarden {

TableWriter::TableWriter(OutputStream& stream, const ReportSettings& report, bool showImages,
                         std::string_view imageFolder)
    : TableWriter(stream, SectionSettings{report.layerNaming, showImages, imageFolder,
                                          report.modern, report.anchor, report.blocks}) {}

TableWriter::TableWriter(OutputStream& stream, const SectionSettings& sectionSettings)
    : out(stream), settings(sectionSettings) {
  cells.layerNaming = settings.layerMode;
}

static bool isPresent(const ColumnDef& column, const SectionSettings& settings) {
  switch (column.presence) {
    case PRESENT_IN_LEVEL_MODE:
      return !settings.layerMode;
    case PRESENT_WITH_IMAGES:
      return settings.showImages;
    case PRESENT_ALWAYS:
      break;
  }
  return true;
}

static std::string_view labelOf(const ColumnDef& column, const SectionSettings& settings) {
  return settings.layerMode ? column.layerLabel : column.levelLabel;
}

static std::string modernHeading(const TableWriter& writer, std::span<const ColumnDef> columns);

void writeHeading(TableWriter& writer, std::span<const ColumnDef> columns) {
  for (const auto& [table, text] : writer.headings) {
    if (table == columns.data()) {
      putConverted(writer.out, text);
      return;
    }
  }
  OutputStream heading;
  if (writer.settings.modern) {
    put(heading, modernHeading(writer, columns));
  } else {
    PieceWriter row(heading);
    openRow(row);
    for (const ColumnDef& column : columns) {
      if (!isPresent(column, writer.settings)) continue;
      addHeadingCell(
          row, labelOf(column, writer.settings),
          writer.settings.layerMode ? column.layerHeadingClass : column.levelHeadingClass,
          column.width);
    }
    closeRow(row);
  }
  writer.headings.emplace_back(columns.data(), bufferedText(heading));
  putConverted(writer.out, bufferedText(heading));
}

// The text of the current feature's cell in `column`.
// An arrow or orientation word that is absent or unknown shows as "&nbsp",
// without its ';', as stored reports have it.
static std::string_view orNoWord(std::string_view word) { return word.empty() ? "&nbsp" : word; }

static std::string_view producedCell(TableWriter& writer, const ColumnDef& column) {
  FeatureCells& cells = writer.cells;
  std::string& cell = writer.cell;
  switch (column.source) {
    case CELL_LABEL:
      return labelOf(column, writer.settings);
    case CELL_SYMBOLOGY:
      return symbologyText(cells, static_cast<FieldRole>(column.argument));
    case CELL_BOLD_NAME:
      cell.assign("<b>").append(symbologyText(cells, ROLE_FEATURE_NAME)).append("</b>");
      return cell;
    case CELL_FILL:
      decodeFill(cells.keyin, cell);
      return cell;
    case CELL_CLASS:
      return classText(cells);
    case CELL_CLASS_OR_FILLER: {
      // Detail tables keep their Extra cell from collapsing; "&nbsp" lacks
      // its ';' deliberately, as stored reports have it.
      std::string_view text = classText(cells);
      return text.empty() ? std::string_view("&nbsp") : text;
    }
    case CELL_TEXT_WIDTH:
      return textWidth(cells);
    case CELL_TEXT_HEIGHT:
      return textHeight(cells);
    case CELL_LINE_SPACING:
      cell.assign(symbologyText(cells, ROLE_LINE_SPACING));
      trimTrailingZeros(cell);
      return cell;
    case CELL_EXTENSION_LINE:
      decodeExtensionLine(dimensionPhrases(cells), column.argument, cell);
      return cell;
    case CELL_TERMINATOR:
      decodeTerminator(dimensionPhrases(cells), column.argument, cell);
      return column.argument == TERMINATOR_ARROW ? orNoWord(cell) : cell;
    case CELL_DIMENSION_TEXT:
      decodeDimensionText(dimensionPhrases(cells), column.argument, cell);
      return column.argument == DIMTEXT_ORIENTATION ? orNoWord(cell) : cell;
    case CELL_LIBRARY:
      return libraryText(cells);
    case CELL_SCALE:
      decodeScale(cells.keyin, cell);
      return cell;
    case CELL_PLACEMENT:
      decodePlacement(cells.keyin, cell);
      return cell;
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

// Whether the cells of a data row may hold a LF. They are made of the
// feature's fields, the image folder and texts of the program's own, which
// hold none.
static bool cellsMayHoldLineFeeds(const TableWriter& writer) {
  return writer.cells.fieldsMayHoldLineFeeds ||
         writer.settings.imageFolder.find('\n') != std::string_view::npos;
}

// The modern form of a cell: dictionary text escaped, pictures, links and
// swatches as mark-up of the program's own.
static void appendModernCell(TableWriter& writer, const ColumnDef& column, std::string& html) {
  FeatureCells& cells = writer.cells;
  switch (column.source) {
    case CELL_SYMBOLOGY:
      if (column.argument != ROLE_COLOUR) break;
      appendSwatchCell(html, colourValue(*cells.dictionary, cells.featureIndex, cells.layerNaming,
                                         cells.colourScratch));
      return;
    case CELL_BOLD_NAME:
      html += "<b>";
      appendEscaped(html, symbologyText(cells, ROLE_FEATURE_NAME));
      html += "</b>";
      return;
    case CELL_CLASS_OR_FILLER:
      appendEscaped(html, classText(cells));
      return;
    case CELL_TERMINATOR:
      decodeTerminator(dimensionPhrases(cells), column.argument, writer.cell);
      appendEscaped(html, writer.cell);
      return;
    case CELL_DIMENSION_TEXT:
      decodeDimensionText(dimensionPhrases(cells), column.argument, writer.cell);
      appendEscaped(html, writer.cell);
      return;
    case CELL_PREVIEW:
      appendPreviewCell(html, symbologyText(cells, ROLE_CELL_NAME), libraryTitle(cells),
                        isLibraryFeature(cells), writer.settings.imageFolder);
      return;
    case CELL_FEATURE_OR_LIBRARY_LINK:
      if (!writer.settings.showImages || !isLibraryFeature(cells)) break;
      appendLibraryLink(html, libraryTitle(cells));
      return;
    default:
      break;
  }
  appendEscaped(html, producedCell(writer, column));
}

// The CSS class a modern cell of `column` carries: the data class, which
// names the column in both forms.
static std::string_view modernClass(const ColumnDef& column, const SectionSettings& settings) {
  if (!column.dataClass.empty()) return column.dataClass;
  return settings.layerMode ? column.layerHeadingClass : column.levelHeadingClass;
}

static std::string modernHeading(const TableWriter& writer, std::span<const ColumnDef> columns) {
  std::string html = "<thead><tr>";
  for (const ColumnDef& column : columns) {
    if (!isPresent(column, writer.settings)) continue;
    appendModernTag(html, "th", modernClass(column, writer.settings));
    // One spelling per naming mode, where the default report has both.
    std::string label(labelOf(column, writer.settings));
    const std::string_view other = writer.settings.layerMode ? "Colour" : "Color";
    if (label == other) label = writer.settings.layerMode ? "Color" : "Colour";
    appendEscaped(html, label);
    html += "</th>";
  }
  html += "</tr></thead>\n<tbody>\n";
  return html;
}

static void writeModernRow(TableWriter& writer, std::span<const ColumnDef> columns) {
  std::string& html = writer.row;
  html.assign("<tr>");
  for (const ColumnDef& column : columns) {
    if (!isPresent(column, writer.settings)) continue;
    appendModernTag(html, "td", modernClass(column, writer.settings));
    appendModernCell(writer, column, html);
    html += "</td>";
  }
  // Only a row whose fields may hold a LF is searched for line ends.
  if (cellsMayHoldLineFeeds(writer)) {
    html += "</tr>\n";
    put(writer.out, html);
  } else {
    html += "</tr>\r\n";
    putConverted(writer.out, html);
  }
}

void writeFeatureRow(TableWriter& writer, std::span<const ColumnDef> columns) {
  if (writer.settings.modern) {
    writeModernRow(writer, columns);
    return;
  }
  PieceWriter row(writer.out, cellsMayHoldLineFeeds(writer));
  openDataRow(row);
  for (const ColumnDef& column : columns)
    if (isPresent(column, writer.settings))
      addDataCell(row, column.dataClass, producedCell(writer, column));
  closeRow(row);
}

void writeSection(TableWriter& writer, const Dictionary& dictionary, std::string_view title,
                  std::span<const ColumnDef> heading, unsigned categories,
                  const FeatureWriter& writeFeature) {
  if (writer.settings.modern)
    openModernSection(writer.out, writer.settings.anchor, title);
  else
    openFeatureTable(writer.out, title);
  writeHeading(writer, heading);
  std::unique_ptr<int[]> storage;
  const std::span<const int> members = sectionMembers(dictionary, categories, storage);
  const size_t perBlock = static_cast<size_t>(std::max(writer.settings.blocks.featuresPerBlock, 1));
  // Block i holds the section's features from member i * perBlock on.
  const size_t blockCount = (members.size() + perBlock - 1) / perBlock;
  writeBlocksInOrder(writer, blockCount, [&](TableWriter& blockWriter, size_t block) {
    const size_t first = block * perBlock;
    writeFeatures(blockWriter, dictionary,
                  members.subspan(first, std::min(perBlock, members.size() - first)), writeFeature);
  });
  if (writer.settings.modern)
    closeModernSection(writer.out);
  else
    closeTable(writer.out);
}

void writeRowPerFeatureSection(OutputStream& out, const Dictionary& dictionary,
                               const ReportSettings& report, std::string_view title,
                               std::span<const ColumnDef> columns, unsigned categories) {
  TableWriter writer(out, report);
  writeSection(writer, dictionary, title, columns, categories,
               [columns](TableWriter& w) { writeFeatureRow(w, columns); });
}

}  // namespace plotwarden
