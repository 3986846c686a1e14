#include "platform/calendar_time.h"

#include <gtest/gtest.h>

namespace plotwarden {
namespace {

std::tm at(int year, int month, int day, int weekday, int hour, int minute, int second) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_wday = weekday;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  return t;
}

TEST(CalendarTime, ClassicTwentyFourCharacterFormWithItsLineEnd) {
  EXPECT_EQ(calendarTimeText(at(2026, 12, 8, 2, 3, 58, 51)), "Tue Dec  8 03:58:51 2026\n");
  EXPECT_EQ(calendarTimeText(at(1999, 1, 31, 0, 23, 5, 0)), "Sun Jan 31 23:05:00 1999\n");
  EXPECT_EQ(calendarTimeText(at(2030, 6, 1, 6, 0, 0, 9)), "Sat Jun  1 00:00:09 2030\n");
}

TEST(CalendarTime, CurrentTimeHasTheSameShape) {
  std::string text = currentCalendarTimeText();
  ASSERT_EQ(text.size(), 25u);
  EXPECT_EQ(text.back(), '\n');
  EXPECT_EQ(text[3], ' ');
  EXPECT_EQ(text[13], ':');
  EXPECT_EQ(text[16], ':');
}

}  // namespace
}  // namespace plotwarden
