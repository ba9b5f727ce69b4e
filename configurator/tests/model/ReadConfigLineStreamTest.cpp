// Reading the configuration file line after line: line ends, the current section, the
// end of the file and lines of any length.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>
#include "ConfigLine.h"

namespace {

std::vector<std::string> ReadAllTexts(const std::string& file) {
    std::istringstream in(file);
    ConfigLine line;
    std::vector<std::string> texts;
    while (ReadConfigLine(line, in)) texts.push_back(line.Text);
    return texts;
}

TEST(ReadConfigLineStream, CrLfLineEndsStayInTheTextButNotInTheFields) {
    std::istringstream in("[Network] ;main\r\nListener Port = 1720 \r\n");
    ConfigLine line;

    ASSERT_TRUE(ReadConfigLine(line, in));
    EXPECT_EQ(line.Text, "[Network] ;main\r");
    EXPECT_STREQ(line.Comment, "main");

    ASSERT_TRUE(ReadConfigLine(line, in));
    EXPECT_EQ(line.Text, "Listener Port = 1720 \r");
    EXPECT_STREQ(line.Key, "Listener Port");
    EXPECT_STREQ(line.Value, "1720");
    EXPECT_FALSE(ReadConfigLine(line, in));
}

TEST(ReadConfigLineStream, BlankLinesKeepTheCurrentSection) {
    std::istringstream in("[Audio]\n \t \n\r\n\nMax Calls=3\n");
    ConfigLine line;
    ASSERT_TRUE(ReadConfigLine(line, in));

    for (int blank = 0; blank < 3; ++blank) {
        ASSERT_TRUE(ReadConfigLine(line, in));
        EXPECT_FALSE(line.HeaderFlag || line.KeyFlag || line.CommentFlag);
        EXPECT_STREQ(line.Section, "Audio");
    }
    ASSERT_TRUE(ReadConfigLine(line, in));
    EXPECT_TRUE(line.KeyFlag);
    EXPECT_TRUE(line.IsSection("audio"));
    EXPECT_TRUE(line.IsKey("max calls"));
}

TEST(ReadConfigLineStream, EachLineStartsWithClearedFields) {
    std::istringstream in("Name=Gate ;main\n[Log]\nplain\n");
    ConfigLine line;
    ASSERT_TRUE(ReadConfigLine(line, in));
    ASSERT_TRUE(ReadConfigLine(line, in));
    EXPECT_STREQ(line.Key, "");
    EXPECT_STREQ(line.Value, "");
    EXPECT_STREQ(line.Comment, "");
    EXPECT_FALSE(line.KeyFlag);
    EXPECT_FALSE(line.CommentFlag);

    ASSERT_TRUE(ReadConfigLine(line, in));
    EXPECT_FALSE(line.HeaderFlag);
    EXPECT_STREQ(line.Section, "Log");

    EXPECT_FALSE(ReadConfigLine(line, in));
    EXPECT_EQ(line.Text, "");
    EXPECT_STREQ(line.Section, "Log");
}

TEST(ReadConfigLineStream, LastLineWithoutLineFeedIsRead) {
    std::istringstream in("a=1\nb=2");
    ConfigLine line;
    ASSERT_TRUE(ReadConfigLine(line, in));
    ASSERT_TRUE(ReadConfigLine(line, in));
    EXPECT_EQ(line.Text, "b=2");
    EXPECT_STREQ(line.Value, "2");
    EXPECT_FALSE(ReadConfigLine(line, in));
    EXPECT_FALSE(ReadConfigLine(line, in));
}

TEST(ReadConfigLineStream, LineCountFollowsTheLineFeeds) {
    EXPECT_EQ(ReadAllTexts(""), std::vector<std::string>{});
    EXPECT_EQ(ReadAllTexts("\n"), std::vector<std::string>{""});
    EXPECT_EQ(ReadAllTexts("\n\n"), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(ReadAllTexts("x\n\ny"), (std::vector<std::string>{"x", "", "y"}));
}

TEST(ReadConfigLineStream, AFailedStreamGivesNoLine) {
    std::istringstream in("[System]\n");
    in.setstate(std::ios::failbit);
    ConfigLine line;
    EXPECT_FALSE(ReadConfigLine(line, in));
}

TEST(ReadConfigLineStream, LongLinesAreReadWholeAndReadingGoesOn) {
    const std::string exact255 = "Name=" + std::string(250, 'n');
    const std::string comment300 = ";" + std::string(299, 'c');
    const std::string unknown1000(1000, 'x');
    std::istringstream in(exact255 + "\n" + comment300 + "\r\n" + unknown1000 + "\nPort=4000\n");
    ConfigLine line;

    ASSERT_TRUE(ReadConfigLine(line, in));
    EXPECT_EQ(line.Text, exact255);
    EXPECT_EQ(std::string(line.Value), std::string(127, 'n'));

    ASSERT_TRUE(ReadConfigLine(line, in));
    EXPECT_EQ(line.Text, comment300 + "\r");
    EXPECT_TRUE(line.CommentFlag);
    EXPECT_EQ(std::string(line.Comment), std::string(79, 'c'));

    ASSERT_TRUE(ReadConfigLine(line, in));
    EXPECT_EQ(line.Text, unknown1000);
    EXPECT_FALSE(line.HeaderFlag || line.KeyFlag || line.CommentFlag);

    ASSERT_TRUE(ReadConfigLine(line, in));
    EXPECT_EQ(line.Text, "Port=4000");
    EXPECT_TRUE(line.IsKey("Port"));
    EXPECT_STREQ(line.Value, "4000");
    EXPECT_FALSE(ReadConfigLine(line, in));
}

TEST(ReadConfigLineStream, AZeroByteEndsTheParsedPartButNotTheText) {
    const std::string text("Na\0me=1", 7);
    std::istringstream in(text + "\nAdmin=a\n");
    ConfigLine line;

    ASSERT_TRUE(ReadConfigLine(line, in));
    EXPECT_EQ(line.Text, text);
    EXPECT_FALSE(line.KeyFlag);

    ASSERT_TRUE(ReadConfigLine(line, in));
    EXPECT_STREQ(line.Key, "Admin");
}

}  // namespace
