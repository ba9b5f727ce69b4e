// The list of ЛОРК units in the unit grid: row r is unit r, its devices the section
// "VoiceDevices:" + r of voice.ini.
#include <cstdint>
#include "Application.h"
#include "ConfigWriter.h"
#include "Edit.h"
#include "Files.h"
#include "GroupBox.h"
#include "IniFile.h"
#include "Main.h"
#include "Unicode.h"
#include "RadioGroup.h"
#include "StringGrid.h"
#include "SysUtils.h"
#include "Ulorkm.h"
#include "UpDown.h"
#include "VoiceIni.h"

namespace {

enum UnitColumn { kColNumber, kColType, kColPort, kColAddress, kColComment };

constexpr const char* kUnitM = "ЛОРК-М";
constexpr const char* kUnitME = "ЛОРК-МЕ";
constexpr const char* kNewUnitComment = "Новый блок";

// The unit dialog in FormLorkM for one use, freed whatever its result.
struct UnitDialogRun {
    explicit UnitDialogRun(TComponent* owner) { FormLorkM = new TFormLorkM(owner); }
    ~UnitDialogRun() {
        delete FormLorkM;
        FormLorkM = nullptr;
    }
};

void ShowUnitType(bool plain) {
    FormLorkM->RadioGroupType->SetItemIndex(plain ? 0 : 1);
    FormLorkM->GroupBoxIp->SetVisible(!plain);
}

AnsiString Before(const AnsiString& s) {
    size_t comma = s.find(',');
    return comma == AnsiString::npos ? AnsiString() : s.substr(0, comma);
}

AnsiString After(const AnsiString& s) {
    size_t comma = s.find(',');
    return comma == AnsiString::npos ? s : s.substr(comma + 1);
}

// The unit's section of voice.ini into the dialog's device grid, one row per key in the
// order in which the keys stand; the key names themselves play no part. Only the type
// "KEL" exactly is a КЕЛ-РЦ; the host is the rest after the third comma.
void ShowUnitDevices(int unit) {
    TStringList lines;
    TIniFile(VoiceIniPath()).ReadSectionValues(VoiceSectionName(unit), lines);
    TStringGrid* grid = FormLorkM->StringGrid2;
    for (int k = 0; k < lines.Count(); ++k) {
        AnsiString value = lines[k].substr(lines.Names(k).size() + 1);
        AnsiString type = Trim(Before(value)) == "KEL" ? kDeviceTypeKel : kDeviceTypeZamb;
        AnsiString rest = After(value);
        AnsiString address = Trim(Before(rest));
        rest = After(rest);
        AnsiString name = Trim(Before(rest));
        AnsiString host = Trim(After(rest));
        if (!FormLorkM->DeviceListEmpty()) grid->SetRowCount(grid->RowCount() + 1);
        int row = k + 1;
        grid->SetCell(kDeviceType, row, type);
        grid->SetCell(kDeviceAddress, row, address);
        grid->SetCell(kDeviceName, row, name);
        grid->SetCell(kDeviceHost, row, host);
    }
    FormLorkM->NumberDeviceRows();
}

// The dialog's unit fields into row `row`. The comment goes in as the configuration
// file will hold it, so that the row shows after a save and a load what it shows now;
// an empty comment becomes "Новый блок".
void StoreUnitRow(TStringGrid* units, int row) {
    bool plain = FormLorkM->RadioGroupType->ItemIndex() == 0;
    units->SetCell(kColType, row, plain ? kUnitM : kUnitME);
    units->SetCell(kColAddress, row, plain ? AnsiString() : FormLorkM->GetIP());
    units->SetCell(kColPort, row, "COM" + IntToStr(FormLorkM->UpDownPort->Position()));
    AnsiString comment = UnitCommentAsWritten(FormLorkM->GetComment());
    if (comment.empty()) {
        comment = kNewUnitComment;
        FormLorkM->SetComment(comment);
    }
    units->SetCell(kColComment, row, comment);
}

// A missing voice.ini holds no list to keep in step: the operator is told that it could
// not be opened, and the rows may move. Otherwise the rows move only when the file has
// lost the unit's section and renumbered the later ones.
bool RemoveVoiceSection(int unit) {
    AnsiString path = VoiceIniPath();
    if (!FileExists(path)) {
        ShowMessage("Не удалось открыть файл " + SystemToAnsi(path));
        return true;
    }
    return RemoveUnitSection(path, unit);
}

}  // namespace

void TMainForm::StringGrid1SelectCell(TObject*, int, int ARow, bool& CanSelect) {
    CurrentBlock = ARow;
    CanSelect = true;
}

void TMainForm::ButtonEditClick(TObject*) {
    int row = StringGrid1->Row();
    if (row < 1) return;
    UnitDialogRun run(this);
    FormLorkM->SetIP(StringGrid1->Cells(kColAddress, row));
    AnsiString port = StringGrid1->Cells(kColPort, row);
    // The spinner holds a 16-bit position within 1..255.
    FormLorkM->UpDownPort->SetPosition(static_cast<int16_t>(port.size() > 3 ? CStrToInt(port.substr(3)) : 0));
    CurrentBlock = row;
    ShowUnitType(StringGrid1->Cells(kColType, row) == kUnitM);
    FormLorkM->SetComment(StringGrid1->Cells(kColComment, row));
    FormLorkM->SetCaption("Изменение настроек ЛОРК");
    ShowUnitDevices(row);
    if (FormLorkM->ShowModal() != mrOk) return;
    FModified = true;
    StoreUnitRow(StringGrid1, row);
    WriteBlockVoiceDevices();
}

// The first unit of an empty list takes its one empty row, as the loader gives the first
// unit of a file row 1.
void TMainForm::ButtonAddClick(TObject*) {
    UnitDialogRun run(this);
    FormLorkM->SetIP("192.168.1.201");
    FormLorkM->UpDownPort->SetPosition(1);
    ShowUnitType(true);
    FormLorkM->SetComment(kNewUnitComment);
    FormLorkM->SetCaption("Добавить блок ЛОРК");
    FormLorkM->NumberDeviceRows();
    if (FormLorkM->ShowModal() != mrOk) return;
    FModified = true;
    bool onlyEmptyRow = StringGrid1->RowCount() == 2 && StringGrid1->Cells(kColType, 1).empty();
    if (!onlyEmptyRow) StringGrid1->SetRowCount(StringGrid1->RowCount() + 1);
    int row = StringGrid1->RowCount() - 1;
    CurrentBlock = row;
    for (int r = 1; r < StringGrid1->RowCount(); ++r) StringGrid1->SetCell(kColNumber, r, IntToStr(r));
    StoreUnitRow(StringGrid1, row);
    WriteBlockVoiceDevices();
}

// voice.ini changes first, the grid only when it did: the unit's section goes and the
// sections of the later units move one number down. When the file cannot be changed the
// grid keeps every row, so units and device lists stay together. The last unit is never
// deleted, but every click counts as a change.
void TMainForm::ButtonDelClick(TObject*) {
    FModified = true;
    if (StringGrid1->RowCount() < 3) return;
    int row = StringGrid1->Row();
    if (row < 1) return;
    if (!RemoveVoiceSection(row)) return;
    int last = StringGrid1->RowCount() - 1;
    for (int r = row; r < last; ++r) {
        for (int col = 0; col < StringGrid1->ColCount(); ++col)
            StringGrid1->SetCell(col, r, StringGrid1->Cells(col, r + 1));
        StringGrid1->SetCell(kColNumber, r, IntToStr(r));
    }
    CurrentBlock = row;
    StringGrid1->SetRowCount(last);
}
