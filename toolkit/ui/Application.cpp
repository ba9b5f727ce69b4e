#include "Application.h"
#include <windows.h>
#include <commctrl.h>
#include <algorithm>
#include "Form.h"
#include "Unicode.h"

TApplication Application;
TScreen Screen;

TApplication::~TApplication() { DestroyForms(); }

void TApplication::Initialize() {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    AnsiString name(path, n);
    name = name.substr(name.find_last_of("\\/") + 1);
    Title = name.substr(0, name.rfind('.'));
}

void TApplication::BindPendingReference(TForm* form) {
    formList_.push_back(form);
    if (!MainForm) MainForm = form;
    if (pendingReference_) pendingReference_(form);
}

void TApplication::AddForm(std::unique_ptr<TForm> form) {
    TForm* raw = form.get();
    forms_.push_back(std::move(form));
    raw->DoCreate();
}

void TApplication::FormDestroyed(TForm* form) {
    formList_.erase(std::remove(formList_.begin(), formList_.end(), form), formList_.end());
    ModalEnded(form);
    if (MainForm == form) MainForm = nullptr;
}

void TApplication::ModalEnded(TForm* form) {
    modalForms_.erase(std::remove(modalForms_.begin(), modalForms_.end(), form), modalForms_.end());
}

void TApplication::DestroyForms() {
    while (!forms_.empty()) forms_.pop_back();
    MainForm = nullptr;
    Terminated = false;
}

void TApplication::Run() {
    if (!MainForm) return;
    MainForm->Show();
    while (!Terminated) HandleMessage();
    DestroyForms();
}

namespace {
// Tab, Enter and Esc move between and press the controls of the active form.
bool DialogKeys(MSG& msg) {
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    if (!root || !dynamic_cast<TForm*>(TControl::FromHandle(root))) return false;
    return IsDialogMessageW(root, &msg);
}

bool Dispatch(MSG& msg) {
    if (msg.message == WM_QUIT) return false;
    if (!DialogKeys(msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}
}  // namespace

void TApplication::HandleMessage() {
    MSG msg;
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0 || !Dispatch(msg)) Terminated = true;
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        if (!Dispatch(msg)) {
            Terminated = true;
            break;
        }
}

void TApplication::Terminate() {
    Terminated = true;
    PostQuitMessage(0);
}

void TApplication::SetHintHidePause(int milliseconds) {
    hintHidePause_ = milliseconds;
    for (auto& form : forms_) form->ApplyHintPause(milliseconds);
}

// The box stands over the innermost modal form while one runs, so that the form takes no
// input until the box is answered; otherwise over the active window or the main window.
HWND TApplication::MessageBoxOwner() const {
    if (!modalForms_.empty()) return modalForms_.back()->Handle();
    if (HWND active = GetActiveWindow()) return active;
    return MainForm ? MainForm->Handle() : nullptr;
}

int TApplication::MessageBox(const AnsiString& text, const AnsiString& caption, unsigned flags) {
    if (OnMessageBox) return OnMessageBox(text, caption, flags);
    return MessageBoxW(MessageBoxOwner(), ToWide(text).c_str(), ToWide(caption).c_str(), flags);
}

void TApplication::ShowException(const Exception& e) { MessageBox(e.Message, Title, MB_OK | MB_ICONSTOP); }

void TApplication::HandleException() {
    try {
        throw;
    } catch (const Exception& e) {
        ShowException(e);
    } catch (const std::exception& e) {
        ShowException(Exception(e.what()));
    } catch (...) {
        ShowException(Exception(""));
    }
}

void TApplication::RunEntry(const std::function<void()>& steps) {
    try {
        steps();
    } catch (const Exception& e) {
        ShowException(e);
    } catch (...) {
        ShowException(Exception(""));
    }
}

void ShowMessage(const AnsiString& text) { Application.MessageBox(text, Application.Title, MB_OK); }

void Beep() {
    if (Application.OnBeep) Application.OnBeep();
    else MessageBeep(0);
}

int TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }
int TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }

void TScreen::SetCursor(int cursor) {
    cursor_ = cursor;
    ::SetCursor(LoadCursorW(nullptr, cursor == crHourGlass ? MAKEINTRESOURCEW(32514) : MAKEINTRESOURCEW(32512)));
}
