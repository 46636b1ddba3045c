#include "model/host.h"

#include <cstdio>

namespace corvane {

std::string shortDateText(const CalendarDate& date) {
  return std::to_string(date.year) + "/" + std::to_string(date.month) + "/" +
         std::to_string(date.day);
}

std::string timeText(const ClockTime& time) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", time.hour % 100, time.minute % 100,
                time.second % 100);
  return buf;
}

}  // namespace corvane
