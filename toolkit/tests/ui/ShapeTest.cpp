// Shapes: a figure painted in the brush colour, its name as window text, its hint as a
// tooltip of the form.
#include <gtest/gtest.h>
#include <string>
#include "Form.h"
#include "OffscreenBitmap.h"
#include "Shape.h"

namespace {

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

class TShapeForm : public TForm {
public:
    TShape* ShapeDorn = nullptr;
    TShape* Round = nullptr;
    TShapeForm() {
        Field(ShapeDorn, "ShapeDorn");
        Field(Round, "Round");
        LoadText(Utf8(u8R"(
object ShapeForm: TShapeForm
  Color = clWhite
  object ShapeDorn: TShape
    Left = 528
    Top = 304
    Width = 25
    Height = 12
    Brush.Color = clGray
    Hint = 'Контроль программы Dorn 4'
    ShowHint = True
  end
  object Round: TShape
    Left = 8
    Top = 8
    Width = 40
    Height = 40
    Shape = stEllipse
    Brush.Color = clRed
    Caption = 'Индикатор'
  end
end
)"));
    }
};

std::wstring Text(HWND window) {
    wchar_t text[128] = L"";
    GetWindowTextW(window, text, 128);
    return text;
}

struct TooltipSearch {
    HWND owner, found = nullptr;
};

BOOL CALLBACK FindTooltip(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<TooltipSearch*>(data);
    wchar_t name[64];
    GetClassNameW(window, name, 64);
    if (lstrcmpiW(name, TOOLTIPS_CLASSW) == 0 && GetWindow(window, GW_OWNER) == search->owner) search->found = window;
    return search->found == nullptr;
}

// The form's tooltip window.
HWND TooltipOf(HWND form) {
    TooltipSearch search{form};
    EnumThreadWindows(GetCurrentThreadId(), FindTooltip, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring ToolText(HWND tooltip, HWND form, HWND control) {
    wchar_t text[256] = L"";
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = form;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text;
    SendMessageW(tooltip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
    return text;
}

TEST(Shape, PaintsItsFigureInTheBrushColourWithinAnOutline) {
    TShapeForm form;
    EXPECT_EQ(form.ShapeDorn->BrushColor(), clGray);
    OffscreenBitmap bitmap(25, 12, RGB(1, 2, 3));
    bitmap.PrintClient(form.ShapeDorn->Handle());
    EXPECT_EQ(bitmap.Pixel(12, 6), RGB(128, 128, 128));
    EXPECT_EQ(bitmap.Pixel(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(bitmap.Pixel(24, 11), RGB(0, 0, 0));

    form.ShapeDorn->SetBrushColor(0x00FF00);
    EXPECT_EQ(form.ShapeDorn->BrushColor(), clLime);
    bitmap.PrintClient(form.ShapeDorn->Handle());
    EXPECT_EQ(bitmap.Pixel(12, 6), RGB(0, 255, 0));
}

TEST(Shape, AnEllipseLeavesItsCornersToTheBackground) {
    TShapeForm form;
    OffscreenBitmap bitmap(40, 40, RGB(1, 2, 3));
    bitmap.PrintClient(form.Round->Handle());
    EXPECT_EQ(bitmap.Pixel(20, 20), RGB(255, 0, 0));
    EXPECT_EQ(bitmap.Pixel(1, 1), RGB(255, 255, 255));  // the form's colour
}

TEST(Shape, ItsWindowTextIsItsCaptionOrNameAndItsHintATooltip) {
    TShapeForm form;
    EXPECT_EQ(Text(form.ShapeDorn->Handle()), L"ShapeDorn");
    EXPECT_EQ(Text(form.Round->Handle()), L"Индикатор");
    HWND tooltip = TooltipOf(form.Handle());
    ASSERT_NE(tooltip, nullptr);
    EXPECT_EQ(ToolText(tooltip, form.Handle(), form.ShapeDorn->Handle()), L"Контроль программы Dorn 4");
    form.ShapeDorn->SetHint("Dorn4: Работает...");
    EXPECT_EQ(ToolText(tooltip, form.Handle(), form.ShapeDorn->Handle()), L"Dorn4: Работает...");
}

}  // namespace
