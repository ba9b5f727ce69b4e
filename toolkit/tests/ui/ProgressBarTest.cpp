// Progress bars: range, position within it, steps, and a range that cannot be.
#include <gtest/gtest.h>
#include <string>
#include "Form.h"
#include "ProgressBar.h"

namespace {

class TBarForm : public TForm {
public:
    TProgressBar* Memory = nullptr;
    TBarForm() {
        Field(Memory, "Memory");
        LoadText(R"(
object BarForm: TBarForm
  object Memory: TProgressBar
    Left = 8
    Top = 257
    Width = 569
    Height = 17
    Min = 0
    Smooth = True
    Step = 1
  end
end
)");
    }
};

TEST(ProgressBar, ShowsThePositionWithinItsRange) {
    TBarForm form;
    HWND bar = form.Memory->Handle();
    EXPECT_TRUE(GetWindowLongPtrW(bar, GWL_STYLE) & PBS_SMOOTH);
    form.Memory->SetMax(50);
    EXPECT_EQ(SendMessageW(bar, PBM_GETRANGE, FALSE, 0), 50);
    form.Memory->SetPosition(12);
    EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 12);
    form.Memory->StepIt();
    EXPECT_EQ(form.Memory->Position(), 13);
    form.Memory->SetPosition(70);
    EXPECT_EQ(form.Memory->Position(), 50);
    form.Memory->SetMax(0);
    EXPECT_EQ(form.Memory->Position(), 0);
}

TEST(ProgressBar, RefusesAMaximumBelowTheMinimum) {
    TBarForm form;
    form.Memory->SetMax(50);
    try {
        form.Memory->SetMax(-1);
        ADD_FAILURE() << "took a negative maximum";
    } catch (const ERangeError& e) {
        EXPECT_EQ(e.Message, "TProgressBar property out of range");
    }
    EXPECT_EQ(form.Memory->Max(), 50);
    EXPECT_EQ(SendMessageW(form.Memory->Handle(), PBM_GETRANGE, FALSE, 0), 50);
    EXPECT_THROW(form.Memory->SetMin(51), ERangeError);
}

}  // namespace
