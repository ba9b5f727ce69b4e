#include "Operator.h"
#include <gtest/gtest.h>
#include <vector>
#include "Application.h"
#include "Unicode.h"

namespace {

struct Stopped {
    std::string What;
};

// The window's own text as the system keeps it, read without a message to its thread.
std::wstring InternalText(HWND window) {
    wchar_t text[512] = L"";
    InternalGetWindowText(window, text, 512);
    return text;
}

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) out += c < 128 ? static_cast<char>(c) : '?';
    return out;
}

std::string Describe(HWND window) {
    if (!window) return "none";
    wchar_t className[64] = L"";
    GetClassNameW(window, className, 64);
    return "\"" + FromWide(InternalText(window)) + "\" (" + Narrow(className) + ")";
}

struct ChildSearch {
    std::function<bool(HWND)> matches;
    int skip;
    HWND found = nullptr;
};

BOOL CALLBACK TakeChild(HWND child, LPARAM search) {
    auto* s = reinterpret_cast<ChildSearch*>(search);
    if (!s->matches(child)) return TRUE;
    if (s->skip-- > 0) return TRUE;
    s->found = child;
    return FALSE;
}

HWND FindChild(HWND window, std::function<bool(HWND)> matches, int skip = 0) {
    ChildSearch search{std::move(matches), skip};
    EnumChildWindows(window, TakeChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct Run {
    const std::function<void(Operator&)>* actions;
    Operator* op;
    DWORD programThread;
    std::string failure;
};

// The operator's thread; a failure ends the program's loops so that the test goes on.
DWORD WINAPI RunActions(LPVOID param) {
    auto* run = static_cast<Run*>(param);
    try {
        (*run->actions)(*run->op);
    } catch (const Stopped& stopped) {
        run->failure = stopped.What;
        PostThreadMessageW(run->programThread, WM_QUIT, 0, 0);
    }
    return 0;
}

}  // namespace

void Operator::Act(const std::function<void(Operator&)>& actions) {
    Operator op(GetCurrentThreadId());
    Run run{&actions, &op, GetCurrentThreadId(), {}};
    HANDLE thread = CreateThread(nullptr, 0, RunActions, &run, 0, nullptr);
    ASSERT_TRUE(thread);
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0)
        Application.ProcessMessages();
    CloseHandle(thread);
    if (!run.failure.empty()) ADD_FAILURE() << run.failure;
}

void Operator::Fail(const std::string& what) {
    GUITHREADINFO info = ProgramThreadInfo();
    throw Stopped{what + "; the active window is " + Describe(info.hwndActive) + ", the focus is on " +
                  Describe(info.hwndFocus)};
}

GUITHREADINFO Operator::ProgramThreadInfo() {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(programThread_, &info);
    return info;
}

HWND Operator::Focus() { return ProgramThreadInfo().hwndFocus; }
HWND Operator::ActiveWindow() { return ProgramThreadInfo().hwndActive; }

void Operator::WaitUntil(const std::function<bool()>& condition, const std::string& what) {
    for (ULONGLONG end = GetTickCount64() + kStepTimeoutMs; !condition(); Sleep(10))
        if (GetTickCount64() > end) Fail("timed out waiting for " + what);
}

// The program's active window, once it is shown, `fits` and holds the keyboard focus.
HWND Operator::WaitForActive(const std::function<bool(HWND)>& fits, const std::string& what) {
    HWND window = nullptr;
    WaitUntil(
        [&] {
            GUITHREADINFO info = ProgramThreadInfo();
            window = info.hwndActive;
            return window && IsWindowVisible(window) && fits(window) && info.hwndFocus &&
                   (info.hwndFocus == window || IsChild(window, info.hwndFocus));
        },
        what + " to be active with the focus in it");
    return window;
}

HWND Operator::WaitForActiveWindow(const std::wstring& caption) {
    return WaitForActive([&](HWND window) { return InternalText(window) == caption; },
                         "the window \"" + FromWide(caption) + "\"");
}

HWND Operator::WaitForActiveDialog() {
    return WaitForActive(
        [](HWND window) {
            wchar_t name[16] = L"";
            GetClassNameW(window, name, 16);
            return std::wstring(name) == L"#32770";
        },
        "a dialog of the system");
}

void Operator::WaitUntilHidden(HWND window) {
    WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, Describe(window) + " to close");
}

HWND Operator::Control(HWND window, const std::wstring& text) {
    HWND control =
        FindChild(window, [&](HWND child) { return IsWindowVisible(child) && InternalText(child) == text; });
    if (!control) Fail("no control \"" + FromWide(text) + "\" in " + Describe(window));
    return control;
}

HWND Operator::ControlOfClass(HWND window, const wchar_t* className, int n) {
    HWND control = FindChild(
        window,
        [&](HWND child) {
            wchar_t name[64] = L"";
            GetClassNameW(child, name, 64);
            return IsWindowVisible(child) && _wcsicmp(name, className) == 0;
        },
        n);
    if (!control) Fail("no control of class " + Narrow(className) + " in " + Describe(window));
    return control;
}

std::wstring Operator::Text(HWND window) {
    wchar_t text[1024] = L"";
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, kStepTimeoutMs,
                        &copied);
    return text;
}

// Absolute input coordinates run from 0 to 65536 across the primary screen; rounding up
// makes the system's conversion land on the pixel asked for.
static INPUT MouseAt(POINT screen, DWORD flags) {
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = static_cast<LONG>((static_cast<LONGLONG>(screen.x) * 65536 + width - 1) / width);
    in.mi.dy = static_cast<LONG>((static_cast<LONGLONG>(screen.y) * 65536 + height - 1) / height);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
    return in;
}

// Every event carries the point, so that each lands where it is meant to whatever the
// pointer did in between.
void Operator::Mouse(POINT screen, DWORD flags) {
    INPUT in = MouseAt(screen, flags);
    if (SendInput(1, &in, sizeof(in)) != 1) Fail("the system took no mouse input");
}

void Operator::MoveTo(POINT screen) {
    Mouse(screen, 0);
    WaitUntil(
        [&] {
            POINT at;
            return GetCursorPos(&at) && at.x == screen.x && at.y == screen.y;
        },
        "the pointer to reach " + std::to_string(screen.x) + "," + std::to_string(screen.y));
}

void Operator::ClickAt(HWND window, POINT client) {
    ClientToScreen(window, &client);
    MoveTo(client);
    Mouse(client, MOUSEEVENTF_LEFTDOWN);
    Mouse(client, MOUSEEVENTF_LEFTUP);
}

void Operator::DoubleClickAt(HWND window, POINT client) {
    ClientToScreen(window, &client);
    MoveTo(client);
    for (int i = 0; i < 2; ++i) {
        Mouse(client, MOUSEEVENTF_LEFTDOWN);
        Mouse(client, MOUSEEVENTF_LEFTUP);
    }
}

void Operator::Click(HWND control) {
    RECT r;
    GetClientRect(control, &r);
    ClickAt(control, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

void Operator::Press(WORD virtualKey, WORD heldKey) {
    std::vector<INPUT> keys;
    auto key = [&](WORD vk, bool up) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
        in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        keys.push_back(in);
    };
    if (heldKey) key(heldKey, false);
    key(virtualKey, false);
    key(virtualKey, true);
    if (heldKey) key(heldKey, true);
    if (SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT)) != keys.size())
        Fail("the system took no key");
}

// Each character as the keyboard gives it: by its key where the layout has one, else as
// a character of its own (a Unicode packet).
void Operator::Type(const std::wstring& text) {
    for (wchar_t c : text) {
        SHORT scan = VkKeyScanW(c);
        if (scan != -1 && (HIBYTE(scan) & ~1) == 0) {
            Press(LOBYTE(scan), HIBYTE(scan) & 1 ? VK_SHIFT : 0);
            continue;
        }
        INPUT packet[2] = {};
        for (int i = 0; i < 2; ++i) {
            packet[i].type = INPUT_KEYBOARD;
            packet[i].ki.wScan = c;
            packet[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
        }
        if (SendInput(2, packet, sizeof(INPUT)) != 2) Fail("the system took no character");
    }
}
