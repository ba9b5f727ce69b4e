// Forms built from their definitions: components, fields, handlers, layout, and the
// faults a definition can have.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "Application.h"
#include "Button.h"
#include "Edit.h"
#include "Form.h"
#include "Label.h"
#include "Panel.h"
#include "Timer.h"

namespace {

// Definitions are UTF-8 text, as in the program's resources.
const std::string kDefinition = reinterpret_cast<const char*>(u8R"(
object SampleForm: TSampleForm
  Caption = 'Проба ''формы'''
  ClientWidth = 400
  ClientHeight = 300
  OnCreate = FormCreate
  object SidePanel: TPanel
    Align = alLeft
    Width = 120
    object Title: TLabel
      Left = 8
      Top = 8
      Width = 100
      Height = 16
      Caption = 'Заголовок'
      OnDblClick = TitleDblClick
    end
  end
  object Body: TPanel
    Align = alClient
    Width = 280
    Height = 300
    object Number: TEdit
      Left = 10
      Top = 10
      Width = 100
      Height = 21
      OnKeyPress = NumberKeyPress
      OnChange = NumberChange
    end
    object Ok: TButton
      Left = 180
      Top = 260
      Width = 90
      Height = 30
      Anchors = [akRight, akBottom]
      Caption = 'ОК'
      OnClick = OkClick
    end
  end
  object Clock: TTimer
    OnTimer = ClockTimer
  end
end
)");

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

class TSampleForm : public TForm {
public:
    TPanel* SidePanel = nullptr;
    TPanel* Body = nullptr;
    TLabel* Title = nullptr;
    TEdit* Number = nullptr;
    TButton* Ok = nullptr;
    TTimer* Clock = nullptr;
    std::vector<std::string> events;

    explicit TSampleForm(const std::string& definition = kDefinition) {
        Field(SidePanel, "SidePanel");
        Field(Body, "Body");
        Field(Title, "Title");
        Field(Number, "Number");
        Field(Ok, "Ok");
        Field(Clock, "Clock");
        Handler("FormCreate", &TSampleForm::FormCreate);
        Handler("TitleDblClick", &TSampleForm::TitleDblClick);
        Handler("NumberKeyPress", &TSampleForm::NumberKeyPress);
        Handler("NumberChange", &TSampleForm::NumberChange);
        Handler("OkClick", &TSampleForm::OkClick);
        Handler("ClockTimer", &TSampleForm::ClockTimer);
        LoadText(definition);
        events.push_back("constructor");
    }
    void FormCreate(TObject*) { events.push_back("create"); }
    void TitleDblClick(TObject*) { events.push_back("title double-click"); }
    void NumberKeyPress(TObject*, char& key) {
        if ((key < '0' || key > '9') && key != 8) key = 0;
    }
    void NumberChange(TObject*) { events.push_back("change"); }
    void OkClick(TObject*) { events.push_back("ok"); }
    void ClockTimer(TObject*) {
        events.push_back("tick");
        SendMessageW(Clock->Handle(), WM_TIMER, Clock->Id(), 0);  // a nested tick is dropped
    }
};

std::wstring WindowText(HWND window) {
    wchar_t text[256];
    GetWindowTextW(window, text, 256);
    return text;
}

struct FormTest : testing::Test {
    void TearDown() override { Application.DestroyForms(); }
};

TEST_F(FormTest, CreatesEveryComponentAndRunsTheConstructorBodyBeforeOnCreate) {
    TSampleForm* form = nullptr;
    Application.CreateForm(form);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(Application.MainForm, form);
    EXPECT_EQ(form->events, (std::vector<std::string>{"constructor", "create"}));
    EXPECT_EQ(WindowText(form->Handle()), L"Проба 'формы'");
    EXPECT_EQ(WindowText(form->Title->Handle()), L"Заголовок");
    EXPECT_EQ(form->Title->Caption(), "Заголовок");
    EXPECT_EQ(GetParent(form->Title->Handle()), form->SidePanel->Handle());
    EXPECT_EQ(form->Clock->Interval(), 1000u);
    EXPECT_TRUE(form->Clock->Enabled());
}

TEST_F(FormTest, AlignsPanelsAndKeepsAnchoredControlsAtTheirEdges) {
    TSampleForm form;
    EXPECT_EQ(form.ClientWidth(), 400);
    EXPECT_EQ(form.SidePanel->Height(), 300);
    EXPECT_EQ(form.Body->Left(), 120);
    EXPECT_EQ(form.Body->Width(), 280);
    RECT outer;
    GetWindowRect(form.Handle(), &outer);
    form.SetBounds(0, 0, outer.right - outer.left + 100, outer.bottom - outer.top + 50);
    EXPECT_EQ(form.Body->Width(), 380);
    EXPECT_EQ(form.Ok->Left(), 280);  // right edge kept 10 pixels inside the panel
    EXPECT_EQ(form.Ok->Top(), 310);
}

// A panel filling the client area is declared without a size, as it gets one only from
// its alignment; a bottom panel declared after it takes room from it. Its anchored child
// keeps the margins it was given against the room the panel really has.
TEST_F(FormTest, ChildrenOfAnAlignedPanelAreAnchoredToTheRoomThePanelGets) {
    const std::string definition = reinterpret_cast<const char*>(u8R"(
object Sized: TForm
  ClientWidth = 300
  ClientHeight = 200
  object Body: TPanel
    Align = alClient
    object Grid: TPanel
      Left = 10
      Top = 10
      Width = 280
      Height = 140
      Anchors = [akLeft, akTop, akRight, akBottom]
    end
    object Corner: TPanel
      Left = 250
      Top = 130
      Width = 40
      Height = 20
      Anchors = [akRight, akBottom]
    end
  end
  object Buttons: TPanel
    Align = alBottom
    Height = 40
  end
end
)");
    struct TSizedForm : TForm {
        explicit TSizedForm(const std::string& text) { LoadText(text); }
    } form(definition);
    auto child = [&](const char* name) -> TControl* {
        for (auto& c : form.Components)
            if (c->Name == name) return dynamic_cast<TControl*>(c.get());
        return nullptr;
    };
    TControl* body = child("Body");
    TControl* grid = child("Grid");
    TControl* corner = child("Corner");
    ASSERT_TRUE(body && grid && corner);
    EXPECT_EQ(body->Height(), 160);
    // Designed against the whole 300 x 200, the grid keeps its right margin of 10 and its
    // bottom margin of 50 when the bottom panel takes 40 pixels of the height.
    EXPECT_EQ(grid->Width(), 280);
    EXPECT_EQ(grid->Height(), 100);
    EXPECT_EQ(corner->Top(), 90);

    RECT outer;
    GetWindowRect(form.Handle(), &outer);
    form.SetBounds(0, 0, outer.right - outer.left + 50, outer.bottom - outer.top + 100);
    EXPECT_EQ(grid->Width(), 330);
    EXPECT_EQ(grid->Height(), 200);
    EXPECT_EQ(corner->Left(), 300);
    EXPECT_EQ(corner->Top(), 190);
}

TEST_F(FormTest, UserActionsReachTheHandlersAndCodeChangesDoNot) {
    TSampleForm form;
    SendMessageW(form.Ok->Handle(), BM_CLICK, 0, 0);
    SendMessageW(form.Number->Handle(), WM_CHAR, L'7', 1);
    SendMessageW(form.Number->Handle(), WM_CHAR, L'ж', 1);
    SendMessageW(form.Number->Handle(), WM_CHAR, L'x', 1);
    SendMessageW(form.Title->Handle(), WM_LBUTTONDBLCLK, 0, 0);
    EXPECT_EQ(form.Number->Text(), "7");
    form.Number->SetText("123");
    EXPECT_EQ(form.Number->Text(), "123");
    EXPECT_EQ(form.events, (std::vector<std::string>{"constructor", "ok", "change", "title double-click"}));
}

TEST_F(FormTest, ATickNeverRunsInsideAnotherTick) {
    TSampleForm form;
    SendMessageW(form.Clock->Handle(), WM_TIMER, form.Clock->Id(), 0);
    EXPECT_EQ(form.events, (std::vector<std::string>{"constructor", "tick"}));
}

struct Faulty {
    const char* what;
    std::string definition;
    std::string message;
};

TEST_F(FormTest, RefusesDefinitionsThatDoNotFitTheForm) {
    auto with = [](const std::string& from, const std::string& to) {
        std::string d = kDefinition;
        d.replace(d.find(from), from.size(), to);
        return d;
    };
    const Faulty cases[] = {
        {"unknown kind", with("TButton", "TGizmo"), "unknown component kind TGizmo"},
        {"unknown property", with(Utf8(u8"Caption = 'ОК'"), "Wobble = 3"), "Ok has no property Wobble"},
        {"unknown handler", with("OnClick = OkClick", "OnClick = Missing"), "no handler Missing"},
        {"handler of another signature", with("OnClick = OkClick", "OnClick = NumberKeyPress"), "does not fit"},
        {"field without component", with("object Clock: TTimer", "object Clock2: TTimer"), "no component Clock"},
        {"field of another kind", with("object Ok: TButton", "object Ok: TLabel"), "Ok is not of the kind"},
        {"unterminated text", with(Utf8(u8"'ОК'"), Utf8(u8"'ОК")), "unterminated text"},
    };
    for (const auto& c : cases) {
        try {
            TSampleForm form(c.definition);
            ADD_FAILURE() << c.what << ": loaded";
        } catch (const EFormDefinitionError& e) {
            EXPECT_NE(e.Message.find(c.message), std::string::npos) << c.what << ": " << e.Message;
        }
    }
}

}  // namespace
