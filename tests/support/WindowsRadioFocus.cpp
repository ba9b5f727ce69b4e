#include "WindowsRadioFocus.h"
#include <cwchar>

namespace {
int focusClicks = 0;

bool IsRadioButton(HWND window, LONG_PTR& type) {
    wchar_t name[16] = L"";
    GetClassNameW(window, name, 16);
    if (_wcsicmp(name, L"Button") != 0) return false;
    type = GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

// An automatic radio button checks itself and clears the others of its group, the
// siblings from the last WS_GROUP before it to the next one.
void CheckInGroup(HWND button) {
    HWND parent = GetParent(button);
    HWND first = button;
    while (!(GetWindowLongPtrW(first, GWL_STYLE) & WS_GROUP))
        if (HWND before = GetWindow(first, GW_HWNDPREV)) first = before;
        else break;
    for (HWND w = first; w && GetParent(w) == parent; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w != first && (GetWindowLongPtrW(w, GWL_STYLE) & WS_GROUP)) break;
        LONG_PTR type;
        if (IsRadioButton(w, type)) SendMessageW(w, BM_SETCHECK, w == button ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

// After the button has taken the focus, as the button of Windows does.
LRESULT CALLBACK AfterMessage(int code, WPARAM wParam, LPARAM lParam) {
    auto* message = reinterpret_cast<CWPRETSTRUCT*>(lParam);
    LONG_PTR type;
    if (code == HC_ACTION && message->message == WM_SETFOCUS && IsRadioButton(message->hwnd, type)) {
        ++focusClicks;
        if (type == BS_AUTORADIOBUTTON) CheckInGroup(message->hwnd);
        auto id = static_cast<WORD>(GetDlgCtrlID(message->hwnd));
        SendMessageW(GetParent(message->hwnd), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(message->hwnd));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
}  // namespace

WindowsRadioFocus::WindowsRadioFocus()
    : hook_(SetWindowsHookExW(WH_CALLWNDPROCRET, AfterMessage, nullptr, GetCurrentThreadId())) {
    focusClicks = 0;
}

WindowsRadioFocus::~WindowsRadioFocus() {
    if (hook_) UnhookWindowsHookEx(hook_);
}

int WindowsRadioFocus::FocusClicks() { return focusClicks; }
