#include "report/library_queue.h"

#include <gtest/gtest.h>

#include <string>

namespace plotwarden {
namespace {

TEST(LibraryQueue, TakesEntriesInTheOrderTheyCame) {
  LibraryQueue queue;
  appendLibrary(queue, "C:\\cells\\a.cel", "a");
  appendLibrary(queue, "D:\\b\\", "");
  EXPECT_EQ(libraryCount(queue), 2u);
  LibraryQueueEntry entry;
  ASSERT_TRUE(takeFirstLibrary(queue, entry));
  EXPECT_EQ(entry.libraryText, "C:\\cells\\a.cel");
  EXPECT_EQ(entry.libraryTitle, "a");
  ASSERT_TRUE(takeFirstLibrary(queue, entry));
  EXPECT_EQ(entry.libraryText, "D:\\b\\");
  EXPECT_EQ(entry.libraryTitle, "");
  EXPECT_EQ(libraryCount(queue), 0u);
}

TEST(LibraryQueue, TakingFromAnEmptyQueueGivesEmptyTexts) {
  LibraryQueue queue;
  LibraryQueueEntry entry{"left", "over"};
  EXPECT_FALSE(takeFirstLibrary(queue, entry));
  EXPECT_EQ(entry.libraryText, "");
  EXPECT_EQ(entry.libraryTitle, "");
}

TEST(LibraryQueue, KeepsLongTextsWhole) {
  LibraryQueue queue;
  const std::string text(2000, 't');
  const std::string title(300, 'n');
  appendLibrary(queue, text, title);
  LibraryQueueEntry entry;
  ASSERT_TRUE(takeFirstLibrary(queue, entry));
  EXPECT_EQ(entry.libraryText, text);
  EXPECT_EQ(entry.libraryTitle, title);
}

TEST(LibraryQueue, HoldsMoreEntriesThanASixteenBitCount) {
  constexpr int kEntries = 70000;
  LibraryQueue queue;
  for (int i = 0; i < kEntries; ++i) appendLibrary(queue, std::to_string(i), "t");
  EXPECT_EQ(libraryCount(queue), static_cast<size_t>(kEntries));
  LibraryQueueEntry entry;
  for (int i = 0; i < kEntries; ++i) {
    ASSERT_TRUE(takeFirstLibrary(queue, entry));
    ASSERT_EQ(entry.libraryText, std::to_string(i));
  }
  EXPECT_FALSE(takeFirstLibrary(queue, entry));
}

}  // namespace
}  // namespace plotwarden
