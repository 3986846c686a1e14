#include "report/cell_preview.h"

namespace plotwarden {

void cellImageCell(std::string_view cellName, std::string_view libraryText, bool libraryFeature,
                   std::string_view imageFolder, std::string& out) {
  const std::string title = libraryTitleOf(libraryText);
  out.clear();
  if (libraryFeature) {
    out.append(" <a href=\"#").append(title).append("\" title=\"").append(title);
    out.append("\"> <img src= \"").append(imageFolder);
    out.append(kLibraryPicture).append("\" class='csymbolpic'/> </a>");
    return;
  }
  out.append("<img src=\"");
  appendCellPicturePath(out, imageFolder, title, cellName);
  out.append("\" alt='");
  appendCellPicturePath(out, imageFolder, title, cellName);
  out.append("' class='csymbolpic'/>");
}

void libraryLinkCell(std::string_view libraryTitle, std::string& out) {
  out.assign("<a href=\"#").append(libraryTitle).append("\" title=\"").append(libraryTitle);
  out.append("\"> ").append(libraryTitle).append(" </a>");
}

}  // namespace plotwarden
