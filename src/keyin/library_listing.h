// A symbol library's listing (DIR_CONTENTS.csv beside its pictures): after a
// heading line, a line per symbol with its name, description and picture.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plotwarden {

// One listed symbol; views into the listing's text.
struct ListedSymbol {
  std::string_view name;
  std::string_view description;
  std::string_view picture;
};

// The symbols of a listing's text, in order. Lines are taken as a line
// reader with a 500-character buffer takes them (a longer line yields
// several pieces, each read as a line); a line is text up to its first NUL.
// Runs of commas separate like one; a line with fewer than three fields
// names no symbol, and text after a third comma is ignored.
std::vector<ListedSymbol> parseLibraryListing(std::string_view listing);

// The listing's text of the library titled `libraryTitle`, looked for
// beside the report (the pictures are referred to relative to it):
// <drive and directory of outputPath><imageFolder><libraryTitle>\DIR_CONTENTS.csv.
// Nothing when it cannot be read.
std::optional<std::string> readLibraryListing(std::string_view outputPath,
                                              std::string_view imageFolder,
                                              std::string_view libraryTitle);

}  // namespace plotwarden
