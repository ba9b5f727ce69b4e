// How single lines of the configuration file are classified and split into fields.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include "ConfigLine.h"

namespace {

struct LineCase {
    std::string line;
    bool header, key, comment;
    std::string section;  // the section before the line is "Before"
    std::string keyText, value, commentText;
};

std::ostream& operator<<(std::ostream& out, const LineCase& c) { return out << '\'' << c.line << '\''; }

const std::string k40Letters(40, 's');
const std::string kLongKey = std::string(60, 'k') + "   xxxxxxx";  // 70 characters before '='

const LineCase kLineCases[] = {
    // Section headers.
    {"[ Net work ] ; main", true, false, true, "Network", "", "", " main"},
    {"[Name", true, false, false, "Nam", "", "", ""},
    {"[]", true, false, false, "", "", "", ""},
    {"[", true, false, false, "", "", "", ""},
    {"  [ Log ]\t", true, false, false, "Log", "", "", ""},
    {"[A\tB]", true, false, false, "A\tB", "", "", ""},
    {"[Dev;ices] x", true, false, true, "Dev;ices", "", "", "ices] x"},
    {"[Audio]=5", true, false, false, "Audio", "", "", ""},
    {"[Audio] ;", true, false, false, "Audio", "", "", ""},
    {"[" + k40Letters + "]", true, false, false, std::string(31, 's'), "", "", ""},
    // Key lines.
    {"Listener Port = 1720 ; default", false, true, true, "Before", "Listener Port", "1720", " default"},
    {"Admin=;", false, true, false, "Before", "Admin", "", ""},
    {"Admin= ;x", false, true, true, "Before", "Admin", "", "x"},
    {"Key=a=b", false, true, false, "Before", "Key", "a=b", ""},
    {"=5", false, true, false, "Before", "", "5", ""},
    {"Name=Gate 1\r", false, true, false, "Before", "Name", "Gate 1", ""},
    {kLongKey + "=v", false, true, false, "Before", std::string(60, 'k'), "v", ""},
    // The value is cut to 127 characters before it is trimmed...
    {"K=" + std::string(10, ' ') + std::string(130, 'v') + ";c", false, true, true, "Before", "K",
     std::string(117, 'v'), "c"},
    // ...and before it is cut at ';'.
    {"K=" + std::string(130, 'a') + ";x", false, true, true, "Before", "K", std::string(127, 'a'), "x"},
    // Comments and lines of no kind.
    {"Key;x=1", false, false, true, "Before", "", "", "x=1"},
    {"; note ", false, false, true, "Before", "", "", " note"},
    {";" + std::string(100, 'c'), false, false, true, "Before", "", "", std::string(79, 'c')},
    {"Admin=", false, false, false, "Before", "", "", ""},
    {";", false, false, false, "Before", "", "", ""},
    {"abc;", false, false, false, "Before", "", "", ""},
    {"plain text", false, false, false, "Before", "", "", ""},
    {"", false, false, false, "Before", "", "", ""},
    {" \t \t", false, false, false, "Before", "", "", ""},
    {"\r", false, false, false, "Before", "", "", ""},
};

class ReadConfigLineCase : public ::testing::TestWithParam<LineCase> {};

TEST_P(ReadConfigLineCase, ClassifiesAndSplitsTheLine) {
    const LineCase& c = GetParam();
    ConfigLine line;
    std::strcpy(line.Section, "Before");
    std::istringstream in(c.line + "\n");

    ASSERT_TRUE(ReadConfigLine(line, in));
    EXPECT_EQ(line.Text, c.line);
    EXPECT_EQ(line.HeaderFlag, c.header);
    EXPECT_EQ(line.KeyFlag, c.key);
    EXPECT_EQ(line.CommentFlag, c.comment);
    EXPECT_EQ(std::string(line.Section), c.section);
    EXPECT_EQ(std::string(line.Key), c.keyText);
    EXPECT_EQ(std::string(line.Value), c.value);
    EXPECT_EQ(std::string(line.Comment), c.commentText);
}

INSTANTIATE_TEST_SUITE_P(Lines, ReadConfigLineCase, ::testing::ValuesIn(kLineCases));

ConfigLine ReadOne(const std::string& text) {
    ConfigLine line;
    std::istringstream in(text + "\n");
    EXPECT_TRUE(ReadConfigLine(line, in));
    return line;
}

TEST(ConfigLineIsSection, ComparesTheWholeNameWithoutRegardToCase) {
    ConfigLine line = ReadOne("[Devices]");
    EXPECT_TRUE(line.IsSection("Devices"));
    EXPECT_TRUE(line.IsSection("devices"));
    EXPECT_TRUE(line.IsSection("DEVICES"));
    EXPECT_FALSE(line.IsSection("Device"));
    EXPECT_FALSE(line.IsSection("DeviceSettings"));
    EXPECT_FALSE(line.IsSection("Devices "));
}

TEST(ConfigLineIsKey, ComparesTheWholeKeyWithoutRegardToCase) {
    ConfigLine line = ReadOne("listener port = 1720");
    EXPECT_TRUE(line.IsKey("Listener Port"));
    EXPECT_FALSE(line.IsKey("Listener"));
    EXPECT_FALSE(line.IsKey("Listener Ports"));

    EXPECT_FALSE(ReadOne("Listener  Port=1720").IsKey("Listener Port"));
}

TEST(ConfigLineIsKey, AHeaderLineHasNoKey) {
    ConfigLine line = ReadOne("[Network]");
    EXPECT_FALSE(line.IsKey("Listener Port"));
    EXPECT_FALSE(line.IsKey("Network"));
}

}  // namespace
