#include "base/IntConvert.h"

#include "base/Error.h"

namespace {

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;  // above every base: not a digit
}

// Reads the digits of text from position at to the end. The magnitude may
// reach limit and no further; at least one digit is needed.
bool ReadDigits(const std::string& text, size_t at, int base, int64_t limit, int64_t& magnitude) {
    if (at == text.size()) return false;
    magnitude = 0;
    for (; at < text.size(); ++at) {
        const int digit = DigitValue(text[at]);
        if (digit >= base) return false;
        magnitude = magnitude * base + digit;
        if (magnitude > limit) return false;
    }
    return true;
}

// Length of the hexadecimal prefix at position at, or 0 when there is none.
size_t HexPrefixLength(const std::string& text, size_t at) {
    const char first = at < text.size() ? text[at] : '\0';
    if (first == '$' || first == 'x' || first == 'X') return 1;
    const char second = at + 1 < text.size() ? text[at + 1] : '\0';
    if (first == '0' && (second == 'x' || second == 'X')) return 2;
    return 0;
}

}  // namespace

bool TryStrToInt(const std::string& text, int32_t& value) {
    constexpr int64_t maxPositive = INT32_MAX;
    size_t at = text.find_first_not_of(' ');
    if (at == std::string::npos) return false;

    int64_t magnitude = 0;
    if (const size_t prefix = HexPrefixLength(text, at)) {
        if (!ReadDigits(text, at + prefix, 16, maxPositive, magnitude)) return false;
        value = static_cast<int32_t>(magnitude);
        return true;
    }
    const bool negative = text[at] == '-';
    if (negative || text[at] == '+') ++at;
    if (!ReadDigits(text, at, 10, negative ? maxPositive + 1 : maxPositive, magnitude)) return false;
    value = static_cast<int32_t>(negative ? -magnitude : magnitude);
    return true;
}

int32_t StrToInt(const std::string& text) {
    int32_t value = 0;
    if (!TryStrToInt(text, value)) throw Error(Format("'%s' is not a valid integer value", text));
    return value;
}
