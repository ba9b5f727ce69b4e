// Combo boxes: items from the definition or with attached numbers, the selection rules,
// and which selections reach the handlers.
#include <gtest/gtest.h>
#include <string>
#include "ComboBox.h"
#include "Form.h"

namespace {

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

class TComboForm : public TForm {
public:
    TComboBox* MaxCall = nullptr;
    TComboBox* StartType = nullptr;
    TComboBox* Free = nullptr;
    std::vector<std::string> events;

    TComboForm() {
        Field(MaxCall, "MaxCall");
        Field(StartType, "StartType");
        Field(Free, "Free");
        Handler("MaxCallClick", &TComboForm::MaxCallClick);
        Handler("MaxCallChange", &TComboForm::MaxCallChange);
        Handler("StartTypeClick", &TComboForm::StartTypeClick);
        LoadText(Utf8(u8R"(
object ComboForm: TComboForm
  object MaxCall: TComboBox
    Left = 8
    Top = 8
    Width = 145
    Height = 21
    Style = csDropDownList
    Items = ('Неограничено', '1', '2', '3', '4', '5', '6', '7', '8', '9', '10')
    ItemIndex = 3
    OnClick = MaxCallClick
    OnChange = MaxCallChange
  end
  object StartType: TComboBox
    Left = 8
    Top = 40
    Width = 145
    Height = 21
    OnClick = StartTypeClick
  end
  object Free: TComboBox
    Left = 8
    Top = 72
    Width = 145
    Height = 21
    Style = csDropDown
    Items = ('COM1', 'COM2')
  end
end
)"));
    }
    void MaxCallClick(TObject*) { events.push_back("click " + MaxCall->Text()); }
    void MaxCallChange(TObject*) { events.push_back("change " + MaxCall->Text()); }
    void StartTypeClick(TObject*) { events.push_back("start type " + std::to_string(StartType->ItemIndex())); }
};

// What the system does when the operator picks an item from the open list.
void Pick(TComboBox* combo, int index) {
    SendMessageW(combo->Handle(), CB_SETCURSEL, index, 0);
    SendMessageW(GetParent(combo->Handle()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo->Handle()), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo->Handle()));
}

TEST(ComboBox, TheOperatorsPickReachesOnClickAndOnChange) {
    TComboForm form;
    EXPECT_EQ(form.MaxCall->ItemIndex(), 3);
    EXPECT_EQ(form.MaxCall->Text(), "3");
    Pick(form.MaxCall, 0);
    EXPECT_EQ(form.MaxCall->ItemIndex(), 0);
    EXPECT_EQ(form.events, (std::vector<std::string>{"click Неограничено", "change Неограничено"}));
}

TEST(ComboBox, AnIndexOutsideTheItemsLeavesNoSelectionAndCodeFiresNothing) {
    TComboForm form;
    ASSERT_EQ(form.MaxCall->Count(), 11);
    struct Case {
        int set, index;
        const char* text;
    } cases[] = {{0, 0, "Неограничено"}, {10, 10, "10"}, {11, -1, ""}, {5, 5, "5"}, {-1, -1, ""}, {-2, -1, ""}, {99, -1, ""}};
    for (const auto& c : cases) {
        form.MaxCall->SetItemIndex(c.set);
        EXPECT_EQ(form.MaxCall->ItemIndex(), c.index) << c.set;
        EXPECT_EQ(SendMessageW(form.MaxCall->Handle(), CB_GETCURSEL, 0, 0), c.index) << c.set;
        EXPECT_EQ(form.MaxCall->Text(), c.text) << c.set;
    }
    EXPECT_TRUE(form.events.empty());
}

TEST(ComboBox, ItemsCarryTheirAttachedNumbers) {
    TComboForm form;
    form.StartType->AddItem("Авто", 2);
    form.StartType->AddItem("Вручную", 3);
    form.StartType->AddItem("Отключено", 4);
    EXPECT_EQ(form.StartType->ItemIndex(), -1);
    EXPECT_EQ(form.StartType->Text(), "");
    EXPECT_EQ(form.StartType->ItemObject(0), 2);
    EXPECT_EQ(form.StartType->ItemObject(2), 4);
    EXPECT_EQ(form.StartType->Item(1), "Вручную");
    Pick(form.StartType, 2);
    EXPECT_EQ(form.events, (std::vector<std::string>{"start type 2"}));
    EXPECT_EQ(form.StartType->ItemObject(form.StartType->ItemIndex()), 4);
    EXPECT_THROW(form.StartType->ItemObject(3), EStringListError);
    form.StartType->Clear();
    EXPECT_EQ(form.StartType->Count(), 0);
}

TEST(ComboBox, ADropDownHasAnEditWhoseTextIsTheText) {
    TComboForm form;
    EXPECT_EQ(GetWindowLongPtrW(form.Free->Handle(), GWL_STYLE) & 3, CBS_DROPDOWN);
    EXPECT_EQ(GetWindowLongPtrW(form.MaxCall->Handle(), GWL_STYLE) & 3, CBS_DROPDOWNLIST);
    form.Free->SetItemIndex(1);
    EXPECT_EQ(form.Free->Text(), "COM2");
    form.Free->SetText("COM7");
    EXPECT_EQ(form.Free->Text(), "COM7");
}

}  // namespace
