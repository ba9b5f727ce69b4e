#pragma once
// The unit dialog: one ЛОРК interface unit (type, COM port, IP address of a ЛОРК-МЕ,
// comment) and the list of intercom devices polled through it. The unit list creates it
// for one use, fills it, reads it back after "ОК" and frees it; the dialog itself only
// keeps the device list in its grid and touches no file.
//
// The device grid always has at least one device row; the list is empty when its only
// row has an empty type cell. After every add and delete column 0 numbers the rows 1..n,
// and column 1 holds one of the two type texts of the device-entry dialog.
#include "AnsiString.h"
#include "Form.h"

class TButton;
class TEdit;
class TGroupBox;
class TPanel;
class TRadioGroup;
class TStringGrid;
class TUpDown;

class TFormLorkM : public TForm {
public:
    explicit TFormLorkM(TComponent* owner);
    ~TFormLorkM() override;

    TPanel* Panel1 = nullptr;
    TPanel* Panel2 = nullptr;
    TRadioGroup* RadioGroupType = nullptr;
    TGroupBox* GroupBox1 = nullptr;
    TEdit* EditPort = nullptr;
    TUpDown* UpDownPort = nullptr;
    TButton* ButtonCancel = nullptr;
    TButton* Button1 = nullptr;
    TGroupBox* GroupBoxIp = nullptr;
    TEdit* EditIP = nullptr;
    TGroupBox* GroupBox2 = nullptr;
    TEdit* EditComment = nullptr;
    TGroupBox* GroupBox3 = nullptr;
    TStringGrid* StringGrid2 = nullptr;
    TButton* Button2Add = nullptr;
    TButton* Button3Change = nullptr;
    TButton* Button4Delete = nullptr;

    void RadioGroupTypeClick(TObject* Sender);
    void FormShow(TObject* Sender);
    void Button2AddClick(TObject* Sender);
    // Bound to the grid's double-click and to "Изменить".
    void StringGrid2DblClick(TObject* Sender);
    void Button4DeleteClick(TObject* Sender);

    void SetIP(const AnsiString& text);
    void SetComment(const AnsiString& text);
    AnsiString GetIP() const;
    AnsiString GetComment() const;

    // Column 0 of every device row becomes its number, 1..n.
    void NumberDeviceRows();
    // True when the grid holds no device: its one row has an empty type cell.
    bool DeviceListEmpty() const;
};

// The columns of the device grid StringGrid2; row 0 is the header.
enum DeviceColumn { kDeviceNumber, kDeviceType, kDeviceAddress, kDeviceName, kDeviceHost };

// Device types: the texts of the device-entry dialog's type list and of the grid's
// column 1. A type text that begins with "К" is a КЕЛ-РЦ.
inline constexpr const char* kDeviceTypeKel = "КЕЛ-РЦ";
inline constexpr const char* kDeviceTypeZamb = "ЗАМБ-2М, ЗАМБ-4М";
bool IsKelTypeText(const AnsiString& typeText);

// The unit dialog while the unit list runs it; nullptr otherwise.
extern TFormLorkM* FormLorkM;
