#include "platform/calendar_time.h"

#include <cstdio>

namespace plotwarden {

std::string calendarTimeText(const std::tm& local) {
  static const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const char* day = (local.tm_wday >= 0 && local.tm_wday < 7) ? kDays[local.tm_wday] : "???";
  const char* month = (local.tm_mon >= 0 && local.tm_mon < 12) ? kMonths[local.tm_mon] : "???";
  char text[64];
  std::snprintf(text, sizeof text, "%.3s %.3s%3d %.2d:%.2d:%.2d %d\n", day, month, local.tm_mday,
                local.tm_hour, local.tm_min, local.tm_sec, 1900 + local.tm_year);
  return text;
}

std::string currentCalendarTimeText() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return calendarTimeText(local);
}

}  // namespace plotwarden
