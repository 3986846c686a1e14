// The names of the pictures and listings a report refers to: a cell's
// preview picture, a library's picture and the listing of its symbols.
#pragma once

#include <string>
#include <string_view>

namespace plotwarden {

// The picture the image folder holds for a library as a whole.
constexpr std::string_view kLibraryPicture = "LIBRARY_IMAGE.png";

// The listing of a library's symbols, in the library's picture folder.
constexpr std::string_view kLibraryListing = "DIR_CONTENTS.csv";

// The file-name part of a library text, without drive, directory and
// extension: "C:\cells\symbols.cel" gives "symbols"; a text ending in a
// separator gives "".
std::string libraryTitleOf(std::string_view libraryText);

// Appends a cell's preview picture: <imageFolder><library title>\<cell>.png,
// or <imageFolder><cell>.png for a cell of no library.
void appendCellPicturePath(std::string& out, std::string_view imageFolder,
                           std::string_view libraryTitle, std::string_view cellName);

}  // namespace plotwarden
