// The monitor's settings "R40GWmonitor.ini", section R40Mon: read when the main window
// is created, written after the closing question has been answered Yes, and the
// settings dialog, whose values stay in memory until then.
#include <cstdint>
#include "Files.h"
#include "IniFile.h"
#include "Menus.h"
#include "ProgressBar.h"
#include "R40gwmonitor.h"
#include "UpDown.h"
#include "Usetup.h"

namespace {
AnsiString SettingsFileName() { return ProgramDirectory() + "R40GWmonitor.ini"; }

// The dialog in FSetup for one run, freed whatever its result.
struct SetupDialogRun {
    explicit SetupDialogRun(TComponent* owner) { FSetup = new TFSetup(owner); }
    ~SetupDialogRun() {
        delete FSetup;
        FSetup = nullptr;
    }
};
}  // namespace

// Taken as they are: the check loop copes with a period of 0 or below; a negative size
// is refused by the progress bar.
void TR40Mon::ReadSettings() {
    TIniFile ini(SettingsFileName());
    Period = ini.ReadInteger(Name, "Period", 5);
    Size = ini.ReadInteger(Name, "Size", 50);
    mLog->SetChecked(ini.ReadBool(Name, "Log", true));
    RestartCnt = ini.ReadInteger(Name, "RestartCnt", 0);
}

// A refused write throws "Unable to write to <file>" and leaves the later keys unwritten.
void TR40Mon::WriteSettings() {
    TIniFile ini(SettingsFileName());
    ini.WriteInteger(Name, "Period", Period);
    ini.WriteInteger(Name, "Size", Size);
    ini.WriteBool(Name, "Log", mLog->Checked());
    ini.WriteInteger(Name, "RestartCnt", RestartCnt);
}

// The up-downs hold 16-bit positions within their ranges, so a stored period of 1000
// shows as 300. A new period only ever shortens the wait for the next check.
void TR40Mon::mSetupClick(TObject*) {
    SetupDialogRun run(this);
    FSetup->UpDownPeriod->SetPosition(static_cast<int16_t>(Period));
    FSetup->UpDownMaxSize->SetPosition(static_cast<int16_t>(Size));
    if (FSetup->ShowModal() == mrOk) {
        Period = static_cast<int16_t>(FSetup->UpDownPeriod->Position());
        Size = static_cast<int16_t>(FSetup->UpDownMaxSize->Position());
        ProgressBar1->SetMax(Size);
        if (Period * 60 < CheckCountdown) CheckCountdown = Period * 60;
    }
}
