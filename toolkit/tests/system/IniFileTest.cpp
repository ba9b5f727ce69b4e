#include <gtest/gtest.h>
#include <windows.h>
#include "Exception.h"
#include "HeldFile.h"
#include "IniFile.h"
#include "TempDir.h"

namespace {

// A profile file in a fresh directory, written with the given bytes.
class IniFileTest : public testing::Test {
protected:
    TIniFile Ini(const std::string& text) {
        dir_.Write("test.ini", text);
        return TIniFile(dir_.File("test.ini"));
    }
    TempDir dir_;
};

}  // namespace

TEST_F(IniFileTest, ReadsIntegersInDecimalAndHexadecimal) {
    struct Case {
        const char* value;
        int32_t expected;
    };
    const Case cases[] = {
        {"12", 12},       {"-5", -5},        {"0x1F", 31},      {"0X1f", 31},   {"$10", 16},
        {"x10", 16},      {"0xFFFFFFFF", -1}, {"0x", 77},       {"0X", 77},     {"abc", 77},
        {"", 77},         {"1.5", 77},       {"12abc", 77},     {"0x1G", 77},   {"0x123456789", 77},
        {"2147483648", 77},
    };
    for (const Case& c : cases) {
        TIniFile ini = Ini(std::string("[S]\r\nk=") + c.value + "\r\n");
        EXPECT_EQ(ini.ReadInteger("S", "k", 77), c.expected) << '"' << c.value << '"';
    }
    EXPECT_EQ(Ini("[S]\r\n").ReadInteger("S", "missing", -3), -3);
}

TEST_F(IniFileTest, ReadsBooleansAsIntegers) {
    struct Case {
        const char* value;
        bool withTrue;
        bool withFalse;
    };
    const Case cases[] = {
        {"1", true, true},   {"0", false, false}, {"2", true, true},  {"-1", true, true},
        {"0x0", false, false}, {"abc", true, false}, {"", true, false}, {"true", true, false},
    };
    for (const Case& c : cases) {
        TIniFile ini = Ini(std::string("[S]\r\nb=") + c.value + "\r\n");
        EXPECT_EQ(ini.ReadBool("S", "b", true), c.withTrue) << '"' << c.value << '"';
        EXPECT_EQ(ini.ReadBool("S", "b", false), c.withFalse) << '"' << c.value << '"';
    }
}

TEST_F(IniFileTest, ReadsTheFirstMatchingKeyWithoutRegardToCase) {
    TIniFile ini = Ini("[Network]\r\nPort=1720\r\nport=9999\r\n[network]\r\nHost=h\r\n");
    EXPECT_EQ(ini.ReadString("NETWORK", "PORT", "d"), "1720");
    EXPECT_EQ(ini.ReadString("Network", "Missing", "default"), "default");
    EXPECT_EQ(ini.ReadString("Nowhere", "Port", ""), "");
}

TEST_F(IniFileTest, CutsALongValueAt2047Characters) {
    std::string value;
    for (int i = 0; i < 3000; ++i) value += static_cast<char>('a' + i % 26);
    TIniFile ini = Ini("[S]\r\nlong=" + value + "\r\nexact=" + value.substr(0, 2047) + "\r\n");
    EXPECT_EQ(ini.ReadString("S", "long", ""), value.substr(0, 2047));
    EXPECT_EQ(ini.ReadString("S", "exact", ""), value.substr(0, 2047));
}

TEST_F(IniFileTest, ListsSectionsAndKeysInFileOrder) {
    TIniFile ini = Ini(
        "[System]\r\nName=gw\r\n[VoiceDevices:2]\r\n1=b\r\n0=a\r\n10=c\r\n"
        "[Audio]\r\n; comment\r\nDelay=40\r\n[Empty]\r\n");
    TStringList sections;
    sections.Add("stale");
    ini.ReadSections(sections);
    EXPECT_EQ(sections.Lines, (std::vector<AnsiString>{"System", "VoiceDevices:2", "Audio", "Empty"}));

    TStringList keys;
    keys.Add("stale");
    ini.ReadSection("voicedevices:2", keys);
    EXPECT_EQ(keys.Lines, (std::vector<AnsiString>{"1", "0", "10"}));
    ini.ReadSection("Empty", keys);
    EXPECT_EQ(keys.Count(), 0);
    ini.ReadSection("Missing", keys);
    EXPECT_EQ(keys.Count(), 0);
}

TEST_F(IniFileTest, ReadsSectionValuesAsKeyValueLines) {
    TIniFile ini = Ini("[VoiceDevices:1]\r\n0=KEL,1,Пост,host\r\n1 = ZAMB,2,,10.0.0.1 \r\nempty=\r\n[Other]\r\nx=y\r\n");
    TStringList lines;
    lines.Add("stale");
    ini.ReadSectionValues("VoiceDevices:1", lines);
    EXPECT_EQ(lines.Lines, (std::vector<AnsiString>{"0=KEL,1,Пост,host", "1=ZAMB,2,,10.0.0.1", "empty="}));
}

TEST_F(IniFileTest, KeepsCp1251BytesInNamesAndValues) {
    TIniFile ini = Ini("[Устройства]\r\nИмя=ЛОРК-МЕ №1 \xFF\xC0\r\n");
    EXPECT_EQ(ini.ReadString("Устройства", "Имя", ""), "ЛОРК-МЕ №1 \xFF\xC0");

    ini.WriteString("Устройства", "Имя", "ЗАМБ-2М");
    ini.WriteString("Раздел", "Ключ", "Значение");
    EXPECT_EQ(ini.ReadString("Раздел", "Ключ", ""), "Значение");
    EXPECT_EQ(dir_.Read("test.ini"), "[Устройства]\r\nИмя=ЗАМБ-2М\r\n[Раздел]\r\nКлюч=Значение\r\n");
}

TEST_F(IniFileTest, WritesIntegersInDecimalAndBooleansAsDigits) {
    TIniFile ini = Ini("");
    ini.WriteInteger("R40Mon", "Period", 5);
    ini.WriteInteger("R40Mon", "Size", -2147483647 - 1);
    ini.WriteBool("R40Mon", "Log", true);
    ini.WriteBool("R40Mon", "Off", false);
    ini.WriteString("R40Mon", "Period", "7");
    EXPECT_EQ(dir_.Read("test.ini"), "[R40Mon]\r\nPeriod=7\r\nSize=-2147483648\r\nLog=1\r\nOff=0\r\n");
    EXPECT_EQ(ini.ReadInteger("R40Mon", "Size", 0), -2147483647 - 1);
    EXPECT_FALSE(ini.ReadBool("R40Mon", "Off", true));
}

TEST_F(IniFileTest, CreatesTheFileOnTheFirstWrite) {
    TIniFile ini(dir_.File("new.ini"));
    EXPECT_EQ(ini.FileName, dir_.File("new.ini"));
    ini.WriteString("MainForm", "Left", "10");
    EXPECT_EQ(dir_.Read("new.ini"), "[MainForm]\r\nLeft=10\r\n");
}

TEST_F(IniFileTest, ErasesOneSectionWithItsKeys) {
    TIniFile ini = Ini("[A]\r\nk=1\r\n[VoiceDevices:1]\r\n0=x\r\n1=y\r\n[B]\r\nk=2\r\n");
    ini.EraseSection("voicedevices:1");
    TStringList sections;
    ini.ReadSections(sections);
    EXPECT_EQ(sections.Lines, (std::vector<AnsiString>{"A", "B"}));
    EXPECT_EQ(ini.ReadString("VoiceDevices:1", "0", "gone"), "gone");
    EXPECT_EQ(ini.ReadString("B", "k", ""), "2");
}

TEST_F(IniFileTest, WritesASectionInPlaceOfAllItsKeys) {
    TIniFile ini = Ini("[A]\r\nk=1\r\n[VoiceDevices:1]\r\n0=x\r\n1=y\r\n2=z\r\n[B]\r\nk=2\r\n");
    TStringList lines;
    lines.Add("0=KEL,12,Пост 1,10.0.0.21");
    lines.Add("1=ZAMB,3,,h");
    ini.WriteSection("VoiceDevices:1", lines);
    ini.WriteSection("New", lines);
    EXPECT_EQ(dir_.Read("test.ini"),
              "[A]\r\nk=1\r\n[VoiceDevices:1]\r\n0=KEL,12,Пост 1,10.0.0.21\r\n1=ZAMB,3,,h\r\n[B]\r\nk=2\r\n"
              "[New]\r\n0=KEL,12,Пост 1,10.0.0.21\r\n1=ZAMB,3,,h\r\n");
}

TEST_F(IniFileTest, RefusedWritesNameTheFile) {
    TIniFile ini = Ini("[S]\r\nk=old\r\n");
    HeldFile other(ini.FileName, 0);
    ASSERT_TRUE(other.IsOpen());
    const std::string message = "Unable to write to " + ini.FileName;
    auto expectRefused = [&](auto write) {
        try {
            write();
            ADD_FAILURE() << "no exception";
        } catch (const EIniFileException& e) {
            EXPECT_EQ(e.Message, message);
        }
    };
    expectRefused([&] { ini.WriteString("S", "k", "new"); });
    expectRefused([&] { ini.WriteInteger("S", "n", 1); });
    expectRefused([&] { ini.WriteBool("S", "b", true); });
    expectRefused([&] { ini.EraseSection("S"); });
    TStringList lines;
    lines.Add("k=new");
    expectRefused([&] { ini.WriteSection("S", lines); });
    other.Close();
    EXPECT_EQ(dir_.Read("test.ini"), "[S]\r\nk=old\r\n");
}

TEST_F(IniFileTest, RefusesAWriteIntoAMissingDirectory) {
    TIniFile ini(dir_.File("no-such-dir\\x.ini"));
    EXPECT_THROW(ini.WriteString("S", "k", "v"), EIniFileException);
}

// Names are listed through a buffer of 16384 bytes: a longer list stops near there,
// the last name perhaps cut.
TEST_F(IniFileTest, ListsNamesUpToTheSizeOfItsBuffer) {
    std::vector<AnsiString> names;
    std::string sections, keys = "[Many]\r\n";
    for (int i = 0; i < 2000; ++i) {
        char name[32];
        snprintf(name, sizeof name, "VoiceDevices:%04d", i);  // 17 characters and a zero byte
        names.push_back(name);
        sections += "[" + names.back() + "]\r\n";
        keys += names.back() + "=1\r\n";
    }
    auto expectCutNearBuffer = [&](const TStringList& list) {
        const int fitting = 16384 / 18;
        ASSERT_GE(list.Count(), fitting - 1);
        ASSERT_LE(list.Count(), fitting + 1);
        for (int i = 0; i + 1 < list.Count(); ++i) ASSERT_EQ(list[i], names[i]);
        const AnsiString& last = list.Lines.back();
        EXPECT_EQ(names[list.Count() - 1].substr(0, last.size()), last);
    };
    TStringList list;
    Ini(sections).ReadSections(list);
    expectCutNearBuffer(list);
    Ini(keys).ReadSection("Many", list);
    expectCutNearBuffer(list);
}
