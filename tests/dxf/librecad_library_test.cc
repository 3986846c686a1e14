// Every drawing of Debian's librecad-data parts library reads without a
// fault (skipped where the package is not installed).
#include <gtest/gtest.h>

#include <filesystem>
#include <system_error>

#include "dxf/dxf_reader.h"

namespace plotwarden::dxf {
namespace {

TEST(LibreCadLibrary, EveryDrawingReads) {
  const std::filesystem::path library = "/usr/share/librecad/library";
  std::error_code error;
  if (!std::filesystem::is_directory(library, error))
    GTEST_SKIP() << "librecad-data is not installed";
  int drawings = 0;
  int empty = 0;  // a template and a few parts hold nothing drawn
  for (const auto& entry : std::filesystem::recursive_directory_iterator(library, error)) {
    if (entry.path().extension() != ".dxf") continue;
    Drawing d;
    const Status status = readDxfFile(entry.path().string(), d);
    EXPECT_TRUE(status.ok()) << entry.path() << ":" << status.line << ": " << status.error;
    empty += d.entities.empty() && d.blocks.empty();
    ++drawings;
  }
  EXPECT_GT(drawings, 1000);
  EXPECT_LT(empty, 10);
}

}  // namespace
}  // namespace plotwarden::dxf
