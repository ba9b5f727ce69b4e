#pragma once
// A visible component: a thin object that owns one real window. Parents hand the
// notifications of their children (commands, notifies, owner drawing, colours) back
// to the child's object, so each control handles its own.
#include <windows.h>
#include <commctrl.h>
#include <vector>
#include "Component.h"
#include "Graphics.h"

class TForm;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

struct TAnchors {
    bool Left = true, Top = true, Right = false, Bottom = false;
};

// What CreateWindowEx needs to make the control's window.
struct WindowSpec {
    const wchar_t* ClassName;
    DWORD Style;
    DWORD ExStyle = 0;
};

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner) : TComponent(owner) {}
    ~TControl() override;

    HWND Handle() const { return handle_; }
    TControl* Parent() const { return parent_; }
    // The top-level form holding this control (the form itself for a form).
    TForm* ParentForm();
    const std::vector<TControl*>& Controls() const { return controls_; }

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    virtual void SetBounds(int left, int top, int width, int height);
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    int ClientWidth() const;
    int ClientHeight() const;

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    const TAnchors& Anchors() const { return anchors_; }

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);

    // The window text. Setting it from code fires no change handler.
    AnsiString Caption() const;
    void SetCaption(const AnsiString& text);
    // Text that is not the programs' CP1251, such as a path in the system's code page.
    void SetCaption(const std::wstring& text);
    AnsiString Text() const { return Caption(); }
    void SetText(const AnsiString& text) { SetCaption(text); }

    const AnsiString& Hint() const { return hint_; }
    void SetHint(const AnsiString& hint);
    bool ShowHint = false;

    TFont Font;
    void SetFont(const TFont& font);
    TColor Color() const { return color_; }
    void SetColor(TColor color);

    void Repaint();
    void BringToFront();

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;

    // The form definition creates the window once the properties are set.
    void SetParentControl(TControl* parent);
    void Loaded() override;
    void SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) override;

    // Lays the children out by their alignment and anchors.
    void Realign();

    // Where a focus that the program places on `wanted` (this control's window or one of
    // its inner windows) lands; nullptr when it must not land in this control.
    virtual HWND FocusTarget(HWND wanted) { return wanted; }

    static TControl* FromHandle(HWND window);
    // Runs a notification of the window system inside the exception guard.
    static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    // The class of our own windows (forms, panels and painted controls).
    static const wchar_t* OwnClassName();

protected:
    virtual WindowSpec Spec() const = 0;
    virtual void CreateHandle();
    HWND ParentHandle() const;
    // The window that owns a top-level control's window (none unless a form names one).
    virtual HWND OwnerHandle() const { return nullptr; }
    virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT CallDefault(UINT msg, WPARAM wParam, LPARAM lParam);

    // Reflected from the parent.
    virtual void CommandNotify(WORD /*code*/) {}
    virtual LRESULT Notify(NMHDR* /*header*/) { return 0; }
    virtual bool DrawItem(DRAWITEMSTRUCT* /*item*/) { return false; }
    virtual HBRUSH CtlColor(HDC dc);
    virtual void Scroll(UINT /*msg*/, WPARAM /*wParam*/) {}

    // The brush of the background this control shows: its own colour or its parent's.
    HBRUSH BackgroundBrush() const;
    // True while code sets the window text, so change notifications are ignored.
    bool SettingText() const { return settingText_; }
    void SetWindowTextSilently(const AnsiString& text);
    void SetWindowTextSilently(const std::wstring& text);
    void RecordAnchors();
    // Moves the window without asking the parent to lay its children out again.
    void SetBoundsQuiet(int left, int top, int width, int height);
    // Takes the bounds that the system gave the window, without moving it.
    void RecordBounds(int left, int top, int width, int height);

    bool parentColor_ = true;
    bool parentFont_ = true;

private:
    HWND handle_ = nullptr;
    WNDPROC defaultProc_ = nullptr;
    TControl* parent_ = nullptr;
    std::vector<TControl*> controls_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    int anchorRight_ = 0, anchorBottom_ = 0;
    TAlign align_ = alNone;
    TAnchors anchors_;
    bool visible_ = true;
    bool enabled_ = true;
    bool settingText_ = false;
    AnsiString caption_;
    AnsiString hint_;
    TColor color_ = clBtnFace;

    void ApplyFont();
    void AlignChildren(RECT& area);
    void ApplyAnchors(TControl* child, int width, int height);
};
