#include "RadioGroup.h"
#include <algorithm>
#include "FormBinder.h"
#include "ProgramFocus.h"
#include "Unicode.h"

void TRadioGroup::CreateHandle() {
    TGroupBox::CreateHandle();
    MakeButtons();
}

void TRadioGroup::SetItems(const std::vector<AnsiString>& items) {
    items_ = items;
    MakeButtons();
}

void TRadioGroup::AddItem(const AnsiString& text) {
    items_.push_back(text);
    MakeButtons();
}

void TRadioGroup::SetItemIndex(int index) {
    if (index < -1) index = -1;
    if (index >= Count()) index = Count() - 1;
    itemIndex_ = index;
    ShowCheck();
}

void TRadioGroup::SetColumns(int columns) {
    columns_ = std::max(1, columns);
    ArrangeButtons();
}

void TRadioGroup::MakeButtons() {
    if (!Handle()) return;
    for (HWND button : buttons_) DestroyWindow(button);
    buttons_.clear();
    for (size_t i = 0; i < items_.size(); ++i) {
        DWORD style = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP : 0);
        HWND button = CreateWindowExW(0, L"BUTTON", ToWide(items_[i]).c_str(), style, 0, 0, 0, 0, Handle(), nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(Font.Handle()), FALSE);
        buttons_.push_back(button);
    }
    if (itemIndex_ >= Count()) itemIndex_ = Count() - 1;
    ArrangeButtons();
    ShowCheck();
}

// The buttons share the room below the caption evenly, filled column by column.
void TRadioGroup::ArrangeButtons() {
    if (buttons_.empty()) return;
    RECT r;
    GetClientRect(Handle(), &r);
    int captionHeight = Font.Height < 0 ? -Font.Height : Font.Height;
    int margin = 8;
    int rows = (Count() + columns_ - 1) / columns_;
    int width = (r.right - 2 * margin) / columns_;
    int top = captionHeight + 4, height = (r.bottom - top - 4) / rows;
    for (int i = 0; i < Count(); ++i)
        MoveWindow(buttons_[i], margin + (i / rows) * width, top + (i % rows) * height, width, height, TRUE);
}

void TRadioGroup::ShowCheck() {
    for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
        bool checked = i == itemIndex_;
        SendMessageW(buttons_[i], BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
        LONG_PTR style = GetWindowLongPtrW(buttons_[i], GWL_STYLE);
        LONG_PTR wanted = checked ? style | WS_TABSTOP : style & ~WS_TABSTOP;
        if (wanted != style) SetWindowLongPtrW(buttons_[i], GWL_STYLE, wanted);
    }
}

HWND TRadioGroup::FocusTarget(HWND wanted) {
    if (wanted != Handle() && IndexOfButton(wanted) < 0) return wanted;
    return itemIndex_ >= 0 && itemIndex_ < static_cast<int>(buttons_.size()) ? buttons_[itemIndex_] : nullptr;
}

int TRadioGroup::IndexOfButton(HWND button) const {
    auto it = std::find(buttons_.begin(), buttons_.end(), button);
    return it == buttons_.end() ? -1 : static_cast<int>(it - buttons_.begin());
}

// The buttons are plain windows, not controls of their own: the group answers for them.
LRESULT TRadioGroup::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND: {
        int index = IndexOfButton(reinterpret_cast<HWND>(lParam));
        if (index < 0) break;
        if (HIWORD(wParam) != BN_CLICKED) return 0;
        // The focus that the program places reached a button that clicked itself: the
        // check goes back where the choice is.
        if (PlacingProgramFocus()) {
            ShowCheck();
            return 0;
        }
        // A click on the button already checked changes nothing and reports nothing.
        if (index != itemIndex_) {
            itemIndex_ = index;
            ShowCheck();
            if (OnClick) OnClick(this);
        }
        return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (IndexOfButton(reinterpret_cast<HWND>(lParam)) >= 0)
            return reinterpret_cast<LRESULT>(CtlColor(reinterpret_cast<HDC>(wParam)));
        break;
    case WM_SETFONT:
        for (HWND button : buttons_) SendMessageW(button, WM_SETFONT, wParam, lParam);
        break;
    case WM_SIZE:
        ArrangeButtons();
        break;
    }
    return TGroupBox::WndProc(msg, wParam, lParam);
}

void TRadioGroup::SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) {
    if (name == "Items") {
        if (value.type != PropValue::Type::List) throw EFormDefinitionError("a list ('..', '..') is expected");
        items_ = value.items;
    } else if (name == "ItemIndex") itemIndex_ = std::max(-1, value.AsInt());
    else if (name == "Columns") columns_ = std::max(1, value.AsInt());
    else TGroupBox::SetProperty(name, value, binder);
}
