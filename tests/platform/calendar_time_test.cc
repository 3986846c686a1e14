#include "platform/calendar_time.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <utility>

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

#ifndef _WIN32
// The offset follows the time zone, with its sign and a colon.
TEST(CalendarTime, IsoTimeCarriesTheZonesOffset) {
  const char* saved = std::getenv("TZ");
  const std::string previous = saved ? saved : "";
  const std::pair<const char*, const char*> zones[] = {
      {"UTC0", "+00:00"}, {"XYZ-05:30", "+05:30"}, {"ABC3", "-03:00"}};
  for (const auto& [zone, offset] : zones) {
    setenv("TZ", zone, 1);
    tzset();
    const std::string text = currentIsoTimeText();
    ASSERT_EQ(text.size(), 25u) << text;
    EXPECT_EQ(text[4], '-');
    EXPECT_EQ(text[10], 'T');
    EXPECT_EQ(text.substr(19), offset) << zone;
  }
  if (saved)
    setenv("TZ", previous.c_str(), 1);
  else
    unsetenv("TZ");
  tzset();
}
#endif

}  // namespace
}  // namespace plotwarden
