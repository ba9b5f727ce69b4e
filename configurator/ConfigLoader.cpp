// Reading a configuration file into the entry table and the main window's controls.
#include <istream>
#include "Application.h"
#include "ConfigReading.h"
#include "Dialogs.h"
#include "Edit.h"
#include "FileBytes.h"
#include "ListBox.h"
#include "Main.h"
#include "MemoryStreams.h"
#include "StatusBar.h"
#include "StringGrid.h"
#include "SysUtils.h"
#include "Unicode.h"

namespace {

constexpr const char* kOpenFailedCaption = "Не удалось открыть файл...";

enum UnitColumn { kColNumber, kColType, kColPort, kColAddress, kColComment };

// The first unit uses the data row that is already there. Each row is emptied first:
// the grid keeps the texts of rows cut off earlier.
void ShowUnitRows(TMainForm& form, const std::vector<UnitRow>& units) {
    for (int r = 1; r <= static_cast<int>(units.size()); ++r) {
        if (r > 1) form.StringGrid1->SetRowCount(form.StringGrid1->RowCount() + 1);
        form.ClearGridRow(r);
        const UnitRow& unit = units[r - 1];
        form.StringGrid1->SetCell(kColNumber, r, unit.Number);
        form.StringGrid1->SetCell(kColType, r, unit.Type);
        form.StringGrid1->SetCell(kColPort, r, unit.Port);
        form.StringGrid1->SetCell(kColAddress, r, unit.Address);
        form.StringGrid1->SetCell(kColComment, r, unit.Comment);
    }
}

// The k-th line other than a unit line gives the comment of row k + 1, whatever unit it
// stands after, and replaces the unit line's own comment; a line without ";" only counts.
// A row that does not exist gets its text stored unseen.
void ShowDevicesComments(TMainForm& form, const TStringList& comments) {
    for (int k = 0; k < comments.Count(); ++k) {
        size_t semicolon = comments[k].find(';');
        if (semicolon != AnsiString::npos)
            form.StringGrid1->SetCell(kColComment, k + 1, Trim(comments[k].substr(semicolon + 1)));
    }
}

// In the order in which a line-by-line load changes the window, so that its handlers see
// the same: cutting the grid to one data row reports row 1 to StringGrid1SelectCell when
// a later row was selected. Copying the loaded entries stands for clearing the table and
// filling it line by line.
void ApplyLoadedConfiguration(TMainForm& form, const AnsiString& path, const LoadedConfiguration& loaded) {
    form.FConfigPath = path;
    for (int i = 0; i < kConfigEntryCount; ++i) ConfigEntryTable[i] = loaded.Entries[i];
    form.ListBoxPrefixes->Clear();
    form.EditLogTraces->SetText("");
    form.StringGrid1->BeginUpdate();
    form.StringGrid1->SetRowCount(2);
    form.ClearGridRow(1);

    for (const KeySetting& key : loaded.Settings) ShowSetting(form, *key.Key, key.Setting);
    ShowUnitRows(form, loaded.Units);
    for (const AnsiString& prefix : loaded.Prefixes) form.ListBoxPrefixes->AddItem(prefix);
    ShowDevicesComments(form, loaded.DevicesComments);
    form.StringGrid1->EndUpdate();

    form.StatusBar1->SetPanelText(0, SystemToWide(form.FConfigPath));
    form.FModified = false;
    form.FLoaded = true;
}

}  // namespace

// The whole file is read into a load result before anything changes. A malformed number
// (EConvertError, shown by the caller's error box) or a read error thus leaves the
// configuration in force as it was: table, controls, grid, prefix list, path and flags.
// A half-loaded table would otherwise be written over the good file by the next save.
bool TMainForm::LoadConfigFile(const AnsiString& path) {
    // As the bytes are: a CR before a line feed reaches the line reader, which trims it away.
    AnsiString bytes;
    bool read = ReadFileBytes(path, bytes);
    LoadedConfiguration loaded;
    if (read) {
        TextReadBuffer buffer(bytes);
        std::istream in(&buffer);
        loaded = ReadConfiguration(in);
    }
    if (!read || loaded.ReadError) {
        Application.MessageBox(SystemToAnsi(OpenDialog1->FileName), kOpenFailedCaption, MB_OK | MB_ICONWARNING);
        return false;
    }
    ApplyLoadedConfiguration(*this, path, loaded);
    return true;
}

void TMainForm::ClearGridRow(int row) {
    for (int col = 0; col < StringGrid1->ColCount(); ++col) StringGrid1->SetCell(col, row, "");
}
