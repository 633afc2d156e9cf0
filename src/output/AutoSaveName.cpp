#include "output/AutoSaveName.h"

#include <string>

std::string ToBase36(long long n) {
    static const char digits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    // Work on the unsigned magnitude, so the most negative value has one too.
    unsigned long long rest = n < 0 ? 0ULL - static_cast<unsigned long long>(n)
                                    : static_cast<unsigned long long>(n);
    std::string result;
    while (rest != 0) {
        result.insert(result.begin(), digits[rest % 36]);
        rest /= 36;
    }
    if (n < 0) result.insert(result.begin(), '-');
    return result;
}

std::string AutoSaveNameFor(const DateTime& time) {
    return ToBase36(std::stoll(FormatTimeStamp(time)));
}
