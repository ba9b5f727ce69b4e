// The main window's placement and extended view kept in Rax40gwcfg.ini: restored when the
// window is created, written when it closes.
#include <gtest/gtest.h>
#include <windows.h>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>
#include "ConfiguratorFixture.h"
#include "GroupBox.h"

namespace {

struct Placement {
    int Left, Top, Width, Height;
};

std::ostream& operator<<(std::ostream& out, const Placement& p) {
    return out << p.Left << "," << p.Top << " " << p.Width << "x" << p.Height;
}

bool operator==(const Placement& a, const Placement& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Width == b.Width && a.Height == b.Height;
}

Placement FormPlacement(TControl* form) { return {form->Left(), form->Top(), form->Width(), form->Height()}; }

Placement WindowPlacementOf(TControl* form) {
    RECT r;
    GetWindowRect(form->Handle(), &r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// The lines of a profile file, without the empty ones the system may put between sections.
std::vector<std::string> FilledLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> PlacementLines(const Placement& p, bool extended) {
    return {"[MainForm]",
            "Top=" + std::to_string(p.Top),
            "Left=" + std::to_string(p.Left),
            "Height=" + std::to_string(p.Height),
            "Width=" + std::to_string(p.Width),
            "[CheckBoxVid]",
            std::string("Check=") + (extended ? "1" : "0")};
}

class WindowPlacementTest : public configurator_test::ConfiguratorFixture {
protected:
    void Restart() {
        CloseWindows();
        Start();
    }

    std::string IniPath() const { return dir.File("Rax40gwcfg.ini"); }
    void WriteIni(const std::string& text) const { dir.Write("Rax40gwcfg.ini", text); }
    std::vector<std::string> IniLines() const { return FilledLines(dir.Read("Rax40gwcfg.ini")); }

    void PressCloseBox() { SendMessageW(MainForm->Handle(), WM_CLOSE, 0, 0); }
};

TEST_F(WindowPlacementTest, WithoutTheFileTheWindowKeepsItsOwnPlaceAndTheFirstCloseWritesIt) {
    TMainForm* form = Start();
    EXPECT_EQ(form->Width(), 1045);
    EXPECT_EQ(form->Height(), 670);
    EXPECT_EQ(FormPlacement(form), WindowPlacementOf(form));
    EXPECT_FALSE(form->CheckBoxVid->Checked());
    EXPECT_FALSE(form->GroupBox8->Visible());
    EXPECT_FALSE(dir.Exists("Rax40gwcfg.ini"));
    Placement own = FormPlacement(form);

    form->Show();
    Choose(form->mExit);
    EXPECT_TRUE(Application.Terminated);
    EXPECT_TRUE(notices.empty());
    EXPECT_EQ(IniLines(), PlacementLines(own, false));
}

// Every case stores all four values, so that the system's choice of a first place plays no
// part; the window is placed before it is shown.
TEST_F(WindowPlacementTest, StoredPlacementIsAppliedWithinTheMinimumSizeAndPulledBackOntoTheScreen) {
    const int screenWidth = Screen.Width(), screenHeight = Screen.Height();
    struct Case {
        const char* what;
        Placement stored, expected;
    };
    const std::vector<Case> cases = {
        {"as stored", {30, 40, 1100, 700}, {30, 40, 1100, 700}},
        {"left far right", {5000, 40, 1045, 670}, {screenWidth - 1045, 40, 1045, 670}},
        {"left at the screen width", {screenWidth, 40, 1045, 670}, {screenWidth - 1045, 40, 1045, 670}},
        {"left one pixel inside", {screenWidth - 1, 40, 1045, 670}, {screenWidth - 1, 40, 1045, 670}},
        {"top below the screen", {30, screenHeight + 176, 1045, 670}, {30, screenHeight - 670, 1045, 670}},
        {"top at the screen height", {30, screenHeight, 1045, 700}, {30, screenHeight - 700, 1045, 700}},
        {"both off the screen", {5000, 5000, 1045, 670}, {screenWidth - 1045, screenHeight - 670, 1045, 670}},
        {"left of the screen", {-3000, -50, 1045, 670}, {-3000, -50, 1045, 670}},
        {"below the minimum size", {30, 40, 800, 300}, {30, 40, 1045, 670}},
    };
    for (const Case& c : cases) {
        WriteIni("[MainForm]\r\nTop=" + std::to_string(c.stored.Top) + "\r\nLeft=" + std::to_string(c.stored.Left) +
                 "\r\nHeight=" + std::to_string(c.stored.Height) + "\r\nWidth=" + std::to_string(c.stored.Width) +
                 "\r\n");
        TMainForm* form = Start();
        EXPECT_FALSE(IsWindowVisible(form->Handle())) << c.what;
        EXPECT_EQ(FormPlacement(form), c.expected) << c.what;
        EXPECT_EQ(WindowPlacementOf(form), c.expected) << c.what;
        CloseWindows();
    }
}

TEST_F(WindowPlacementTest, ValuesThatAreNoNumbersLeaveTheWindowAsItIs) {
    TMainForm* form = Start();
    Placement own = FormPlacement(form);
    CloseWindows();
    WriteIni("[MainForm]\r\nTop=high\r\nLeft=\r\nHeight=12px\r\nWidth= \r\n[CheckBoxVid]\r\nCheck=yes\r\n");
    form = Start();
    EXPECT_EQ(form->Width(), own.Width);
    EXPECT_EQ(form->Height(), own.Height);
    EXPECT_EQ(FormPlacement(form), WindowPlacementOf(form));
    EXPECT_FALSE(form->CheckBoxVid->Checked());
}

TEST_F(WindowPlacementTest, StoredViewFlagIsAppliedBeforeTheWindowIsShown) {
    const std::vector<std::pair<const char*, bool>> cases = {
        {"[CheckBoxVid]\r\nCheck=1\r\n", true},  {"[CheckBoxVid]\r\nCheck=7\r\n", true},
        {"[CheckBoxVid]\r\nCheck=-1\r\n", true}, {"[checkboxvid]\r\ncheck=0x10\r\n", true},
        {"[CheckBoxVid]\r\nCheck=0\r\n", false}, {"[CheckBoxVid]\r\nCheck=\r\n", false},
        {"[MainForm]\r\nCheck=1\r\n", false},
    };
    for (auto [text, extended] : cases) {
        WriteIni(text);
        TMainForm* form = Start();
        EXPECT_FALSE(IsWindowVisible(form->Handle())) << text;
        EXPECT_EQ(form->CheckBoxVid->Checked(), extended) << text;
        HMENU menu = GetMenu(form->Handle());
        EXPECT_EQ((GetMenuState(menu, form->CheckBoxVid->Command(), MF_BYCOMMAND) & MF_CHECKED) != 0, extended)
            << text;
        EXPECT_EQ(form->GroupBox8->Visible(), extended) << text;
        EXPECT_EQ((GetWindowLongPtrW(form->GroupBox8->Handle(), GWL_STYLE) & WS_VISIBLE) != 0, extended) << text;
        for (TGroupBox* box : {form->GroupBox3, form->GroupBox4, form->GroupBox2, form->GroupBox10})
            EXPECT_EQ(box->Width(), extended ? 513 : 810) << text << box->Name;
        CloseWindows();
    }
}

// The operator moves and sizes the window (the system's SetWindowPos at the end of a drag)
// and ticks the extended view; the next start comes back the same.
TEST_F(WindowPlacementTest, CloseStoresWhereTheOperatorLeftTheWindowAndTheNextStartRestoresIt) {
    TMainForm* form = Start();
    form->Show();
    Choose(form->CheckBoxVid);
    const Placement moved{150, 60, 1111, 707};
    SetWindowPos(form->Handle(), nullptr, moved.Left, moved.Top, moved.Width, moved.Height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(FormPlacement(form), moved);

    PressCloseBox();
    EXPECT_TRUE(Application.Terminated);
    EXPECT_EQ(IniLines(), PlacementLines(moved, true));

    Restart();
    EXPECT_EQ(FormPlacement(MainForm), moved);
    EXPECT_EQ(WindowPlacementOf(MainForm), moved);
    EXPECT_TRUE(MainForm->CheckBoxVid->Checked());
    EXPECT_TRUE(MainForm->GroupBox8->Visible());
}

// A saved value replaces the stored one; the lines that the window does not own stay.
TEST_F(WindowPlacementTest, CloseReplacesStoredValuesAndKeepsOtherLines) {
    WriteIni("[MainForm]\r\nTop=40\r\nLeft=30\r\nHeight=700\r\nWidth=1100\r\nState=2\r\n[CheckBoxVid]\r\nCheck=1\r\n");
    TMainForm* form = Start();
    form->Show();
    Choose(form->CheckBoxVid);  // the view off again
    PressCloseBox();
    EXPECT_EQ(IniLines(), (std::vector<std::string>{"[MainForm]", "Top=40", "Left=30", "Height=700", "Width=1100",
                                                    "State=2", "[CheckBoxVid]", "Check=0"}));
}

// The file is held open without sharing, so the system refuses every write to it. Each
// road to closing reports that once and leaves the window open; released, it closes.
TEST_F(WindowPlacementTest, RefusedWriteIsReportedAndTheWindowStaysOpen) {
    dir.Write("Rax40gwcfg.ini", "[MainForm]\r\nTop=40\r\nLeft=30\r\nHeight=700\r\nWidth=1100\r\n");
    TMainForm* form = Start();
    form->Show();
    HANDLE held = CreateFileA(IniPath().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const TCloseQueryEvent ownCloseQuery = form->OnCloseQuery;
    const std::vector<std::pair<const char*, std::function<void()>>> roads = {
        {"close box", [&] { PressCloseBox(); }},
        {"menu item Выход", [&] { Choose(form->mExit); }},
        {"close handler alone", [&] {
             form->OnCloseQuery = nullptr;  // the window may close; its close handler saves
             PressCloseBox();
             form->OnCloseQuery = ownCloseQuery;
         }},
    };
    for (auto& [road, act] : roads) {
        notices.clear();
        act();
        ASSERT_EQ(notices.size(), 1u) << road;
        EXPECT_EQ(notices[0].Text, "Unable to write to " + IniPath()) << road;
        EXPECT_EQ(notices[0].Caption, Application.Title) << road;
        EXPECT_EQ(notices[0].Flags, unsigned(MB_OK | MB_ICONSTOP)) << road;
        EXPECT_TRUE(form->Visible()) << road;
        EXPECT_TRUE(IsWindowVisible(form->Handle())) << road;
        EXPECT_FALSE(Application.Terminated) << road;
    }
    CloseHandle(held);

    notices.clear();
    PressCloseBox();
    EXPECT_TRUE(notices.empty());
    EXPECT_TRUE(Application.Terminated);
    EXPECT_EQ(IniLines(), PlacementLines(FormPlacement(form), false));
}

}  // namespace
