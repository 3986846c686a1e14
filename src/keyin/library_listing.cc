#include "keyin/library_listing.h"

#include <algorithm>

#include "keyin/picture_names.h"
#include "platform/file_io.h"
#include "platform/path_split.h"

namespace plotwarden {

namespace {

// A piece ends after a line feed or after 499 characters, whichever comes
// first.
constexpr size_t kPieceLength = 499;

std::string_view nextPiece(std::string_view& rest) {
  const size_t lineFeed = rest.substr(0, kPieceLength).find('\n');
  const size_t length =
      lineFeed == std::string_view::npos ? std::min(rest.size(), kPieceLength) : lineFeed + 1;
  std::string_view piece = rest.substr(0, length);
  rest.remove_prefix(length);
  return piece.substr(0, piece.find('\0'));
}

// The next comma-separated field: commas before it are skipped, so a run of
// commas separates like one and an empty field cannot be written. False when
// nothing but commas is left.
bool nextField(std::string_view& rest, std::string_view& field) {
  const size_t start = rest.find_first_not_of(',');
  if (start == std::string_view::npos) return false;
  rest.remove_prefix(start);
  const size_t end = rest.find(',');
  field = rest.substr(0, end);
  rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
  return true;
}

}  // namespace

std::vector<ListedSymbol> parseLibraryListing(std::string_view listing) {
  std::vector<ListedSymbol> symbols;
  std::string_view rest = listing;
  nextPiece(rest);  // the heading line
  while (!rest.empty()) {
    std::string_view line = nextPiece(rest);
    ListedSymbol symbol;
    if (!nextField(line, symbol.name) || !nextField(line, symbol.description) ||
        !nextField(line, symbol.picture))
      continue;
    symbol.picture = symbol.picture.substr(0, symbol.picture.find('\n'));
    symbol.picture = symbol.picture.substr(0, symbol.picture.find('\r'));
    symbols.push_back(symbol);
  }
  return symbols;
}

std::optional<std::string> readLibraryListing(std::string_view outputPath,
                                              std::string_view imageFolder,
                                              std::string_view libraryTitle) {
  const PathParts report = splitPath(outputPath);
  std::string path = report.drive + report.directory;
  path.append(imageFolder).append(libraryTitle).append("\\").append(kLibraryListing);
  std::string listing;
  if (readWholeFile(path, listing) != ReadStatus::Ok) return std::nullopt;
  return listing;
}

}  // namespace plotwarden
