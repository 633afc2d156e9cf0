#include "base/IntConvert.h"

#include <gtest/gtest.h>

#include "base/Error.h"

TEST(StrToInt, ConvertsDecimalAndHexadecimalText) {
    struct Case {
        const char* text;
        int32_t value;
    } const cases[] = {
        {"0", 0},
        {" 12", 12},
        {"   -7", -7},
        {"+5", 5},
        {"007", 7},
        {"$C", 12},
        {"$c", 12},
        {"xff", 255},
        {"XFF", 255},
        {"0x10", 16},
        {"0X1a", 26},
        {"  $7FFFFFFF", 2147483647},
        {"0x7FFFFFFF", 2147483647},
        {"$000000000000001", 1},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"-0", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StrToInt(c.text), c.value) << '"' << c.text << '"';
        int32_t value = -99;
        EXPECT_TRUE(TryStrToInt(c.text, value)) << '"' << c.text << '"';
        EXPECT_EQ(value, c.value) << '"' << c.text << '"';
    }
}

TEST(StrToInt, RejectsEverythingElseNamingTheText) {
    const char* const cases[] = {
        "", " ", "abc", "1,000", "- 5", "+-5", "--5", "+", "-", "$", "0x", "x", "12 ", "12a",
        "1.5", "\t12", "2147483648", "-2147483649", "99999999999999999999", "$80000000",
        "$FFFFFFFF", "0x100000000", "-$C", "+0x10", "$-1", "0x 1", "$G", "0b1", "１",
    };
    for (const char* text : cases) {
        int32_t value = -99;
        EXPECT_FALSE(TryStrToInt(text, value)) << '"' << text << '"';
        EXPECT_EQ(value, -99) << '"' << text << '"';
        try {
            StrToInt(text);
            ADD_FAILURE() << "no error for \"" << text << '"';
        } catch (const Error& e) {
            EXPECT_EQ(e.what(), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

TEST(StrToInt, TextWithAnEmbeddedNulIsRejectedWhole) {
    const std::string text("12\0" "3", 4);
    int32_t value = 0;
    EXPECT_FALSE(TryStrToInt(text, value));
    EXPECT_THROW(StrToInt(text), Error);
}
