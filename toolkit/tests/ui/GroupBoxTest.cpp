// Group boxes: a captioned frame whose controls are its child windows and still get
// their notifications.
#include <gtest/gtest.h>
#include <string>
#include "Button.h"
#include "ComboBox.h"
#include "Form.h"
#include "GroupBox.h"

namespace {

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

class TGroupForm : public TForm {
public:
    TGroupBox* Group = nullptr;
    TButton* Inner = nullptr;
    TComboBox* Choice = nullptr;
    int clicks = 0, changes = 0;

    TGroupForm() {
        Field(Group, "Group");
        Field(Inner, "Inner");
        Field(Choice, "Choice");
        Handler("InnerClick", &TGroupForm::InnerClick);
        Handler("ChoiceChange", &TGroupForm::ChoiceChange);
        LoadText(Utf8(u8R"(
object GroupForm: TGroupForm
  ClientWidth = 300
  ClientHeight = 200
  object Group: TGroupBox
    Left = 8
    Top = 8
    Width = 233
    Height = 120
    Caption = 'Всего перезапусков шлюза'
    object Inner: TButton
      Left = 10
      Top = 20
      Width = 80
      Height = 25
      OnClick = InnerClick
    end
    object Choice: TComboBox
      Left = 10
      Top = 60
      Width = 120
      Height = 21
      Items = ('Нет', 'Да')
      OnChange = ChoiceChange
    end
  end
end
)"));
    }
    void InnerClick(TObject*) { ++clicks; }
    void ChoiceChange(TObject*) { ++changes; }
};

TEST(GroupBox, HoldsItsControlsAsChildWindowsAndPassesTheirNotificationsOn) {
    TGroupForm form;
    wchar_t text[64];
    GetWindowTextW(form.Group->Handle(), text, 64);
    EXPECT_STREQ(text, L"Всего перезапусков шлюза");
    EXPECT_EQ(GetParent(form.Inner->Handle()), form.Group->Handle());
    EXPECT_EQ(GetParent(form.Choice->Handle()), form.Group->Handle());
    EXPECT_TRUE(GetWindowLongPtrW(form.Group->Handle(), GWL_EXSTYLE) & WS_EX_CONTROLPARENT);

    SendMessageW(form.Inner->Handle(), BM_CLICK, 0, 0);
    SendMessageW(form.Choice->Handle(), CB_SETCURSEL, 1, 0);
    SendMessageW(form.Group->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(form.Choice->Handle()), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(form.Choice->Handle()));
    EXPECT_EQ(form.clicks, 1);
    EXPECT_EQ(form.changes, 1);
    EXPECT_EQ(form.Choice->Text(), "Да");
}

}  // namespace
