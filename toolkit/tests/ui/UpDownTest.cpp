// Up-downs with their edits: the position kept within the range, the edit showing it,
// what the operator types or steps with the arrow keys, and no change reports for code.
#include <gtest/gtest.h>
#include <string>
#include "Edit.h"
#include "Form.h"
#include "GroupBox.h"
#include "UpDown.h"

namespace {

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

class TSpinForm : public TForm {
public:
    TEdit* EditDeadband = nullptr;
    TUpDown* UpDownDeadband = nullptr;
    int changes = 0;

    TSpinForm() {
        Field(EditDeadband, "EditDeadband");
        Field(UpDownDeadband, "UpDownDeadband");
        Handler("EditDeadbandChange", &TSpinForm::EditDeadbandChange);
        LoadText(Utf8(u8R"(
object SpinForm: TSpinForm
  ClientWidth = 400
  ClientHeight = 200
  object Group: TGroupBox
    Left = 24
    Top = 23
    Width = 313
    Height = 65
    Caption = 'Период'
    object EditDeadband: TEdit
      Left = 192
      Top = 32
      Width = 57
      Height = 21
      Text = '1'
      OnChange = EditDeadbandChange
    end
    object UpDownDeadband: TUpDown
      Left = 249
      Top = 32
      Width = 24
      Height = 21
      Associate = EditDeadband
      Min = 0
      Max = 5000
      Increment = 100
      Position = 200
    end
  end
end
)"));
    }
    void EditDeadbandChange(TObject*) { ++changes; }
};

// The operator replaces the edit's text by typing.
void Type(TEdit* edit, const wchar_t* text) {
    SendMessageW(edit->Handle(), EM_SETSEL, 0, -1);
    SendMessageW(edit->Handle(), WM_CHAR, VK_BACK, 1);
    for (const wchar_t* c = text; *c; ++c) SendMessageW(edit->Handle(), WM_CHAR, *c, 1);
}

void PressKey(HWND window, WPARAM key) {
    SendMessageW(window, WM_KEYDOWN, key, 1);
    SendMessageW(window, WM_KEYUP, key, 0xC0000001);
}

TEST(UpDown, IsTiedToItsEditWhichShowsThePositionAndKeepsItsPlace) {
    TSpinForm form;
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(form.UpDownDeadband->Handle(), UDM_GETBUDDY, 0, 0)),
              form.EditDeadband->Handle());
    EXPECT_EQ(form.UpDownDeadband->Position(), 200);
    EXPECT_EQ(form.EditDeadband->Text(), "200");
    RECT edit, arrows;
    GetWindowRect(form.EditDeadband->Handle(), &edit);
    GetWindowRect(form.UpDownDeadband->Handle(), &arrows);
    EXPECT_EQ(edit.right - edit.left, 57);
    EXPECT_EQ(arrows.left, edit.right);
    EXPECT_EQ(form.changes, 0);
}

TEST(UpDown, APositionOutsideTheRangeBecomesTheNearerLimit) {
    TSpinForm form;
    struct Case {
        int min, max, set, position;
        const char* shown;
    } cases[] = {
        {0, 5000, 4464, 4464, "4464"},  // no thousands separator
        {0, 5000, -5, 0, "0"},         {0, 5000, 5000, 5000, "5000"}, {0, 1000, 1500, 1000, "1000"},
        {1, 255, 0, 1, "1"},           {7, 1000, 50, 50, "50"},       {1, 300, -1, 1, "1"},
    };
    for (const auto& c : cases) {
        form.UpDownDeadband->SetRange(c.min, c.max);
        form.UpDownDeadband->SetPosition(c.set);
        EXPECT_EQ(form.UpDownDeadband->Position(), c.position) << c.set;
        EXPECT_EQ(SendMessageW(form.UpDownDeadband->Handle(), UDM_GETPOS32, 0, 0), c.position) << c.set;
        EXPECT_EQ(form.EditDeadband->Text(), c.shown) << c.set;
    }
    EXPECT_EQ(form.changes, 0);
}

TEST(UpDown, ThePositionFollowsWhatTheOperatorTypes) {
    TSpinForm form;
    Type(form.EditDeadband, L"250");
    EXPECT_EQ(form.EditDeadband->Text(), "250");
    EXPECT_EQ(form.UpDownDeadband->Position(), 250);
    EXPECT_GT(form.changes, 0);
    Type(form.EditDeadband, L"abc");
    EXPECT_EQ(form.UpDownDeadband->Position(), 250);
    Type(form.EditDeadband, L"9999");  // beyond Max: the last valid position stays
    EXPECT_EQ(form.UpDownDeadband->Position(), 250);
    Type(form.EditDeadband, L"5000");
    EXPECT_EQ(form.UpDownDeadband->Position(), 5000);
}

TEST(UpDown, ArrowKeysStepByTheIncrementAndStopAtTheLimits) {
    TSpinForm form;
    HWND edit = form.EditDeadband->Handle();
    PressKey(edit, VK_UP);
    EXPECT_EQ(form.UpDownDeadband->Position(), 300);
    EXPECT_EQ(form.EditDeadband->Text(), "300");
    PressKey(edit, VK_DOWN);
    PressKey(edit, VK_DOWN);
    PressKey(edit, VK_DOWN);
    PressKey(edit, VK_DOWN);
    EXPECT_EQ(form.UpDownDeadband->Position(), 0);
    form.UpDownDeadband->SetPosition(4950);
    PressKey(edit, VK_UP);
    EXPECT_EQ(form.UpDownDeadband->Position(), 5000);
    EXPECT_EQ(form.EditDeadband->Text(), "5000");
}

}  // namespace
