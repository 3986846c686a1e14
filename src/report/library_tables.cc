#include "report/library_tables.h"

#include <algorithm>
#include <functional>
#include <map>
#include <string>

#include "keyin/picture_names.h"
#include "platform/file_io.h"
#include "platform/path_split.h"
#include "report/column_table.h"

namespace plotwarden {

namespace {

constexpr ColumnDef kLibraryColumns[] = {
    {"Name", "Name", "colLibTableName", "colLibTableName", 100, "colLibTableName", CELL_LABEL, 0},
    {"Description", "Description", "colLibTableDesc", "colLibTableDesc", 100, "colLibTableDesc",
     CELL_LABEL, 0},
    {"Cell", "Cell", "csymbolpic", "csymbolpic", 100, "csymbolpic", CELL_LABEL, 0},
};

// Listing lines are taken as a line reader with a 500-character buffer takes
// them: a piece ends after a line feed or after 499 characters, whichever
// comes first, so a longer line yields several pieces, each read as a line.
// A piece is text up to its first NUL.
constexpr size_t kPieceLength = 499;

std::string_view nextPiece(std::string_view& rest) {
  const size_t lineFeed = rest.substr(0, kPieceLength).find('\n');
  const size_t length =
      lineFeed == std::string_view::npos ? std::min(rest.size(), kPieceLength) : lineFeed + 1;
  std::string_view piece = rest.substr(0, length);
  rest.remove_prefix(length);
  return piece.substr(0, piece.find('\0'));
}

// The next comma-separated field: commas before it are skipped, so a run of
// commas separates like one and an empty field cannot be written. False when
// nothing but commas is left.
bool nextField(std::string_view& rest, std::string_view& field) {
  const size_t start = rest.find_first_not_of(',');
  if (start == std::string_view::npos) return false;
  rest.remove_prefix(start);
  const size_t end = rest.find(',');
  field = rest.substr(0, end);
  rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
  return true;
}

void makePictureMarkup(std::string& out, std::string_view pictureFolder, std::string_view picture) {
  out.assign("<img src=\"").append(pictureFolder).append(picture);
  out.append("\" alt=\"").append(pictureFolder).append(picture);
  out.append("\" class='csymbolpic'/>");
}

}  // namespace

void writeSymbolLibraryTable(const LibraryQueueEntry& entry, OutputStream& out,
                             std::string_view imageFolder, std::string_view outputPath) {
  std::string pictureFolder(imageFolder);
  pictureFolder.append(entry.libraryTitle).push_back('\\');
  // The listing is looked for beside the report, while the pictures are
  // referred to relative to it.
  const PathParts report = splitPath(outputPath);
  const std::string listingPath =
      report.drive + report.directory + pictureFolder + std::string(kLibraryListing);

  std::string listing;
  if (readWholeFile(listingPath, listing) != ReadStatus::Ok) return;

  // The library columns read the same in both naming modes.
  TableWriter writer(out, ReportSettings{});
  writeHeading(writer, kLibraryColumns);
  std::string_view rest = listing;
  nextPiece(rest);  // the heading line
  while (!rest.empty()) {
    std::string_view line = nextPiece(rest);
    std::string_view name, description, picture;
    // A line with fewer than three fields (a blank line, a doubled comma, a
    // short line, the tail of an overlong line) names no picture and gives
    // no row. Text after a third comma is ignored.
    if (!nextField(line, name) || !nextField(line, description) || !nextField(line, picture))
      continue;
    picture = picture.substr(0, picture.find('\n'));
    picture = picture.substr(0, picture.find('\r'));
    makePictureMarkup(writer.cell, pictureFolder, picture);
    PieceWriter row(out);
    openDataRow(row);
    addDataCell(row, kLibraryColumns[0].dataClass, name);
    addDataCell(row, kLibraryColumns[1].dataClass, description);
    addDataCell(row, kLibraryColumns[2].dataClass, writer.cell);
    closeRow(row);
  }
  closeTable(out);
}

void writeLibraryTables(LibraryQueue& queue, OutputStream& out, std::string_view imageFolder,
                        std::string_view outputPath) {
  LibraryQueueEntry entry;
  std::string heading;
  // A library's table depends on its title alone, and the features of a
  // dictionary name a few libraries over and over: each title's listing is
  // read, and its table made, once.
  std::map<std::string, std::string, std::less<>> tables;
  while (takeFirstLibrary(queue, entry)) {
    // A library text ending in a separator has no title to anchor it.
    if (entry.libraryTitle.empty()) continue;
    putAll(out, "<A id=\"", entry.libraryTitle, "\"></A>\n");
    // This heading's feature table stays empty and is never closed.
    heading.assign("Symbol Library: ").append(entry.libraryTitle);
    openFeatureTable(out, heading);
    openFeatureTable(out, entry.libraryText);
    auto [table, isNew] = tables.try_emplace(entry.libraryTitle);
    if (isNew) {
      OutputStream made;
      writeSymbolLibraryTable(entry, made, imageFolder, outputPath);
      table->second = bufferedText(made);
    }
    putConverted(out, table->second);
  }
}

}  // namespace plotwarden
