#include "platform/path_split.h"

#include <gtest/gtest.h>

namespace plotwarden {
namespace {

struct SplitCase {
  const char* path;
  const char* drive;
  const char* directory;
  const char* name;
  const char* extension;
};

TEST(PathSplit, FollowsTheWindowsRules) {
  const SplitCase cases[] = {
      {"C:\\cells\\symbols.cel", "C:", "\\cells\\", "symbols", ".cel"},
      {"out.html", "", "", "out", ".html"},
      {"C:\\r\\out.html", "C:", "\\r\\", "out", ".html"},
      {"d:rel/a.b.c", "d:", "rel/", "a.b", ".c"},
      {"lib\\", "", "lib\\", "", ""},
      {"mixed/dir\\file", "", "mixed/dir\\", "file", ""},
      {"1:\\x", "", "1:\\", "x", ""},
      {".hidden", "", "", "", ".hidden"},
      {"dir.d/noext", "", "dir.d/", "noext", ""},
      {"", "", "", "", ""},
  };
  for (const SplitCase& c : cases) {
    PathParts parts = splitPath(c.path);
    EXPECT_EQ(parts.drive, c.drive) << c.path;
    EXPECT_EQ(parts.directory, c.directory) << c.path;
    EXPECT_EQ(parts.name, c.name) << c.path;
    EXPECT_EQ(parts.extension, c.extension) << c.path;
  }
}

TEST(PathSplit, KeepsADirectoryOfAnyLength) {
  std::string longDirectory(1000, 'd');
  PathParts parts = splitPath("C:\\" + longDirectory + "\\out.html");
  EXPECT_EQ(parts.directory, "\\" + longDirectory + "\\");
}

}  // namespace
}  // namespace plotwarden
