#include "base/Error.h"

#include <gtest/gtest.h>

TEST(MessageForDisplay, AppendsFullStopOnlyAfterCharactersSortingAfterIt) {
    struct Case {
        const char* message;
        const char* shown;
    } const cases[] = {
        {"abc", "abc."},
        {"Unknown picture file extension (.txt)", "Unknown picture file extension (.txt)"},
        {"Done.", "Done."},
        {"", ""},
        {"ends in a digit 5", "ends in a digit 5."},
        {"ends in a slash/", "ends in a slash/."},
        {"ends in a dash-", "ends in a dash-"},
        {"ends in a blank ", "ends in a blank "},
        {"quoted 'x'", "quoted 'x'"},
        {"caf\xE9", "caf\xE9."},  // a code-page letter above 127
    };
    for (const auto& c : cases) EXPECT_EQ(MessageForDisplay(c.message), c.shown) << '"' << c.message << '"';
}

TEST(Format, FillsTheFirstPlaceholder) {
    EXPECT_EQ(Format("Cannot create file %s", "C:\\a b\\x.jpg"), "Cannot create file C:\\a b\\x.jpg");
    EXPECT_EQ(Format("JPEG error #%d", 42), "JPEG error #42");
    EXPECT_EQ(Format("'%s' is not a valid integer value", "%d"), "'%d' is not a valid integer value");
    EXPECT_EQ(Format("no placeholder", "x"), "no placeholder");
}
