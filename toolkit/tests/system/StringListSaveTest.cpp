// Saving over a file that another handle holds: the save replaces the file whole, or
// fails leaving the old file, or says where the old and the new file lie.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <utility>
#include <vector>
#include "Exception.h"
#include "FileReplace.h"
#include "StandInRenameClock.h"
#include "StringList.h"
#include "TempDir.h"

// A handle on the file stops the replacing rename as a scanner's would, and the rename
// is tried again; the stand-in clock lets that wait pass at once.
class StringListSave : public testing::Test {
protected:
    StandInRenameClock clock;
};

TEST_F(StringListSave, LeavesTheOldFileWhenItCannotBeReplaced) {
    TempDir dir;
    dir.Write("rax40gw.conf", "old line\r\n");
    HANDLE other = CreateFileA(dir.File("rax40gw.conf").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);

    TStringList list;
    list.Lines = {"new line", "second"};
    try {
        list.SaveToFile(dir.File("rax40gw.conf"));
        ADD_FAILURE() << "no exception";
    } catch (const EFCreateError& e) {
        EXPECT_EQ(e.Message, "Cannot create file \"" + dir.File("rax40gw.conf") + "\"");
    }
    CloseHandle(other);

    EXPECT_EQ(dir.Read("rax40gw.conf"), "old line\r\n");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"rax40gw.conf"});

    list.SaveToFile(dir.File("rax40gw.conf"));
    EXPECT_EQ(dir.Read("rax40gw.conf"), "new line\r\nsecond\r\n");
}

TEST_F(StringListSave, LoadOfAFileHeldWithoutSharingFails) {
    TempDir dir;
    dir.Write("voice.ini", "a\r\n");
    HANDLE other = CreateFileA(dir.File("voice.ini").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    TStringList list;
    EXPECT_THROW(list.LoadFromFile(dir.File("voice.ini")), EFOpenError);
    CloseHandle(other);
    list.LoadFromFile(dir.File("voice.ini"));
    EXPECT_EQ(list.Lines, std::vector<AnsiString>{"a"});
}

// A plain truncating write would survive the test above too; a reader holding the old
// file tells them apart: it keeps the old bytes, whole.
TEST_F(StringListSave, ReplacesTheFileInOneStep) {
    TempDir dir;
    dir.Write("voice.ini", "[VoiceDevices:1]\r\n0=KEL,1,old,host\r\n");
    HANDLE reader = CreateFileA(dir.File("voice.ini").c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);

    TStringList list;
    list.Lines = {"[VoiceDevices:1]"};
    list.SaveToFile(dir.File("voice.ini"));

    char bytes[100];
    DWORD read = 0;
    ReadFile(reader, bytes, sizeof bytes, &read, nullptr);
    CloseHandle(reader);
    EXPECT_EQ(std::string(bytes, read), "[VoiceDevices:1]\r\n0=KEL,1,old,host\r\n");
    EXPECT_EQ(dir.Read("voice.ini"), "[VoiceDevices:1]\r\n");
}

// The operator's own "<target>.tmp" is neither written over by a save nor deleted by a
// failed one.
TEST_F(StringListSave, LeavesAFileNamedLikeATemporaryFileAlone) {
    TempDir dir;
    dir.Write("rax40gw.conf", "old\r\n");
    dir.Write("rax40gw.conf.tmp", "the operator's copy");
    TStringList list;
    list.Lines = {"new"};
    list.SaveToFile(dir.File("rax40gw.conf"));
    EXPECT_EQ(dir.Read("rax40gw.conf"), "new\r\n");

    HANDLE other = CreateFileA(dir.File("rax40gw.conf").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_THROW(list.SaveToFile(dir.File("rax40gw.conf")), EFCreateError);
    CloseHandle(other);
    EXPECT_EQ(dir.Read("rax40gw.conf.tmp"), "the operator's copy");
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"rax40gw.conf", "rax40gw.conf.tmp"}));
}

// The old file was renamed aside and neither it nor the new one could then take the
// file's name (the seam fails those renames): both stay, and the error names them.
TEST_F(StringListSave, WhenNoFileCanTakeTheNameTheErrorSaysWhereBothAre) {
    TempDir dir;
    dir.Write("voice.ini", "old line\r\n");
    TStringList list;
    list.Lines = {"new line"};
    FailRenamesForTests({1, 3, 4, 5});
    std::string message;
    try {
        list.SaveToFile(dir.File("voice.ini"));
    } catch (const EFCreateError& e) {
        message = e.Message;
    }
    FailRenamesForTests({});

    EXPECT_FALSE(dir.Exists("voice.ini"));
    std::vector<std::string> names = dir.Names();
    ASSERT_EQ(names.size(), 2u);
    if (dir.Read(names[0]) != "old line\r\n") std::swap(names[0], names[1]);
    EXPECT_EQ(dir.Read(names[0]), "old line\r\n");
    EXPECT_EQ(dir.Read(names[1]), "new line\r\n");
    EXPECT_EQ(message, "Cannot create file \"" + dir.File("voice.ini") + "\". The old file is kept as \"" +
                           dir.File(names[0]) + "\", the new one as \"" + dir.File(names[1]) + "\"");
}
