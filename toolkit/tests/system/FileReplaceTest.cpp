// Replacing a file's bytes in one step, on real files in a temporary directory.
#include <gtest/gtest.h>
#include <windows.h>
#include <functional>
#include <string>
#include <vector>
#include "FileReplace.h"
#include "StandInRenameClock.h"
#include "TempDir.h"

namespace {

using Names = std::vector<std::string>;

HANDLE OpenWithSharing(const std::string& path, DWORD access, DWORD sharing) {
    return CreateFileA(path.c_str(), access, sharing, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Everything the handle reads from the start of its file.
std::string ReadThrough(HANDLE file) {
    SetFilePointer(file, 0, nullptr, FILE_BEGIN);
    std::string bytes(4096, '\0');
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    bytes.resize(read);
    return bytes;
}

std::string ReadAll(const std::string& path) {
    HANDLE file = OpenWithSharing(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    if (file == INVALID_HANDLE_VALUE) return "<cannot open " + path + ">";
    std::string bytes = ReadThrough(file);
    CloseHandle(file);
    return bytes;
}

const std::string kOld = "[System]\r\nName=old gateway\r\n";
const std::string kNew = "[System]\r\nName=new\r\n";

// A truncate-and-write in place would show a reader that holds the old file the new
// bytes, or a cut mix of both; the replace gives it the old file, whole.
TEST(FileReplace, AReaderHoldingTheOldFileKeepsReadingTheOldBytesWhole) {
    StandInRenameClock clock;  // the reader stops the replacing rename, which is tried again
    TempDir dir;
    dir.Write("rax40gw.conf", kOld);
    HANDLE reader = OpenWithSharing(dir.File("rax40gw.conf"), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);

    EXPECT_EQ(ReplaceFileContents(dir.File("rax40gw.conf"), kNew).Error, 0u);
    EXPECT_EQ(ReadThrough(reader), kOld);
    CloseHandle(reader);
    EXPECT_EQ(dir.Read("rax40gw.conf"), kNew);
    EXPECT_EQ(dir.Names(), Names{"rax40gw.conf"});
}

TEST(FileReplace, CreatesAMissingFileAndEmptiesAFileWithNoBytes) {
    TempDir dir;
    EXPECT_EQ(ReplaceFileContents(dir.File("new.conf"), kNew).Error, 0u);
    EXPECT_EQ(dir.Read("new.conf"), kNew);
    EXPECT_EQ(ReplaceFileContents(dir.File("new.conf"), "").Error, 0u);
    EXPECT_TRUE(dir.Exists("new.conf"));
    EXPECT_EQ(dir.Read("new.conf"), "");
    EXPECT_EQ(dir.Names(), Names{"new.conf"});
}

class FileReplaceFailure : public testing::Test {
protected:
    StandInRenameClock clock;  // a refused rename is tried again with no time lost

    void TearDown() override {
        SetFreeDiskSpaceForTests(-1);
        FailRenamesForTests({});
    }
};

// Each failure gives the system's reason and leaves the old bytes and no other file.
TEST_F(FileReplaceFailure, LeavesTheOldFileAndNoTemporaryFile) {
    struct Case {
        const char* what;
        std::function<HANDLE(const std::string& path)> before;  // a handle to close afterwards, or none
        DWORD error;
    };
    const std::vector<Case> cases = {
        {"held open without delete sharing",
         [](const std::string& path) {
             return OpenWithSharing(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
         },
         ERROR_SHARING_VIOLATION},
        {"disk full after ten bytes",
         [](const std::string&) {
             SetFreeDiskSpaceForTests(10);
             return INVALID_HANDLE_VALUE;
         },
         ERROR_DISK_FULL},
    };
    for (const Case& c : cases) {
        TempDir dir;
        dir.Write("rax40gw.conf", kOld);
        HANDLE held = c.before(dir.File("rax40gw.conf"));
        FileReplaceResult replace = ReplaceFileContents(dir.File("rax40gw.conf"), kNew);
        EXPECT_EQ(replace.Files, FileReplaceResult::Unchanged) << c.what;
        EXPECT_EQ(replace.Error, c.error) << c.what;
        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
        SetFreeDiskSpaceForTests(-1);
        EXPECT_EQ(dir.Read("rax40gw.conf"), kOld) << c.what;
        EXPECT_EQ(dir.Names(), Names{"rax40gw.conf"}) << c.what;
    }
}

// A reader holds the target, so the replacing rename (1) fails and the old file is renamed
// aside (2) for the new one to take its name (3); when it cannot, the old file goes back
// (4), or else the new one tries once more (5). Whatever file then has the target's name
// stays, and no copy of the old or the new bytes is deleted while it is the only one.
TEST_F(FileReplaceFailure, WhenTheNewFileCannotTakeTheNameTheTargetKeepsAFileAndNoCopyIsLost) {
    struct Case {
        const char* what;
        std::vector<FailingRename> failing;
        FileReplaceResult::State files;
        DWORD error;
    };
    const std::vector<Case> cases = {
        {"the old file goes back", {1, 3}, FileReplaceResult::Unchanged, ERROR_ACCESS_DENIED},
        {"the new file takes the name at its second try", {1, 3, 4}, FileReplaceResult::Replaced, 0},
        {"no file can take the name", {1, 3, 4, 5}, FileReplaceResult::OldFileAside, ERROR_ACCESS_DENIED},
    };
    for (const Case& c : cases) {
        TempDir dir;
        dir.Write("rax40gw.conf", kOld);
        HANDLE reader = OpenWithSharing(dir.File("rax40gw.conf"), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
        ASSERT_NE(reader, INVALID_HANDLE_VALUE);
        FailRenamesForTests(c.failing);
        FileReplaceResult replace = ReplaceFileContents(dir.File("rax40gw.conf"), kNew);
        FailRenamesForTests({});
        EXPECT_EQ(replace.Files, c.files) << c.what;
        EXPECT_EQ(replace.Error, c.error) << c.what;
        EXPECT_EQ(ReadThrough(reader), kOld) << c.what;
        CloseHandle(reader);

        switch (c.files) {
        case FileReplaceResult::Unchanged:
            EXPECT_EQ(dir.Read("rax40gw.conf"), kOld) << c.what;
            EXPECT_EQ(dir.Names(), Names{"rax40gw.conf"}) << c.what;
            break;
        case FileReplaceResult::Replaced:
            EXPECT_EQ(dir.Read("rax40gw.conf"), kNew) << c.what;
            EXPECT_EQ(dir.Names(), Names{"rax40gw.conf"}) << c.what;
            break;
        case FileReplaceResult::OldFileAside: {
            EXPECT_FALSE(dir.Exists("rax40gw.conf")) << c.what;
            EXPECT_EQ(dir.Names().size(), 2u) << c.what;
            std::string prefix = dir.File("rax40gw.conf.~");
            EXPECT_EQ(replace.OldFile.substr(0, prefix.size()), prefix) << c.what;
            EXPECT_EQ(replace.NewFile.substr(0, prefix.size()), prefix) << c.what;
            EXPECT_EQ(ReadAll(replace.OldFile), kOld) << c.what;
            EXPECT_EQ(ReadAll(replace.NewFile), kNew) << c.what;
            break;
        }
        }
    }
}

TEST_F(FileReplaceFailure, AFullDiskRefusesOnlyWhatDoesNotFit) {
    TempDir dir;
    SetFreeDiskSpaceForTests(static_cast<int64_t>(kNew.size()));
    EXPECT_EQ(ReplaceFileContents(dir.File("fits.conf"), kNew).Error, 0u);
    EXPECT_EQ(ReplaceFileContents(dir.File("too-big.conf"), kNew + "x").Error, DWORD(ERROR_DISK_FULL));
    EXPECT_EQ(dir.Names(), Names{"fits.conf"});
}

TEST(FileReplace, IntoAMissingDirectoryFailsWithThePathError) {
    TempDir dir;
    EXPECT_EQ(ReplaceFileContents(dir.File("no-such-dir\\rax40gw.conf"), kNew).Error, DWORD(ERROR_PATH_NOT_FOUND));
    EXPECT_TRUE(dir.Names().empty());
}

}  // namespace
