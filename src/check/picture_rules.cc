#include "check/picture_rules.h"

#include <filesystem>
#include <string>
#include <unordered_set>

#include "keyin/field_access.h"
#include "keyin/keyin_decoders.h"
#include "keyin/picture_names.h"
#include "platform/file_io.h"
#include "platform/path_split.h"

namespace plotwarden {

namespace {

bool exists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(nativePath(path), error);
}

bool isDirectory(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_directory(nativePath(path), error);
}

std::string lookedFor(const std::string& path) {
  return concat({" (looked for ", absolutePath(path), ")"});
}

}  // namespace

std::string besideReport(std::string_view outputPath, std::string_view relative) {
  const PathParts parts = splitPath(relative);
  const bool absolute =
      !parts.drive.empty() || relative.starts_with('\\') || relative.starts_with('/');
  if (absolute) return std::string(relative);
  const PathParts report = splitPath(outputPath);
  return report.drive + report.directory + std::string(relative);
}

bool checkImageFolder(const PictureSettings& settings, Findings& findings) {
  const std::string folder = besideReport(settings.outputPath, settings.imageFolder);
  if (isDirectory(folder)) return true;
  findings.push_back({std::string(settings.configurationPath), std::max(settings.imageLine, 1u), 0,
                      Severity::kWarning, "image-folder",
                      "the image folder " + quotedText(settings.imageFolder) +
                          " does not exist beside the report" + lookedFor(folder) +
                          ": the report shows no preview picture; set img= to the folder "
                          "relative to the report, or img=noimages"});
  return false;
}

void checkCellPictures(const CheckedFile& file, const PictureSettings& settings,
                       Findings& findings) {
  const Dictionary& d = file.dictionary;
  std::unordered_set<std::string> looked;
  std::string cellScratch, keyinScratch, library, picture;
  for (int index = 0; index < d.featureCount(); ++index) {
    const Feature& feature = d.features[static_cast<size_t>(index)];
    if (feature.category != CATEGORY_CELLS) continue;
    const std::string_view cell = fieldView(d, index, ROLE_CELL_NAME, cellScratch);
    decodeLibrary(fieldView(d, index, ROLE_KEY_IN, keyinScratch), library);
    const std::string title = libraryTitleOf(library);
    if (!library.empty() && cell.empty()) {
      // A library feature: the library's picture, and its folder's listing.
      picture.assign(settings.imageFolder).append(kLibraryPicture);
      if (looked.insert(picture).second && !exists(besideReport(settings.outputPath, picture)))
        findings.push_back(findingAt(file, featureStart(d, feature), Severity::kWarning,
                                     "missing-picture",
                                     "library picture " + quotedText(picture) + " not found" +
                                         lookedFor(besideReport(settings.outputPath, picture))));
      picture.assign(settings.imageFolder).append(title).push_back('\\');
      picture.append(kLibraryListing);
      if (title.empty() || !looked.insert(picture).second) continue;
      if (!exists(besideReport(settings.outputPath, picture)))
        findings.push_back(findingAt(
            file, featureStart(d, feature), Severity::kWarning, "missing-listing",
            "library " + quotedText(library) + " has no listing " + quotedText(picture) +
                lookedFor(besideReport(settings.outputPath, picture)) +
                ": its symbol table stays empty; put a DIR_CONTENTS.csv (Name,Description,"
                "Picture lines) in the library's picture folder"));
      continue;
    }
    picture.clear();
    appendCellPicturePath(picture, settings.imageFolder, title, cell);
    if (!looked.insert(picture).second) continue;
    if (!exists(besideReport(settings.outputPath, picture)))
      findings.push_back(findingAt(file, featureStart(d, feature), Severity::kWarning,
                                   "missing-picture",
                                   "preview picture " + quotedText(picture) + " not found" +
                                       lookedFor(besideReport(settings.outputPath, picture))));
  }
}

}  // namespace plotwarden
