#include "report/cell_preview.h"

#include "platform/path_split.h"

namespace plotwarden {

std::string libraryTitleOf(std::string_view libraryText) { return splitPath(libraryText).name; }

// The picture path that both the source and the alternative text show.
static void appendPicturePath(std::string& out, std::string_view imageFolder,
                              std::string_view libraryTitle, std::string_view cellName) {
  out.append(imageFolder);
  if (!libraryTitle.empty()) {
    out.append(libraryTitle);
    out.push_back('\\');
  }
  out.append(cellName);
  out.append(".png");
}

void cellImageCell(std::string_view cellName, std::string_view libraryText, bool libraryFeature,
                   std::string_view imageFolder, std::string& out) {
  const std::string title = libraryTitleOf(libraryText);
  out.clear();
  if (libraryFeature) {
    out.append(" <a href=\"#").append(title).append("\" title=\"").append(title);
    out.append("\"> <img src= \"").append(imageFolder);
    out.append("LIBRARY_IMAGE.png\" class='csymbolpic'/> </a>");
    return;
  }
  out.append("<img src=\"");
  appendPicturePath(out, imageFolder, title, cellName);
  out.append("\" alt='");
  appendPicturePath(out, imageFolder, title, cellName);
  out.append("' class='csymbolpic'/>");
}

void libraryLinkCell(std::string_view libraryTitle, std::string& out) {
  out.assign("<a href=\"#").append(libraryTitle).append("\" title=\"").append(libraryTitle);
  out.append("\"> ").append(libraryTitle).append(" </a>");
}

}  // namespace plotwarden
