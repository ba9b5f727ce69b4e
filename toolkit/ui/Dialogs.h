#pragma once
// The system's file open and save dialogs.
//
//   object OpenDialog1: TOpenDialog
//     DefaultExt = 'conf'
//     FileName = 'rax40gw.conf'
//     Filter = 'Rax40gw file (*.conf)|*.conf'      pairs of description|pattern
//     Options = [ofHideReadOnly, ofFileMustExist, ofNoChangeDir, ofEnableSizing]
//   end
#include <windows.h>
#include <functional>
#include <optional>
#include "Component.h"

// What a file dialog asks: its kind and the OPENFILENAME fields it sets.
struct FileDialogRequest {
    bool Save = false;
    AnsiString Title;
    AnsiString Filter;
    int FilterIndex = 1;
    AnsiString DefaultExt;
    AnsiString FileName;
    AnsiString InitialDir;
    DWORD Flags = 0;  // OFN_*
};

class TFileDialog : public TComponent {
public:
    using TComponent::TComponent;
    AnsiString Title;
    AnsiString Filter;
    int FilterIndex = 1;
    AnsiString DefaultExt;
    AnsiString FileName;  // the initial name, and the chosen one after Execute
    AnsiString InitialDir;
    DWORD Flags = 0;      // OFN_* from Options

    // Shows the dialog; true when the operator chose a file, which FileName then holds.
    bool Execute();
    void SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) override;

    // Test seam: when set, it answers every file dialog in place of the system: the
    // chosen file's path, or nothing for Cancel.
    static inline std::function<std::optional<AnsiString>(const FileDialogRequest&)> OnShow;

protected:
    virtual bool Save() const = 0;

private:
    FileDialogRequest Request() const;
};

class TOpenDialog : public TFileDialog {
public:
    using TFileDialog::TFileDialog;

protected:
    bool Save() const override { return false; }
};

class TSaveDialog : public TFileDialog {
public:
    using TFileDialog::TFileDialog;

protected:
    bool Save() const override { return true; }
};
