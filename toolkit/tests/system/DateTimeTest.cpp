// The date and time as text, under the Russian regional settings of the test prefix
// (short date dd.MM.yyyy, long time HH:mm:ss).
#include <gtest/gtest.h>
#include <windows.h>
#include "DateTime.h"

namespace {

SYSTEMTIME At(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second, WORD ms) {
    return SYSTEMTIME{year, month, 0, day, hour, minute, second, ms};
}

struct TextRow {
    SYSTEMTIME moment;
    const char* text;
};

void PrintTo(const TextRow& row, std::ostream* out) { *out << row.text; }

class DateTimeText : public testing::TestWithParam<TextRow> {};

TEST_P(DateTimeText, DateSpaceTimeAndTheDateAloneAtMidnight) {
    EXPECT_EQ(DateTimeToStr(GetParam().moment), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Moments, DateTimeText,
                         testing::Values(TextRow{At(2024, 3, 5, 7, 8, 9, 10), "05.03.2024 07:08:09"},
                                         TextRow{At(1999, 12, 31, 23, 59, 59, 999), "31.12.1999 23:59:59"},
                                         TextRow{At(2024, 3, 5, 0, 0, 0, 0), "05.03.2024"},
                                         // a millisecond past midnight is no longer midnight
                                         TextRow{At(2024, 3, 5, 0, 0, 0, 1), "05.03.2024 00:00:00"},
                                         TextRow{At(2024, 3, 5, 0, 0, 1, 0), "05.03.2024 00:00:01"}));

TEST(Now, TestSeamFixesTheMomentAndGivesTheClockBack) {
    SYSTEMTIME fixed = At(2001, 2, 3, 4, 5, 6, 7);
    SetNowForTests(&fixed);
    EXPECT_EQ(DateTimeToStr(Now()), "03.02.2001 04:05:06");
    SetNowForTests(nullptr);
    SYSTEMTIME clock;
    GetLocalTime(&clock);
    EXPECT_EQ(Now().wYear, clock.wYear);
    EXPECT_NE(Now().wYear, 2001);
}

}  // namespace
