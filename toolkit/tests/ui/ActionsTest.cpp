// Actions bound to buttons: the button shows the action's caption and a click runs it,
// unless the button has a handler of its own.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "Actions.h"
#include "Application.h"
#include "Button.h"
#include "Form.h"

namespace {

const std::string kDefinition = reinterpret_cast<const char*>(u8R"(
object ActionForm: TActionForm
  ClientWidth = 300
  ClientHeight = 100
  object Button1: TButton
    Left = 8
    Top = 8
    Width = 137
    Height = 36
    Action = AHide
  end
  object Button2: TButton
    Left = 150
    Top = 8
    Width = 137
    Height = 36
    Caption = 'Своя'
    Action = AHide
    OnClick = Button2Click
  end
  object ActionList1: TActionList
    object AHide: TAction
      Caption = '&Спрятать'
      Category = 'Window'
      Hint = 'Убрать окно'
      OnExecute = AHideExecute
    end
  end
end
)");

class TActionForm : public TForm {
public:
    TButton* Button1 = nullptr;
    TButton* Button2 = nullptr;
    TAction* AHide = nullptr;
    std::vector<std::string> events;

    TActionForm() {
        Field(Button1, "Button1");
        Field(Button2, "Button2");
        Field(AHide, "AHide");
        Handler("AHideExecute", &TActionForm::AHideExecute);
        Handler("Button2Click", &TActionForm::Button2Click);
        LoadText(kDefinition);
    }
    void AHideExecute(TObject* sender) { events.push_back(sender == AHide ? "hide" : "hide from elsewhere"); }
    void Button2Click(TObject*) { events.push_back("own click"); }
};

std::wstring WindowText(HWND window) {
    wchar_t text[128] = L"";
    GetWindowTextW(window, text, 128);
    return text;
}

TEST(Actions, AButtonShowsItsActionsCaptionAndAClickExecutesIt) {
    TActionForm form;
    EXPECT_EQ(WindowText(form.Button1->Handle()), L"&Спрятать");
    EXPECT_EQ(form.Button1->Hint(), "Убрать окно");
    EXPECT_EQ(form.AHide->Category, "Window");
    SendMessageW(form.Button1->Handle(), BM_CLICK, 0, 0);
    SendMessageW(form.Button2->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(form.events, (std::vector<std::string>{"hide", "own click"}));
}

TEST(Actions, ExecuteRunsOnExecuteOnlyWhileEnabled) {
    TActionForm form;
    EXPECT_TRUE(form.AHide->Execute());
    form.AHide->Enabled = false;
    EXPECT_FALSE(form.AHide->Execute());
    EXPECT_EQ(form.events, std::vector<std::string>{"hide"});
}

}  // namespace
