#include <gtest/gtest.h>
#include <windows.h>
#include "Files.h"
#include "TempDir.h"

namespace {

class ProgramDirectoryTest : public testing::Test {
protected:
    void TearDown() override { SetProgramDirectoryForTests(""); }
};

}  // namespace

TEST_F(ProgramDirectoryTest, NamesTheDirectoryOfTheRunningExecutable) {
    AnsiString dir = ProgramDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '\\');
    EXPECT_TRUE(FileExists(dir + "toolkit_system_tests.exe")) << dir;
    EXPECT_EQ(dir.find("toolkit_system_tests"), AnsiString::npos) << dir;
}

TEST_F(ProgramDirectoryTest, TestSeamReplacesAndRestoresIt) {
    AnsiString real = ProgramDirectory();
    TempDir temp;
    SetProgramDirectoryForTests(temp.Path());
    EXPECT_EQ(ProgramDirectory(), temp.Path());
    SetProgramDirectoryForTests("C:\\programs\\gw");
    EXPECT_EQ(ProgramDirectory(), "C:\\programs\\gw\\");
    SetProgramDirectoryForTests("");
    EXPECT_EQ(ProgramDirectory(), real);
}

TEST(FileExists, IsTrueForFilesOnly) {
    TempDir dir;
    dir.Write("rax40gw.conf", "");
    CreateDirectoryA(dir.File("sub").c_str(), nullptr);
    EXPECT_TRUE(FileExists(dir.File("rax40gw.conf")));
    EXPECT_FALSE(FileExists(dir.File("sub")));
    EXPECT_FALSE(FileExists(dir.File("sub\\")));
    EXPECT_FALSE(FileExists(dir.File("missing.conf")));
    EXPECT_FALSE(FileExists(""));
}

TEST(DeleteFileAt, RemovesAFileAndReportsFailure) {
    TempDir dir;
    dir.Write("voice.ini", "x");
    EXPECT_TRUE(DeleteFileAt(dir.File("voice.ini")));
    EXPECT_FALSE(dir.Exists("voice.ini"));
    EXPECT_FALSE(DeleteFileAt(dir.File("voice.ini")));

    dir.Write("held.ini", "x");
    HANDLE other = CreateFileA(dir.File("held.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(DeleteFileAt(dir.File("held.ini")));
    CloseHandle(other);
    EXPECT_TRUE(dir.Exists("held.ini"));
}

// The reason as the system words it, for a message box of the programs: CP1251 text
// without the line end FormatMessage closes it with (the tests run with the Russian
// system code page, so the text is the system's Russian one).
TEST(SystemErrorText, GivesTheSystemsOwnReasonWithoutItsLineEnd) {
    for (DWORD code : {DWORD(ERROR_DISK_FULL), DWORD(ERROR_SHARING_VIOLATION), DWORD(ERROR_ACCESS_DENIED)}) {
        AnsiString text = SystemErrorText(code);
        ASSERT_FALSE(text.empty()) << code;
        EXPECT_NE(text.back(), '\n') << code;
        EXPECT_NE(text.back(), '\r') << code;
        EXPECT_NE(text.rfind("error ", 0), 0u) << code << ": " << text;
    }
    EXPECT_EQ(SystemErrorText(0x2FFFFFFF), "error 805306367");
}
