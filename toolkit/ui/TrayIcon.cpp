#include "TrayIcon.h"
#include <shellapi.h>
#include "Application.h"
#include "FormBinder.h"
#include "Menus.h"
#include "MessageFilter.h"
#include "Unicode.h"

namespace {
constexpr UINT kIconId = 1;
const wchar_t kObjectProperty[] = L"TkTrayIcon";

UINT TaskbarCreatedMessage() {
    static UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

LRESULT CALLBACK TrayWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* icon = static_cast<TTrayIcon*>(GetPropW(window, kObjectProperty));
    if (icon && (msg == TTrayIcon::CallbackMessage() || msg == TaskbarCreatedMessage())) {
        try {
            if (msg == TaskbarCreatedMessage()) icon->Readd();
            else icon->MouseMessage(static_cast<UINT>(lParam));
        } catch (...) {
            Application.HandleException();
        }
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

const wchar_t* TrayWindowClass() {
    static const wchar_t* name = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = TrayWindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TkTrayIconWindow";
        RegisterClassW(&wc);
        return wc.lpszClassName;
    }();
    return name;
}

HICON LoadSmallIcon(const wchar_t* name) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                         GetSystemMetrics(SM_CYSMICON), LR_SHARED));
}
}  // namespace

UINT TTrayIcon::CallbackMessage() { return WM_APP + 0x3E2; }

TTrayIcon::TTrayIcon(TComponent* owner) : TComponent(owner) {
    // A hidden top-level window: the shell does not deliver to message-only ones everywhere.
    window_ = CreateWindowExW(0, TrayWindowClass(), L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    SetPropW(window_, kObjectProperty, this);
    // Explorer is of a lower integrity level than an elevated program: its announcement of
    // a restart, sent to every top-level window, and the icon's mouse messages reach this
    // window only through its filter.
    AllowMessageFromLowerLevels(window_, TaskbarCreatedMessage());
    AllowMessageFromLowerLevels(window_, CallbackMessage());
    icon_ = LoadSmallIcon(L"MAINICON");
    if (!icon_) icon_ = LoadIconW(nullptr, MAKEINTRESOURCEW(32512) /* IDI_APPLICATION */);
}

TTrayIcon::~TTrayIcon() {
    if (added_) Notify(NIM_DELETE);
    RemovePropW(window_, kObjectProperty);
    DestroyWindow(window_);
}

bool TTrayIcon::Notify(DWORD what) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = window_;
    data.uID = kIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = CallbackMessage();
    data.hIcon = icon_;
    std::wstring tip = ToWide(hint_).substr(0, ARRAYSIZE(data.szTip) - 1);
    tip.copy(data.szTip, tip.size());
    BOOL done = Shell_NotifyIconW(what, &data);
    if (what == NIM_ADD) added_ = done;
    if (what == NIM_DELETE) added_ = false;
    return done != FALSE;
}

void TTrayIcon::Update() {
    if (!loaded_) return;
    if (visible_ && !added_) Notify(NIM_ADD);
    else if (visible_) Notify(NIM_MODIFY);
    else if (added_) Notify(NIM_DELETE);
}

// A restarted shell has lost the icon. An announcement that finds the icon still there
// (the shell refuses to add it twice) leaves it as it was, and still ours to remove.
void TTrayIcon::Readd() {
    if (!loaded_ || !visible_) return;
    added_ = false;
    if (!Notify(NIM_ADD)) added_ = Notify(NIM_MODIFY);
}

void TTrayIcon::SetVisible(bool visible) {
    visible_ = visible;
    Update();
}

void TTrayIcon::SetHint(const AnsiString& hint) {
    hint_ = hint;
    Update();
}

void TTrayIcon::SetIcon(const AnsiString& resourceName) {
    HICON icon = LoadSmallIcon(ToWide(resourceName).c_str());
    if (!icon) throw EFormDefinitionError("the program has no icon " + resourceName);
    icon_ = icon;
    Update();
}

void TTrayIcon::MouseMessage(UINT mouse) {
    switch (mouse) {
    case WM_LBUTTONUP:
        if (OnClick) OnClick(this);
        break;
    case WM_LBUTTONDBLCLK:
        if (OnDblClick) OnDblClick(this);
        break;
    case WM_RBUTTONUP:
        if (PopupMenu) {
            POINT at;
            GetCursorPos(&at);
            PopupMenu->Popup(at.x, at.y);
        }
        break;
    }
}

void TTrayIcon::Loaded() {
    loaded_ = true;
    Update();
}

void TTrayIcon::SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) {
    if (name == "Visible") visible_ = value.AsBool();
    else if (name == "Hint") hint_ = value.AsString();
    else if (name == "Icon") SetIcon(value.AsString());
    else if (name == "PopupMenu") binder.Reference<TPopupMenu>(value, [this](TPopupMenu* m) { PopupMenu = m; });
    else if (name == "OnClick") OnClick = binder.Event<TNotifyEvent>(value);
    else if (name == "OnDblClick") OnDblClick = binder.Event<TNotifyEvent>(value);
    else TComponent::SetProperty(name, value, binder);
}
