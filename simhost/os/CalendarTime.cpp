#include "os/CalendarTime.h"

namespace simhost {
namespace os {

// Days to a civil date by 400-year eras of 146097 days, counted from 0000-03-01 so that
// the leap day ends each year.
CalendarTime UtcCalendarTime(long long secondsSince1970) {
  long long days = secondsSince1970 / 86400;
  long long rest = secondsSince1970 % 86400;
  if (rest < 0) {
    rest += 86400;
    --days;
  }
  days += 719468;
  long long era = (days >= 0 ? days : days - 146096) / 146097;
  long long dayOfEra = days - era * 146097;
  long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  long long monthIndex = (5 * dayOfYear + 2) / 153;  // 0 is March
  CalendarTime time{};
  time.day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  time.month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  time.year = yearOfEra + era * 400 + (time.month <= 2 ? 1 : 0);
  time.hour = static_cast<int>(rest / 3600);
  time.minute = static_cast<int>(rest / 60 % 60);
  time.second = static_cast<int>(rest % 60);
  return time;
}

}  // namespace os
}  // namespace simhost
