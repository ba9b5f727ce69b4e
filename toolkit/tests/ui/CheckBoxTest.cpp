// Check boxes: the operator's clicks toggle the tick and reach OnClick; code does not.
#include <gtest/gtest.h>
#include <string>
#include "CheckBox.h"
#include "Form.h"

namespace {

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

class TCheckForm : public TForm {
public:
    TCheckBox* Rts = nullptr;
    TCheckBox* LogAudio = nullptr;
    int clicks = 0;
    bool checkedWhenClicked = false;

    TCheckForm() {
        Field(Rts, "Rts");
        Field(LogAudio, "LogAudio");
        Handler("RtsClick", &TCheckForm::RtsClick);
        LoadText(Utf8(u8R"(
object CheckForm: TCheckForm
  object Rts: TCheckBox
    Left = 8
    Top = 8
    Width = 250
    Height = 17
    Caption = 'Аппаратное управление (RTS/CTS)'
    Font.Color = clRed
    OnClick = RtsClick
  end
  object LogAudio: TCheckBox
    Left = 8
    Top = 30
    Width = 250
    Height = 17
    Checked = True
  end
end
)"));
    }
    void RtsClick(TObject*) {
        ++clicks;
        checkedWhenClicked = Rts->Checked();
    }
};

bool Ticked(TCheckBox* box) { return SendMessageW(box->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

TEST(CheckBox, AClickTogglesTheTickAndReachesOnClickWithTheNewState) {
    TCheckForm form;
    SendMessageW(form.Rts->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(form.clicks, 1);
    EXPECT_TRUE(form.checkedWhenClicked);
    EXPECT_TRUE(form.Rts->Checked());
    SendMessageW(form.Rts->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(form.clicks, 2);
    EXPECT_FALSE(form.checkedWhenClicked);
    EXPECT_FALSE(Ticked(form.Rts));
}

TEST(CheckBox, TickSetByCodeOrDefinitionShowsAndFiresNothing) {
    TCheckForm form;
    EXPECT_TRUE(Ticked(form.LogAudio));
    EXPECT_TRUE(form.LogAudio->Checked());
    form.Rts->SetChecked(true);
    EXPECT_TRUE(Ticked(form.Rts));
    form.Rts->SetChecked(false);
    EXPECT_FALSE(form.Rts->Checked());
    EXPECT_EQ(form.clicks, 0);
}

TEST(CheckBox, ShowsItsCaptionInItsFontColour) {
    TCheckForm form;
    wchar_t text[64];
    GetWindowTextW(form.Rts->Handle(), text, 64);
    EXPECT_STREQ(text, L"Аппаратное управление (RTS/CTS)");
    HDC dc = CreateCompatibleDC(nullptr);
    SendMessageW(form.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(form.Rts->Handle()));
    EXPECT_EQ(GetTextColor(dc), RGB(255, 0, 0));
    DeleteDC(dc);
}

}  // namespace
