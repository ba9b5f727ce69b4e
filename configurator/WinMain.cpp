// The entry of rax40gwcfg: the three forms that live for the whole run, then the
// message loop. Exceptions that escape are shown in the toolkit's error box.
#include <windows.h>
#include "Application.h"
#include "Main.h"
#include "UInput.h"
#include "UnitPr.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Application.RunEntry([] {
        Application.Initialize();
        Application.CreateForm(MainForm);
        Application.CreateForm(FormInput);
        Application.CreateForm(FormPr);
        Application.Run();
    });
    return 0;
}
