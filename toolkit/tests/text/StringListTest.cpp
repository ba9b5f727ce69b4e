#include <gtest/gtest.h>
#include <vector>
#include "Exception.h"
#include "StringList.h"

using Lines = std::vector<AnsiString>;

TEST(StringList, SplitsTextAtEveryKindOfLineEnd) {
    struct Case {
        AnsiString text;
        Lines lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"\r\n", {""}},
        {"\n\n", {"", ""}},
        {"x\r\ny\nz\rw", {"x", "y", "z", "w"}},
        {" k = v \t", {" k = v \t"}},
        {AnsiString("a\0b\r\n", 5), {AnsiString("a\0b", 3)}},
    };
    for (const Case& c : cases) {
        TStringList list;
        list.Add("old line");
        list.SetText(c.text);
        EXPECT_EQ(list.Lines, c.lines) << testing::PrintToString(c.text);
    }
}

TEST(StringList, JoinsWithCrLfAfterEveryLine) {
    TStringList list;
    EXPECT_EQ(list.Text(), "");
    list.Lines = {"a", "", "Абв=1"};
    EXPECT_EQ(list.Text(), "a\r\n\r\nАбв=1\r\n");

    TStringList again;
    again.SetText(list.Text());
    EXPECT_EQ(again.Lines, list.Lines);
}

TEST(StringList, NameIsTheTextBeforeTheFirstEquals) {
    TStringList list;
    list.Lines = {"Port=1720", "a=b=c", "=x", "no equals", "", "Имя=Значение"};
    const AnsiString names[] = {"Port", "a", "", "", "", "Имя"};
    for (int i = 0; i < list.Count(); ++i) EXPECT_EQ(list.Names(i), names[i]) << list[i];
}

TEST(StringList, ValuesTakeTheFirstLineOfTheNameWithoutRegardToCase) {
    TStringList list;
    list.Lines = {"plain line", "Host=first", "HOST=second", "Port=", "port=1720", "a=b=c", "Ключ=1", "ключ=2"};
    EXPECT_EQ(list.Values("host"), "first");
    EXPECT_EQ(list.IndexOfName("hOsT"), 1);
    EXPECT_EQ(list.Values("Port"), "");  // the first Port line has an empty value
    EXPECT_EQ(list.IndexOfName("PORT"), 3);
    EXPECT_EQ(list.Values("a"), "b=c");
    EXPECT_EQ(list.Values("a=b"), "");
    EXPECT_EQ(list.Values("Ключ"), "1");
    EXPECT_EQ(list.Values("КЛЮЧ"), "");  // Cyrillic letters keep their case
    EXPECT_EQ(list.IndexOfName("missing"), -1);
    // A line without "=" has no name to match.
    EXPECT_EQ(list.IndexOfName(""), -1);
    EXPECT_EQ(list.IndexOfName("plain line"), -1);
}

TEST(StringList, IndexOfFindsWholeLines) {
    TStringList list;
    list.Lines = {"alpha", "Beta", "beta"};
    EXPECT_EQ(list.IndexOf("BETA"), 1);
    EXPECT_EQ(list.IndexOf("alph"), -1);
}

TEST(StringList, InsertsAndDeletesWithinBounds) {
    TStringList list;
    list.Insert(0, "b");
    list.Insert(0, "a");
    list.Insert(2, "d");
    list.Insert(2, "c");
    EXPECT_EQ(list.Lines, (Lines{"a", "b", "c", "d"}));
    list.Delete(3);
    list.Delete(0);
    EXPECT_EQ(list.Lines, (Lines{"b", "c"}));

    EXPECT_THROW(list.Insert(3, "x"), EStringListError);
    EXPECT_THROW(list.Insert(-1, "x"), EStringListError);
    EXPECT_THROW(list.Delete(2), EStringListError);
    EXPECT_THROW(list.Delete(-1), EStringListError);
    EXPECT_EQ(list.Lines, (Lines{"b", "c"}));
}
