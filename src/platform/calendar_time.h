// The run's local time as text.
#pragma once

#include <ctime>
#include <string>

namespace plotwarden {

// The classic 24-character calendar form with its line end:
// "Tue Dec  8 03:58:51 2026\n" (English names, day blank-padded).
std::string calendarTimeText(const std::tm& local);

// calendarTimeText of the current local time.
std::string currentCalendarTimeText();

// The current local time in ISO 8601 with its offset from UTC:
// "2026-12-09T14:05:31+01:00".
std::string currentIsoTimeText();

}  // namespace plotwarden
