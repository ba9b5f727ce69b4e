// The help menu's manuals and the choice of the trace file.
#include "Main.h"
#include <shellapi.h>
#include "Application.h"
#include "Dialogs.h"
#include "Edit.h"
#include "Files.h"
#include "Unicode.h"

namespace {
// Opens a manual beside the program with whatever viewer the shell has for it.
void OpenManual(HWND owner, const AnsiString& fileName) {
    AnsiString path = ProgramDirectory() + fileName;
    HINSTANCE result = ShellExecuteA(owner, "open", path.c_str(), nullptr, nullptr, SW_RESTORE);
    if (reinterpret_cast<INT_PTR>(result) <= 32)  // the shell's failure codes
        ShowMessage("Не удалось открыть файл \"" + fileName + "\"" + "\n" +
                    "Проверти наличие файла. Проверти установлен ли Adobe Acrobat");
}
}  // namespace

void TMainForm::RAX40Gateway1Click(TObject*) { OpenManual(Handle(), "Установка и настройка RAX40 Gateway.pdf"); }

void TMainForm::N2Click(TObject*) { OpenManual(Handle(), "help.pdf"); }

// The dialog keeps the name chosen last; a changed name is found when the window closes.
void TMainForm::SpeedButton1Click(TObject*) {
    if (OpenDialog2->Execute()) EditLogTraces->SetText(SystemToAnsi(OpenDialog2->FileName));
}
