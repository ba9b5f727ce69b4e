// List boxes: items kept in the order they are put in, replaced in place, the item
// height against the font, and the operator's clicks.
#include <gtest/gtest.h>
#include <string>
#include "Form.h"
#include "ListBox.h"

namespace {

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

class TListForm : public TForm {
public:
    TListBox* Processes = nullptr;
    std::vector<std::string> events;

    TListForm() {
        Field(Processes, "Processes");
        Handler("ProcessesClick", &TListForm::ProcessesClick);
        Handler("ProcessesDblClick", &TListForm::ProcessesDblClick);
        LoadText(Utf8(u8R"(
object ListForm: TListForm
  ClientWidth = 585
  ClientHeight = 300
  object Processes: TListBox
    Left = 0
    Top = 8
    Width = 585
    Height = 215
    Font.Name = 'Courier New'
    Font.Height = -13
    ItemHeight = 16
    Items = ('пятый', 'первый', 'третий')
    OnClick = ProcessesClick
    OnDblClick = ProcessesDblClick
  end
end
)"));
    }
    void ProcessesClick(TObject*) { events.push_back("click " + std::to_string(Processes->ItemIndex())); }
    void ProcessesDblClick(TObject*) { events.push_back("double-click " + std::to_string(Processes->ItemIndex())); }
};

std::vector<std::string> Items(TListBox* list) {
    std::vector<std::string> items;
    for (int i = 0; i < list->Count(); ++i) items.push_back(list->Item(i));
    return items;
}

TEST(ListBox, KeepsItemsInTheOrderTheyArePutIn) {
    TListForm form;
    TListBox* list = form.Processes;
    EXPECT_EQ(Items(list), (std::vector<std::string>{"пятый", "первый", "третий"}));
    list->AddItem("Б");
    list->AddItem("А");
    list->InsertItem(0, "ноль");
    list->DeleteItem(2);
    EXPECT_EQ(Items(list), (std::vector<std::string>{"ноль", "пятый", "третий", "Б", "А"}));
    EXPECT_THROW(list->Item(5), EStringListError);
    try {
        list->DeleteItem(7);
        ADD_FAILURE() << "deleted an item beyond the list";
    } catch (const EStringListError& e) {
        EXPECT_EQ(e.Message, "List index out of bounds (7)");
    }
    list->Clear();
    EXPECT_EQ(list->Count(), 0);
    EXPECT_EQ(list->ItemIndex(), -1);
}

TEST(ListBox, ReplacingAnItemKeepsTheSelectionWhereItWas) {
    TListForm form;
    TListBox* list = form.Processes;
    list->SetItemIndex(1);
    list->SetItem(1, "первый заново");
    list->SetItem(2, "третий заново");
    EXPECT_EQ(Items(list), (std::vector<std::string>{"пятый", "первый заново", "третий заново"}));
    EXPECT_EQ(list->ItemIndex(), 1);
    list->SetItemIndex(-1);
    list->SetItem(0, "x");
    EXPECT_EQ(list->ItemIndex(), -1);
    EXPECT_TRUE(form.events.empty());
}

TEST(ListBox, ItemsKeepTheirHeightUnderTheDefinedFont) {
    TListForm form;
    EXPECT_EQ(SendMessageW(form.Processes->Handle(), LB_GETITEMHEIGHT, 0, 0), 16);
    TFont font = form.Processes->Font;
    EXPECT_EQ(font.Name, "Courier New");
    EXPECT_EQ(font.Height, -13);
    font.Height = -20;
    form.Processes->SetFont(font);
    EXPECT_EQ(SendMessageW(form.Processes->Handle(), LB_GETITEMHEIGHT, 0, 0), 16);
}

TEST(ListBox, TheOperatorsClickAndDoubleClickReachTheirHandlers) {
    TListForm form;
    HWND list = form.Processes->Handle();
    RECT item;
    SendMessageW(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
    LPARAM at = MAKELPARAM(item.left + 5, item.top + 5);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
    SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
    EXPECT_EQ(form.Processes->ItemIndex(), 2);
    ASSERT_FALSE(form.events.empty());
    EXPECT_EQ(form.events.front(), "click 2");
    EXPECT_EQ(form.events.back(), "double-click 2");
}

}  // namespace
