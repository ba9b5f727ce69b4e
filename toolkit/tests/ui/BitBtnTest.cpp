// Bit buttons: a glyph of two images beside the caption; the OK kind brings its caption,
// glyph, default role and modal result.
#include <gtest/gtest.h>
#include <string>
#include "Application.h"
#include "BitBtn.h"
#include "Form.h"

namespace {

const std::string kDefinition = reinterpret_cast<const char*>(u8R"(
object BitBtnForm: TBitBtnForm
  ClientWidth = 400
  ClientHeight = 120
  object BitBtnStop: TBitBtn
    Left = 8
    Top = 16
    Width = 153
    Height = 36
    Caption = '     Стоп'
    Glyph = 'TEST_GLYPH'
    NumGlyphs = 2
    OnClick = BitBtnStopClick
  end
  object BitBtn1: TBitBtn
    Left = 128
    Top = 70
    Width = 121
    Height = 35
    Kind = bkOK
  end
end
)");

class TBitBtnForm : public TForm {
public:
    TBitBtn* BitBtnStop = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    int stops = 0;

    TBitBtnForm() {
        Field(BitBtnStop, "BitBtnStop");
        Field(BitBtn1, "BitBtn1");
        Handler("BitBtnStopClick", &TBitBtnForm::BitBtnStopClick);
        LoadText(kDefinition);
    }
    void BitBtnStopClick(TObject*) { ++stops; }
};

struct BitBtnTest : testing::Test {
    void TearDown() override { Application.OnModalShown = nullptr; }
};

TEST_F(BitBtnTest, ShowsItsCaptionBesideAGlyphOfTwoImages) {
    TBitBtnForm form;
    wchar_t text[64];
    GetWindowTextW(form.BitBtnStop->Handle(), text, 64);
    EXPECT_STREQ(text, L"     Стоп");
    EXPECT_EQ(form.BitBtnStop->Glyph().NumGlyphs, 2);
    EXPECT_EQ(form.BitBtnStop->Glyph().Width(), 16);
    SendMessageW(form.BitBtnStop->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(form.stops, 1);
}

TEST_F(BitBtnTest, TheOkKindIsTheDefaultButtonAndClosesTheModalFormWithOk) {
    TBitBtnForm form;
    wchar_t text[64];
    GetWindowTextW(form.BitBtn1->Handle(), text, 64);
    EXPECT_STREQ(text, L"OK");
    EXPECT_FALSE(form.BitBtn1->Glyph().Empty());
    EXPECT_EQ(form.BitBtn1->Glyph().NumGlyphs, 2);
    EXPECT_EQ(form.DefaultButton, form.BitBtn1);
    // Enter in the dialog: the form receives IDOK and presses its default button.
    Application.OnModalShown = [](TForm& shown) { SendMessageW(shown.Handle(), WM_COMMAND, IDOK, 0); };
    EXPECT_EQ(form.ShowModal(), mrOk);
}

}  // namespace
