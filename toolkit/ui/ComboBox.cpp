#include "ComboBox.h"
#include "Exception.h"
#include "FormBinder.h"
#include "SysUtils.h"
#include "Unicode.h"

WindowSpec TComboBox::Spec() const {
    DWORD kind = Style == csDropDown ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST;
    return {L"COMBOBOX", WS_CHILD | WS_TABSTOP | WS_VSCROLL | kind};
}

// The window's height is the closed box plus its open list.
void TComboBox::CreateHandle() {
    TControl::CreateHandle();
    for (const auto& item : definedItems_) AddItem(item);
    SetItemIndex(definedIndex_);
    int itemHeight = static_cast<int>(SendMessageW(Handle(), CB_GETITEMHEIGHT, 0, 0));
    SetWindowPos(Handle(), nullptr, 0, 0, Width(), Height() + DropDownCount * itemHeight + 2,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int TComboBox::Count() const { return static_cast<int>(SendMessageW(Handle(), CB_GETCOUNT, 0, 0)); }

void TComboBox::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) throw EStringListError("List index out of bounds (" + IntToStr(index) + ")");
}

AnsiString TComboBox::Item(int index) const {
    CheckIndex(index);
    auto length = SendMessageW(Handle(), CB_GETLBTEXTLEN, index, 0);
    std::wstring text(length + 1, L'\0');
    SendMessageW(Handle(), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    return FromWide(text);
}

void TComboBox::AddItem(const AnsiString& text, int object) {
    std::wstring wide = ToWide(text);
    auto index = SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    SendMessageW(Handle(), CB_SETITEMDATA, index, static_cast<LPARAM>(object));
}

int TComboBox::ItemObject(int index) const {
    CheckIndex(index);
    return static_cast<int>(SendMessageW(Handle(), CB_GETITEMDATA, index, 0));
}

void TComboBox::Clear() { SendMessageW(Handle(), CB_RESETCONTENT, 0, 0); }

int TComboBox::ItemIndex() const {
    if (!Handle()) return definedIndex_;
    return static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
}

void TComboBox::SetItemIndex(int index) {
    if (!Handle()) {
        definedIndex_ = index;
        return;
    }
    if (index < 0 || index >= Count()) index = -1;
    SendMessageW(Handle(), CB_SETCURSEL, index, 0);
}

AnsiString TComboBox::Text() const {
    if (Style == csDropDown) return Caption();
    int index = ItemIndex();
    return index < 0 ? AnsiString() : Item(index);
}

void TComboBox::CommandNotify(WORD code) {
    if (code == CBN_SELCHANGE) {
        if (OnClick) OnClick(this);
        if (OnChange) OnChange(this);
    } else if (code == CBN_EDITCHANGE && !SettingText() && OnChange) {
        OnChange(this);
    }
}

namespace {
TComboBoxStyle ParseComboStyle(const AnsiString& id) {
    if (id == "csDropDown") return csDropDown;
    if (id == "csDropDownList") return csDropDownList;
    throw EFormDefinitionError("unknown combo box style " + id);
}
}  // namespace

void TComboBox::SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) {
    if (name == "Style") Style = ParseComboStyle(value.AsIdent());
    else if (name == "Items") {
        if (value.type != PropValue::Type::List) throw EFormDefinitionError("a list ('..', '..') is expected");
        definedItems_ = value.items;
    } else if (name == "ItemIndex") definedIndex_ = value.AsInt();
    else if (name == "DropDownCount") DropDownCount = value.AsInt();
    else if (name == "OnChange") OnChange = binder.Event<TNotifyEvent>(value);
    else TControl::SetProperty(name, value, binder);
}
