// The entry of R40GWMon: the debug privilege is enabled where the token holds it, the main
// window carries the taskbar button and is the only form created at start; the message
// loop runs until it closes.
#include <windows.h>
#include "Application.h"
#include "DebugPrivilege.h"
#include "R40gwmonitor.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    EnableDebugPrivilege();  // without it the monitor runs on, with what rights it gets
    Application.RunEntry([] {
        Application.Initialize();
        Application.MainFormOnTaskBar = true;
        Application.CreateForm(R40Mon);
        Application.Run();
    });
    return 0;
}
