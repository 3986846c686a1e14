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
  for (const auto& entry : std::filesystem::recursive_directory_iterator(library, error)) {
    if (entry.path().extension() != ".dxf") continue;
    Drawing d;
    const ReadStatus status = readDxfFile(entry.path().string(), d);
    EXPECT_TRUE(status.ok()) << entry.path() << ":" << status.line << ": " << status.message;
    EXPECT_FALSE(d.entities.empty() && d.blocks.empty()) << entry.path();
    ++drawings;
  }
  EXPECT_GT(drawings, 1000);
}

}  // namespace
}  // namespace plotwarden::dxf
