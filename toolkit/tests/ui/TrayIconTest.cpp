// The notification-area icon: present while visible, gone with its object, and its
// mouse messages reach the handlers.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>
#include <string>
#include "Application.h"
#include "Form.h"
#include "Menus.h"
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

TEST(TrayIcon, ADoubleClickOnTheIconReachesOnDblClick) {
    TTrayForm form;
    HWND window = form.TrayIcon1->Window();
    SendMessageW(window, TTrayIcon::CallbackMessage(), 1, WM_LBUTTONDOWN);
    SendMessageW(window, TTrayIcon::CallbackMessage(), 1, WM_LBUTTONUP);
    EXPECT_EQ(form.doubleClicks, 0);
    SendMessageW(window, TTrayIcon::CallbackMessage(), 1, WM_LBUTTONDBLCLK);
    EXPECT_EQ(form.doubleClicks, 1);
}

}  // namespace
