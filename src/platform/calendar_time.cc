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

static std::tm localTime(std::time_t when) {
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &when);
#else
  localtime_r(&when, &local);
#endif
  return local;
}

std::string currentCalendarTimeText() { return calendarTimeText(localTime(std::time(nullptr))); }

std::string currentIsoTimeText() {
  const std::time_t now = std::time(nullptr);
  const std::tm local = localTime(now);
  std::tm utc{};
#ifdef _WIN32
  gmtime_s(&utc, &now);
#else
  gmtime_r(&now, &utc);
#endif
  // The offset is the local time read as if it were UTC, less the moment.
  utc.tm_isdst = 0;
  std::tm localAsUtc = local;
  localAsUtc.tm_isdst = 0;
  const long offset = static_cast<long>(std::difftime(std::mktime(&localAsUtc), std::mktime(&utc)));
  const long minutes = (offset < 0 ? -offset : offset) / 60;
  char text[96];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02ld:%02ld",
                1900 + local.tm_year, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                local.tm_sec, offset < 0 ? '-' : '+', minutes / 60, minutes % 60);
  return text;
}

}  // namespace plotwarden
