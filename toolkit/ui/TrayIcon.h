#pragma once
// An icon in the notification area, present while Visible. Its mouse messages arrive at
// a hidden window of its own: a double-click reaches OnDblClick, a right click shows the
// pop-up menu at the mouse.
#include <windows.h>
#include "Component.h"

class TPopupMenu;

class TTrayIcon : public TComponent {
public:
    explicit TTrayIcon(TComponent* owner);
    ~TTrayIcon() override;

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    const AnsiString& Hint() const { return hint_; }
    void SetHint(const AnsiString& hint);
    // An icon resource of the program; "MAINICON", the program's icon, unless named.
    void SetIcon(const AnsiString& resourceName);
    TPopupMenu* PopupMenu = nullptr;
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;

    // The window the shell sends the icon's messages to, and their number; the mouse
    // message itself is the lParam.
    HWND Window() const { return window_; }
    static UINT CallbackMessage();
    // What the shell reports of the mouse over the icon.
    void MouseMessage(UINT mouse);
    // The shell was restarted: the icon is added again.
    void Readd();

    void SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) override;
    void Loaded() override;

private:
    HWND window_ = nullptr;
    HICON icon_ = nullptr;
    AnsiString hint_;
    bool visible_ = false;
    bool added_ = false;
    bool loaded_ = false;
    bool Notify(DWORD what);
    void Update();
};
