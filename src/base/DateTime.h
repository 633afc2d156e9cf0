#pragma once
// A calendar date and wall-clock time, as the system clock reports it, and
// the time stamp text the auto-save names are made from.
#include <string>

struct DateTime {
    int year;         // full year, e.g. 2023
    int month;        // 1 to 12
    int day;          // 1 to 31
    int hour;         // 0 to 23
    int minute;       // 0 to 59
    int second;       // 0 to 59
    int millisecond;  // 0 to 999
};

// "ddmmyyhhnnsszzz": day, month, the last two digits of the year, hour,
// minute, second, each with two digits, then three digits of milliseconds;
// 15 digits for fields in their ranges.
std::string FormatTimeStamp(const DateTime& time);
