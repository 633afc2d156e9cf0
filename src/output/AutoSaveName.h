#pragma once
// Auto-save file names: the capture's time stamp, read as one decimal
// number, written in base 36. No folder, no extension.
#include <string>

#include "base/DateTime.h"

// n in base 36 with the digits "0-9A-Z", most significant first, without
// leading zeros; 0 gives the empty text. A negative n gives "-" and the
// digits of its magnitude.
std::string ToBase36(long long n);

// The name for a capture made at the given time, e.g. "2H1UBGYEV7" for
// 25 December 2023, 14:30:05.123.
std::string AutoSaveNameFor(const DateTime& time);
