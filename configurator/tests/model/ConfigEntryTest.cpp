// Operations on one entry of the configuration: construction, values, lines taken from
// the file.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>
#include "ConfigEntry.h"

namespace {

TStringList ListOf(std::vector<std::string> lines) {
    TStringList list;
    for (const std::string& line : lines) list.Add(line);
    return list;
}

ConfigLine ReadOne(const std::string& text) {
    ConfigLine line;
    std::istringstream in(text + "\n");
    EXPECT_TRUE(ReadConfigLine(line, in));
    return line;
}

TEST(ConfigEntryConstruction, HeaderFormHasOnlyItsSection) {
    ConfigEntry entry("Devices");
    EXPECT_STREQ(entry.Section, "Devices");
    EXPECT_STREQ(entry.Key, "");
    EXPECT_STREQ(entry.Value, "");
    EXPECT_STREQ(entry.Comment, "");
    EXPECT_EQ(entry.LeadLines.Count(), 0);
    EXPECT_EQ(entry.BodyLines.Count(), 0);
}

TEST(ConfigEntryConstruction, NamesAreCutToTheirFields) {
    ConfigEntry entry(std::string(40, 's'), std::string(70, 'k'));
    EXPECT_EQ(std::string(entry.Section), std::string(31, 's'));
    EXPECT_EQ(std::string(entry.Key), std::string(63, 'k'));
}

TEST(ConfigEntryText, ValueAndCommentAreCut) {
    ConfigEntry entry("System", "Name");
    entry.SetValue(std::string(200, 'v'));
    entry.SetComment(std::string(100, 'c'));
    EXPECT_EQ(std::string(entry.Value), std::string(127, 'v'));
    EXPECT_EQ(std::string(entry.Comment), std::string(79, 'c'));

    entry.SetValue("short");
    EXPECT_STREQ(entry.Value, "short");
}

TEST(ConfigEntryClear, EmptiesEverythingButSectionAndKey) {
    ConfigEntry entry("Network", "Listener Port");
    entry.SetValue("1720");
    entry.SetComment("main");
    entry.SetLeadLines(ListOf({"; note"}));
    entry.AddBodyLine("0 = 1");

    entry.Clear();
    EXPECT_STREQ(entry.Section, "Network");
    EXPECT_STREQ(entry.Key, "Listener Port");
    EXPECT_STREQ(entry.Value, "");
    EXPECT_STREQ(entry.Comment, "");
    EXPECT_EQ(entry.LeadLines.Count(), 0);
    EXPECT_EQ(entry.BodyLines.Count(), 0);
}

TEST(ConfigEntryLeadLines, SetLeadLinesReplacesAndLeavesTheSourceAlone) {
    ConfigEntry entry("System");
    entry.SetLeadLines(ListOf({"old"}));
    const TStringList source = ListOf({"; a", "", "x\r"});

    entry.SetLeadLines(source);
    EXPECT_EQ(entry.LeadLines.Lines, (std::vector<std::string>{"; a", "", "x\r"}));
    EXPECT_EQ(source.Count(), 3);
}

TEST(ConfigEntryBodyLines, AddBodyLineAppendsInOrder) {
    ConfigEntry entry("Prefixes");
    entry.AddBodyLine("0=0");
    entry.AddBodyLine("1=5");
    EXPECT_EQ(entry.BodyLines.Lines, (std::vector<std::string>{"0=0", "1=5"}));
}

class ConfigEntryTakeLine : public ::testing::Test {
protected:
    ConfigEntry entry{"System", "Name"};
    TStringList pending;
};

TEST_F(ConfigEntryTakeLine, TakesValueCommentAndAllPendingLines) {
    pending = ListOf({"; first", "\r", "[Other]"});
    entry.TakeLine(ReadOne("Name = Gate 1 ; main"), pending);

    EXPECT_STREQ(entry.Value, "Gate 1");
    EXPECT_STREQ(entry.Comment, " main");
    EXPECT_EQ(entry.LeadLines.Lines, (std::vector<std::string>{"; first", "\r", "[Other]"}));
    EXPECT_EQ(pending.Count(), 0);
}

TEST_F(ConfigEntryTakeLine, NoPendingLinesLeavesNoLeadLines) {
    entry.SetLeadLines(ListOf({"; stale"}));
    entry.TakeLine(ReadOne("Name=X"), pending);
    EXPECT_EQ(entry.LeadLines.Count(), 0);
    EXPECT_STREQ(entry.Value, "X");
}

TEST_F(ConfigEntryTakeLine, ASecondLineReplacesTheFirst) {
    pending = ListOf({"; a"});
    entry.TakeLine(ReadOne("Name=X ;first"), pending);
    pending = ListOf({"; b"});
    entry.TakeLine(ReadOne("Name=Y"), pending);

    EXPECT_STREQ(entry.Value, "Y");
    EXPECT_STREQ(entry.Comment, "");
    EXPECT_EQ(entry.LeadLines.Lines, (std::vector<std::string>{"; b"}));
}

}  // namespace
