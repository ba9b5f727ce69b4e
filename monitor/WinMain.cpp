// The entry of R40GWMon: the main window carries the taskbar button and is the only form
// created at start; the message loop runs until it closes.
#include <windows.h>
#include "Application.h"
#include "R40gwmonitor.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Application.RunEntry([] {
        Application.Initialize();
        Application.MainFormOnTaskBar = true;
        Application.CreateForm(R40Mon);
        Application.Run();
    });
    return 0;
}
