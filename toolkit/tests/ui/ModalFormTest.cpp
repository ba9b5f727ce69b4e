// Modal forms as an operator meets them, with the mouse and keyboard through the
// system's input queue: a modal form takes input and leaves the windows beneath it out
// of reach until it closes, also when it is one opened from another modal form, and
// the keyboard focus is where typing should go.
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include "Application.h"
#include "Button.h"
#include "Edit.h"
#include "Form.h"
#include "Operator.h"

namespace {

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// The window the dialogs open over: its button opens the outer dialog.
const std::string kUnder = Utf8(u8R"(
object Under: TTestForm
  Caption = 'Окно под диалогами'
  Left = 20
  Top = 20
  ClientWidth = 300
  ClientHeight = 200
  object Open: TButton
    Left = 20
    Top = 150
    Width = 120
    Height = 30
    Caption = 'Открыть'
    OnClick = Clicked
  end
end
)");

// Opened modally from the window under it; its first button opens the inner dialog.
const std::string kOuter = Utf8(u8R"(
object Outer: TTestForm
  Caption = 'Внешний диалог'
  BorderStyle = bsDialog
  Left = 360
  Top = 20
  ClientWidth = 300
  ClientHeight = 200
  object Nested: TButton
    Left = 20
    Top = 20
    Width = 120
    Height = 30
    Caption = 'Вложенный'
    OnClick = Clicked
  end
  object Notice: TButton
    Left = 20
    Top = 60
    Width = 120
    Height = 30
    Caption = 'Сообщение'
    OnClick = Noticed
  end
  object OuterOk: TButton
    Left = 20
    Top = 150
    Width = 120
    Height = 30
    Caption = 'Готово'
    ModalResult = mrOk
  end
end
)");

// Created at the start and kept hidden until the outer dialog opens it modally. The
// label and the hidden and disabled edits cannot take the focus: the address can.
const std::string kInner = Utf8(u8R"(
object Inner: TTestForm
  Caption = 'Внутренний диалог'
  BorderStyle = bsDialog
  Left = 360
  Top = 300
  ClientWidth = 300
  ClientHeight = 200
  object Prompt: TLabel
    Left = 20
    Top = 10
    Width = 120
    Height = 16
    Caption = 'Адрес'
  end
  object Hidden: TEdit
    Left = 20
    Top = 30
    Width = 120
    Height = 24
    Visible = False
  end
  object Disabled: TEdit
    Left = 150
    Top = 30
    Width = 120
    Height = 24
    Enabled = False
  end
  object Address: TEdit
    Left = 20
    Top = 60
    Width = 120
    Height = 24
  end
  object Name: TEdit
    Left = 20
    Top = 90
    Width = 120
    Height = 24
  end
  object InnerOk: TButton
    Left = 20
    Top = 150
    Width = 120
    Height = 30
    Caption = 'Принять'
    Default = True
    ModalResult = mrOk
  end
  object InnerCancel: TButton
    Left = 160
    Top = 150
    Width = 120
    Height = 30
    Caption = 'Отказ'
    Cancel = True
    ModalResult = mrCancel
    OnClick = Clicked
  end
end
)");

// A form of the definitions above; what its buttons do is set by each test.
class TTestForm : public TForm {
public:
    std::function<void()> OnClicked, OnNoticed;

    explicit TTestForm(const std::string& definition) {
        Handler("Clicked", &TTestForm::Clicked);
        Handler("Noticed", &TTestForm::Noticed);
        LoadText(definition);
    }
    TEdit* Edit(const char* name) {
        for (auto& c : Components)
            if (c->Name == name) return dynamic_cast<TEdit*>(c.get());
        return nullptr;
    }

private:
    void Clicked(TObject*) {
        if (OnClicked) OnClicked();
    }
    void Noticed(TObject*) {
        if (OnNoticed) OnNoticed();
    }
};

struct ModalFormTest : testing::Test {
    // As a program creates them: the hidden inner dialog lives from the start.
    TTestForm under{kUnder};
    TTestForm inner{kInner};
    TTestForm outer{kOuter};
    int outerResult = -1, innerResult = -1;

    void SetUp() override {
        Application.Title = "Проверка";
        under.OnClicked = [this] { outerResult = outer.ShowModal(); };
        outer.OnClicked = [this] { innerResult = inner.ShowModal(); };
        under.Show();
    }
    void TearDown() override {
        Application.Terminated = false;
        MSG quit;
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
};

TEST_F(ModalFormTest, AHiddenFormOpenedFromAModalFormTakesTheKeyboardAndTheMouse) {
    HWND address = inner.Edit("Address")->Handle();
    Operator::Act([&](Operator& op) {
        HWND underWindow = op.WaitForActiveWindow(L"Окно под диалогами");
        op.Click(op.Control(underWindow, L"Открыть"));
        HWND outerWindow = op.WaitForActiveWindow(L"Внешний диалог");
        op.Click(op.Control(outerWindow, L"Вложенный"));
        HWND innerWindow = op.WaitForActiveWindow(L"Внутренний диалог");
        EXPECT_EQ(op.Focus(), address) << "the first control in tab order that can take the focus";
        op.Type(L"42");
        op.WaitUntil([&] { return op.Text(address) == L"42"; }, "the typed digits in the address field");
        op.Click(op.Control(innerWindow, L"Принять"));
        op.WaitUntilHidden(innerWindow);
        op.WaitForActiveWindow(L"Внешний диалог");
        EXPECT_EQ(op.Focus(), op.Control(outerWindow, L"Вложенный")) << "the focus comes back where it was";
        op.Click(op.Control(outerWindow, L"Готово"));
        op.WaitUntilHidden(outerWindow);
        op.WaitForActiveWindow(L"Окно под диалогами");
    });
    EXPECT_EQ(innerResult, mrOk);
    EXPECT_EQ(outerResult, mrOk);
    EXPECT_EQ(inner.Edit("Address")->Text(), "42");
    for (TForm* form : {static_cast<TForm*>(&under), static_cast<TForm*>(&outer), static_cast<TForm*>(&inner)})
        EXPECT_TRUE(IsWindowEnabled(form->Handle())) << form->Name;
}

// While a modal form runs, the windows beneath it take no click; Esc closes the inner
// dialog with its cancel button, and each window beneath comes back as it was: one that
// was disabled before stays disabled.
TEST_F(ModalFormTest, TheWindowsBeneathTakeNoInputAndComeBackAsTheyWere) {
    TTestForm aside{kUnder};
    aside.SetCaption("Отключённое окно");
    aside.SetBounds(20, 300, 300, 200);
    aside.Show();
    aside.SetEnabled(false);
    SetForegroundWindow(under.Handle());
    int underClicks = 0, cancels = 0;
    int outerResultUnderInner = -1;  // what the outer dialog was told while the inner one ran
    under.OnClicked = [&] {
        if (++underClicks == 1) outerResult = outer.ShowModal();
    };
    outer.OnClicked = [&] {
        innerResult = inner.ShowModal();
        outerResultUnderInner = outer.ModalResult;
    };
    inner.OnClicked = [&] { ++cancels; };
    Operator::Act([&](Operator& op) {
        HWND underWindow = op.WaitForActiveWindow(L"Окно под диалогами");
        op.Click(op.Control(underWindow, L"Открыть"));
        HWND outerWindow = op.WaitForActiveWindow(L"Внешний диалог");
        op.Click(op.Control(outerWindow, L"Вложенный"));
        HWND innerWindow = op.WaitForActiveWindow(L"Внутренний диалог");
        op.Click(op.Control(underWindow, L"Открыть"));
        op.Click(op.Control(outerWindow, L"Готово"));
        op.Type(L"7");
        op.WaitUntil([&] { return op.Text(inner.Edit("Address")->Handle()) == L"7"; }, "the typed digit");
        EXPECT_EQ(op.ActiveWindow(), innerWindow);
        op.Press(VK_ESCAPE);
        op.WaitUntilHidden(innerWindow);
        op.WaitForActiveWindow(L"Внешний диалог");
        op.Press(VK_TAB);
        op.Press(VK_TAB);  // to the outer dialog's "Готово"
        op.Press(VK_SPACE);
        op.WaitUntilHidden(outerWindow);
        op.WaitForActiveWindow(L"Окно под диалогами");
    });
    EXPECT_EQ(underClicks, 1) << "the window beneath took a click";
    EXPECT_EQ(cancels, 1);
    EXPECT_EQ(outerResultUnderInner, mrNone) << "a click on the outer dialog beneath reached its \"Готово\"";
    EXPECT_EQ(innerResult, mrCancel);
    EXPECT_EQ(outerResult, mrOk);
    EXPECT_TRUE(IsWindowEnabled(under.Handle()));
    EXPECT_FALSE(IsWindowEnabled(aside.Handle())) << "a window disabled before the modal forms came back enabled";
}

// A message box over a modal form stands over it: the form takes no input until the box
// is answered, and then it has the focus again, while the window beneath stays out of
// reach.
TEST_F(ModalFormTest, AMessageBoxOverAModalFormKeepsItOutOfReachUntilAnswered) {
    bool outerEnabledUnderBox = true, underEnabledUnderBox = true;
    int outerResultUnderBox = -1;  // what the dialog was told while the box stood over it
    outer.OnNoticed = [&] {
        ShowMessage("Запись не будет добавлена");
        outerResultUnderBox = outer.ModalResult;
    };
    Operator::Act([&](Operator& op) {
        HWND underWindow = op.WaitForActiveWindow(L"Окно под диалогами");
        op.Click(op.Control(underWindow, L"Открыть"));
        HWND outerWindow = op.WaitForActiveWindow(L"Внешний диалог");
        op.Click(op.Control(outerWindow, L"Сообщение"));
        HWND box = op.WaitForActiveWindow(L"Проверка");
        EXPECT_NE(op.Control(box, L"Запись не будет добавлена"), nullptr);
        outerEnabledUnderBox = IsWindowEnabled(outerWindow);
        underEnabledUnderBox = IsWindowEnabled(underWindow);
        op.Click(op.Control(outerWindow, L"Готово"));
        op.Press(VK_RETURN);
        op.WaitUntilHidden(box);
        op.WaitForActiveWindow(L"Внешний диалог");
        EXPECT_FALSE(IsWindowEnabled(underWindow));
        op.Click(op.Control(outerWindow, L"Готово"));
        op.WaitUntilHidden(outerWindow);
    });
    EXPECT_FALSE(outerEnabledUnderBox);
    EXPECT_FALSE(underEnabledUnderBox);
    EXPECT_EQ(outerResultUnderBox, mrNone) << "the dialog under the box took a click";
    EXPECT_EQ(outerResult, mrOk);
    EXPECT_TRUE(IsWindowEnabled(under.Handle()));
}

// The program ends while two modal forms run: both loops end with Cancel and every
// window they took out of reach is enabled again.
TEST_F(ModalFormTest, TheEndOfTheProgramInsideNestedModalFormsEnablesTheWindowsAgain) {
    inner.OnClicked = [] { Application.Terminate(); };
    Operator::Act([&](Operator& op) {
        HWND underWindow = op.WaitForActiveWindow(L"Окно под диалогами");
        op.Click(op.Control(underWindow, L"Открыть"));
        HWND outerWindow = op.WaitForActiveWindow(L"Внешний диалог");
        op.Click(op.Control(outerWindow, L"Вложенный"));
        HWND innerWindow = op.WaitForActiveWindow(L"Внутренний диалог");
        op.Click(op.Control(innerWindow, L"Отказ"));
        op.WaitUntilHidden(innerWindow);
        op.WaitUntilHidden(outerWindow);
    });
    EXPECT_EQ(innerResult, mrCancel);
    EXPECT_EQ(outerResult, mrCancel);
    for (TForm* form : {static_cast<TForm*>(&under), static_cast<TForm*>(&outer), static_cast<TForm*>(&inner)})
        EXPECT_TRUE(IsWindowEnabled(form->Handle())) << form->Name;
}

HWND Owner(HWND window) { return GetWindow(window, GW_OWNER); }

// A form is owned by the main window, the first form, so it stays above it and has no
// taskbar button of its own; while it runs modally it is owned by the window it was
// opened over, and when it closes by the main window again. A dialog opened from a form
// that is then freed lives on.
TEST_F(ModalFormTest, AModalFormIsOwnedByTheWindowItWasOpenedOverWhileItRuns) {
    ASSERT_EQ(Application.MainForm, &under);
    HWND main = under.Handle();
    EXPECT_EQ(Owner(main), nullptr);
    EXPECT_NE(GetWindowLongPtrW(main, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
    EXPECT_EQ(Owner(inner.Handle()), main);
    EXPECT_EQ(Owner(outer.Handle()), main);
    EXPECT_EQ(GetWindowLongPtrW(inner.Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);

    HWND outerOwner = nullptr, innerOwner = nullptr;
    auto passing = std::make_unique<TTestForm>(kOuter);  // a dialog freed after its use
    passing->SetCaption("Временный диалог");
    HWND passingWindow = passing->Handle();
    under.OnClicked = [&] { outerResult = passing->ShowModal(); };
    passing->OnClicked = [&] { innerResult = inner.ShowModal(); };
    Operator::Act([&](Operator& op) {
        HWND underWindow = op.WaitForActiveWindow(L"Окно под диалогами");
        op.Click(op.Control(underWindow, L"Открыть"));
        op.WaitForActiveWindow(L"Временный диалог");
        outerOwner = Owner(passingWindow);
        op.Click(op.Control(passingWindow, L"Вложенный"));
        HWND innerWindow = op.WaitForActiveWindow(L"Внутренний диалог");
        innerOwner = Owner(innerWindow);
        op.Press(VK_ESCAPE);
        op.WaitUntilHidden(innerWindow);
        op.WaitForActiveWindow(L"Временный диалог");
        op.Press(VK_ESCAPE);
        op.WaitUntilHidden(passingWindow);
        op.WaitForActiveWindow(L"Окно под диалогами");
    });
    EXPECT_EQ(outerOwner, main);
    EXPECT_EQ(innerOwner, passingWindow);
    passing.reset();
    ASSERT_TRUE(IsWindow(inner.Handle())) << "the inner dialog went with the one it was opened from";
    EXPECT_EQ(Owner(inner.Handle()), main);
}

// A form that shows puts the focus on the control it names, else on its first control
// in tab order that can take it; shown again, it starts there afresh.
TEST_F(ModalFormTest, AShownFormFocusesItsNamedControlOrItsFirstReachableOne) {
    inner.Show();
    EXPECT_EQ(GetFocus(), inner.Edit("Address")->Handle());
    SetFocus(inner.Edit("Name")->Handle());
    inner.Hide();
    inner.Show();
    EXPECT_EQ(GetFocus(), inner.Edit("Address")->Handle());
    inner.Hide();

    std::string named = kInner;
    named.insert(named.find("  BorderStyle"), "  ActiveControl = Name\n");
    TTestForm withActive(named);
    withActive.Show();
    EXPECT_EQ(GetFocus(), withActive.Edit("Name")->Handle());
}

}  // namespace
