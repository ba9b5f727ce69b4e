#pragma once
// An operator at the mouse and keyboard, for tests in which window state matters: modal
// forms, the focus, enabled and disabled windows. The input goes through the system's
// input queue (SendInput), as a user's does, so a click reaches only an enabled window
// under the pointer and keys only the focused control of the active window; a message
// sent straight to a control would reach it even when its window is disabled or hidden.
//
// The operator acts on a thread of its own while the test's thread runs the program's
// message loop, and with it every modal loop the program enters, as for a user. Every
// wait has a time-out: a step that times out is a failure of the test, the operator
// stops, and the program's loops are ended (its thread gets WM_QUIT), so a program that
// is stuck fails the test instead of hanging it.
#include <windows.h>
#include <functional>
#include <string>

class Operator {
public:
    static constexpr DWORD kStepTimeoutMs = 5000;

    // Runs `actions` as the operator while this thread handles the program's window
    // messages; returns when they are done. What went wrong is reported to the test.
    static void Act(const std::function<void(Operator&)>& actions);

    // The window with the caption, once the program has shown and activated it and put
    // the keyboard focus into it: the moment a user can work in it.
    HWND WaitForActiveWindow(const std::wstring& caption);
    // The same for a dialog of the system (a file dialog), whatever its caption.
    HWND WaitForActiveDialog();
    // Once the window is hidden or gone.
    void WaitUntilHidden(HWND window);
    void WaitUntil(const std::function<bool()>& condition, const std::string& what);

    // A shown control of the window by its text (buttons, group boxes, labels), at any
    // depth.
    HWND Control(HWND window, const std::wstring& text);
    // The n-th shown control of the class in the window (from 0), at any depth.
    HWND ControlOfClass(HWND window, const wchar_t* className, int n = 0);

    // A left click, or a double click, at the middle of the control or at a point of it.
    void Click(HWND control);
    void ClickAt(HWND window, POINT client);
    void DoubleClickAt(HWND window, POINT client);
    // A key pressed and released, with Shift or Alt held when asked.
    void Press(WORD virtualKey, WORD heldKey = 0);
    // The characters typed one by one.
    void Type(const std::wstring& text);

    // What the program shows: a window's text (an edit's contents, a caption), the
    // control that has the keyboard focus and the active window of the program's thread.
    std::wstring Text(HWND window);
    HWND Focus();
    HWND ActiveWindow();

    // Stops the operator with a failure of the test.
    [[noreturn]] void Fail(const std::string& what);

private:
    explicit Operator(DWORD programThread) : programThread_(programThread) {}
    DWORD programThread_;

    GUITHREADINFO ProgramThreadInfo();
    HWND WaitForActive(const std::function<bool(HWND)>& fits, const std::string& what);
    void MoveTo(POINT screen);
    void Mouse(POINT screen, DWORD flags);
};
