#include "Ulorkm.h"
#include "Application.h"
#include "Button.h"
#include "ComboBox.h"
#include "Edit.h"
#include "GroupBox.h"
#include "Main.h"
#include "Panel.h"
#include "RadioGroup.h"
#include "StringGrid.h"
#include "SysUtils.h"
#include "UInput.h"
#include "UpDown.h"

TFormLorkM* FormLorkM = nullptr;

namespace {

struct EntryRoad {
    const char* MissingData;
    const char* BadAddress;
    const char* CommaInName;
};

const EntryRoad kAdding = {"Вы заполнили не все данные. Запись не будет добавлена",
                           "Не верно задан РАКС адрес. Запись не будет добавлена",
                           "Наименование не может содержать запятую. Запись не будет добавлена"};
const EntryRoad kChanging = {"Вы заполнили не все данные. Запись не будет изменена",
                             "Не верно задан РАКС адрес. Запись не будет изменена",
                             "Наименование не может содержать запятую. Запись не будет изменена"};

// A РАКС address is 1 to 255. Text that is no number by the strict rule (the key filter
// lets only digits through, but text can be pasted) throws the conversion error, which
// ends the handler with the grid unchanged.
bool AddressInRange(const AnsiString& text) {
    int32_t address = StrToInt(Trim(text));
    return address >= 1 && address <= 255;
}

// voice.ini keeps a device as "type,address,name,host" and a reader splits it at the
// first three commas, so a comma in the name would move the rest into the host.
bool NameHoldsComma(const AnsiString& name) { return name.find(',') != AnsiString::npos; }

// The notice that refuses what the device-entry dialog holds, or nullptr to take it.
// Adding asks for the missing data first, changing for the address.
const char* AddingRefusal() {
    AnsiString address = FormInput->EditType->Text();
    if (address.empty() || FormInput->EditIP->Text().empty()) return kAdding.MissingData;
    if (address == "0" || !AddressInRange(address)) return kAdding.BadAddress;
    if (NameHoldsComma(FormInput->EditName->Text())) return kAdding.CommaInName;
    return nullptr;
}

const char* ChangingRefusal() {
    AnsiString address = FormInput->EditType->Text();
    if (address.empty() || address == "0" || !AddressInRange(address)) return kChanging.BadAddress;
    if (FormInput->EditIP->Text().empty()) return kChanging.MissingData;
    if (NameHoldsComma(FormInput->EditName->Text())) return kChanging.CommaInName;
    return nullptr;
}

void PrepareEntry(const char* caption) {
    FormInput->SetCaption(caption);
    FormInput->Button1->SetCaption("ОК");
}

// The device-entry dialog's fields into row `row`; the address as typed.
void FillDeviceRow(TStringGrid* grid, int row) {
    grid->SetCell(kDeviceType, row, FormInput->ComboBox1->Text());
    grid->SetCell(kDeviceAddress, row, FormInput->EditType->Text());
    grid->SetCell(kDeviceName, row, FormInput->EditName->Text());
    grid->SetCell(kDeviceHost, row, FormInput->EditIP->Text());
}

void ClearRow(TStringGrid* grid, int row) {
    for (int col = 0; col < grid->ColCount(); ++col) grid->SetCell(col, row, "");
}

}  // namespace

bool IsKelTypeText(const AnsiString& typeText) {
    static const AnsiString kFirstLetter(kDeviceTypeKel, 1);
    return typeText.compare(0, 1, kFirstLetter) == 0;
}

TFormLorkM::TFormLorkM(TComponent* owner) {
    Owner = owner;
    Field(Panel1, "Panel1");
    Field(Panel2, "Panel2");
    Field(RadioGroupType, "RadioGroupType");
    Field(GroupBox1, "GroupBox1");
    Field(EditPort, "EditPort");
    Field(UpDownPort, "UpDownPort");
    Field(ButtonCancel, "ButtonCancel");
    Field(Button1, "Button1");
    Field(GroupBoxIp, "GroupBoxIp");
    Field(EditIP, "EditIP");
    Field(GroupBox2, "GroupBox2");
    Field(EditComment, "EditComment");
    Field(GroupBox3, "GroupBox3");
    Field(StringGrid2, "StringGrid2");
    Field(Button2Add, "Button2Add");
    Field(Button3Change, "Button3Change");
    Field(Button4Delete, "Button4Delete");
    Handler("RadioGroupTypeClick", &TFormLorkM::RadioGroupTypeClick);
    Handler("FormShow", &TFormLorkM::FormShow);
    Handler("Button2AddClick", &TFormLorkM::Button2AddClick);
    Handler("StringGrid2DblClick", &TFormLorkM::StringGrid2DblClick);
    Handler("Button4DeleteClick", &TFormLorkM::Button4DeleteClick);
    Load("TFORMLORKM");
}

TFormLorkM::~TFormLorkM() = default;

void TFormLorkM::SetIP(const AnsiString& text) { EditIP->SetText(text); }
void TFormLorkM::SetComment(const AnsiString& text) { EditComment->SetText(text); }
AnsiString TFormLorkM::GetIP() const { return EditIP->Text(); }
AnsiString TFormLorkM::GetComment() const { return EditComment->Text(); }

// Only a ЛОРК-МЕ unit has an IP address.
void TFormLorkM::RadioGroupTypeClick(TObject*) { GroupBoxIp->SetVisible(RadioGroupType->ItemIndex() != 0); }

void TFormLorkM::FormShow(TObject*) {
    static const char* const captions[] = {"№", "Тип", "РАКС адрес", "Наименование", "Имя или IP-адрес"};
    for (int col = 0; col < 5; ++col) StringGrid2->SetCell(col, 0, captions[col]);
}

void TFormLorkM::NumberDeviceRows() {
    for (int row = 1; row < StringGrid2->RowCount(); ++row) StringGrid2->SetCell(kDeviceNumber, row, IntToStr(row));
}

bool TFormLorkM::DeviceListEmpty() const {
    return StringGrid2->RowCount() == 2 && StringGrid2->Cells(kDeviceType, 1).empty();
}

// The name, the host and the type start afresh; the address stays as the last use left
// it unless that was empty or "0".
void TFormLorkM::Button2AddClick(TObject*) {
    FormInput->EditName->SetText("");
    FormInput->EditIP->SetText("127.0.0.1");
    AnsiString lastAddress = FormInput->EditType->Text();
    if (lastAddress.empty() || lastAddress == "0") FormInput->EditType->SetText("1");
    FormInput->ComboBox1->SetItemIndex(0);
    PrepareEntry("Добавление записи");
    if (FormInput->ShowModal() != mrOk) return;

    if (const char* refusal = AddingRefusal()) {
        ShowMessage(refusal);
        return;
    }
    if (!DeviceListEmpty()) StringGrid2->SetRowCount(StringGrid2->RowCount() + 1);
    FillDeviceRow(StringGrid2, StringGrid2->RowCount() - 1);
    NumberDeviceRows();
}

void TFormLorkM::StringGrid2DblClick(TObject*) {
    int row = StringGrid2->Row();
    AnsiString type = Trim(StringGrid2->Cells(kDeviceType, row));
    if (type.empty()) return;
    FormInput->ComboBox1->SetItemIndex(IsKelTypeText(type) ? 0 : 1);
    FormInput->EditType->SetText(StringGrid2->Cells(kDeviceAddress, row));
    FormInput->EditName->SetText(StringGrid2->Cells(kDeviceName, row));
    FormInput->EditIP->SetText(StringGrid2->Cells(kDeviceHost, row));
    PrepareEntry("Изменение записи");
    if (FormInput->ShowModal() != mrOk) return;

    if (const char* refusal = ChangingRefusal()) {
        ShowMessage(refusal);
        return;
    }
    FillDeviceRow(StringGrid2, row);
}

// The only device leaves an empty row behind, its number included; any other row is
// removed and the rows below move up. No confirmation is asked.
void TFormLorkM::Button4DeleteClick(TObject*) {
    int row = StringGrid2->Row();
    if (StringGrid2->Cells(kDeviceType, row).empty()) return;
    int last = StringGrid2->RowCount() - 1;
    if (last == 1) {
        ClearRow(StringGrid2, row);
        return;
    }
    for (int r = row; r < last; ++r)
        for (int col = 0; col < StringGrid2->ColCount(); ++col)
            StringGrid2->SetCell(col, r, StringGrid2->Cells(col, r + 1));
    ClearRow(StringGrid2, last);
    StringGrid2->SetRowCount(last);
    NumberDeviceRows();
}
