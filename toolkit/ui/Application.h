#pragma once
// The application object: message loop, forms, message boxes and the exception display.
#include <windows.h>
#undef MessageBox  // the application's own MessageBox, not the system macro
#include <functional>
#include <memory>
#include <vector>
#include "Exception.h"

class TForm;

class TApplication {
public:
    ~TApplication();
    void Initialize();
    // Creates a form; the reference is set before the form's constructor body runs, and
    // the first form created becomes the main window. OnCreate follows the constructor.
    template <class T>
    void CreateForm(T*& reference) {
        pendingReference_ = [&reference](TForm* form) { reference = static_cast<T*>(form); };
        std::unique_ptr<T> form;
        try {
            form.reset(new T());
        } catch (...) {
            pendingReference_ = nullptr;
            reference = nullptr;
            throw;
        }
        pendingReference_ = nullptr;
        reference = form.get();
        AddForm(std::move(form));
    }
    // Shows the main window and runs the message loop until the main window closes;
    // then frees the forms.
    void Run();
    void ProcessMessages();
    void HandleMessage();
    void Terminate();
    bool Terminated = false;
    // Frees every form created by CreateForm, the last first.
    void DestroyForms();

    TForm* MainForm = nullptr;
    AnsiString Title;
    bool MainFormOnTaskBar = false;
    int HintHidePause() const { return hintHidePause_; }
    void SetHintHidePause(int milliseconds);

    // A Windows message box, or the test seam when one is installed. Returns the button.
    int MessageBox(const AnsiString& text, const AnsiString& caption, unsigned flags);
    // The error box: the exception's message, the title as caption.
    void ShowException(const Exception& e);
    // Shows the exception being handled; call only inside a catch block.
    void HandleException();
    // The steps of a program's entry: a toolkit exception that escapes them is shown in
    // the error box, any other as a toolkit exception with an empty message.
    void RunEntry(const std::function<void()>& steps);

    // Test seams: answer message boxes, and act in a modal form once its loop runs.
    std::function<int(const AnsiString& text, const AnsiString& caption, unsigned flags)> OnMessageBox;
    std::function<void(TForm& form)> OnModalShown;
    // Test seam: hears Beep() in place of the system's speaker.
    std::function<void()> OnBeep;

    // Used by the TForm constructor.
    void BindPendingReference(TForm* form);
    // Used by TForm::ShowModal: the modal forms running, the innermost last.
    void ModalStarted(TForm* form) { modalForms_.push_back(form); }
    void ModalEnded(TForm* form);
    const std::vector<TForm*>& Forms() const { return formList_; }
    void FormDestroyed(TForm* form);

private:
    std::vector<std::unique_ptr<TForm>> forms_;
    std::vector<TForm*> formList_;
    std::vector<TForm*> modalForms_;
    std::function<void(TForm*)> pendingReference_;
    int hintHidePause_ = 2500;

    void AddForm(std::unique_ptr<TForm> form);
    HWND MessageBoxOwner() const;
};

extern TApplication Application;

// A plain notice: the text, the application's title as caption, one OK button.
void ShowMessage(const AnsiString& text);
// The system's default beep (MessageBeep with 0), or the test seam when one is installed.
void Beep();

enum TCursor { crDefault = 0, crHourGlass = -11 };

class TScreen {
public:
    int Width() const;
    int Height() const;
    int Cursor() const { return cursor_; }
    void SetCursor(int cursor);

private:
    int cursor_ = crDefault;
};

extern TScreen Screen;
