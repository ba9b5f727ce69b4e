#include <gtest/gtest.h>
#include "SysUtils.h"

TEST(Trim, RemovesControlCharactersAndBlanksAtBothEnds) {
    EXPECT_EQ(Trim(" \t\r\nab c\x01\x1f "), "ab c");
    EXPECT_EQ(Trim("\r"), "");
    EXPECT_EQ(Trim("!x!"), "!x!");
}
