// Splitting a path into drive, directory, file name and extension by the
// Windows rules, on every platform.
#pragma once

#include <string>
#include <string_view>

namespace plotwarden {

struct PathParts {
  std::string drive;      // "C:" when the path starts with a letter and ':'
  std::string directory;  // up to and including the last '\' or '/'
  std::string name;       // the file name without its extension
  std::string extension;  // from the file name's last '.', the '.' included
};

// Both '\' and '/' separate; a path of any length is split whole.
PathParts splitPath(std::string_view path);

}  // namespace plotwarden
