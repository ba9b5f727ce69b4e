#include "Form.h"
#include <algorithm>
#include "Application.h"
#include "ComponentKinds.h"
#include "FormDefinition.h"
#include "MenuCommands.h"
#include "ProgramFocus.h"
#include "TaskWindows.h"
#include "Unicode.h"

namespace {
constexpr UINT kModalLoopStarted = WM_APP + 0x3F0;

void Guarded(const std::function<void()>& run) {
    try {
        run();
    } catch (...) {
        Application.HandleException();
    }
}

// A control the keyboard can reach: it and every window it stands in are visible and
// enabled.
bool CanTakeFocus(HWND control, HWND form) {
    if (!IsWindow(control) || !IsChild(form, control) || !IsWindowVisible(control)) return false;
    for (HWND w = control; w && w != form; w = GetParent(w))
        if (!IsWindowEnabled(w)) return false;
    return true;
}
}  // namespace

TForm::TForm() : TControl(nullptr) {
    TControl::SetVisible(false);
    Font = TFont{};
    Application.BindPendingReference(this);
}

TForm::~TForm() {
    if (OnDestroy) Guarded([this] { OnDestroy(this); });
    Application.FormDestroyed(this);
    // The window goes first, its children with it; then the components.
    if (tooltip_) DestroyWindow(tooltip_);
}

void TForm::Load(const char* resourceName) { LoadDefinition(LoadFormDefinition(resourceName)); }

void TForm::LoadText(const std::string& utf8Definition) { LoadDefinition(ParseFormDefinition(utf8Definition)); }

void TForm::LoadDefinition(const ObjectDefinition& def) {
    Name = def.Name;
    for (auto& [name, value] : def.Properties) SetProperty(name, value, binder_);
    CreateHandle();
    for (auto& child : def.Children) LoadChild(child, this);
    binder_.Finish();
    for (auto& c : Components) c->FormLoaded();
    if (menu_) KeepClientSizeWithMenu();
    Realign();
}

// The main menu attaches its bar once the form is loaded; the bar's height must not come
// off the client area that the definition gives.
void TForm::KeepClientSizeWithMenu() {
    if (clientWidth_ < 0 && clientHeight_ < 0) return;
    RECT r{0, 0, clientWidth_ >= 0 ? clientWidth_ : ClientWidth(), clientHeight_ >= 0 ? clientHeight_ : ClientHeight()};
    WindowSpec spec = Spec();
    AdjustWindowRectEx(&r, spec.Style, TRUE, spec.ExStyle);
    SetBoundsQuiet(Left(), Top(), r.right - r.left, r.bottom - r.top);
}

void TForm::LoadChild(const ObjectDefinition& def, TComponent* container) {
    TComponent* component = Own(CreateComponent(def.Kind, this));
    component->Name = def.Name;
    auto* control = dynamic_cast<TControl*>(component);
    if (control) {
        auto* parent = dynamic_cast<TControl*>(container);
        if (!parent) throw EFormDefinitionError(def.Name + " cannot stand inside " + container->Name);
        control->SetParentControl(parent);
    } else if (container != this && !dynamic_cast<TControl*>(container)) {
        container->AddNested(component);
    }
    try {
        for (auto& [name, value] : def.Properties) component->SetProperty(name, value, binder_);
    } catch (const EFormDefinitionError& e) {
        throw EFormDefinitionError("form definition, line " + std::to_string(def.Line) + ": " + e.Message);
    }
    component->Loaded();
    // An aligned container takes its place at once, so that its children keep their
    // anchored edges against the room it really gets, not against its designed size.
    if (control && control->Align() != alNone) control->Parent()->Realign();
    binder_.Register(component);
    for (auto& child : def.Children) LoadChild(child, component);
}

void TForm::DoCreate() {
    if (OnCreate) Guarded([this] { OnCreate(this); });
}

WindowSpec TForm::Spec() const {
    DWORD style = WS_CLIPCHILDREN, ex = WS_EX_CONTROLPARENT;
    switch (BorderStyle) {
    case bsDialog: style |= WS_POPUP | WS_CAPTION | WS_SYSMENU; ex |= WS_EX_DLGMODALFRAME; break;
    case bsSingle: style |= WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX; break;
    case bsSizeToolWin: style |= WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME; ex |= WS_EX_TOOLWINDOW; break;
    case bsToolWindow: style |= WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU; ex |= WS_EX_TOOLWINDOW; break;
    case bsNone: style |= WS_POPUP; break;
    default: style |= WS_OVERLAPPEDWINDOW; break;
    }
    if (!SystemMenu) style &= ~WS_SYSMENU;
    if (!MinimizeBox) style &= ~WS_MINIMIZEBOX;
    if (!MaximizeBox) style &= ~WS_MAXIMIZEBOX;
    if (StayOnTop) ex |= WS_EX_TOPMOST;
    if (Application.MainForm == this) ex |= WS_EX_APPWINDOW;  // the main window carries the taskbar button
    return {OwnClassName(), style, ex};
}

void TForm::CreateHandle() {
    if (clientWidth_ >= 0 || clientHeight_ >= 0) {
        WindowSpec spec = Spec();
        RECT r{0, 0, clientWidth_ >= 0 ? clientWidth_ : 0, clientHeight_ >= 0 ? clientHeight_ : 0};
        AdjustWindowRectEx(&r, spec.Style, FALSE, spec.ExStyle);
        if (clientWidth_ >= 0) SetBoundsQuiet(Left(), Top(), r.right - r.left, Height());
        if (clientHeight_ >= 0) SetBoundsQuiet(Left(), Top(), Width(), r.bottom - r.top);
    }
    // The system chooses the position only while it creates the window; SetWindowPos
    // would take CW_USEDEFAULT as a coordinate far off the screen.
    bool systemPlaces = Position == poDefault || Position == poDefaultPosOnly;
    if (systemPlaces) SetBoundsQuiet(CW_USEDEFAULT, CW_USEDEFAULT, Width(), Height());
    TControl::CreateHandle();
    if (systemPlaces) {
        RECT chosen;
        GetWindowRect(Handle(), &chosen);
        SetBoundsQuiet(chosen.left, chosen.top, Width(), Height());
    }
}

HWND TForm::OwnerHandle() const {
    TForm* main = Application.MainForm;
    return main && main != this ? main->Handle() : nullptr;
}

void TForm::SetMenu(TMainMenu* menu) { menu_ = menu; }

void TForm::PlaceOnFirstShow() {
    if (shownOnce_) return;
    shownOnce_ = true;
    RECT area{0, 0, Screen.Width(), Screen.Height()};
    TForm* over = nullptr;
    if (Position == poMainFormCenter || Position == poOwnerFormCenter) over = Application.MainForm;
    if (over && over != this && over->Visible()) GetWindowRect(over->Handle(), &area);
    else if (Position != poScreenCenter && Position != poMainFormCenter && Position != poOwnerFormCenter) return;
    int left = area.left + (area.right - area.left - Width()) / 2;
    int top = area.top + (area.bottom - area.top - Height()) / 2;
    SetBounds(left, top, Width(), Height());
}

void TForm::SetVisible(bool visible) {
    if (visible == Visible()) return;
    if (visible) {
        PlaceOnFirstShow();
        if (OnShow) Guarded([this] { OnShow(this); });
        focused_ = ActiveControl ? ActiveControl->Handle() : nullptr;
        TControl::SetVisible(true);
        ShowWindow(Handle(), SW_SHOW);  // activates the form, which puts the focus on its control
        SetForegroundWindow(Handle());
    } else {
        TControl::SetVisible(false);
        if (OnHide) Guarded([this] { OnHide(this); });
    }
}

bool TForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    return canClose;
}

void TForm::Close() {
    if (modal_) {
        ModalResult = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = Application.MainForm == this ? caFree : caHide;
    if (OnClose) OnClose(this, action);
    switch (action) {
    case caNone: return;
    case caMinimize: ShowWindow(Handle(), SW_MINIMIZE); return;
    default:
        Hide();
        if (Application.MainForm == this) Application.Terminate();
    }
}

// One modal run of a form, however it ends: the form is owned by the window that was
// active when it opened, so that it stays above the window it blocks; the other windows
// are out of reach while it lasts; at the end they come back before the form hides, so
// that the system can hand the activation back, and the window that was active before
// gets it. The form's own owner comes back too: a dialog opened from a dialog that is
// freed later must not go with it.
class TForm::ModalRun {
public:
    explicit ModalRun(TForm& form)
        : form_(form), activeBefore_(GetActiveWindow()), ownerBefore_(GetWindow(form.Handle(), GW_OWNER)),
          others_(form.Handle()) {
        if (activeBefore_ && activeBefore_ != form_.Handle()) SetOwner(activeBefore_);
        form_.modal_ = true;
        form_.ModalResult = mrNone;
        Application.ModalStarted(&form_);
        form_.SetVisible(true);
    }
    ~ModalRun() {
        others_.EnableAgain();
        form_.SetVisible(false);
        form_.modal_ = false;
        Application.ModalEnded(&form_);
        SetOwner(ownerBefore_);
        if (activeBefore_ && IsWindowVisible(activeBefore_) && IsWindowEnabled(activeBefore_))
            SetActiveWindow(activeBefore_);
    }

private:
    TForm& form_;
    HWND activeBefore_, ownerBefore_;
    DisabledTaskWindows others_;

    // The owner of a top-level window is the window-parent field of its window.
    void SetOwner(HWND owner) { SetWindowLongPtrW(form_.Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner)); }
};

int TForm::ShowModal() {
    ModalRun run(*this);
    PostMessageW(Handle(), kModalLoopStarted, 0, 0);
    while (ModalResult == mrNone && !Application.Terminated) Application.HandleMessage();
    if (ModalResult == mrNone) ModalResult = mrCancel;
    return ModalResult;
}

void TForm::PressButton(TControl* button) {
    if (button && button->Enabled() && button->Handle()) SendMessageW(button->Handle(), BM_CLICK, 0, 0);
}

LRESULT TForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CLOSE:
        Close();
        return 0;
    case WM_COMMAND:
        if (lParam == 0) {
            UINT id = LOWORD(wParam);
            if (id == IDOK) PressButton(DefaultButton);
            else if (id == IDCANCEL) {
                if (CancelButton) PressButton(CancelButton);
                else if (modal_) ModalResult = mrCancel;
            } else RunCommand(id);
            return 0;
        }
        break;
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        if (MinWidth) info->ptMinTrackSize.x = MinWidth;
        if (MinHeight) info->ptMinTrackSize.y = MinHeight;
        if (MaxWidth) info->ptMaxTrackSize.x = MaxWidth;
        if (MaxHeight) info->ptMaxTrackSize.y = MaxHeight;
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) RememberFocus();
        else if (!HIWORD(wParam) && RestoreFocus()) return 0;  // not minimised
        break;
    case kModalLoopStarted:
        if (modal_ && Application.OnModalShown) Application.OnModalShown(*this);
        return 0;
    case WM_WINDOWPOSCHANGED:
        FollowSystemBounds();
        break;  // the default procedure goes on with WM_SIZE and WM_MOVE
    }
    return TControl::WndProc(msg, wParam, lParam);
}

void TForm::RememberFocus() {
    HWND focus = GetFocus();
    if (focus && IsChild(Handle(), focus)) focused_ = focus;
}

// The control that had the focus when the form was last active, or the one the form
// names, or else the first control in tab order. A radio button that is no longer
// checked gives way to its group's checked one, and a group without one to the next
// control in tab order. False when no control can take it.
bool TForm::RestoreFocus() {
    HWND wanted = CanTakeFocus(focused_, Handle()) ? focused_ : GetNextDlgTabItem(Handle(), nullptr, FALSE);
    HWND target = ProgramFocusTarget(wanted);
    if (!target && wanted) target = ProgramFocusTarget(GetNextDlgTabItem(Handle(), wanted, FALSE));
    if (!CanTakeFocus(target, Handle())) return false;
    PlaceProgramFocus(target);
    return true;
}

// The operator moves and sizes the window with the mouse, the system maximises it: the
// form's bounds follow. A minimised window keeps the bounds it will come back to.
void TForm::FollowSystemBounds() {
    RECT r;
    if (IsIconic(Handle())) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof(placement);
        if (!GetWindowPlacement(Handle(), &placement)) return;
        r = placement.rcNormalPosition;
    } else if (!GetWindowRect(Handle(), &r)) {
        return;
    }
    RecordBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void TForm::SetBounds(int left, int top, int width, int height) {
    if (MinWidth && width < MinWidth) width = MinWidth;
    if (MinHeight && height < MinHeight) height = MinHeight;
    if (MaxWidth && width > MaxWidth) width = MaxWidth;
    if (MaxHeight && height > MaxHeight) height = MaxHeight;
    TControl::SetBounds(left, top, width, height);
}

void TForm::UpdateHint(TControl* control) {
    if (!Handle() || !control->Handle()) return;
    if (!tooltip_) {
        tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                   0, 0, 0, 0, Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
        SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 600);
        ApplyHintPause(Application.HintHidePause());
    }
    std::wstring text = ToWide(control->Hint());
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(control->Handle());
    tool.lpszText = text.data();
    SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    if (!text.empty()) SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void TForm::ApplyHintPause(int milliseconds) {
    if (tooltip_) SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(milliseconds, 0));
}

namespace {
TPosition ParsePosition(const AnsiString& id) {
    static const std::pair<const char*, TPosition> names[] = {
        {"poDesigned", poDesigned}, {"poDefault", poDefault}, {"poDefaultPosOnly", poDefaultPosOnly},
        {"poScreenCenter", poScreenCenter}, {"poMainFormCenter", poMainFormCenter},
        {"poOwnerFormCenter", poOwnerFormCenter}};
    for (auto& [n, p] : names)
        if (id == n) return p;
    throw EFormDefinitionError("unknown position " + id);
}

TBorderStyle ParseBorderStyle(const AnsiString& id) {
    static const std::pair<const char*, TBorderStyle> names[] = {
        {"bsSizeable", bsSizeable}, {"bsDialog", bsDialog}, {"bsSingle", bsSingle},
        {"bsSizeToolWin", bsSizeToolWin}, {"bsToolWindow", bsToolWindow}, {"bsNone", bsNone}};
    for (auto& [n, b] : names)
        if (id == n) return b;
    throw EFormDefinitionError("unknown border style " + id);
}
}  // namespace

void TForm::SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) {
    if (name == "ClientWidth") clientWidth_ = value.AsInt();
    else if (name == "ClientHeight") clientHeight_ = value.AsInt();
    else if (name == "Position") Position = ParsePosition(value.AsIdent());
    else if (name == "BorderStyle") BorderStyle = ParseBorderStyle(value.AsIdent());
    else if (name == "BorderIcons") {
        SystemMenu = value.Has("biSystemMenu");
        MinimizeBox = value.Has("biMinimize");
        MaximizeBox = value.Has("biMaximize");
    } else if (name == "FormStyle") StayOnTop = value.AsIdent() == "fsStayOnTop";
    else if (name == "Constraints.MinWidth") MinWidth = value.AsInt();
    else if (name == "Constraints.MinHeight") MinHeight = value.AsInt();
    else if (name == "Constraints.MaxWidth") MaxWidth = value.AsInt();
    else if (name == "Constraints.MaxHeight") MaxHeight = value.AsInt();
    else if (name == "ActiveControl") binder.Reference<TControl>(value, [this](TControl* c) { ActiveControl = c; });
    else if (name == "OnCreate") OnCreate = binder.Event<TNotifyEvent>(value);
    else if (name == "OnShow") OnShow = binder.Event<TNotifyEvent>(value);
    else if (name == "OnHide") OnHide = binder.Event<TNotifyEvent>(value);
    else if (name == "OnDestroy") OnDestroy = binder.Event<TNotifyEvent>(value);
    else if (name == "OnClose") OnClose = binder.Event<TCloseEvent>(value);
    else if (name == "OnCloseQuery") OnCloseQuery = binder.Event<TCloseQueryEvent>(value);
    else if (name == "Scaled" || name == "OldCreateOrder") value.AsBool();  // the forms are never scaled
    else TControl::SetProperty(name, value, binder);
}
