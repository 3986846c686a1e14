// The symbol library blocks that follow a cells table: an anchor, two
// headings and a table of the library's symbols read from the listing
// DIR_CONTENTS.csv in the library's picture folder.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "platform/output_stream.h"

namespace plotwarden {

// A library a cell's key-in names, in the order the features name them.
struct NamedLibrary {
  std::string text;   // as the key-in names it, e.g. "C:\cells\symbols.cel"
  std::string title;  // its file-name part, e.g. "symbols"
};

// Writes each titled library's block, in the modern document's form where
// asked; a library with an empty title writes nothing. Each title's listing
// is read with readLibraryListing.
void writeLibraryTables(std::span<const NamedLibrary> libraries, OutputStream& out,
                        std::string_view imageFolder, std::string_view outputPath,
                        bool modern = false);

// The table of one library's symbols: a row per symbol of the listing's
// text, each with its name, description and picture
// (<imageFolder><libraryTitle>\<picture>).
void writeSymbolLibraryTable(std::string_view listing, std::string_view libraryTitle,
                             OutputStream& out, std::string_view imageFolder);

}  // namespace plotwarden
