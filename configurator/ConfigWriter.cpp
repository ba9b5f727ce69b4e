// Writing the configuration: the main window's controls into the entry table, and the
// table into a configuration file.
#include "ConfigWriter.h"
#include <ostream>
#include "Application.h"
#include "ConfigEntryTable.h"
#include "ConfigKeyControls.h"
#include "Exception.h"
#include "FileReplace.h"
#include "FileStream.h"
#include "Files.h"
#include "ListBox.h"
#include "Main.h"
#include "MemoryStreams.h"
#include "StringGrid.h"
#include "StringList.h"
#include "SysUtils.h"
#include "Unicode.h"

namespace {

enum UnitColumn { kColType = 1, kColPort = 2, kColAddress = 3, kColComment = 4 };

// A line break inside a text would split the line written, and the part after it would
// count as a line of its own when the file is read.
AnsiString OnOneLine(AnsiString text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

// Units are numbered 0, 1, 2 ... by their row; the port is the number after "COM"; only
// a "ЛОРК-МЕ" has an address; the comment follows " ;". Every unit gets its comment
// line, an empty one too: a load gives the k-th comment line of the section to unit
// k + 1, so a unit written without one would hand the comments after it to the wrong
// units. A ';' ends the unit line's value when it is read, so the address is written up
// to its first ';': the rest would otherwise come back as the unit's comment.
AnsiString UnitLine(const TStringGrid& grid, int row) {
    AnsiString port = grid.Cells(kColPort, row);
    AnsiString line = IntToStr(row - 1) + " = " + IntToStr(CStrToInt(port.size() > 3 ? port.substr(3) : ""));
    AnsiString address = grid.Cells(kColAddress, row);
    if (grid.Cells(kColType, row) == "ЛОРК-МЕ") line += "," + OnOneLine(address.substr(0, address.find(';')));
    return line + " ;" + UnitCommentAsWritten(grid.Cells(kColComment, row));
}

// The grid shows one empty row when there is no unit.
bool HasUnits(const TStringGrid& grid) { return grid.RowCount() > 2 || !grid.Cells(kColType, 1).empty(); }

AnsiString WrittenEntries() {
    TextWriteBuffer written;
    std::ostream out(&written);
    WriteConfigEntries(out);
    return written.Text;
}

void ShowHeldWarning() {
    Application.MessageBox("Файл конфигурации шлюза rax40gw.conf открыт в другой программе. Закройте файл rax40gw.conf",
                           "Внимание!", MB_ICONWARNING);
}

void ShowWriteFailure(const AnsiString& path, const FileReplaceResult& replace) {
    AnsiString state = replace.Files == FileReplaceResult::OldFileAside ? WhereTheFilesLie(replace) : "Файл не изменён.";
    Application.MessageBox("Не удалось записать файл конфигурации " + SystemToAnsi(path) + ":\n" +
                               SystemErrorText(replace.Error) + "\n" + state,
                           "Внимание!", MB_ICONERROR);
}

}  // namespace

bool CanOpenExclusive(const AnsiString& path) {
    try {
        TFileStream probe(path, fmOpenReadWrite | fmShareExclusive);
        return true;
    } catch (const EFOpenError&) {
        return false;
    }
}

AnsiString WhereTheFilesLie(const FileReplaceResult& replace) {
    return "Прежний файл не удалось вернуть на место, он сохранён как " + SystemToAnsi(replace.OldFile) +
           ".\nНовый файл сохранён как " + SystemToAnsi(replace.NewFile) + ".";
}

AnsiString GatewayConfigPath() { return ProgramDirectory() + "rax40gw.conf"; }

AnsiString UnitCommentAsWritten(const AnsiString& comment) { return Trim(OnOneLine(comment)); }

void TMainForm::CollectFormValues() {
    for (const KeyControl& key : KeyControls) ConfigEntryTable[key.Entry].SetValue(ControlValue(*this, key));

    ConfigEntry& units = ConfigEntryTable[kDevicesList];
    units.BodyLines.Clear();
    if (HasUnits(*StringGrid1))
        for (int row = 1; row < StringGrid1->RowCount(); ++row) units.AddBodyLine(UnitLine(*StringGrid1, row));

    ConfigEntry& prefixes = ConfigEntryTable[kPrefixesList];
    prefixes.BodyLines.Clear();
    for (int i = 0; i < ListBoxPrefixes->Count(); ++i) prefixes.AddBodyLine(ListBoxPrefixes->Item(i));
}

// The whole file is made in memory, passes included, and replaces the target in one
// step: until then the target keeps its old bytes. When the replace fails (or a pass
// throws) they stay, or, should neither the old nor the new file take the target's name,
// both lie beside it; the configuration counts as changed as it did before, and the
// operator learns why and where the files are. Every save first checks the gateway's own
// file, whatever the target; a missing file is held by no program, and a save to it
// creates it. False when the target did not get the new bytes.
bool TMainForm::SaveConfigFile(const AnsiString& path, void (*passes)(TStringList& lines)) {
    AnsiString gatewayConfig = GatewayConfigPath();
    if (FileExists(gatewayConfig) && !CanOpenExclusive(gatewayConfig)) {
        ShowHeldWarning();
        return false;
    }
    // Once the entries hold the window's values, only FModified tells that they still
    // differ from the file, until the file is written.
    bool modified = IsConfigModified();
    CollectFormValues();
    FModified = modified;
    // The lines between the units and [DeviceSettings] in the file last read (the old
    // unit comments and sample line) are written afresh with the units. So are the lines
    // between [Devices] and the first unit: the load took them for the first comment
    // lines of the section, and their texts stand in the rows they fell on; written
    // again in front of the units, they would move every comment one row down at each
    // save and load.
    ConfigEntryTable[kDeviceSettingsHeader].LeadLines.Clear();
    ConfigEntryTable[kDevicesList].LeadLines.Clear();
    TStringList lines;
    lines.SetText(WrittenEntries());
    passes(lines);
    FileReplaceResult replace = ReplaceFileContents(path, lines.Text());
    if (replace.Files != FileReplaceResult::Replaced) {
        ShowWriteFailure(path, replace);
        return false;
    }
    FModified = false;
    return true;
}
