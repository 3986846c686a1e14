#include "report/column_table.h"

#include <algorithm>
#include <memory>

#include "keyin/keyin_decoders.h"
#include "keyin/keyin_scan.h"
#include "platform/prefetch.h"
#include "report/block_pipeline.h"
#include "report/cell_preview.h"

namespace plotwarden {

TableWriter::TableWriter(OutputStream& stream, const ReportSettings& report, bool showImages,
                         std::string_view imageFolder)
    : TableWriter(stream, SectionSettings{report.layerNaming, showImages, imageFolder}) {}

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

void writeHeading(TableWriter& writer, std::span<const ColumnDef> columns) {
  for (const auto& [table, text] : writer.headings) {
    if (table == columns.data()) {
      putConverted(writer.out, text);
      return;
    }
  }
  OutputStream heading;
  {
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

void writeFeatureRow(TableWriter& writer, std::span<const ColumnDef> columns) {
  PieceWriter row(writer.out, cellsMayHoldLineFeeds(writer));
  openDataRow(row);
  for (const ColumnDef& column : columns)
    if (isPresent(column, writer.settings))
      addDataCell(row, column.dataClass, producedCell(writer, column));
  closeRow(row);
}

// The indexes of the features whose category is in `categories`, in
// dictionary order. Without a branch per feature: sections interleave their
// categories at random, which no branch predicts. Room is made for every
// feature, but nothing clears it first, so only what the section's own
// indexes fill is ever touched.
static std::span<const int> featuresOf(const Dictionary& dictionary, unsigned categories,
                                       std::unique_ptr<int[]>& storage) {
  const std::vector<Feature>& features = dictionary.features;
  storage = std::make_unique_for_overwrite<int[]>(features.size() + 1);
  size_t count = 0;
  for (size_t index = 0; index < features.size(); ++index) {
    storage[count] = static_cast<int>(index);
    count += (categoryBit(features[index].category) & categories) != 0;
  }
  return std::span<const int>(storage.get(), count);
}

// The indexes of the features whose category is in `categories`, in
// dictionary order: the group of a category the dictionary keeps, or the
// groups of several merged (into `storage`), without a look at every
// feature; a scan where the dictionary keeps no groups.
static std::span<const int> sectionMembers(const Dictionary& dictionary, unsigned categories,
                                           std::unique_ptr<int[]>& storage) {
  if (!isGroupedByCategory(dictionary)) return featuresOf(dictionary, categories, storage);
  std::vector<std::span<const int>> groups;
  size_t total = 0;
  for (size_t category = 0; category + 1 < dictionary.categoryStarts.size(); ++category) {
    if ((categories & categoryBit(static_cast<FeatureCategory>(category))) == 0) continue;
    const uint32_t first = dictionary.categoryStarts[category];
    const uint32_t end = dictionary.categoryStarts[category + 1];
    groups.emplace_back(dictionary.featuresByCategory.get() + first, end - first);
    total += end - first;
  }
  if (groups.size() == 1) return groups.front();
  storage = std::make_unique_for_overwrite<int[]>(total + 1);
  int* merged = storage.get();
  size_t used = 0;
  for (std::span<const int> group : groups) {
    std::copy(group.begin(), group.end(), merged + used);
    std::inplace_merge(merged, merged + used, merged + used + group.size());
    used += group.size();
  }
  return std::span<const int>(merged, used);
}

// Cache lines are 64 bytes on the machines this runs on; a line of a
// dictionary rarely needs more than a few of them.
constexpr size_t kCacheLine = 64;
constexpr size_t kTextLinesAhead = 4;

// Starts fetching every cache line that holds one of the `bytes` bytes at
// `first`: one every line's length, and the last byte's line, which a text
// that does not start a line reaches into.
PLOTWARDEN_PREFETCHING static inline void prefetchBytes(const char* first, size_t bytes) {
  if (bytes == 0) return;
  for (size_t offset = 0; offset < bytes; offset += kCacheLine) prefetchMemory(first + offset);
  prefetchMemory(first + bytes - 1);
}

// Start fetching the field starts, or the text, of a feature.
PLOTWARDEN_PREFETCHING static inline void prefetchFeatureCells(const Dictionary& dictionary,
                                                               const Feature& feature) {
  if (feature.fieldCount == 0) return;
  prefetchBytes(reinterpret_cast<const char*>(featureEntries(dictionary, feature)),
                (feature.fieldCount + 1) * sizeof(uint32_t));
}

PLOTWARDEN_PREFETCHING static inline void prefetchFeatureText(const Dictionary& dictionary,
                                                              const Feature& feature) {
  if (feature.fieldCount == 0) return;
  const uint32_t* entries = featureEntries(dictionary, feature);
  const size_t start = entries[0];
  const size_t lastFieldEnd = entries[feature.fieldCount] - 1;
  const size_t end = std::min<size_t>(lastFieldEnd, start + kTextLinesAhead * kCacheLine);
  prefetchBytes(dictionary.text.data() + start, end - start);
}

// Writes `features`, which lie scattered over the dictionary's Features,
// cells and text, far too large to stay in the processor's caches: while one
// is written, the Feature sixteen ahead, the cells of the one eight ahead
// and the text of the one four ahead are asked for, each found by way of
// what was asked for before, so they are there in time.
static void writeFeatures(TableWriter& writer, const Dictionary& dictionary,
                          std::span<const int> features, const FeatureWriter& writeFeature) {
  constexpr size_t kFeatureAhead = 16;
  constexpr size_t kCellsAhead = 8;
  constexpr size_t kTextAhead = 4;
  auto feature = [&](size_t i) -> const Feature& {
    return dictionary.features[static_cast<size_t>(features[i])];
  };
  for (size_t i = 0; i < features.size(); ++i) {
    if (i + kFeatureAhead < features.size()) prefetchMemory(&feature(i + kFeatureAhead));
    if (i + kCellsAhead < features.size())
      prefetchFeatureCells(dictionary, feature(i + kCellsAhead));
    if (i + kTextAhead < features.size()) prefetchFeatureText(dictionary, feature(i + kTextAhead));
    beginFeature(writer.cells, dictionary, features[i]);
    writeFeature(writer);
  }
}

void writeSection(TableWriter& writer, const Dictionary& dictionary, std::string_view title,
                  std::span<const ColumnDef> heading, unsigned categories,
                  const FeatureWriter& writeFeature) {
  openFeatureTable(writer.out, title);
  writeHeading(writer, heading);
  // Block i holds the section's features from member i * perBlock on.
  std::unique_ptr<int[]> storage;
  const std::span<const int> members = sectionMembers(dictionary, categories, storage);
  const size_t perBlock = static_cast<size_t>(blockConcurrency().featuresPerBlock);
  const size_t blockCount = (members.size() + perBlock - 1) / perBlock;
  writeBlocksInOrder(writer, blockCount, [&](TableWriter& blockWriter, size_t block) {
    const size_t first = block * perBlock;
    writeFeatures(blockWriter, dictionary,
                  members.subspan(first, std::min(perBlock, members.size() - first)), writeFeature);
  });
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
