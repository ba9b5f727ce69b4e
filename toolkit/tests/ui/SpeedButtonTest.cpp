// Speed buttons: real owner-drawn buttons whose window text is the caption, with a glyph
// drawn above or beside the caption, its see-through colour left out.
#include <gtest/gtest.h>
#include <string>
#include "Application.h"
#include "Form.h"
#include "OffscreenBitmap.h"
#include "Panel.h"
#include "PaintBox.h"
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

namespace {

const std::string kBackdropDefinition = reinterpret_cast<const char*>(u8R"(
object BackdropForm: TBackdropForm
  ClientWidth = 200
  ClientHeight = 200
  object Side: TPanel
    Align = alClient
    BevelOuter = bvNone
    object Backdrop: TPaintBox
      Align = alClient
      OnPaint = BackdropPaint
    end
    object Flat: TSpeedButton
      Left = 20
      Top = 30
      Width = 100
      Height = 50
      Flat = True
    end
  end
end
)");

// A paint box that paints every row in its own shade of red, below a flat button.
class TBackdropForm : public TForm {
public:
    TPaintBox* Backdrop = nullptr;
    TSpeedButton* Flat = nullptr;
    TBackdropForm() {
        Field(Backdrop, "Backdrop");
        Field(Flat, "Flat");
        Handler("BackdropPaint", &TBackdropForm::BackdropPaint);
        LoadText(kBackdropDefinition);
    }
    void BackdropPaint(TObject*) {
        for (int y = 0; y < Backdrop->Height(); ++y) {
            Backdrop->Canvas()->Pen.Color = RGB(y, 0, 0);
            Backdrop->Canvas()->MoveTo(0, y);
            Backdrop->Canvas()->LineTo(Backdrop->Width(), y);
        }
    }
};

TEST(SpeedButtonBackdrop, AFlatButtonShowsThePaintedBackdropBeneathIt) {
    TBackdropForm form;
    OffscreenBitmap picture(100, 50, RGB(0, 0, 255));
    picture.PrintClient(form.Flat->Handle());
    EXPECT_EQ(picture.Pixel(2, 0), RGB(30, 0, 0));   // backdrop row 30
    EXPECT_EQ(picture.Pixel(2, 45), RGB(75, 0, 0));  // backdrop row 75
}

}  // namespace
