#include "keyin/picture_names.h"

#include "platform/path_split.h"

namespace plotwarden {

std::string libraryTitleOf(std::string_view libraryText) { return splitPath(libraryText).name; }

void appendCellPicturePath(std::string& out, std::string_view imageFolder,
                           std::string_view libraryTitle, std::string_view cellName) {
  out.append(imageFolder);
  if (!libraryTitle.empty()) {
    out.append(libraryTitle);
    out.push_back('\\');
  }
  out.append(cellName);
  out.append(".png");
}

}  // namespace plotwarden
