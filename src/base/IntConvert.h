#pragma once
// Text to integer, as the region dialog's fields need it.
//
// Accepted: optional leading blanks (spaces), then either decimal digits
// with an optional "+" or "-" in front, or hexadecimal digits (either case)
// after "$", "x", "X", "0x" or "0X". The value must fit a signed 32-bit
// integer: "-2147483648" converts, "2147483648" does not. Hexadecimal text
// takes no sign and names a value from 0 to 7FFFFFFF; "$80000000" and
// above fail rather than wrap round to a negative number. Nothing may follow
// the digits, trailing blanks included.
#include <cstdint>
#include <string>

// Throws Error("'<text>' is not a valid integer value") when the text is
// not an integer of the form above.
int32_t StrToInt(const std::string& text);

// The same rules; returns false and leaves value alone instead of throwing.
bool TryStrToInt(const std::string& text, int32_t& value);
