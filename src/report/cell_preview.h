// The picture and link markup of the cells table.
#pragma once

#include <string>
#include <string_view>

#include "keyin/picture_names.h"

namespace plotwarden {

// The preview picture of a cell. A library feature shows the image folder's
// one LIBRARY_IMAGE.png linked to its library's anchor; a cell of a library
// shows <imageFolder><library title>\<cell>.png; any other cell
// <imageFolder><cell>.png.
void cellImageCell(std::string_view cellName, std::string_view libraryText, bool libraryFeature,
                   std::string_view imageFolder, std::string& out);

// The Feature cell of a library feature: a link to the library's anchor
// that reads as the library's title.
void libraryLinkCell(std::string_view libraryTitle, std::string& out);

}  // namespace plotwarden
