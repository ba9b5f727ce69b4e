// The wait window of the restart, built from the program's resources over the main
// window, and the animation resource it plays.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <cstdlib>
#include <cstring>
#include <string>
#include "Animate.h"
#include "ConfiguratorFixture.h"
#include "UnitPr.h"

namespace {

class WaitWindowTest : public configurator_test::ConfiguratorFixture {
protected:
    // As the program does: the main window first and shown, then the wait window.
    TFormPr* CreateOverShownMainWindow() {
        Start()->Show();
        Application.CreateForm(FormPr);
        return FormPr;
    }
};

POINT Centre(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

TEST_F(WaitWindowTest, ShowsItsCaptionCentredOverTheMainWindowAndStaysOnTop) {
    TFormPr* wait = CreateOverShownMainWindow();
    EXPECT_FALSE(wait->Visible());
    wait->Show();
    HWND window = wait->Handle();
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(wait->Caption(), "Подождите идет перезапуск службы");
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 411);
    EXPECT_EQ(client.bottom, 110);
    LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE), exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(exStyle & WS_EX_DLGMODALFRAME);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    POINT over = Centre(MainForm->Handle()), centre = Centre(window);
    EXPECT_LE(std::abs(centre.x - over.x), 1);
    EXPECT_LE(std::abs(centre.y - over.y), 1);
    EXPECT_EQ(wait->Font.Name, "MS Sans Serif");
    EXPECT_EQ(wait->Font.Height, -13);

    // Closing the wait window only hides it: the main window and the loop go on.
    wait->Close();
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_FALSE(Application.Terminated);
    EXPECT_TRUE(IsWindowVisible(MainForm->Handle()));
}

TEST_F(WaitWindowTest, TheAnimationPlaysTheProgramsResourceInItsPlace) {
    TFormPr* wait = CreateOverShownMainWindow();
    TAnimate* animation = wait->Animate1;
    ASSERT_NE(animation, nullptr);
    EXPECT_EQ(animation->ResName, "BOLSHOI_FILE");
    EXPECT_TRUE(animation->Active());
    EXPECT_EQ(animation->StopFrame, 3);
    wchar_t className[32];
    GetClassNameW(animation->Handle(), className, 32);
    EXPECT_STREQ(className, ANIMATE_CLASSW);
    EXPECT_FALSE(GetWindowLongPtrW(animation->Handle(), GWL_STYLE) & ACS_TRANSPARENT);
    RECT r;
    GetWindowRect(animation->Handle(), &r);
    MapWindowPoints(nullptr, wait->Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 56);
    EXPECT_EQ(r.top, 40);
    EXPECT_EQ(r.right - r.left, 300);
    EXPECT_EQ(r.bottom - r.top, 28);

    // Played again, the control reports that it has started (the notices of the first
    // play are delivered before the test listens).
    wait->Show();
    Application.ProcessMessages();
    int starts = 0;
    animation->OnStart = [&starts](TObject*) { ++starts; };
    animation->SetActive(false);
    animation->SetActive(true);
    Application.ProcessMessages();
    EXPECT_GE(starts, 1);
}

// The animation resource read as the file it is: one uncompressed 24-bit video stream
// of three 300 x 28 frames, 0.45 s each.
TEST(WaitAnimation, IsThreeUncompressedFramesOfTheStripAtFortyFiveHundredthsOfASecond) {
    HRSRC found = FindResourceW(nullptr, L"BOLSHOI_FILE", L"AVI");
    ASSERT_NE(found, nullptr);
    const char* data = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    std::string avi(data, SizeofResource(nullptr, found));
    ASSERT_EQ(avi.substr(0, 4), "RIFF");
    ASSERT_EQ(avi.substr(8, 4), "AVI ");
    auto field = [&avi](const char* fourcc, size_t offset) {
        size_t at = avi.find(fourcc);
        EXPECT_NE(at, std::string::npos) << fourcc;
        DWORD value = 0;
        if (at != std::string::npos) std::memcpy(&value, avi.data() + at + 8 + offset, sizeof(value));
        return value;
    };
    EXPECT_EQ(field("avih", 0), 450000u);  // microseconds per frame
    EXPECT_EQ(field("avih", 16), 3u);      // frames
    EXPECT_EQ(field("avih", 24), 1u);      // streams
    EXPECT_EQ(field("avih", 32), 300u);
    EXPECT_EQ(field("avih", 36), 28u);
    EXPECT_EQ(avi.substr(avi.find("strh") + 8, 8), "vidsDIB ");
    EXPECT_EQ(field("strf", 4), 300u);
    EXPECT_EQ(field("strf", 8), 28u);
    EXPECT_EQ(field("strf", 12) >> 16, 24u);  // bits per pixel, after the planes
    EXPECT_EQ(field("strf", 16), DWORD(BI_RGB));
    EXPECT_EQ(avi.find("01wb"), std::string::npos) << "no sound";

    int frames = 0;
    size_t at = avi.find("movi") + 4, end = avi.find("idx1");
    while (at < end && avi.compare(at, 4, "00db") == 0) {
        DWORD size = 0;
        std::memcpy(&size, avi.data() + at + 4, sizeof(size));
        EXPECT_EQ(size, 300u * 28 * 3);
        ++frames;
        at += 8 + size + (size & 1);
    }
    EXPECT_EQ(frames, 3);
    EXPECT_EQ(at, end);
}

}  // namespace
