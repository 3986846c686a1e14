#include "report/library_tables.h"

#include <algorithm>
#include <functional>
#include <map>
#include <string>

#include "keyin/library_listing.h"
#include "report/column_table.h"
#include "report/html_text.h"
#include "report/modern_markup.h"

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

// The modern table of a library's symbols: a heading row, a row per symbol.
std::string modernSymbolTable(std::string_view listing, std::string_view pictureFolder) {
  std::string html =
      "<div class=\"scroll\"><table>\n<thead><tr><th>Name</th><th>Description</th>"
      "<th>Cell</th></tr></thead>\n<tbody>\n";
  for (const ListedSymbol& symbol : parseLibraryListing(listing)) {
    html += "<tr><td>";
    appendEscaped(html, symbol.name);
    html += "</td><td>";
    appendEscaped(html, symbol.description);
    html += "</td><td><img src=\"";
    std::string path = std::string(pictureFolder) + std::string(symbol.picture);
    std::replace(path.begin(), path.end(), '\\', '/');
    appendEscaped(html, path);
    html += "\" alt=\"";
    appendEscaped(html, symbol.name);
    html += "\" loading=\"lazy\"></td></tr>\n";
  }
  return html + "</tbody></table></div>\n";
}

// The modern block of each titled library: a section with its title, the
// text that names it and its symbols; a library named again repeats its
// block without the id, which names the first.
void writeModernLibraryTables(std::span<const NamedLibrary> libraries, OutputStream& out,
                              std::string_view imageFolder, std::string_view outputPath) {
  std::map<std::string, std::string, std::less<>> tables;
  for (const NamedLibrary& library : libraries) {
    if (library.title.empty()) continue;
    auto [table, isNew] = tables.try_emplace(library.title);
    if (isNew) {
      if (const auto listing = readLibraryListing(outputPath, imageFolder, library.title))
        table->second =
            modernSymbolTable(*listing, std::string(imageFolder) + library.title + "\\");
    }
    std::string html = "<section class=\"part library\"";
    if (isNew) html += " id=\"" + libraryAnchor(library.title) + "\"";
    html += ">\n<h3>Symbol Library: ";
    appendEscaped(html, library.title);
    html += "</h3>\n<p class=\"source\">";
    appendEscaped(html, library.text);
    html += "</p>\n" + table->second + "</section>\n";
    put(out, html);
  }
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
                        std::string_view imageFolder, std::string_view outputPath, bool modern) {
  if (modern) {
    writeModernLibraryTables(libraries, out, imageFolder, outputPath);
    return;
  }
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
