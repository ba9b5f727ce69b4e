#pragma once
// A top-level window built from its form definition. The form class registers its
// component fields and handlers by name, then loads the definition; the constructor
// body runs after that, and OnCreate after the constructor.
#include <map>
#include "Control.h"
#include "FormBinder.h"

class TMainMenu;

enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poScreenCenter, poMainFormCenter, poOwnerFormCenter };
enum TBorderStyle { bsSizeable, bsDialog, bsSingle, bsSizeToolWin, bsToolWindow, bsNone };

class TForm : public TControl {
public:
    TForm();
    ~TForm() override;

    TNotifyEvent OnCreate, OnShow, OnHide, OnDestroy;
    TCloseQueryEvent OnCloseQuery;
    TCloseEvent OnClose;

    void SetVisible(bool visible) override;
    // Keeps the size within the form's minimum and maximum.
    void SetBounds(int left, int top, int width, int height) override;
    // The close road of the close box: the close query, then OnClose with the action.
    void Close();
    bool CloseQuery();
    int ShowModal();
    bool Modal() const { return modal_; }
    int ModalResult = mrNone;
    TPosition Position = poDesigned;
    TBorderStyle BorderStyle = bsSizeable;
    // BorderIcons: which of the system menu, minimise and maximise boxes the caption has.
    bool SystemMenu = true, MinimizeBox = true, MaximizeBox = true;
    bool StayOnTop = false;
    int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;

    // The control that takes the keyboard focus when the form shows; without one the
    // first control in tab order takes it.
    TControl* ActiveControl = nullptr;

    void SetMenu(TMainMenu* menu);
    TMainMenu* Menu() const { return menu_; }
    // The buttons that Enter and Esc press.
    TControl* DefaultButton = nullptr;
    TControl* CancelButton = nullptr;

    // Fires OnCreate inside the exception guard; the application calls it.
    void DoCreate();
    void UpdateHint(TControl* control);
    void ApplyHintPause(int milliseconds);
    void SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) override;

protected:
    template <class T>
    void Field(T*& field, const char* name) {
        binder_.AddField(name, [&field](TComponent* c) { return (field = dynamic_cast<T*>(c)) != nullptr; });
    }
    template <class C>
    void Handler(const char* name, void (C::*method)(TObject*)) {
        binder_.AddHandler(name, TNotifyEvent([this, method](TObject* s) { (static_cast<C*>(this)->*method)(s); }));
    }
    template <class C>
    void Handler(const char* name, void (C::*method)(TObject*, char&)) {
        binder_.AddHandler(name, TKeyPressEvent([this, method](TObject* s, char& k) { (static_cast<C*>(this)->*method)(s, k); }));
    }
    template <class C>
    void Handler(const char* name, void (C::*method)(TObject*, bool&)) {
        binder_.AddHandler(name, TCloseQueryEvent([this, method](TObject* s, bool& b) { (static_cast<C*>(this)->*method)(s, b); }));
    }
    template <class C>
    void Handler(const char* name, void (C::*method)(TObject*, TCloseAction&)) {
        binder_.AddHandler(name, TCloseEvent([this, method](TObject* s, TCloseAction& a) { (static_cast<C*>(this)->*method)(s, a); }));
    }
    template <class C>
    void Handler(const char* name, void (C::*method)(TObject*, int, int, bool&)) {
        binder_.AddHandler(name, TSelectCellEvent([this, method](TObject* s, int c, int r, bool& ok) {
            (static_cast<C*>(this)->*method)(s, c, r, ok);
        }));
    }
    // Builds every component of the definition stored under resourceName.
    void Load(const char* resourceName);
    // The same from the text of a definition.
    void LoadText(const std::string& utf8Definition);

    WindowSpec Spec() const override;
    void CreateHandle() override;
    // Every form but the main window is owned by it: it stays above the main window and
    // has no taskbar button of its own.
    HWND OwnerHandle() const override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    class ModalRun;
    FormBinder binder_;
    TMainMenu* menu_ = nullptr;
    HWND tooltip_ = nullptr;
    bool modal_ = false;
    bool shownOnce_ = false;
    int clientWidth_ = -1, clientHeight_ = -1;
    HWND focused_ = nullptr;  // the control that had the focus when the form was last active

    void LoadDefinition(const struct ObjectDefinition& def);
    void LoadChild(const struct ObjectDefinition& def, TComponent* container);
    void PlaceOnFirstShow();
    void FollowSystemBounds();
    void KeepClientSizeWithMenu();
    void PressButton(TControl* button);
    void RememberFocus();
    bool RestoreFocus();
};
