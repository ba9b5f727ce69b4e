// testdorn4.exe: a stand-in for the dispatcher program Dorn4 in the tests: a top-level
// window of the class "TDornMain" that answers the conversation query (message 0x8194,
// the window to answer in wParam, lParam 0x05000000) as its arguments say. A message
// with any other lParam is not a query and gets no answer.
//   testdorn4.exe [--reply CODE]... [--post] [--delay-ms N]
//   --reply CODE   send 0x8194 with wParam CODE (such as 0x05000001, a conversation)
//                  back while handling the query; given twice, both go, in order;
//                  none: the query is never answered
//   --post         post the replies instead, so they arrive after the query is over
//   --delay-ms N   take N ms over each query before replying (a hanging Dorn4)
// Closing the window (WM_CLOSE) ends the program.
#include <windows.h>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr UINT kQueryMessage = WM_APP + 0x194;
constexpr LPARAM kConversationQuery = 0x05000000;  // request code 5 in the top byte

struct Behaviour {
    std::vector<WPARAM> replies;
    bool post = false;
    DWORD delayMs = 0;
};
Behaviour behaviour;

Behaviour ParseArguments(int argc, char** argv) {
    Behaviour result;
    for (int i = 1; i < argc; ++i) {
        bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--post") == 0) result.post = true;
        else if (std::strcmp(argv[i], "--reply") == 0 && hasValue) result.replies.push_back(std::strtoul(argv[++i], nullptr, 0));
        else if (std::strcmp(argv[i], "--delay-ms") == 0 && hasValue) result.delayMs = std::strtoul(argv[++i], nullptr, 0);
    }
    return result;
}

void Answer(HWND monitor) {
    if (behaviour.delayMs) Sleep(behaviour.delayMs);
    for (WPARAM code : behaviour.replies) {
        if (behaviour.post) PostMessageA(monitor, kQueryMessage, code, 0);
        else SendMessageA(monitor, kQueryMessage, code, 0);
    }
}

LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case kQueryMessage:
        if (lParam == kConversationQuery) Answer(reinterpret_cast<HWND>(wParam));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    behaviour = ParseArguments(__argc, __argv);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "TDornMain";
    if (!RegisterClassA(&windowClass)) return 1;
    if (!CreateWindowA("TDornMain", "Dorn4", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr, instance,
                       nullptr)) {
        return 1;
    }
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
