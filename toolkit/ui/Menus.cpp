#include "Menus.h"
#include "Actions.h"
#include "Exception.h"
#include "Form.h"
#include "FormBinder.h"
#include "MenuCommands.h"
#include "Unicode.h"

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(AllocateCommand([this] { Click(); })) {}

TMenuItem::~TMenuItem() { ReleaseCommand(command_); }

void TMenuItem::Changed() {
    if (root_) root_->Rebuild();
}

void TMenuItem::SetCaption(const AnsiString& caption) {
    caption_ = caption;
    Changed();
}

void TMenuItem::SetChecked(bool checked) {
    checked_ = checked;
    Changed();
}

void TMenuItem::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Changed();
}

void TMenuItem::SetVisible(bool visible) {
    visible_ = visible;
    Changed();
}

void TMenuItem::SetAction(TAction* action) {
    action_ = action;
    caption_ = action->Caption;
    Hint = action->Hint;
    enabled_ = action->Enabled;
    Changed();
}

void TMenuItem::Click() {
    if (!enabled_) return;
    if (AutoCheck) SetChecked(!checked_);
    if (OnClick) OnClick(this);
    else if (action_) action_->Execute();
}

void TMenuItem::AddNested(TComponent* child) {
    auto* item = dynamic_cast<TMenuItem*>(child);
    if (!item) TComponent::AddNested(child);
    items_.push_back(item);
}

void TMenuItem::AppendTo(HMENU menu, TMenu* root) {
    root_ = root;
    if (!visible_) return;
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    std::wstring text = ToWide(caption_);
    if (IsSeparator()) {
        info.fMask = MIIM_FTYPE;
        info.fType = MFT_SEPARATOR;
    } else {
        info.fMask = MIIM_STRING | MIIM_ID | MIIM_STATE;
        info.wID = command_;
        info.dwTypeData = text.data();
        info.fState = (checked_ ? MFS_CHECKED : 0) | (enabled_ ? 0 : MFS_GRAYED);
        if (!bitmap_.Empty()) {
            info.fMask |= MIIM_BITMAP;
            info.hbmpItem = bitmap_.Handle();
        }
        if (!items_.empty()) {
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = CreatePopupMenu();
            for (TMenuItem* item : items_) item->AppendTo(info.hSubMenu, root);
        }
    }
    InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
}

void TMenuItem::SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) {
    if (name == "Caption") caption_ = value.AsString();
    else if (name == "Checked") checked_ = value.AsBool();
    else if (name == "AutoCheck") AutoCheck = value.AsBool();
    else if (name == "Enabled") enabled_ = value.AsBool();
    else if (name == "Visible") visible_ = value.AsBool();
    else if (name == "Hint") Hint = value.AsString();
    else if (name == "Bitmap") bitmap_.Load(value.AsString());
    else if (name == "OnClick") OnClick = binder.Event<TNotifyEvent>(value);
    else if (name == "Action") binder.Reference<TAction>(value, [this](TAction* a) { SetAction(a); });
    else TComponent::SetProperty(name, value, binder);
}

TMenu::~TMenu() {
    if (handle_ && IsMenu(handle_)) DestroyMenu(handle_);
}

void TMenu::AddNested(TComponent* child) {
    auto* item = dynamic_cast<TMenuItem*>(child);
    if (!item) TComponent::AddNested(child);
    items_.push_back(item);
}

HWND TMenu::FormWindow() const {
    auto* form = dynamic_cast<TForm*>(Owner);
    return form ? form->Handle() : nullptr;
}

void TMenu::Rebuild() {
    HMENU old = handle_;
    handle_ = CreateHandle();
    for (TMenuItem* item : items_) item->AppendTo(handle_, this);
    Attach();
    if (old) DestroyMenu(old);
}

void TMainMenu::Attach() {
    auto* form = dynamic_cast<TForm*>(Owner);
    if (!form || !form->Handle()) return;
    form->SetMenu(this);
    ::SetMenu(form->Handle(), handle_);
    DrawMenuBar(form->Handle());
}

// The form's window takes its menu along when it goes first.
TMainMenu::~TMainMenu() {
    auto* form = dynamic_cast<TForm*>(Owner);
    if (!form || !form->Handle() || !IsWindow(form->Handle())) {
        handle_ = nullptr;
        return;
    }
    if (form->Menu() == this) form->SetMenu(nullptr);
    ::SetMenu(form->Handle(), nullptr);
}

void TPopupMenu::Popup(int x, int y) {
    HWND owner = FormWindow();
    if (!owner) owner = GetActiveWindow();
    SetForegroundWindow(owner);  // or the menu does not close when the operator clicks elsewhere
    UINT chosen = TrackPopupMenu(handle_, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, x, y, 0, owner, nullptr);
    PostMessageW(owner, WM_NULL, 0, 0);
    if (chosen) RunCommand(chosen);
}
