// Local time and blocking pauses, behind one seam so that tests never wait.
#ifndef KESTRUNE_PLATFORM_CLOCK_H
#define KESTRUNE_PLATFORM_CLOCK_H

namespace platform {

struct LocalTime {
  int year;   // calendar year, e.g. 2026
  int month;  // 1-12
  int day;    // 1-31
  int hour;   // 0-23
  int minute;
  int second;
};

LocalTime CurrentLocalTime();
// Blocks the calling (the host's) thread.
void SleepMilliseconds(int milliseconds);

}  // namespace platform

#endif
