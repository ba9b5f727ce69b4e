// The device lists of the ЛОРК units in voice.ini.
#include "VoiceIni.h"
#include <algorithm>
#include <cstdio>
#include <optional>
#include "Application.h"
#include "ConfigWriter.h"
#include "Dialogs.h"
#include "FileReplace.h"
#include "Files.h"
#include "IniFile.h"
#include "Main.h"
#include "Unicode.h"
#include "StringGrid.h"
#include "SysUtils.h"
#include "Ulorkm.h"

namespace {

// The name of a section header as the profile functions read one: a line whose first
// character other than a blank is "[", the name up to its last "]" (blanks around it
// dropped, anything after it ignored). Nothing when the line is no header.
std::optional<AnsiString> HeaderName(const AnsiString& line) {
    AnsiString text = Trim(line);
    size_t close = text.rfind(']');
    if (text.empty() || text.front() != '[' || close == AnsiString::npos) return std::nullopt;
    return Trim(text.substr(1, close - 1));
}

// The number of a header "[<prefix><n>]" (blanks allowed around the number), or -1 when
// the line is no such header.
int SectionNumber(const AnsiString& line, const AnsiString& prefix) {
    auto name = HeaderName(line);
    if (!name || !name->starts_with(prefix)) return -1;
    return StrToIntDef(Trim(name->substr(prefix.size())), -1);
}

// Takes the first section of that name (compared as the profile functions compare it,
// without regard to case) out of the lines, its header and every line up to the next
// header.
void EraseSectionLines(TStringList& lines, const AnsiString& section) {
    auto& all = lines.Lines;
    auto start = std::find_if(all.begin(), all.end(), [&](const AnsiString& line) {
        auto name = HeaderName(line);
        return name && SameTextCI(*name, section);
    });
    if (start == all.end()) return;
    auto end = std::find_if(start + 1, all.end(), [](const AnsiString& line) { return HeaderName(line).has_value(); });
    all.erase(start, end);
}

void RenumberSectionLines(TStringList& lines, const AnsiString& prefix, int threshold, int shift) {
    for (AnsiString& line : lines.Lines) {
        int number = SectionNumber(line, prefix);
        if (number >= 0 && number > threshold) line = "[" + prefix + IntToStr(number + shift) + "]";
    }
}

bool LoadLines(const AnsiString& path, TStringList& lines) {
    try {
        lines.LoadFromFile(path);
        return true;
    } catch (const Exception&) {
        ShowMessage("Не удалось открыть файл " + SystemToAnsi(path));
        return false;
    }
}

// The lines in place of the file in one replace; a refusal is told, and the file is left
// as it was (or the notice says where the old and the new file lie).
bool ReplaceWithLines(const AnsiString& path, const TStringList& lines) {
    FileReplaceResult replace = ReplaceFileContents(path, lines.Text());
    if (replace.Files == FileReplaceResult::Replaced) return true;
    AnsiString notice = "Не удалось сохранить настройки в файл " + SystemToAnsi(path);
    if (replace.Files == FileReplaceResult::OldFileAside) notice += "\n" + WhereTheFilesLie(replace);
    ShowMessage(notice);
    return false;
}

// The device rows of the dialog's grid as key=value lines. A row without a type is no
// device (the empty list is one such row) and gets no key, so the keys run 0, 1, 2 ...
// without gaps whatever the grid holds.
TStringList DeviceLines(const TStringGrid& grid) {
    TStringList lines;
    for (int row = 1; row < grid.RowCount(); ++row) {
        AnsiString typeText = grid.Cells(kDeviceType, row);
        if (Trim(typeText).empty()) continue;
        AnsiString type = IsKelTypeText(typeText) ? "KEL" : "ZAMB";
        AnsiString value = type + "," + grid.Cells(kDeviceAddress, row) + "," + grid.Cells(kDeviceName, row) + "," +
                           grid.Cells(kDeviceHost, row);
        lines.Add(IntToStr(lines.Count()) + "=" + Trim(value));
    }
    return lines;
}

// Copies the sections "VoiceDevices:0", "VoiceDevices:1" ... of the chosen file into
// voice.ini key by key, as many numbers as the file has lines; voice.ini keeps what the
// file lacks.
void MergeVoiceSections(const AnsiString& chosenPath) {
    TIniFile chosen(chosenPath);
    TIniFile voice(VoiceIniPath());
    TStringList fileLines;
    fileLines.LoadFromFile(chosenPath);
    for (int number = 0; number < fileLines.Count(); ++number) {
        AnsiString section = VoiceSectionName(number);
        TStringList values;
        chosen.ReadSectionValues(section, values);
        for (int k = 0; k < values.Count(); ++k) {
            AnsiString name = values.Names(k);
            voice.WriteString(section, name, values[k].substr(name.size() + 1));
        }
    }
}

}  // namespace

AnsiString VoiceIniPath() { return ProgramDirectory() + "voice.ini"; }

AnsiString VoiceSectionName(int unit) { return kVoiceSectionPrefix + IntToStr(unit); }

// Always from the program directory's rax40gw.conf. Section names are compared with
// "VoiceDevices:" exactly, case included. A failure ends the copy without a message and
// leaves what was copied until then.
void TMainForm::SyncVoiceIniFromConf() {
    try {
        TIniFile conf(ProgramDirectory() + "rax40gw.conf");
        TIniFile voice(VoiceIniPath());
        if (FILE* emptied = std::fopen(voice.FileName.c_str(), "w")) std::fclose(emptied);  // a failure goes unreported
        TStringList sections;
        conf.ReadSections(sections);
        for (const AnsiString& section : sections.Lines) {
            if (!section.starts_with(kVoiceSectionPrefix)) continue;
            TStringList keys;
            conf.ReadSection(section, keys);
            for (const AnsiString& key : keys.Lines) voice.WriteString(section, key, conf.ReadString(section, key, ""));
        }
    } catch (...) {
    }
}

bool ShiftVoiceSections(const AnsiString& path, const AnsiString& prefix, int threshold, int shift) {
    TStringList lines;
    if (!LoadLines(path, lines)) return false;
    RenumberSectionLines(lines, prefix, threshold, shift);
    return ReplaceWithLines(path, lines);
}

bool RemoveUnitSection(const AnsiString& path, int unit) {
    TStringList lines;
    if (!LoadLines(path, lines)) return false;
    EraseSectionLines(lines, VoiceSectionName(unit));
    RenumberSectionLines(lines, kVoiceSectionPrefix, unit, -1);
    return ReplaceWithLines(path, lines);
}

// The new list takes the place of the old one in a single write: a write the system
// refuses ("Unable to write to ...", shown in the error box) leaves the unit's previous
// list whole.
void WriteBlockVoiceDevices() {
    TStringList devices = DeviceLines(*FormLorkM->StringGrid2);
    TIniFile voice(VoiceIniPath());
    AnsiString section = VoiceSectionName(CurrentBlock);
    if (devices.Count() == 0) voice.EraseSection(section);
    else voice.WriteSection(section, devices);
}

// A file that the loader refuses (its message is shown, or its conversion error ends
// this handler) leaves the configuration in force as it was, not marked as changed, and
// its device lists are not merged into the current ones.
void TMainForm::mOpenClick(TObject*) {
    if (!OpenDialog1->Execute()) return;
    AnsiString path = OpenDialog1->FileName;
    if (!LoadConfigFile(path)) return;
    FModified = true;
    MergeVoiceSections(path);
}
