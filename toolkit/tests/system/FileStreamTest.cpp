#include <gtest/gtest.h>
#include <windows.h>
#include "Exception.h"
#include "FileStream.h"
#include "TempDir.h"

namespace {

class FileStreamTest : public testing::Test {
protected:
    FileStreamTest() { dir_.Write("rax40gw.conf", "[System]\r\n"); }
    AnsiString Path() const { return dir_.File("rax40gw.conf"); }

    // Whether TFileStream opens the file with mode.
    bool Opens(uint32_t mode) const {
        try {
            TFileStream stream(Path(), mode);
            return true;
        } catch (const EFOpenError&) {
            return false;
        }
    }

    TempDir dir_;
};

constexpr uint32_t kExclusiveProbe = fmOpenReadWrite | fmShareExclusive;

}  // namespace

TEST_F(FileStreamTest, ExclusiveProbeOpensAFileNobodyHolds) {
    EXPECT_TRUE(Opens(kExclusiveProbe));
    EXPECT_EQ(dir_.Read("rax40gw.conf"), "[System]\r\n");
}

TEST_F(FileStreamTest, OpeningAMissingFileNamesItAndCreatesNothing) {
    AnsiString missing = dir_.File("missing.conf");
    try {
        TFileStream stream(missing, kExclusiveProbe);
        FAIL() << "no exception";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message, "Cannot open file \"" + missing + "\"");
    }
    EXPECT_FALSE(dir_.Exists("missing.conf"));
}

// Another handle on the file: what it allows decides which modes open.
TEST_F(FileStreamTest, HonoursTheSharingOfOtherHandles) {
    struct Case {
        DWORD otherAccess;
        DWORD otherShare;
        uint32_t mode;
        bool opens;
    };
    const DWORD all = FILE_SHARE_READ | FILE_SHARE_WRITE;
    const Case cases[] = {
        {GENERIC_READ, all, kExclusiveProbe, false},
        {GENERIC_READ, 0, fmOpenRead | fmShareDenyNone, false},
        {GENERIC_READ, all, fmOpenReadWrite | fmShareDenyNone, true},
        {GENERIC_READ, FILE_SHARE_READ, fmOpenRead | fmShareDenyWrite, true},
        {GENERIC_READ, FILE_SHARE_READ, fmOpenWrite | fmShareDenyNone, false},
        {GENERIC_WRITE, all, fmOpenRead | fmShareDenyWrite, false},
        {GENERIC_WRITE, all, fmOpenRead | fmShareDenyNone, true},
        {GENERIC_READ, all, fmOpenRead, false},  // no sharing asked: exclusive
    };
    for (const Case& c : cases) {
        HANDLE other = CreateFileA(Path().c_str(), c.otherAccess, c.otherShare, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(other, INVALID_HANDLE_VALUE);
        EXPECT_EQ(Opens(c.mode), c.opens) << "access " << c.otherAccess << " share " << c.otherShare
                                          << " mode " << c.mode;
        CloseHandle(other);
    }
}

TEST_F(FileStreamTest, HoldsTheFileUntilDestroyed) {
    {
        TFileStream stream(Path(), kExclusiveProbe);
        EXPECT_FALSE(Opens(fmOpenRead | fmShareDenyNone));
    }
    EXPECT_TRUE(Opens(kExclusiveProbe));
}
