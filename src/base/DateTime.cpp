#include "base/DateTime.h"

#include <cstdio>

std::string FormatTimeStamp(const DateTime& time) {
    // Large enough for any int fields, so a field out of its range gives a
    // longer text rather than a cut one.
    char text[96];
    std::snprintf(text, sizeof text, "%02d%02d%02d%02d%02d%02d%03d", time.day, time.month,
                  time.year % 100, time.hour, time.minute, time.second, time.millisecond);
    return text;
}
