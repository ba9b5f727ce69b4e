#include "ListBox.h"
#include "Exception.h"
#include "FormBinder.h"
#include "SysUtils.h"
#include "Unicode.h"

WindowSpec TListBox::Spec() const {
    return {L"LISTBOX", WS_CHILD | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE};
}

void TListBox::CreateHandle() {
    TControl::CreateHandle();
    ApplyItemHeight();
    for (const auto& item : definedItems_) AddItem(item);
}

// A new font gives the items the font's height, so the chosen height is set again after it.
LRESULT TListBox::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_SETFONT) {
        LRESULT result = TControl::WndProc(msg, wParam, lParam);
        ApplyItemHeight();
        return result;
    }
    return TControl::WndProc(msg, wParam, lParam);
}

void TListBox::ApplyItemHeight() {
    if (Handle() && itemHeight_ > 0) SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, MAKELPARAM(itemHeight_, 0));
}

void TListBox::SetItemHeight(int height) {
    itemHeight_ = height;
    ApplyItemHeight();
    Repaint();
}

void TListBox::CheckIndex(int index, int count) const {
    if (index < 0 || index >= count) throw EStringListError("List index out of bounds (" + IntToStr(index) + ")");
}

int TListBox::Count() const { return static_cast<int>(SendMessageW(Handle(), LB_GETCOUNT, 0, 0)); }

AnsiString TListBox::Item(int index) const {
    CheckIndex(index, Count());
    auto length = SendMessageW(Handle(), LB_GETTEXTLEN, index, 0);
    std::wstring text(length + 1, L'\0');
    SendMessageW(Handle(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    return FromWide(text);
}

void TListBox::AddItem(const AnsiString& text) {
    std::wstring wide = ToWide(text);
    SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void TListBox::InsertItem(int index, const AnsiString& text) {
    CheckIndex(index, Count() + 1);
    std::wstring wide = ToWide(text);
    SendMessageW(Handle(), LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(wide.c_str()));
}

void TListBox::DeleteItem(int index) {
    CheckIndex(index, Count());
    SendMessageW(Handle(), LB_DELETESTRING, index, 0);
}

void TListBox::SetItem(int index, const AnsiString& text) {
    CheckIndex(index, Count());
    int selected = ItemIndex();
    LRESULT top = SendMessageW(Handle(), LB_GETTOPINDEX, 0, 0);
    SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
    DeleteItem(index);
    InsertItem(index, text);
    SetItemIndex(selected);  // scrolls the selection into view, so the top line goes back
    SendMessageW(Handle(), LB_SETTOPINDEX, top, 0);
    SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
    Repaint();
}

void TListBox::Clear() { SendMessageW(Handle(), LB_RESETCONTENT, 0, 0); }

int TListBox::ItemIndex() const { return static_cast<int>(SendMessageW(Handle(), LB_GETCURSEL, 0, 0)); }

void TListBox::SetItemIndex(int index) { SendMessageW(Handle(), LB_SETCURSEL, index, 0); }

void TListBox::CommandNotify(WORD code) {
    if (code == LBN_SELCHANGE && OnClick) OnClick(this);
    if (code == LBN_DBLCLK && OnDblClick) OnDblClick(this);
}

HBRUSH TListBox::CtlColor(HDC dc) {
    TColor back = parentColor_ ? clWindow : Color();
    SetTextColor(dc, ColorToRGB(Font.Color));
    SetBkColor(dc, ColorToRGB(back));
    return BrushFor(back);
}

void TListBox::SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) {
    if (name == "ItemHeight") itemHeight_ = value.AsInt();
    else if (name == "Items") {
        if (value.type != PropValue::Type::List) throw EFormDefinitionError("a list ('..', '..') is expected");
        definedItems_ = value.items;
    } else TControl::SetProperty(name, value, binder);
}
