// Bevels: an etched frame lying beneath the controls that stand inside it.
#include <gtest/gtest.h>
#include "Bevel.h"
#include "Edit.h"
#include "Form.h"

namespace {

class TBevelForm : public TForm {
public:
    TEdit* Before = nullptr;
    TBevel* Frame = nullptr;
    TBevel* Line = nullptr;
    TEdit* After = nullptr;
    TBevelForm() {
        Field(Before, "Before");
        Field(Frame, "Frame");
        Field(Line, "Line");
        Field(After, "After");
        LoadText(R"(
object BevelForm: TBevelForm
  object Before: TEdit
    Left = 20
    Top = 20
    Width = 50
    Height = 21
  end
  object Frame: TBevel
    Left = 8
    Top = 8
    Width = 300
    Height = 200
    Shape = bsFrame
    Style = bsLowered
  end
  object Line: TBevel
    Left = 8
    Top = 220
    Width = 300
    Height = 2
    Shape = bsTopLine
  end
  object After: TEdit
    Left = 20
    Top = 60
    Width = 50
    Height = 21
  end
end
)");
    }
};

TEST(Bevel, IsAnEtchedFrameBeneathTheControlsInsideIt) {
    TBevelForm form;
    EXPECT_EQ(GetWindowLongPtrW(form.Frame->Handle(), GWL_STYLE) & SS_TYPEMASK, SS_ETCHEDFRAME);
    EXPECT_EQ(GetWindowLongPtrW(form.Line->Handle(), GWL_STYLE) & SS_TYPEMASK, SS_ETCHEDHORZ);
    // Each bevel goes beneath its siblings once the form stands, in the order of the definition.
    HWND bottom = GetWindow(form.After->Handle(), GW_HWNDLAST);
    EXPECT_EQ(bottom, form.Line->Handle());
    EXPECT_EQ(GetWindow(bottom, GW_HWNDPREV), form.Frame->Handle());
}

}  // namespace
