#include <gtest/gtest.h>
#include <limits>
#include "Exception.h"
#include "SysUtils.h"

namespace {

struct Valid {
    const char* text;
    int32_t value;
};

const Valid kValid[] = {
    {"0", 0},
    {"12", 12},
    {"  12", 12},
    {"+7", 7},
    {"-0", 0},
    {"007", 7},
    {"2147483647", 2147483647},
    {"-2147483648", std::numeric_limits<int32_t>::min()},
    {"00000000002147483647", 2147483647},
    {"$FFFFFFFF", -1},
    {"$80000000", std::numeric_limits<int32_t>::min()},
    {"$10", 16},
    {"$00000001", 1},
    {"0x7fffffff", 2147483647},
    {"0XaB", 171},
    {"x10", 16},
    {"X1f", 31},
    {"  $A", 10},
};

const char* const kInvalid[] = {
    "",          "   ",          "2147483648", "-2147483649", "99999999999999999999",
    "$",         "0x",           "x",          "$123456789",  "0x000000001",
    "$G",        "-$10",         "+-1",        "+",           "-",
    "12 ",       "1 2",          "\t12",       "1.5",         "ten",
    "12abc",     "0x1g",         "1e3",        "$ 1",         "\xC0\xE1",
};

}  // namespace

TEST(StrToInt, ConvertsDecimalAndHexadecimalText) {
    for (const Valid& c : kValid) {
        EXPECT_EQ(StrToInt(c.text), c.value) << '"' << c.text << '"';
        int32_t value = 0;
        EXPECT_TRUE(TryStrToInt(c.text, value)) << '"' << c.text << '"';
        EXPECT_EQ(value, c.value) << '"' << c.text << '"';
        EXPECT_EQ(StrToIntDef(c.text, 99), c.value) << '"' << c.text << '"';
    }
}

TEST(StrToInt, RejectsEveryOtherText) {
    for (const char* text : kInvalid) {
        EXPECT_THROW(StrToInt(text), EConvertError) << '"' << text << '"';
        int32_t value = 0;
        EXPECT_FALSE(TryStrToInt(text, value)) << '"' << text << '"';
        EXPECT_EQ(StrToIntDef(text, -77), -77) << '"' << text << '"';
    }
}

TEST(StrToInt, NamesTheTextInItsError) {
    try {
        StrToInt("12 ");
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message, "'12 ' is not a valid integer value");
        EXPECT_STREQ(e.what(), "'12 ' is not a valid integer value");
    }
}

TEST(StrToInt, ReadsBackWhatIntToStrWrites) {
    for (int32_t value : {0, -1, 42, std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min()})
        EXPECT_EQ(StrToInt(IntToStr(value)), value);
    EXPECT_EQ(IntToStr(-2147483648LL), "-2147483648");
}

TEST(CStrToInt, ReadsLikeTheCLibraryAndClamps) {
    const Valid cases[] = {
        {"42", 42},
        {" -12abc", -12},
        {"\t\r\n\v\f+8", 8},
        {"abc", 0},
        {"", 0},
        {"+", 0},
        {"-", 0},
        {"- 5", 0},
        {"12 34", 12},
        {"0x1F", 0},
        {"$10", 0},
        {"3.9", 3},
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<int32_t>::min()},
        {"2147483648", 2147483647},
        {"99999999999999999999999999", 2147483647},
        {"-99999999999999999999999999", std::numeric_limits<int32_t>::min()},
        {"\xA0" "5", 0},
    };
    for (const Valid& c : cases) EXPECT_EQ(CStrToInt(c.text), c.value) << '"' << c.text << '"';
}
