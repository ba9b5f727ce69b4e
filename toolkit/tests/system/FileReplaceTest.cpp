// Replacing a file's bytes in one step, on real files in a temporary directory.
#include <gtest/gtest.h>
#include <windows.h>
#include <functional>
#include <string>
#include <thread>
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

// A scanner or an indexer that has the new file open for a moment makes the replacing
// rename (1) fail; the seam stands in for it, and fails for good the rename that would
// put the new file in place once the old one was put aside (3), as the scanner's hold
// would, so that only the replacing rename tried again can replace the file. It does,
// with nothing left beside it. A rename that fails otherwise is not tried again.
TEST_F(FileReplaceFailure, ARenameThatMeetsAScannerIsTriedAgainAndNoOtherIs) {
    struct Case {
        const char* what;
        FailingRename failing;
        FileReplaceResult::State files;
        DWORD error;
    };
    const std::vector<Case> cases = {
        {"a sharing violation at the first try", {1, ERROR_SHARING_VIOLATION, 1}, FileReplaceResult::Replaced, 0},
        {"access denied at the first five tries", {1, ERROR_ACCESS_DENIED, 5}, FileReplaceResult::Replaced, 0},
        {"sharing violations for 800 ms, nine tries", {1, ERROR_SHARING_VIOLATION, 9}, FileReplaceResult::Replaced, 0},
        {"write protection at the first try", {1, ERROR_WRITE_PROTECT, 1}, FileReplaceResult::Unchanged,
         ERROR_WRITE_PROTECT},
    };
    for (const Case& c : cases) {
        TempDir dir;
        dir.Write("rax40gw.conf", kOld);
        FailRenamesForTests({c.failing, {3, ERROR_SHARING_VIOLATION}});
        FileReplaceResult replace = ReplaceFileContents(dir.File("rax40gw.conf"), kNew);
        FailRenamesForTests({});
        EXPECT_EQ(replace.Files, c.files) << c.what;
        EXPECT_EQ(replace.Error, c.error) << c.what;
        EXPECT_EQ(dir.Read("rax40gw.conf"), c.files == FileReplaceResult::Replaced ? kNew : kOld) << c.what;
        EXPECT_EQ(dir.Names(), Names{"rax40gw.conf"}) << c.what;
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

// A scanner that has the file open without delete sharing, on a thread of its own, until
// it lets go after heldMs. Sharing holds between the handles of one process as between
// processes, under Wine as on Windows.
class Scanner {
public:
    Scanner(const std::string& path, DWORD heldMs)
        : file_(OpenWithSharing(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE)),
          letGo_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
          thread_([this, heldMs] {
              WaitForSingleObject(letGo_, heldMs);
              CloseHandle(file_);
          }) {}
    ~Scanner() {
        SetEvent(letGo_);
        thread_.join();
        CloseHandle(letGo_);
    }
    bool Holds() const { return file_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE file_, letGo_;
    std::thread thread_;
};

// The real clock and sleeps: a save waits for a scanner that lets go within the second,
// and is refused as before, after about a second, when it does not.
TEST(FileReplaceHeldUp, WaitsAboutASecondByTheClockForAScannerToLetGo) {
    struct Case {
        const char* what;
        DWORD heldMs;
        FileReplaceResult::State files;
        DWORD error;
        ULONGLONG atLeastMs, atMostMs;
    };
    const std::vector<Case> cases = {
        {"let go after 300 ms", 300, FileReplaceResult::Replaced, 0, 250, 900},
        {"held on", INFINITE, FileReplaceResult::Unchanged, ERROR_SHARING_VIOLATION, 950, 1500},
    };
    for (const Case& c : cases) {
        TempDir dir;
        dir.Write("rax40gw.conf", kOld);
        FileReplaceResult replace;
        ULONGLONG tookMs = 0;
        {
            Scanner scanner(dir.File("rax40gw.conf"), c.heldMs);
            ASSERT_TRUE(scanner.Holds()) << c.what;
            const ULONGLONG start = GetTickCount64();
            replace = ReplaceFileContents(dir.File("rax40gw.conf"), kNew);
            tookMs = GetTickCount64() - start;
        }
        EXPECT_EQ(replace.Files, c.files) << c.what;
        EXPECT_EQ(replace.Error, c.error) << c.what;
        EXPECT_GE(tookMs, c.atLeastMs) << c.what;
        EXPECT_LE(tookMs, c.atMostMs) << c.what;
        EXPECT_EQ(dir.Read("rax40gw.conf"), c.files == FileReplaceResult::Replaced ? kNew : kOld) << c.what;
        EXPECT_EQ(dir.Names(), Names{"rax40gw.conf"}) << c.what;
    }
}

// However long the pauses between the tries last, the replace gives up once a second has
// passed by the clock, with today's outcome: a count of pauses would wait several
// seconds where every sleep wakes late.
TEST(FileReplaceHeldUp, AScannerThatHoldsOnIsGivenUpAfterASecondHoweverLongTheSleepsLast) {
    struct Case {
        const char* what;
        double tickMs, lateMs;
        uint64_t givenUpByMs;  // the second and at most the one pause that crosses it
    };
    const std::vector<Case> cases = {
        {"sleeps as long as asked (Wine)", 1, 0, 1000},
        {"sleeps of whole 15.6 ms timer ticks (Windows)", 15.625, 0, 1110},
        {"a busy machine waking 250 ms late", 15.625, 250, 1360},
    };
    for (const Case& c : cases) {
        TempDir dir;
        dir.Write("rax40gw.conf", kOld);
        StandInRenameClock clock(c.tickMs, c.lateMs);
        HANDLE held = OpenWithSharing(dir.File("rax40gw.conf"), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
        ASSERT_NE(held, INVALID_HANDLE_VALUE) << c.what;
        FileReplaceResult replace = ReplaceFileContents(dir.File("rax40gw.conf"), kNew);
        CloseHandle(held);
        EXPECT_EQ(replace.Files, FileReplaceResult::Unchanged) << c.what;
        EXPECT_EQ(replace.Error, DWORD(ERROR_SHARING_VIOLATION)) << c.what;
        EXPECT_GE(clock.Now(), 1000u) << c.what;
        EXPECT_LE(clock.Now(), c.givenUpByMs) << c.what;
        EXPECT_EQ(dir.Read("rax40gw.conf"), kOld) << c.what;
        EXPECT_EQ(dir.Names(), Names{"rax40gw.conf"}) << c.what;
    }
}

}  // namespace
