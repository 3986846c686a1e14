// Rules over the pictures a report with previews refers to: the image
// folder, each cell's preview picture, and each library's picture folder
// with its listing. Paths are taken relative to the report, as a browser
// looking at it takes them.
#pragma once

#include <string_view>

#include "check/checked_file.h"

namespace plotwarden {

struct PictureSettings {
  std::string_view imageFolder;  // as the run settles it, ending in '\'
  std::string_view outputPath;
  std::string_view configurationPath;
  uint32_t imageLine = 0;  // the configuration's img= line; 0 when it has none
};

// Where the report's picture paths lead on this machine: the folder of the
// report in front of a relative path, the path itself when absolute.
std::string besideReport(std::string_view outputPath, std::string_view relative);

// A finding when the image folder does not exist; false then.
bool checkImageFolder(const PictureSettings& settings, Findings& findings);

// The preview pictures and library listings the dictionary's cells need.
void checkCellPictures(const CheckedFile& file, const PictureSettings& settings,
                       Findings& findings);

}  // namespace plotwarden
