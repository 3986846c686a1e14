#include "report/library_tables.h"

#include <algorithm>
#include <functional>
#include <map>
#include <string>

#include "keyin/library_listing.h"
#include "report/column_table.h"

namespace plotwarden {

namespace {

constexpr ColumnDef kLibraryColumns[] = {
    {"Name", "Name", "colLibTableName", "colLibTableName", 100, "colLibTableName", CELL_LABEL, 0},
    {"Description", "Description", "colLibTableDesc", "colLibTableDesc", 100, "colLibTableDesc",
     CELL_LABEL, 0},
    {"Cell", "Cell", "csymbolpic", "csymbolpic", 100, "csymbolpic", CELL_LABEL, 0},
};

void makePictureMarkup(std::string& out, std::string_view pictureFolder, std::string_view picture) {
  out.assign("<img src=\"").append(pictureFolder).append(picture);
  out.append("\" alt=\"").append(pictureFolder).append(picture);
  out.append("\" class='csymbolpic'/>");
}

}  // namespace

void writeSymbolLibraryTable(std::string_view listing, std::string_view libraryTitle,
                             OutputStream& out, std::string_view imageFolder) {
  std::string pictureFolder(imageFolder);
  pictureFolder.append(libraryTitle).push_back('\\');
  // The library columns read the same in both naming modes.
  TableWriter writer(out, ReportSettings{});
  writeHeading(writer, kLibraryColumns);
  for (const ListedSymbol& symbol : parseLibraryListing(listing)) {
    makePictureMarkup(writer.cell, pictureFolder, symbol.picture);
    PieceWriter row(out);
    openDataRow(row);
    addDataCell(row, kLibraryColumns[0].dataClass, symbol.name);
    addDataCell(row, kLibraryColumns[1].dataClass, symbol.description);
    addDataCell(row, kLibraryColumns[2].dataClass, writer.cell);
    closeRow(row);
  }
  closeTable(out);
}

void writeLibraryTables(std::span<const NamedLibrary> libraries, OutputStream& out,
                        std::string_view imageFolder, std::string_view outputPath) {
  std::string heading;
  // A library's table depends on its title alone, and the features of a
  // dictionary name a few libraries over and over: each title's listing is
  // read, and its table made, once.
  std::map<std::string, std::string, std::less<>> tables;
  for (const NamedLibrary& library : libraries) {
    // A library text ending in a separator has no title to anchor it.
    if (library.title.empty()) continue;
    putAll(out, "<A id=\"", library.title, "\"></A>\n");
    // This heading's feature table stays empty and is never closed.
    heading.assign("Symbol Library: ").append(library.title);
    openFeatureTable(out, heading);
    openFeatureTable(out, library.text);
    auto [table, isNew] = tables.try_emplace(library.title);
    if (isNew) {
      OutputStream made;
      if (const auto listing = readLibraryListing(outputPath, imageFolder, library.title))
        writeSymbolLibraryTable(*listing, library.title, made, imageFolder);
      table->second = bufferedText(made);
    }
    putConverted(out, table->second);
  }
}

}  // namespace plotwarden
