// Paint boxes and canvases: what OnPaint draws through the canvas lands in the device
// context being painted, lines without their end points, and the box lies beneath the
// other controls of its parent.
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include "Button.h"
#include "Canvas.h"
#include "Form.h"
#include "OffscreenBitmap.h"
#include "PaintBox.h"
#include "Panel.h"

namespace {

class TPaintForm : public TForm {
public:
    TPanel* Side = nullptr;
    TButton* Over = nullptr;
    TPaintBox* Box = nullptr;
    std::function<void(TCanvas*)> draw;

    TPaintForm() {
        Field(Side, "Side");
        Field(Over, "Over");
        Field(Box, "Box");
        Handler("BoxPaint", &TPaintForm::BoxPaint);
        LoadText(R"(
object PaintForm: TPaintForm
  ClientWidth = 400
  ClientHeight = 300
  object Side: TPanel
    Align = alLeft
    Width = 40
    Color = clSilver
    BevelOuter = bvNone
    object Box: TPaintBox
      Align = alClient
      OnPaint = BoxPaint
    end
    object Over: TButton
      Left = 8
      Top = 8
      Width = 20
      Height = 20
    end
  end
end
)");
    }
    void BoxPaint(TObject*) {
        if (draw) draw(Box->Canvas());
    }
};

TEST(PaintBox, LinesDrawnInOnPaintStopBeforeTheirEndPoints) {
    TPaintForm form;
    ASSERT_EQ(form.Box->Width(), 40);
    ASSERT_EQ(form.Box->Height(), 300);
    form.draw = [&](TCanvas* canvas) {
        int width = form.Box->Width();
        for (int y = 1; y <= 3; ++y) {
            canvas->Pen.Color = RGB(255 - 40 * y, 255 - 40 * y, 255 - 40 * y);
            canvas->MoveTo(1, y);
            canvas->LineTo(width - 1, y);
        }
    };
    OffscreenBitmap bitmap(40, 300, RGB(1, 2, 3));
    bitmap.PrintClient(form.Box->Handle());
    EXPECT_EQ(bitmap.Pixel(1, 1), RGB(215, 215, 215));
    EXPECT_EQ(bitmap.Pixel(38, 1), RGB(215, 215, 215));
    EXPECT_EQ(bitmap.Pixel(39, 1), RGB(192, 192, 192));  // the end point: the panel's colour
    EXPECT_EQ(bitmap.Pixel(0, 3), RGB(192, 192, 192));
    EXPECT_EQ(bitmap.Pixel(20, 3), RGB(135, 135, 135));
    EXPECT_EQ(bitmap.Pixel(20, 0), RGB(192, 192, 192));
    EXPECT_EQ(bitmap.Pixel(20, 4), RGB(192, 192, 192));
}

TEST(PaintBox, TheCanvasFillsAndWritesAndHandsTheContextBack) {
    TPaintForm form;
    HGDIOBJ penBefore = nullptr, penDuring = nullptr;
    form.draw = [&](TCanvas* canvas) {
        penBefore = GetCurrentObject(canvas->Handle(), OBJ_PEN);
        canvas->Brush.Color = clRed;
        canvas->FillRect(RECT{2, 2, 6, 6});
        canvas->Pen.Color = clBlue;
        canvas->MoveTo(0, 10);
        canvas->LineTo(10, 10);
        penDuring = GetCurrentObject(canvas->Handle(), OBJ_PEN);
        canvas->Brush.Color = clWhite;
        canvas->Font.Color = clBlack;
        canvas->TextOut(0, 20, "Ж");
    };
    OffscreenBitmap bitmap(40, 300, RGB(1, 2, 3));
    bitmap.PrintClient(form.Box->Handle());
    EXPECT_EQ(bitmap.Pixel(2, 2), RGB(255, 0, 0));
    EXPECT_EQ(bitmap.Pixel(5, 5), RGB(255, 0, 0));
    EXPECT_EQ(bitmap.Pixel(6, 6), RGB(192, 192, 192));
    EXPECT_EQ(bitmap.Pixel(9, 10), RGB(0, 0, 255));
    int inked = 0;
    for (int y = 20; y < 36; ++y)
        for (int x = 0; x < 16; ++x) inked += bitmap.Pixel(x, y) != RGB(255, 255, 255);
    EXPECT_GT(inked, 5);
    EXPECT_NE(penDuring, penBefore);
    EXPECT_EQ(GetCurrentObject(bitmap.Dc(), OBJ_PEN), penBefore);
    EXPECT_EQ(form.Box->Canvas()->Handle(), nullptr);
}

TEST(PaintBox, LiesBeneathTheOtherControlsOfItsParent) {
    TPaintForm form;
    EXPECT_EQ(GetWindow(form.Box->Handle(), GW_HWNDNEXT), nullptr);
    EXPECT_EQ(GetWindow(form.Side->Handle(), GW_CHILD), form.Over->Handle());
}

}  // namespace
