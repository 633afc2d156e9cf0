#include "output/AutoSaveName.h"

#include <gtest/gtest.h>

#include <climits>

TEST(FormatTimeStamp, GivesFifteenDigitsDayFirst) {
    EXPECT_EQ(FormatTimeStamp({2023, 12, 25, 14, 30, 5, 123}), "251223143005123");
    EXPECT_EQ(FormatTimeStamp({2000, 1, 1, 0, 0, 0, 0}), "010100000000000");
    EXPECT_EQ(FormatTimeStamp({1999, 9, 8, 7, 6, 5, 4}), "080999070605004");
    EXPECT_EQ(FormatTimeStamp({2105, 11, 30, 23, 59, 59, 999}), "301105235959999");
}

TEST(ToBase36, WritesMostSignificantDigitFirstWithoutLeadingZeros) {
    struct Case {
        long long n;
        const char* text;
    } const cases[] = {
        {0, ""},
        {1, "1"},
        {35, "Z"},
        {36, "10"},
        {1295, "ZZ"},
        {1296, "100"},
        {251223143005123LL, "2H1UBGYEV7"},
        {LLONG_MAX, "1Y2P0IJ32E8E7"},
        {-36, "-10"},
        {LLONG_MIN, "-1Y2P0IJ32E8E8"},
    };
    for (const auto& c : cases) EXPECT_EQ(ToBase36(c.n), c.text) << c.n;
}

TEST(AutoSaveNameFor, NamesTheCaptureTime) {
    struct Case {
        DateTime time;
        const char* name;
    } const cases[] = {
        {{2023, 12, 25, 14, 30, 5, 123}, "2H1UBGYEV7"},
        {{2000, 1, 1, 0, 0, 0, 0}, "3KVVJ84JK"},
        // 36 to the 9th power lies between the 10th and the 11th of a month.
        {{2099, 12, 10, 23, 59, 59, 999}, "ZWO85MDVJ"},
        {{2099, 12, 11, 23, 59, 59, 999}, "13GA5VFGLB"},
        // A hundred years apart, the same name.
        {{1923, 12, 25, 14, 30, 5, 123}, "2H1UBGYEV7"},
    };
    for (const auto& c : cases) EXPECT_EQ(AutoSaveNameFor(c.time), c.name) << FormatTimeStamp(c.time);
}
