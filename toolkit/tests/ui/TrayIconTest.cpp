// The notification-area icon: present while visible, gone with its object, its mouse
// messages reach the handlers, and a restarted shell gets it again.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>
#include <string>
#include "Application.h"
#include "Form.h"
#include "Menus.h"
#include "MessageFilterStandIn.h"
#include "TrayIcon.h"

namespace {

const std::string kDefinition = reinterpret_cast<const char*>(u8R"(
object TrayForm: TTrayForm
  ClientWidth = 200
  ClientHeight = 100
  object TrayIcon1: TTrayIcon
    Visible = True
    Hint = 'Монитор Rax40GW'
    PopupMenu = PopupMenuTray
    OnDblClick = TrayIcon1DblClick
  end
  object PopupMenuTray: TPopupMenu
    object pmShow: TMenuItem
      Caption = '&Открыть'
    end
  end
end
)");

class TTrayForm : public TForm {
public:
    TTrayIcon* TrayIcon1 = nullptr;
    TPopupMenu* PopupMenuTray = nullptr;
    int doubleClicks = 0;

    TTrayForm() {
        Field(TrayIcon1, "TrayIcon1");
        Field(PopupMenuTray, "PopupMenuTray");
        Handler("TrayIcon1DblClick", &TTrayForm::TrayIcon1DblClick);
        LoadText(kDefinition);
    }
    void TrayIcon1DblClick(TObject*) { ++doubleClicks; }
};

// The shell answers a change of an icon only while the icon is there.
bool IconPresent(HWND window) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = window;
    data.uID = 1;
    data.uFlags = NIF_TIP;
    return Shell_NotifyIconW(NIM_MODIFY, &data);
}

// What a restarted shell knows of the icon: nothing.
void ShellForgetsIcon(HWND window) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = window;
    data.uID = 1;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &data));
    ASSERT_FALSE(IconPresent(window));
}

UINT TaskbarCreated() { return RegisterWindowMessageW(L"TaskbarCreated"); }

// As Explorer announces that its taskbar is there: to every top-level window.
void AnnounceShellStart() {
    PostMessageW(HWND_BROADCAST, TaskbarCreated(), 0, 0);
    Application.ProcessMessages();
}

TEST(TrayIcon, IsPresentWhileVisibleAndGoesWithItsObject) {
    HWND window;
    {
        TTrayForm form;
        window = form.TrayIcon1->Window();
        EXPECT_EQ(form.TrayIcon1->PopupMenu, form.PopupMenuTray);
        EXPECT_TRUE(IconPresent(window));
        form.TrayIcon1->SetVisible(false);
        EXPECT_FALSE(IconPresent(window));
        form.TrayIcon1->SetVisible(true);
        EXPECT_TRUE(IconPresent(window));
    }
    EXPECT_FALSE(IsWindow(window));
}

// The icon's mouse messages come from Explorer, of a lower integrity level than the
// elevated programs: they pass only the filter of the icon's window, which the stand-in
// keeps as Windows does.
TEST(TrayIcon, ADoubleClickOnTheIconReachesOnDblClick) {
    MessageFilterStandIn filter;
    TTrayForm form;
    HWND window = form.TrayIcon1->Window();
    filter.Watch(window, TTrayIcon::CallbackMessage());
    SendMessageW(window, TTrayIcon::CallbackMessage(), 1, WM_LBUTTONDOWN);
    SendMessageW(window, TTrayIcon::CallbackMessage(), 1, WM_LBUTTONUP);
    EXPECT_EQ(form.doubleClicks, 0);
    SendMessageW(window, TTrayIcon::CallbackMessage(), 1, WM_LBUTTONDBLCLK);
    EXPECT_EQ(form.doubleClicks, 1);
    EXPECT_EQ(filter.dropped, 0);
}

// Explorer is of a lower integrity level than the elevated programs: its announcement
// passes only the filter of the icon's window, which the stand-in keeps as Windows does.
TEST(TrayIcon, IsAddedAgainWhenARestartedShellAnnouncesItself) {
    MessageFilterStandIn filter;
    TTrayForm form;
    HWND window = form.TrayIcon1->Window();
    filter.Watch(window, TaskbarCreated());
    EXPECT_TRUE(filter.Allowed(window, TaskbarCreated()));

    ShellForgetsIcon(window);
    AnnounceShellStart();
    EXPECT_TRUE(IconPresent(window));
    EXPECT_EQ(filter.dropped, 0);

    form.TrayIcon1->SetVisible(false);  // the icon added again is the object's own
    EXPECT_FALSE(IconPresent(window));
}

// The shell refuses to add an icon twice: an announcement that finds the icon still there
// leaves it so, and the object still removes it when it is hidden. A hidden icon is not
// added by an announcement.
TEST(TrayIcon, AnAnnouncementThatFindsTheIconLeavesItToTheObject) {
    TTrayForm form;
    HWND window = form.TrayIcon1->Window();
    AnnounceShellStart();
    EXPECT_TRUE(IconPresent(window));
    form.TrayIcon1->SetVisible(false);
    EXPECT_FALSE(IconPresent(window));

    AnnounceShellStart();
    EXPECT_FALSE(IconPresent(window));
    EXPECT_FALSE(form.TrayIcon1->Visible());
}

}  // namespace
