// Seconds since 1970 as a UTC calendar date and time, worked out here rather than by the
// C library, whose functions for it differ between systems and are not all thread-safe.
#ifndef KESTRUNE_SIMHOST_OS_CALENDARTIME_H
#define KESTRUNE_SIMHOST_OS_CALENDARTIME_H

namespace simhost {
namespace os {

struct CalendarTime {
  long long year;
  int month;  // 1 to 12
  int day;    // 1 to 31
  int hour;
  int minute;
  int second;
};

// The proleptic Gregorian UTC date and time of the moment, negative moments included.
CalendarTime UtcCalendarTime(long long secondsSince1970);

}  // namespace os
}  // namespace simhost

#endif
