#include "platform/file_io.h"

#include <gtest/gtest.h>

#include "support/scratch_folder.h"

namespace plotwarden {
namespace {

using testing::ScratchFolder;

TEST(FileIo, ReadsAWholeFileByAWindowsPath) {
  ScratchFolder folder;
  folder.write("sub/d.csv", std::string("a\r\nb\0c", 6));
  std::string bytes;
#ifndef _WIN32
  const std::string path = (folder.path() / "sub").string() + "\\d.csv";
#else
  const std::string path = (folder.path() / "sub" / "d.csv").string();
#endif
  ASSERT_EQ(readWholeFile(path, bytes), ReadStatus::Ok);
  EXPECT_EQ(bytes, std::string("a\r\nb\0c", 6));
}

TEST(FileIo, TellsMissingFromUnreadable) {
  ScratchFolder folder;
  folder.write("big", std::string(100, 'x'));
  std::string bytes = "old";
  EXPECT_EQ(readWholeFile((folder.path() / "none").string(), bytes), ReadStatus::CannotOpen);
  EXPECT_EQ(readWholeFile(folder.path().string(), bytes), ReadStatus::CannotRead);  // a folder
  EXPECT_EQ(readWholeFile((folder.path() / "big").string(), bytes, 99), ReadStatus::CannotRead);
  EXPECT_EQ(bytes, "");
  EXPECT_EQ(readWholeFile((folder.path() / "big").string(), bytes, 100), ReadStatus::Ok);
}

TEST(FileIo, AnEndlessDeviceStopsAtTheLimit) {
  std::FILE* probe = std::fopen("/dev/zero", "rb");
  if (!probe) GTEST_SKIP() << "no /dev/zero here";
  std::fclose(probe);
  std::string bytes;
  EXPECT_EQ(readWholeFile("/dev/zero", bytes, 3u << 20), ReadStatus::CannotRead);
}

}  // namespace
}  // namespace plotwarden
