// The keyboard focus and a radio group, with the operator at the real mouse and keyboard
// and the radio buttons behaving as on Windows: a button that receives the focus clicks
// itself (WindowsRadioFocus stands in for that, which Wine does not do). No focus that the
// program places itself (the first focus of a form, the focus given back when the form is
// active again) may change the choice; Tab lands on the checked button; the operator's
// click and arrow keys choose as usual.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "Application.h"
#include "Form.h"
#include "Operator.h"
#include "RadioGroup.h"
#include "WindowsRadioFocus.h"

namespace {

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// File > Загрузить sets the level from code, as a configuration loader does, and reports
// it in a message box, which takes the activation and gives it back.
const std::string kLevelForm = Utf8(u8R"(
object LevelForm: TLevelForm
  Caption = 'Журналы'
  Left = 20
  Top = 20
  ClientWidth = 560
  ClientHeight = 300
  object MainMenu1: TMainMenu
    object mFile: TMenuItem
      Caption = '&Файл'
      object mLoad: TMenuItem
        Caption = '&Загрузить'
        OnClick = LoadClick
      end
    end
  end
  object Name: TEdit
    Left = 8
    Top = 8
    Width = 200
    Height = 24
  end
  object Level: TRadioGroup
    Left = 8
    Top = 40
    Width = 540
    Height = 180
    Caption = 'Уровень протоколирования событий в системном журнале'
    Items = ('Критическая ошибка. Невозможно продолжение работы программы', 'Ошибка', 'Предупреждение', 'Дополнительная информация', 'Отладочная информация', 'Расширенная отладочная информация')
    ItemIndex = 2
    OnClick = LevelClick
  end
  object Note: TLabel
    Left = 8
    Top = 230
    Width = 200
    Height = 16
    Caption = 'Пустое место'
  end
  object Done: TButton
    Left = 8
    Top = 260
    Width = 120
    Height = 30
    Caption = 'Готово'
  end
end
)");

// A form whose first control is a radio group.
const std::string kTypeForm = Utf8(u8R"(
object TypeForm: TLevelForm
  Caption = 'Блок ЛОРК'
  Left = 20
  Top = 340
  ClientWidth = 300
  ClientHeight = 120
  object Level: TRadioGroup
    Left = 8
    Top = 8
    Width = 280
    Height = 60
    Caption = 'Тип блока'
    Columns = 2
    Items = ('ЛОРК-М', 'ЛОРК-МЕ')
    ItemIndex = 1
    OnClick = LevelClick
  end
  object Done: TButton
    Left = 8
    Top = 80
    Width = 120
    Height = 30
    Caption = 'Готово'
  end
end
)");

class TLevelForm : public TForm {
public:
    TRadioGroup* Level = nullptr;
    int LoadedLevel = 4;
    std::vector<int> choices;  // what OnClick reported

    explicit TLevelForm(const std::string& definition) {
        Field(Level, "Level");
        Handler("LoadClick", &TLevelForm::LoadClick);
        Handler("LevelClick", &TLevelForm::LevelClick);
        LoadText(definition);
    }

private:
    void LoadClick(TObject*) {
        Level->SetItemIndex(LoadedLevel);
        ShowMessage("Загружено");
    }
    void LevelClick(TObject*) { choices.push_back(Level->ItemIndex()); }
};

struct RadioGroupFocusTest : testing::Test {
    WindowsRadioFocus windowsButtons;
    TLevelForm form{kLevelForm};

    void SetUp() override {
        ASSERT_TRUE(windowsButtons.Active());
        Application.OnMessageBox = nullptr;
        Application.Title = "Проверка";
    }
    void TearDown() override {
        Application.Terminated = false;
        MSG quit;
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }

    // File > Загрузить from the keyboard, and the box it shows answered.
    void Load(Operator& op) {
        op.Press(VK_MENU);
        op.Press(VK_DOWN);
        op.Press(VK_RETURN);
        HWND box = op.WaitForActiveWindow(L"Проверка");
        op.Press(VK_RETURN);
        op.WaitUntilHidden(box);
        op.WaitForActiveWindow(L"Журналы");
    }
    HWND Button(int item) { return form.Level->Button(item); }
};

// The operator's click leaves the focus on "Ошибка"; the load checks another level, and
// the focus given back after the box, and after another window was active, goes to that
// level's button, which keeps the level.
TEST_F(RadioGroupFocusTest, TheFocusGivenBackLandsOnTheCheckedButtonAndKeepsTheChoice) {
    form.Show();
    TLevelForm other{kTypeForm};
    other.SetCaption("Другое окно");
    other.Show();
    Operator::Act([&](Operator& op) {
        HWND window = form.Handle();
        op.WaitForActiveWindow(L"Другое окно");
        op.Click(Button(1));
        op.WaitUntil([&] { return op.Focus() == Button(1); }, "the focus on \"Ошибка\"");
        op.WaitUntil([&] { return form.Level->ItemIndex() == 1; }, "the click on \"Ошибка\"");
        Load(op);
        EXPECT_EQ(op.Focus(), Button(4)) << "after the box";
        EXPECT_EQ(form.Level->ItemIndex(), 4) << "after the box";

        op.Click(op.Control(other.Handle(), L"Готово"));
        op.WaitForActiveWindow(L"Другое окно");
        op.Click(op.Control(window, L"Пустое место"));
        op.WaitForActiveWindow(L"Журналы");
        EXPECT_EQ(op.Focus(), Button(4)) << "after another window";
    });
    EXPECT_EQ(form.Level->ItemIndex(), 4);
    EXPECT_EQ(form.choices, (std::vector<int>{1})) << "only the operator's click is a choice";
    EXPECT_GT(WindowsRadioFocus::FocusClicks(), 0) << "the focus never reached a radio button";
}

// A group without a checked item takes no focus that the program places: it goes to
// the next control in tab order, and Tab passes the group by.
TEST_F(RadioGroupFocusTest, AGroupWithNothingCheckedTakesNoFocusThatTheProgramPlaces) {
    form.LoadedLevel = -1;
    form.Show();
    Operator::Act([&](Operator& op) {
        op.WaitForActiveWindow(L"Журналы");
        op.Click(Button(3));
        op.WaitUntil([&] { return form.Level->ItemIndex() == 3; }, "the click on a level");
        Load(op);
        EXPECT_EQ(op.Focus(), op.Control(form.Handle(), L"Готово"));
        op.Press(VK_TAB);  // round to the name, the first control
        op.Press(VK_TAB);
        op.WaitUntil([&] { return op.Focus() == op.Control(form.Handle(), L"Готово"); }, "Tab past the group");
    });
    EXPECT_EQ(form.Level->ItemIndex(), -1);
    EXPECT_EQ(form.choices, (std::vector<int>{3}));
}

// Tab into the group lands on the checked button; the arrow keys and a click inside it
// choose, as the operator means them to.
TEST_F(RadioGroupFocusTest, TabLandsOnTheCheckedButtonAndTheArrowKeysChoose) {
    form.Level->SetItemIndex(3);
    form.Show();
    Operator::Act([&](Operator& op) {
        op.WaitForActiveWindow(L"Журналы");
        op.Press(VK_TAB);
        op.WaitUntil([&] { return op.Focus() == Button(3); }, "Tab onto the checked level");
        op.Press(VK_DOWN);
        op.WaitUntil([&] { return form.Level->ItemIndex() == 4; }, "the arrow key's choice");
        op.Press(VK_UP);
        op.Press(VK_UP);
        op.WaitUntil([&] { return form.Level->ItemIndex() == 2; }, "the arrow keys' choice");
        op.Press(VK_TAB, VK_SHIFT);
        op.Press(VK_TAB);
        op.WaitUntil([&] { return op.Focus() == Button(2); }, "Tab back onto the new choice");
    });
    EXPECT_EQ(form.choices, (std::vector<int>{4, 3, 2}));
}

// A form whose first control is a radio group opens with the focus on the checked
// button, not on the group's first one.
TEST_F(RadioGroupFocusTest, AFormOpensWithTheFocusOnTheCheckedButtonOfItsFirstGroup) {
    TLevelForm unit{kTypeForm};
    unit.Show();
    Operator::Act([&](Operator& op) {
        op.WaitForActiveWindow(L"Блок ЛОРК");
        EXPECT_EQ(op.Focus(), unit.Level->Button(1));
    });
    EXPECT_EQ(unit.Level->ItemIndex(), 1);
    EXPECT_TRUE(unit.choices.empty());
}

}  // namespace
