// Saving over a file that another handle holds: the save must fail as a whole.
#include <gtest/gtest.h>
#include <windows.h>
#include "Exception.h"
#include "StringList.h"
#include "TempDir.h"

TEST(StringListSave, LeavesTheOldFileWhenItCannotBeReplaced) {
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
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(dir.File("*.tmp").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE) << "left behind: " << found.cFileName;
    if (search != INVALID_HANDLE_VALUE) FindClose(search);

    list.SaveToFile(dir.File("rax40gw.conf"));
    EXPECT_EQ(dir.Read("rax40gw.conf"), "new line\r\nsecond\r\n");
}

TEST(StringListSave, LoadOfAFileHeldWithoutSharingFails) {
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
