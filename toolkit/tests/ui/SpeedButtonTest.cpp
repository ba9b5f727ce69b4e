// Speed buttons: real owner-drawn buttons whose window text is the caption, with a glyph
// drawn above or beside the caption, its see-through colour left out.
#include <gtest/gtest.h>
#include <string>
#include "Application.h"
#include "Form.h"
#include "SpeedButton.h"

namespace {

const std::string kDefinition = reinterpret_cast<const char*>(u8R"(
object SpeedForm: TSpeedForm
  ClientWidth = 400
  ClientHeight = 200
  Color = clWhite
  object SpeedButtonLork: TSpeedButton
    Left = 8
    Top = 8
    Width = 185
    Height = 113
    Caption = 'Блоки ЛОРК-М'
    Flat = True
    Glyph = 'TEST_GLYPH'
    NumGlyphs = 2
    Layout = blGlyphTop
    Font.Color = clBlack
    OnClick = SpeedButtonLorkClick
  end
  object RunButton: TSpeedButton
    Left = 200
    Top = 8
    Width = 73
    Height = 41
    Hint = 'Запустить'
    ShowHint = True
  end
end
)");

class TSpeedForm : public TForm {
public:
    TSpeedButton* SpeedButtonLork = nullptr;
    TSpeedButton* RunButton = nullptr;
    int clicks = 0;

    TSpeedForm() {
        Field(SpeedButtonLork, "SpeedButtonLork");
        Field(RunButton, "RunButton");
        Handler("SpeedButtonLorkClick", &TSpeedForm::SpeedButtonLorkClick);
        LoadText(kDefinition);
    }
    void SpeedButtonLorkClick(TObject*) { ++clicks; }
};

// The colour the button painted at a point of its client area.
COLORREF PaintedAt(HWND window, int x, int y) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC dc = GetDC(window);
    COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return color;
}

TEST(SpeedButton, IsAnOwnerDrawnButtonWhoseTextIsItsCaptionAndAClickReachesOnClick) {
    TSpeedForm form;
    HWND button = form.SpeedButtonLork->Handle();
    wchar_t text[64], className[32];
    GetWindowTextW(button, text, 64);
    GetClassNameW(button, className, 32);
    EXPECT_STREQ(text, L"Блоки ЛОРК-М");
    EXPECT_STREQ(className, L"Button");
    EXPECT_EQ(GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    SendMessageW(button, BM_CLICK, 0, 0);
    EXPECT_EQ(form.clicks, 1);
    EXPECT_EQ(form.RunButton->Caption(), "");
}

TEST(SpeedButton, DrawsItsGlyphAboveTheCaptionWithoutItsSeeThroughColour) {
    TSpeedForm form;
    form.Show();
    HWND button = form.SpeedButtonLork->Handle();
    EXPECT_EQ(form.SpeedButtonLork->Glyph().Width(), 16);
    // The 16 x 16 glyph is a green square on magenta, centred above the caption: the
    // square shows at the middle of the glyph, the button's white ground at its corner.
    RECT r;
    GetClientRect(button, &r);
    int textHeight = 13, gap = 4;
    int glyphTop = (r.bottom - (16 + gap + textHeight)) / 2;
    int glyphLeft = (r.right - 16) / 2;
    EXPECT_EQ(PaintedAt(button, glyphLeft + 8, glyphTop + 8), RGB(0, 128, 0));
    EXPECT_EQ(PaintedAt(button, glyphLeft + 1, glyphTop + 1), RGB(255, 255, 255));
}

TEST(SpeedButton, SetGlyphKeepsACopyOfTheCallersBitmap) {
    TSpeedForm form;
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), L"TEST_GLYPH", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(bitmap, nullptr);
    form.RunButton->SetGlyph(bitmap);
    DeleteObject(bitmap);
    BITMAP info{};
    ASSERT_NE(form.RunButton->Glyph().Handle(), bitmap);
    EXPECT_NE(GetObjectW(form.RunButton->Glyph().Handle(), sizeof(info), &info), 0);
    EXPECT_EQ(info.bmWidth, 32);
}

TEST(SpeedButton, AGlyphTheProgramDoesNotHaveIsRefused) {
    std::string definition = kDefinition;
    definition.replace(definition.find("TEST_GLYPH"), 10, "NO_SUCH_GLYPH");
    struct TBadForm : TForm {
        explicit TBadForm(const std::string& d) { LoadText(d); }
    };
    try {
        TBadForm form(definition);
        ADD_FAILURE() << "loaded";
    } catch (const EFormDefinitionError& e) {
        EXPECT_NE(e.Message.find("NO_SUCH_GLYPH"), std::string::npos) << e.Message;
    }
}

}  // namespace
