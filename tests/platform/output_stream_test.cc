#include "platform/output_stream.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace plotwarden {
namespace {

TEST(OutputStream, EveryLineEndBecomesCrLf) {
  OutputStream out;
  put(out, "a\nb\r\n\n%s%d");
  putAll(out, "x", std::string("\n"), std::string_view("y"));
  {
    PieceWriter row(out);
    row.add("<", "\n");
    row.addNumber(-2147483648LL);
  }
  EXPECT_EQ(bufferedText(out), "a\r\nb\r\r\n\r\n%s%dx\r\ny<\r\n-2147483648");
  EXPECT_TRUE(closeStream(out));
}

// A writer told that its pieces hold no LF leaves them unsearched (so a LF
// it was wrongly given stays); its own line ends are CR LF either way.
TEST(OutputStream, PiecesWithoutLineFeedsAreNotSearched) {
  OutputStream out;
  {
    PieceWriter row(out, false);
    row.add("a", "\n");
    row.addLineEnd();
    row.add("c");
  }
  put(out, "\n");
  EXPECT_EQ(bufferedText(out), "a\n\r\nc\r\n");
}

// A memory stream grows many times over; every character written stays.
TEST(OutputStream, MemoryStreamKeepsEverythingAcrossGrowth) {
  OutputStream out;
  std::string expected;
  for (int i = 0; i < 20000; ++i) {
    const std::string piece = std::to_string(i) + (i % 7 == 0 ? "\n" : ",");
    put(out, piece);
    expected += std::to_string(i) + (i % 7 == 0 ? "\r\n" : ",");
  }
  EXPECT_EQ(bufferedText(out), expected);
}

TEST(OutputStream, LargeOutputReachesTheFileWhole) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "plotwarden-output-stream-test.txt";
  OutputStream out(std::fopen(path.string().c_str(), "wb"));
  ASSERT_NE(out.file, nullptr);
  std::string line(999, 'x');
  line += '\n';
  for (int i = 0; i < 1000; ++i) put(out, line);
  ASSERT_TRUE(closeStream(out));
  EXPECT_EQ(std::filesystem::file_size(path), 1000u * 1001u);
  std::filesystem::remove(path);
}

TEST(OutputStream, AFullDeviceIsAFailure) {
  std::FILE* full = std::fopen("/dev/full", "wb");
  if (!full) GTEST_SKIP() << "no /dev/full here";
  OutputStream out(full);
  put(out, "report\n");
  EXPECT_FALSE(closeStream(out));
}

// A text of a flush's size or more goes straight to the file, after what
// was gathered before it; on a full device that write is a failure too.
TEST(OutputStream, ALargeTextGoesStraightToTheFile) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "plotwarden-output-stream-large.txt";
  const std::string large(kFlushAt + 1, 'y');
  {
    OutputStream out(std::fopen(path.string().c_str(), "wb"));
    ASSERT_NE(out.file, nullptr);
    put(out, "head\n");
    putConverted(out, large);
    put(out, "tail");
    ASSERT_TRUE(closeStream(out));
  }
  std::FILE* written = std::fopen(path.string().c_str(), "rb");
  ASSERT_NE(written, nullptr);
  std::string text(large.size() + 16, '\0');
  text.resize(std::fread(text.data(), 1, text.size(), written));
  std::fclose(written);
  std::filesystem::remove(path);
  EXPECT_EQ(text, "head\r\n" + large + "tail");

  std::FILE* full = std::fopen("/dev/full", "wb");
  if (!full) GTEST_SKIP() << "no /dev/full here";
  OutputStream out(full);
  putConverted(out, large);
  EXPECT_TRUE(out.failed);
  EXPECT_FALSE(closeStream(out));
}

}  // namespace
}  // namespace plotwarden
