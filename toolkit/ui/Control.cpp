#include "Control.h"
#include <algorithm>
#include <unordered_map>
#include "Application.h"
#include "Exception.h"
#include "Form.h"
#include "FormBinder.h"
#include "Unicode.h"

namespace {
// The object of each of our windows. A window property would do too, but under Wine
// every property lookup is a round trip to the server, and one is made for each
// message our windows get.
std::unordered_map<HWND, TControl*>& Objects() {
    static std::unordered_map<HWND, TControl*> objects;
    return objects;
}
}

TControl::~TControl() {
    if (parent_) {
        auto& siblings = parent_->controls_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    for (TControl* child : controls_) child->parent_ = nullptr;
    if (handle_ && IsWindow(handle_)) {
        Objects().erase(handle_);
        if (defaultProc_ && defaultProc_ != DefWindowProcW)
            SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(defaultProc_));
        DestroyWindow(handle_);
    }
}

TForm* TControl::ParentForm() {
    TControl* c = this;
    while (c->parent_) c = c->parent_;
    return dynamic_cast<TForm*>(c);
}

TControl* TControl::FromHandle(HWND window) {
    auto found = Objects().find(window);
    return found == Objects().end() ? nullptr : found->second;
}

const wchar_t* TControl::OwnClassName() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */);
        wc.hIcon = LoadIconW(wc.hInstance, L"MAINICON");
        wc.lpszClassName = L"TkWindow";
        RegisterClassExW(&wc);
        registered = true;
    }
    return L"TkWindow";
}

LRESULT CALLBACK TControl::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    TControl* control = FromHandle(window);
    if (!control) return DefWindowProcW(window, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) Objects().erase(window);  // its last message: the handle may be reused
    try {
        return control->WndProc(msg, wParam, lParam);
    } catch (...) {
        Application.HandleException();
        return 0;
    }
}

void TControl::SetParentControl(TControl* parent) {
    parent_ = parent;
    parent->controls_.push_back(this);
    Font = parent->Font;
    color_ = parent->color_;
}

HWND TControl::ParentHandle() const { return parent_ ? parent_->handle_ : nullptr; }

void TControl::Loaded() {
    CreateHandle();
    RecordAnchors();
}

void TControl::CreateHandle() {
    WindowSpec spec = Spec();
    DWORD style = spec.Style;
    if (visible_) style |= WS_VISIBLE;
    if (!enabled_) style |= WS_DISABLED;
    std::wstring text = ToWide(caption_);
    handle_ = CreateWindowExW(spec.ExStyle, spec.ClassName, text.c_str(), style, left_, top_, width_, height_,
                              parent_ ? ParentHandle() : OwnerHandle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!handle_) throw Exception("cannot create the window of " + Name);
    Objects()[handle_] = this;
    defaultProc_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(handle_, GWLP_WNDPROC));
    if (defaultProc_ == DefWindowProcW || wcscmp(spec.ClassName, OwnClassName()) == 0) defaultProc_ = DefWindowProcW;
    SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TControl::WindowProc));
    ApplyFont();
    if (!hint_.empty())
        if (TForm* form = ParentForm()) form->UpdateHint(this);
}

LRESULT TControl::CallDefault(UINT msg, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(defaultProc_ ? defaultProc_ : DefWindowProcW, handle_, msg, wParam, lParam);
}

LRESULT TControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
        if (TControl* child = FromHandle(reinterpret_cast<HWND>(lParam))) {
            child->CommandNotify(HIWORD(wParam));
            return 0;
        }
        break;
    case WM_NOTIFY:
        if (TControl* child = FromHandle(reinterpret_cast<NMHDR*>(lParam)->hwndFrom))
            return child->Notify(reinterpret_cast<NMHDR*>(lParam));
        break;
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (item->CtlType != ODT_MENU)
            if (TControl* child = FromHandle(item->hwndItem))
                if (child->DrawItem(item)) return TRUE;
        break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        if (TControl* child = FromHandle(reinterpret_cast<HWND>(lParam)))
            if (HBRUSH brush = child->CtlColor(reinterpret_cast<HDC>(wParam)))
                return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (TControl* child = FromHandle(reinterpret_cast<HWND>(lParam))) {
            child->Scroll(msg, wParam);
            return 0;
        }
        break;
    case WM_SIZE:
        if (!controls_.empty()) Realign();
        break;
    case WM_ERASEBKGND:
        if (defaultProc_ == DefWindowProcW) {
            RECT r;
            GetClientRect(handle_, &r);
            FillRect(reinterpret_cast<HDC>(wParam), &r, BackgroundBrush());
            return 1;
        }
        break;
    }
    return CallDefault(msg, wParam, lParam);
}

HBRUSH TControl::BackgroundBrush() const { return BrushFor(color_); }

HBRUSH TControl::CtlColor(HDC dc) {
    SetTextColor(dc, ColorToRGB(Font.Color));
    SetBkColor(dc, ColorToRGB(color_));
    return BackgroundBrush();
}

void TControl::SetBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (handle_) MoveWindow(handle_, left, top, width, height, TRUE);
    if (parent_ && align_ != alNone) parent_->Realign();
}

int TControl::ClientWidth() const {
    RECT r{0, 0, width_, height_};
    if (handle_) GetClientRect(handle_, &r);
    return r.right;
}

int TControl::ClientHeight() const {
    RECT r{0, 0, width_, height_};
    if (handle_) GetClientRect(handle_, &r);
    return r.bottom;
}

void TControl::SetAlign(TAlign align) {
    align_ = align;
    if (parent_) parent_->Realign();
}

void TControl::SetVisible(bool visible) {
    visible_ = visible;
    if (handle_) ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE);
    if (parent_ && align_ != alNone) parent_->Realign();
}

void TControl::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (handle_) EnableWindow(handle_, enabled);
}

AnsiString TControl::Caption() const {
    if (!handle_) return caption_;
    int length = GetWindowTextLengthW(handle_);
    std::wstring text(length + 1, L'\0');
    GetWindowTextW(handle_, text.data(), length + 1);
    text.resize(length);
    return FromWide(text);
}

void TControl::SetWindowTextSilently(const AnsiString& text) {
    SetWindowTextSilently(ToWide(text));
    caption_ = text;
}

void TControl::SetWindowTextSilently(const std::wstring& text) {
    caption_ = FromWide(text);  // what a window made later starts from
    if (!handle_) return;
    settingText_ = true;
    SetWindowTextW(handle_, text.c_str());
    settingText_ = false;
}

void TControl::SetCaption(const AnsiString& text) {
    SetWindowTextSilently(text);
    if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TControl::SetCaption(const std::wstring& text) {
    SetWindowTextSilently(text);
    if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TControl::SetHint(const AnsiString& hint) {
    hint_ = hint;
    if (handle_)
        if (TForm* form = ParentForm()) form->UpdateHint(this);
}

void TControl::ApplyFont() {
    if (handle_) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font.Handle()), TRUE);
}

void TControl::SetFont(const TFont& font) {
    Font = font;
    parentFont_ = false;
    ApplyFont();
    Repaint();
}

void TControl::SetColor(TColor color) {
    color_ = color;
    parentColor_ = false;
    Repaint();
}

void TControl::Repaint() {
    if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TControl::BringToFront() {
    if (handle_) SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void TControl::RecordAnchors() {
    if (!parent_) return;
    anchorRight_ = parent_->ClientWidth() - (left_ + width_);
    anchorBottom_ = parent_->ClientHeight() - (top_ + height_);
}

void TControl::Realign() {
    if (!handle_) return;
    RECT area;
    GetClientRect(handle_, &area);
    AlignChildren(area);
    for (TControl* child : controls_)
        if (child->align_ == alNone) ApplyAnchors(child, ClientWidth(), ClientHeight());
}

// Aligned children take the edges in the order top, bottom, left, right, then the rest.
void TControl::AlignChildren(RECT& area) {
    for (TAlign pass : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (TControl* c : controls_) {
            if (c->align_ != pass || !c->visible_) continue;
            int w = area.right - area.left, h = area.bottom - area.top;
            switch (pass) {
            case alTop: c->SetBoundsQuiet(area.left, area.top, w, c->height_); area.top += c->height_; break;
            case alBottom: area.bottom -= c->height_; c->SetBoundsQuiet(area.left, area.bottom, w, c->height_); break;
            case alLeft: c->SetBoundsQuiet(area.left, area.top, c->width_, h); area.left += c->width_; break;
            case alRight: area.right -= c->width_; c->SetBoundsQuiet(area.right, area.top, c->width_, h); break;
            default: c->SetBoundsQuiet(area.left, area.top, w, h); break;
            }
        }
    }
}

void TControl::ApplyAnchors(TControl* child, int width, int height) {
    const TAnchors& a = child->anchors_;
    int left = child->left_, top = child->top_, w = child->width_, h = child->height_;
    if (a.Right) {
        if (a.Left) w = width - left - child->anchorRight_;
        else left = width - w - child->anchorRight_;
    }
    if (a.Bottom) {
        if (a.Top) h = height - top - child->anchorBottom_;
        else top = height - h - child->anchorBottom_;
    }
    if (left != child->left_ || top != child->top_ || w != child->width_ || h != child->height_)
        child->SetBoundsQuiet(left, top, w, h);
}

void TControl::SetBoundsQuiet(int left, int top, int width, int height) {
    RecordBounds(left, top, width, height);
    if (handle_) MoveWindow(handle_, left, top, width, height, TRUE);
}

void TControl::RecordBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

namespace {
TAlign ParseAlign(const AnsiString& id) {
    static const std::pair<const char*, TAlign> names[] = {
        {"alNone", alNone}, {"alTop", alTop}, {"alBottom", alBottom},
        {"alLeft", alLeft}, {"alRight", alRight}, {"alClient", alClient}};
    for (auto& [n, a] : names)
        if (id == n) return a;
    throw EFormDefinitionError("unknown alignment " + id);
}
}  // namespace

void TControl::SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) {
    if (name == "Left") left_ = value.AsInt();
    else if (name == "Top") top_ = value.AsInt();
    else if (name == "Width") width_ = value.AsInt();
    else if (name == "Height") height_ = value.AsInt();
    else if (name == "Caption" || name == "Text") caption_ = value.AsString();
    else if (name == "Hint") hint_ = value.AsString();
    else if (name == "ShowHint") ShowHint = value.AsBool();
    else if (name == "Visible") visible_ = value.AsBool();
    else if (name == "Enabled") enabled_ = value.AsBool();
    else if (name == "Align") align_ = ParseAlign(value.AsIdent());
    else if (name == "Anchors")
        anchors_ = {value.Has("akLeft"), value.Has("akTop"), value.Has("akRight"), value.Has("akBottom")};
    else if (name == "Color") {
        color_ = ParseColor(value);
        parentColor_ = false;
    } else if (Font.SetProperty(name, value)) parentFont_ = false;
    else if (name == "OnClick") OnClick = binder.Event<TNotifyEvent>(value);
    else if (name == "OnDblClick") OnDblClick = binder.Event<TNotifyEvent>(value);
    else TComponent::SetProperty(name, value, binder);
}
