#pragma once
// The 22 known keys of "rax40gw.conf" and the controls of the main window that show
// them: how a value read from the file becomes what its control shows, and the value
// text that the control gives back to be written.
//
// Reading a value and showing it are two steps, so that a whole file can be read (and
// refused, when a number in it is malformed) before any control changes.
#include <variant>
#include "AnsiString.h"
#include "ConfigEntryTable.h"

class TMainForm;
class TCheckBox;
class TComboBox;
class TEdit;
class TRadioGroup;
class TUpDown;

// What a value sets its control to: the text of an edit, or a number (an item index, a
// position, a check as 0 or 1) for the other controls.
struct ControlSetting {
    AnsiString Text;
    int Number = 0;
};

// The edit shows the value as it stands and gives its text back.
struct EditText {
    TEdit* TMainForm::*Edit;
    ControlSetting Read(const AnsiString& value) const;
    void Show(TMainForm& form, const ControlSetting& setting) const;
    AnsiString ValueOf(const TMainForm& form) const;
};

// "yes" in any case selects item 1 ("Да"); anything else item 0 ("Нет"). Gives "no" for
// item 0 and "yes" otherwise, also when nothing is selected.
struct YesNoItem {
    TComboBox* TMainForm::*Combo;
    ControlSetting Read(const AnsiString& value) const;
    void Show(TMainForm& form, const ControlSetting& setting) const;
    AnsiString ValueOf(const TMainForm& form) const;
};

// A strict number: -1 and 0 select item 0 ("Неограничено"), 1 to 10 the item of that
// number, any other number no item. A malformed number throws EConvertError. Gives "-1"
// for item 0, the item's text for the others, "" when nothing is selected.
struct MaxCallsItem {
    TComboBox* TMainForm::*Combo;
    ControlSetting Read(const AnsiString& value) const;
    void Show(TMainForm& form, const ControlSetting& setting) const;
    AnsiString ValueOf(const TMainForm& form) const;
};

// A strict number cut to its low 16 bits, taken as signed (70000 gives 4464); the up-down
// then keeps it within its range. A malformed number throws EConvertError. Gives the
// position in decimal.
struct UpDownPosition {
    TUpDown* TMainForm::*UpDown;
    ControlSetting Read(const AnsiString& value) const;
    void Show(TMainForm& form, const ControlSetting& setting) const;
    AnsiString ValueOf(const TMainForm& form) const;
};

// The C library's number ('abc' gives 0, '3x' gives 3) is the item index; the radio
// group selects nothing below 0 and its last item above it. Gives the selected index in
// decimal, "-1" for none.
struct LevelItem {
    TRadioGroup* TMainForm::*Group;
    ControlSetting Read(const AnsiString& value) const;
    void Show(TMainForm& form, const ControlSetting& setting) const;
    AnsiString ValueOf(const TMainForm& form) const;
};

// Checked when the value is "yes" in any case. Gives "yes" or "no".
struct YesCheck {
    TCheckBox* TMainForm::*Box;
    ControlSetting Read(const AnsiString& value) const;
    void Show(TMainForm& form, const ControlSetting& setting) const;
    AnsiString ValueOf(const TMainForm& form) const;
};

// Checked when the C library's number is 3 (RTS/CTS); "1", "0" or "abc" uncheck it.
// Gives "3" or "1".
struct FlowControlCheck {
    TCheckBox* TMainForm::*Box;
    ControlSetting Read(const AnsiString& value) const;
    void Show(TMainForm& form, const ControlSetting& setting) const;
    AnsiString ValueOf(const TMainForm& form) const;
};

using KeyRule = std::variant<EditText, YesNoItem, MaxCallsItem, UpDownPosition, LevelItem, YesCheck, FlowControlCheck>;

struct KeyControl {
    ConfigEntryIndex Entry;  // the key entry: its section and key name the line
    KeyRule Rule;
};

constexpr int kKeyControlCount = 22;
extern const KeyControl KeyControls[kKeyControlCount];

// The row of the key that a line of the file names by its current section and key
// (both without regard to case); nullptr for a key the configurator does not know.
const KeyControl* FindKeyControl(const ConfigLine& line);

// The value as its control will show it; throws EConvertError for a malformed number.
ControlSetting ReadSetting(const KeyControl& key, const AnsiString& value);
void ShowSetting(TMainForm& form, const KeyControl& key, const ControlSetting& setting);
// The value text that the key's control gives now, by the key's rule.
AnsiString ControlValue(const TMainForm& form, const KeyControl& key);
