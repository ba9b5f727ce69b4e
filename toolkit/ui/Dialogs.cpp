#include "Dialogs.h"
#include <commdlg.h>
#include <algorithm>
#include "Application.h"
#include "Exception.h"
#include "Form.h"
#include "FormBinder.h"
#include "Unicode.h"

namespace {
DWORD ParseOptions(const PropValue& value) {
    static const std::pair<const char*, DWORD> names[] = {
        {"ofReadOnly", OFN_READONLY}, {"ofOverwritePrompt", OFN_OVERWRITEPROMPT},
        {"ofHideReadOnly", OFN_HIDEREADONLY}, {"ofNoChangeDir", OFN_NOCHANGEDIR},
        {"ofAllowMultiSelect", OFN_ALLOWMULTISELECT}, {"ofPathMustExist", OFN_PATHMUSTEXIST},
        {"ofFileMustExist", OFN_FILEMUSTEXIST}, {"ofCreatePrompt", OFN_CREATEPROMPT},
        {"ofNoReadOnlyReturn", OFN_NOREADONLYRETURN}, {"ofEnableSizing", OFN_ENABLESIZING}};
    if (value.type != PropValue::Type::Set) throw EFormDefinitionError("dialog options are a set [..]");
    DWORD flags = 0;
    for (const AnsiString& member : value.items) {
        DWORD flag = 0;
        for (auto& [name, f] : names)
            if (member == name) flag = f;
        if (!flag) throw EFormDefinitionError("unknown dialog option " + member);
        flags |= flag;
    }
    return flags;
}

// "Text|*.a|Other|*.b" as the system wants it: each part ended by a zero, then a zero.
std::wstring FilterText(const AnsiString& filter) {
    std::wstring text = ToWide(filter);
    for (wchar_t& c : text)
        if (c == L'|') c = L'\0';
    text.push_back(L'\0');
    text.push_back(L'\0');
    return text;
}

std::optional<AnsiString> ShowSystemDialog(const FileDialogRequest& request) {
    std::wstring filter = FilterText(request.Filter), ext = ToWide(request.DefaultExt);
    // Names of files are paths for the A functions, in the system's code page.
    std::wstring dir = SystemToWide(request.InitialDir), title = ToWide(request.Title);
    std::wstring file = SystemToWide(request.FileName);
    file.resize(std::max<size_t>(file.size() + 1, 32768), L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = GetActiveWindow();
    if (!ofn.hwndOwner && Application.MainForm) ofn.hwndOwner = Application.MainForm->Handle();
    ofn.lpstrFilter = request.Filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = request.FilterIndex;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = dir.empty() ? nullptr : dir.c_str();
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.lpstrDefExt = ext.empty() ? nullptr : ext.c_str();
    ofn.Flags = request.Flags | OFN_EXPLORER;
    BOOL chosen = request.Save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    if (!chosen) return std::nullopt;
    return WideToSystem(file.c_str());
}
}  // namespace

FileDialogRequest TFileDialog::Request() const {
    return {Save(), Title, Filter, FilterIndex, DefaultExt, FileName, InitialDir, Flags};
}

bool TFileDialog::Execute() {
    FileDialogRequest request = Request();
    std::optional<AnsiString> chosen = OnShow ? OnShow(request) : ShowSystemDialog(request);
    if (!chosen) return false;
    FileName = *chosen;
    return true;
}

void TFileDialog::SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) {
    if (name == "Title") Title = value.AsString();
    else if (name == "Filter") Filter = value.AsString();
    else if (name == "FilterIndex") FilterIndex = value.AsInt();
    else if (name == "DefaultExt") DefaultExt = value.AsString();
    else if (name == "FileName") FileName = value.AsString();
    else if (name == "InitialDir") InitialDir = value.AsString();
    else if (name == "Options") Flags = ParseOptions(value);
    else TComponent::SetProperty(name, value, binder);
}
