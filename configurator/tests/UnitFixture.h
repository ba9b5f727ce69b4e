#pragma once
// The main window with the device-entry dialog, as the program's entry creates them, and
// an operator who acts in the modal unit and device-entry dialogs once each is shown:
// what to do in each showing of the device-entry dialog is queued in `entries`, what to
// do in the unit dialog is `unitDialog`. Beeps are counted instead of sounded.
#include <gtest/gtest.h>
#include <windows.h>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>
#include "Button.h"
#include "ComboBox.h"
#include "ConfiguratorFixture.h"
#include "Dialogs.h"
#include "Edit.h"
#include "IniFile.h"
#include "StringGrid.h"
#include "UInput.h"
#include "Ulorkm.h"

namespace configurator_test {

// What the device-entry dialog showed when it came up.
struct EntryShown {
    AnsiString Caption, OkCaption;
    int Type;
    AnsiString Address, Name, Host;
};

// The operator replaces an edit's text by pasting it from the clipboard: no key filter
// sees it.
inline void Paste(TEdit* edit, const wchar_t* text) {
    size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    memcpy(GlobalLock(memory), text, bytes);
    GlobalUnlock(memory);
    ASSERT_TRUE(OpenClipboard(edit->Handle()));
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    SendMessageW(edit->Handle(), EM_SETSEL, 0, -1);
    SendMessageW(edit->Handle(), WM_PASTE, 0, 0);
}

inline void Press(TControl* button) { SendMessageW(button->Handle(), BM_CLICK, 0, 0); }

inline void PressCloseBox(TForm& form) { SendMessageW(form.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }

// The operator clicks data row `row` (from 1) of a grid, selecting it.
inline void SelectRow(TStringGrid* grid, int row) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(grid->Handle(), LVM_SETITEMSTATE, row - 1, reinterpret_cast<LPARAM>(&state));
    Application.ProcessMessages();
}

// The operator double-clicks data row `row` (from 1) of a grid: the first click selects it.
inline void DoubleClickRow(TStringGrid* grid, int row) {
    SelectRow(grid, row);
    RECT item{LVIR_BOUNDS, 0, 0, 0};
    SendMessageW(grid->Handle(), LVM_GETITEMRECT, row - 1, reinterpret_cast<LPARAM>(&item));
    SendMessageW(grid->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(item.left + 20, (item.top + item.bottom) / 2));
}

// One device as the operator enters it: the type item, and the texts typed (or pasted
// into the address) unless null, which leaves a field as the dialog shows it.
struct Device {
    int Type = 0;
    const wchar_t* Address = nullptr;
    const wchar_t* Name = nullptr;
    const wchar_t* Host = nullptr;
    bool PasteAddress = false;
};

inline void Enter(TFormInput& dialog, const Device& device) {
    Pick(dialog.ComboBox1, device.Type);
    if (device.Address) {
        if (device.PasteAddress) Paste(dialog.EditType, device.Address);
        else Type(dialog.EditType, device.Address);
    }
    if (device.Name) Type(dialog.EditName, device.Name);
    if (device.Host) Type(dialog.EditIP, device.Host);
}

// A grid's data rows, each as its five cells joined by "|".
inline std::vector<std::string> Rows(TStringGrid* grid) {
    std::vector<std::string> rows;
    for (int row = 1; row < grid->RowCount(); ++row) {
        std::string text;
        for (int col = 0; col < grid->ColCount(); ++col) text += (col ? "|" : "") + grid->Cells(col, row);
        rows.push_back(text);
    }
    return rows;
}

// Devices put into a device grid as the unit list fills it from voice.ini: row i + 1
// numbered i + 1, then type, address, name and host.
inline void FillDevices(TStringGrid* grid, const std::vector<std::vector<std::string>>& devices) {
    grid->SetRowCount(static_cast<int>(devices.size()) + 1);
    for (int row = 1; row <= static_cast<int>(devices.size()); ++row) {
        grid->SetCell(0, row, std::to_string(row));
        for (int col = 1; col < 5; ++col) grid->SetCell(col, row, devices[row - 1][col - 1]);
    }
}

// Every section of a profile file with its key=value lines in file order, by name.
using Sections = std::map<std::string, std::vector<std::string>>;

inline Sections ReadProfileSections(const std::string& path) {
    TIniFile ini(path);
    TStringList names;
    ini.ReadSections(names);
    Sections all;
    for (const AnsiString& section : names.Lines) {
        TStringList lines;
        ini.ReadSectionValues(section, lines);
        all[section] = lines.Lines;
    }
    return all;
}

class UnitFixture : public ConfiguratorFixture {
protected:
    std::deque<std::function<void(TFormInput&)>> entries;
    std::vector<EntryShown> entryShown;
    std::function<void(TFormLorkM&)> unitDialog;
    int beeps = 0;

    void SetUp() override {
        ConfiguratorFixture::SetUp();
        Application.OnBeep = [this] { ++beeps; };
        Application.OnModalShown = [this](TForm& form) {
            if (auto* input = dynamic_cast<TFormInput*>(&form)) Operate(*input);
            else if (auto* unit = dynamic_cast<TFormLorkM*>(&form)) Operate(*unit);
            else ADD_FAILURE() << "unexpected dialog " << form.Name;
            if (form.ModalResult == mrNone) {
                ADD_FAILURE() << form.Name << " was left open";
                form.ModalResult = mrCancel;
            }
        };
    }

    void TearDown() override {
        Application.OnModalShown = nullptr;
        Application.OnBeep = nullptr;
        TFileDialog::OnShow = nullptr;
        ConfiguratorFixture::TearDown();
        FormInput = nullptr;
    }

    TMainForm* Start() override {
        ConfiguratorFixture::Start();
        Application.CreateForm(FormInput);
        return MainForm;
    }

    // The next showing of the device-entry dialog: the device entered, then "ОК" or
    // "Отмена".
    void WillEnter(const Device& device, bool ok = true) {
        entries.push_back([device, ok](TFormInput& dialog) {
            Enter(dialog, device);
            Press(ok ? dialog.Button1 : dialog.Button2);
        });
    }

    // The notices shown so far, and forgets them.
    std::vector<AnsiString> TakeNotices() {
        std::vector<AnsiString> texts;
        for (const Notice& notice : notices) texts.push_back(notice.Text);
        notices.clear();
        return texts;
    }

    std::string VoiceIni() { return dir.Read("voice.ini"); }
    Sections VoiceSections() { return ReadProfileSections(dir.File("voice.ini")); }

private:
    void Operate(TFormInput& dialog) {
        entryShown.push_back({dialog.Caption(), dialog.Button1->Caption(), dialog.ComboBox1->ItemIndex(),
                              dialog.EditType->Text(), dialog.EditName->Text(), dialog.EditIP->Text()});
        if (entries.empty()) {
            ADD_FAILURE() << "the device-entry dialog came up unexpectedly";
            Press(dialog.Button2);
            return;
        }
        auto act = std::move(entries.front());
        entries.pop_front();
        act(dialog);
    }

    void Operate(TFormLorkM& dialog) {
        if (unitDialog) unitDialog(dialog);
        else Press(dialog.ButtonCancel);
    }
};

}  // namespace configurator_test
