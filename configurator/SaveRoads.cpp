// Saving the configuration: when the window closes, before the service is started or
// stopped, and under another name.
#include "SaveRoads.h"
#include <string>
#include <unordered_map>
#include <vector>
#include "Application.h"
#include "ConfigEntryTable.h"
#include "ConfigKeyControls.h"
#include "ConfigWriter.h"
#include "Dialogs.h"
#include "Files.h"
#include "Main.h"
#include "SpeedButton.h"
#include "StringList.h"
#include "SysUtils.h"
#include "UnitPr.h"
#include "VoiceIni.h"
#include "WindowPlacement.h"

namespace {

const char kRestartCaption[] = "Конфигурация шлюза изменена";
const char kRestartQuestion[] =
    "Чтобы изменения вступили в силу, службу надо перезапустить. Перезапустить службу сейчас?\n"
    "После перезапуска службы, программа rax40gwcfg будет закрыта";

// The automatic saves append the device lists after the clean-up, so their lines are
// never examined; Save As appends first and cleans them too.
void AutomaticPasses(TStringList& lines) {
    DropEmptyKeys(lines);
    AppendVoiceIni(lines);
}

void SaveAsPasses(TStringList& lines) {
    AppendVoiceIni(lines);
    DropEmptyKeys(lines);
}

// Names match as the string list's lookups match them: ASCII letters without case.
std::string Folded(const AnsiString& name) {
    std::string folded = name;
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

// The name of a line that may be a key line: a ';' before the first "=" makes the line a
// comment, which the gateway ignores, so it is neither deleted nor in the way of a later
// line. A unit's comment ending in "=" is such a line; deleting it would hand every later
// comment of the Devices section to the unit above. Empty for every other line.
AnsiString KeyName(const TStringList& lines, int i) {
    AnsiString name = lines.Names(i);
    return name.find(';') == AnsiString::npos ? name : AnsiString();
}

}  // namespace

// Deleting only ever shifts lines already examined, so the first line of each name is
// that of the list as it came, and its value decides for every later line of the name.
// The first line of the list is never deleted.
void DropEmptyKeys(TStringList& lines) {
    std::unordered_map<std::string, bool> firstValueEmpty;
    for (int i = 0; i < lines.Count(); ++i) {
        AnsiString name = KeyName(lines, i);
        if (!name.empty()) firstValueEmpty.try_emplace(Folded(name), lines[i].size() == name.size() + 1);
    }
    std::vector<AnsiString> kept;
    kept.reserve(lines.Lines.size());
    for (int i = 0; i < lines.Count(); ++i) {
        AnsiString name = KeyName(lines, i);
        if (i == 0 || name.empty() || !firstValueEmpty[Folded(name)]) kept.push_back(lines[i]);
    }
    lines.Lines = std::move(kept);
}

void AppendVoiceIni(TStringList& lines) {
    AnsiString voiceIni = VoiceIniPath();
    if (!FileExists(voiceIni)) {
        ShowMessage("Не найден файл voice.ini");
        return;
    }
    TStringList devices;
    devices.LoadFromFile(voiceIni);
    lines.Add("");
    lines.Add("");
    for (const AnsiString& line : devices.Lines) lines.Add(Trim(line));
}

// The 22 bound controls against the values last loaded or saved, byte for byte. The
// unit and prefix lists are not compared: their edits set FModified.
bool TMainForm::IsConfigModified() const {
    if (FModified) return true;
    for (const KeyControl& key : KeyControls)
        if (ControlValue(*this, key) != ConfigEntryTable[key.Entry].Value) return true;
    return false;
}

// A configuration was loaded, something has changed, and the file it came from is
// still there.
bool TMainForm::AutomaticSaveDue() { return FLoaded && IsConfigModified() && FileExists(FConfigPath); }

// Always the program directory's file, which the gateway reads, whichever file was loaded.
bool TMainForm::SaveForGateway() { return SaveConfigFile(GatewayConfigPath(), AutomaticPasses); }

// The window stays open when the save is refused or fails, so the operator can free
// the file and close again.
void TMainForm::FormCloseQuery(TObject*, bool& CanClose) {
    SavePosition(MainForm);
    if (!AutomaticSaveDue()) return;
    if (!SaveForGateway()) {
        CanClose = false;
        return;
    }
    if (Application.MessageBox(kRestartQuestion, kRestartCaption, MB_YESNO | MB_ICONQUESTION) == IDYES)
        RestartGateway();
}

// The wait window shows until the worker has asked for the start. Window messages are
// processed meanwhile, so it paints and the state text follows the service; the main
// window takes no input, so that no second close or start/stop runs into the restart.
void TMainForm::RestartGateway() {
    FormPr->Show();
    int cursor = Screen.Cursor();
    Screen.SetCursor(crHourGlass);
    SetEnabled(false);
    {
        auto worker = TThread::Start<RAXThread>();
        while (WaitForSingleObject(worker->Handle(), 100) != WAIT_OBJECT_0) Application.ProcessMessages();
    }
    SetEnabled(true);
    Screen.SetCursor(cursor);
    FormPr->Close();
}

// A save that is refused or fails neither starts nor stops the service.
void TMainForm::RunButtonClick(TObject*) {
    if (AutomaticSaveDue() && !SaveForGateway()) return;
    if (RunButton->Tag == 0) GatewayControl.Start();
    else if (RunButton->Tag == 1) GatewayControl.Stop();
}

// Writes whatever the window holds, loaded or not, changed or not. A save that is
// refused or fails changes nothing: the path, the change flag and the chosen file stay.
void TMainForm::mSaveasClick(TObject*) {
    if (!SaveDialog1->Execute()) return;
    AnsiString chosen = SaveDialog1->FileName;
    if (!SaveConfigFile(chosen, SaveAsPasses)) return;
    FConfigPath = chosen;
    FModified = true;
}
