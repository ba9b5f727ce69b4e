#include "MessageFilter.h"

namespace {
std::function<BOOL(HWND, UINT, DWORD)>& FilterForTests() {
    static std::function<BOOL(HWND, UINT, DWORD)> filter;
    return filter;
}
}  // namespace

bool AllowMessageFromLowerLevels(HWND window, UINT message) {
    if (FilterForTests()) return FilterForTests()(window, message, MSGFLT_ALLOW) != FALSE;
    return ChangeWindowMessageFilterEx(window, message, MSGFLT_ALLOW, nullptr) != FALSE;
}

void SetMessageFilterForTests(std::function<BOOL(HWND window, UINT message, DWORD action)> filter) {
    FilterForTests() = std::move(filter);
}
