#include "platform/path_split.h"

namespace plotwarden {

static bool isAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

PathParts splitPath(std::string_view path) {
  PathParts parts;
  if (path.size() >= 2 && path[1] == ':' && isAsciiLetter(path[0])) {
    parts.drive.assign(path.substr(0, 2));
    path.remove_prefix(2);
  }
  size_t lastSeparator = path.find_last_of("\\/");
  if (lastSeparator != std::string_view::npos) {
    parts.directory.assign(path.substr(0, lastSeparator + 1));
    path.remove_prefix(lastSeparator + 1);
  }
  size_t lastDot = path.rfind('.');
  if (lastDot != std::string_view::npos) {
    parts.extension.assign(path.substr(lastDot));
    path = path.substr(0, lastDot);
  }
  parts.name.assign(path);
  return parts;
}

}  // namespace plotwarden
