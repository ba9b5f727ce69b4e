#pragma once
// Stands in for the message filter of Windows (User Interface Privilege Isolation), which
// Wine lacks. On Windows with UAC the programs run elevated, Explorer and Dorn4 at a
// lower integrity level, and a message above WM_USER that a lower level sends or posts to
// an elevated window is dropped unless the window has let it through with
// ChangeWindowMessageFilterEx. While this object lives, the toolkit's calls of that
// function come here and are recorded, and each watched window drops its watched
// message unless a recorded call let it through: as Windows drops it, when it comes from
// the lower level, so that a test fails where the program on Windows would.
#include <windows.h>
#include <ostream>
#include <vector>

class MessageFilterStandIn {
public:
    struct Call {
        HWND window;
        UINT message;
        DWORD action;
        bool operator==(const Call&) const = default;
        friend void PrintTo(const Call& call, std::ostream* out) {
            *out << "{window " << call.window << ", message 0x" << std::hex << call.message << ", action "
                 << std::dec << call.action << "}";
        }
    };

    MessageFilterStandIn();
    ~MessageFilterStandIn();
    MessageFilterStandIn(const MessageFilterStandIn&) = delete;
    MessageFilterStandIn& operator=(const MessageFilterStandIn&) = delete;

    // From now on `message` reaches `window` as from a lower level.
    void Watch(HWND window, UINT message);
    // True when a recorded call let `message` through to `window`.
    bool Allowed(HWND window, UINT message) const;

    std::vector<Call> calls;  // in the order they came
    int dropped = 0;          // watched messages that the filter kept from their window

private:
    struct Watched {
        HWND window;
        UINT message;
    };
    std::vector<Watched> watched_;

    static LRESULT CALLBACK Filter(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                   DWORD_PTR self);
};
