#include "WindowPlacement.h"
#include "Application.h"
#include "IniFile.h"
#include "Main.h"
#include "Menus.h"

namespace {
const char* const kViewSection = "CheckBoxVid";
const char* const kViewKey = "Check";

// A window that starts beyond the primary screen's right or bottom edge is moved back so
// that its far edge meets that screen edge; a window left of or above the screen stays,
// since another monitor may stand there.
void PullOntoPrimaryScreen(TControl* control) {
    if (control->Left() >= Screen.Width()) control->SetLeft(Screen.Width() - control->Width());
    if (control->Top() >= Screen.Height()) control->SetTop(Screen.Height() - control->Height());
}
}  // namespace

void RestorePosition(TControl* control) {
    {
        TIniFile ini(SettingsIniPath);
        const AnsiString& section = control->Name;
        // Each value is applied before the next is read: a form keeps its minimum size.
        control->SetTop(ini.ReadInteger(section, "Top", control->Top()));
        control->SetLeft(ini.ReadInteger(section, "Left", control->Left()));
        control->SetHeight(ini.ReadInteger(section, "Height", control->Height()));
        control->SetWidth(ini.ReadInteger(section, "Width", control->Width()));
        MainForm->CheckBoxVid->SetChecked(ini.ReadBool(kViewSection, kViewKey, false));
    }
    PullOntoPrimaryScreen(control);
    control->Repaint();
    MainForm->CheckBoxVidClick(MainForm);
}

void SavePosition(TForm* form) {
    TIniFile ini(SettingsIniPath);
    const AnsiString& section = form->Name;
    ini.WriteInteger(section, "Top", form->Top());
    ini.WriteInteger(section, "Left", form->Left());
    ini.WriteInteger(section, "Height", form->Height());
    ini.WriteInteger(section, "Width", form->Width());
    ini.WriteBool(kViewSection, kViewKey, MainForm->CheckBoxVid->Checked());
}
