// Radio groups: one real button per item, the item index rules, and the operator's click.
#include <gtest/gtest.h>
#include <string>
#include "Form.h"
#include "RadioGroup.h"

namespace {

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

class TRadioForm : public TForm {
public:
    TRadioGroup* Level = nullptr;
    TRadioGroup* Type = nullptr;
    std::vector<int> clicks;

    TRadioForm() {
        Field(Level, "Level");
        Field(Type, "Type");
        Handler("LevelClick", &TRadioForm::LevelClick);
        LoadText(Utf8(u8R"(
object RadioForm: TRadioForm
  ClientWidth = 600
  ClientHeight = 400
  object Level: TRadioGroup
    Left = 8
    Top = 8
    Width = 500
    Height = 150
    Caption = 'Уровень отладочной трассировки'
    Items = ('Критическая ошибка. Невозможно продолжение работы программы', 'Ошибка', 'Предупреждение', 'Дополнительная информация', 'Отладочная информация', 'Расширенная отладочная информация')
    ItemIndex = 2
    OnClick = LevelClick
  end
  object Type: TRadioGroup
    Left = 8
    Top = 170
    Width = 300
    Height = 60
    Caption = 'Тип блока'
    Columns = 2
    Items = ('ЛОРК-М', 'ЛОРК-МЕ')
  end
end
)"));
    }
    void LevelClick(TObject*) { clicks.push_back(Level->ItemIndex()); }
};

int CheckedButton(TRadioGroup* group) {
    int checked = -1;
    for (int i = 0; i < group->Count(); ++i)
        if (SendMessageW(group->Button(i), BM_GETCHECK, 0, 0) == BST_CHECKED) {
            EXPECT_EQ(checked, -1) << "two buttons checked";
            checked = i;
        }
    return checked;
}

std::wstring Text(HWND window) {
    wchar_t text[128];
    GetWindowTextW(window, text, 128);
    return text;
}

TEST(RadioGroup, EachItemIsAButtonWindowInsideTheGroup) {
    TRadioForm form;
    EXPECT_EQ(Text(form.Level->Handle()), L"Уровень отладочной трассировки");
    ASSERT_EQ(form.Level->Count(), 6);
    EXPECT_EQ(Text(form.Level->Button(1)), L"Ошибка");
    EXPECT_EQ(GetParent(form.Level->Button(5)), form.Level->Handle());
    EXPECT_EQ(form.Level->ItemIndex(), 2);
    EXPECT_EQ(CheckedButton(form.Level), 2);
    EXPECT_EQ(CheckedButton(form.Type), -1);

    RECT first, second;
    GetWindowRect(form.Type->Button(0), &first);
    GetWindowRect(form.Type->Button(1), &second);
    EXPECT_EQ(first.top, second.top);  // two columns, side by side
    EXPECT_GT(second.left, first.right - 1);
}

TEST(RadioGroup, AnIndexBelowMinusOneGivesNoneAndOneBeyondTheItemsTheLast) {
    TRadioForm form;
    const std::pair<int, int> cases[] = {{-5, -1}, {0, 0}, {5, 5}, {6, 5}, {-1, -1}, {99, 5}, {3, 3}};
    for (auto [set, expected] : cases) {
        form.Level->SetItemIndex(set);
        EXPECT_EQ(form.Level->ItemIndex(), expected) << set;
        EXPECT_EQ(CheckedButton(form.Level), expected) << set;
    }
    EXPECT_TRUE(form.clicks.empty());

    TRadioGroup* empty = form.Type;
    empty->SetItems({});
    empty->SetItemIndex(0);
    EXPECT_EQ(empty->ItemIndex(), -1);
}

TEST(RadioGroup, TheOperatorsClickOnAButtonSelectsItsItem) {
    TRadioForm form;
    form.Level->SetItemIndex(-1);
    SendMessageW(form.Level->Button(2), BM_CLICK, 0, 0);
    EXPECT_EQ(form.Level->ItemIndex(), 2);
    EXPECT_EQ(CheckedButton(form.Level), 2);
    SendMessageW(form.Level->Button(4), BM_CLICK, 0, 0);
    EXPECT_EQ(form.Level->ItemIndex(), 4);
    EXPECT_EQ(CheckedButton(form.Level), 4);
    SendMessageW(form.Level->Button(4), BM_CLICK, 0, 0);  // already checked: no change
    SendMessageW(form.Level->Button(0), BM_CLICK, 0, 0);
    EXPECT_EQ(CheckedButton(form.Level), 0);
    EXPECT_EQ(form.clicks, (std::vector<int>{2, 4, 0}));

    SendMessageW(form.Type->Button(1), BM_CLICK, 0, 0);
    EXPECT_EQ(form.Type->ItemIndex(), 1);
}

}  // namespace
