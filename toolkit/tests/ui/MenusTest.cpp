// Menus built from nested items: the menu bar of the form, command numbers that reach
// the items, check marks that toggle themselves, items bound to actions.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "Actions.h"
#include "Application.h"
#include "Form.h"
#include "Menus.h"

namespace {

const std::string kDefinition = reinterpret_cast<const char*>(u8R"(
object MenuForm: TMenuForm
  ClientWidth = 300
  ClientHeight = 200
  object MainMenu1: TMainMenu
    object mFile: TMenuItem
      Caption = '&Файл'
      object mOpen: TMenuItem
        Caption = '&Загрузить'
        Bitmap = 'TEST_GLYPH'
        OnClick = mOpenClick
      end
      object N5: TMenuItem
        Caption = '-'
      end
      object mHide: TMenuItem
        Action = AHide
      end
    end
    object mView: TMenuItem
      Caption = 'Вид'
      object mExtended: TMenuItem
        Caption = 'Расширенный'
        AutoCheck = True
        OnClick = mExtendedClick
      end
    end
  end
  object PopupMenuTray: TPopupMenu
    object pmShow: TMenuItem
      Action = AHide
    end
    object N1: TMenuItem
      Caption = '-'
    end
  end
  object ActionList1: TActionList
    object AHide: TAction
      Caption = '&Спрятать'
      Category = 'Window'
      OnExecute = AHideExecute
    end
  end
end
)");

class TMenuForm : public TForm {
public:
    TMainMenu* MainMenu1 = nullptr;
    TPopupMenu* PopupMenuTray = nullptr;
    TMenuItem* mOpen = nullptr;
    TMenuItem* mHide = nullptr;
    TMenuItem* mExtended = nullptr;
    std::vector<std::string> events;

    TMenuForm() {
        Field(MainMenu1, "MainMenu1");
        Field(PopupMenuTray, "PopupMenuTray");
        Field(mOpen, "mOpen");
        Field(mHide, "mHide");
        Field(mExtended, "mExtended");
        Handler("mOpenClick", &TMenuForm::mOpenClick);
        Handler("mExtendedClick", &TMenuForm::mExtendedClick);
        Handler("AHideExecute", &TMenuForm::AHideExecute);
        LoadText(kDefinition);
    }
    void mOpenClick(TObject*) { events.push_back("open"); }
    void mExtendedClick(TObject*) {
        bool shown = GetMenuState(MainMenu1->Handle(), mExtended->Command(), MF_BYCOMMAND) & MF_CHECKED;
        events.push_back(std::string("extended ") + (mExtended->Checked() ? "checked" : "unchecked") +
                         (shown ? " shown" : " not shown"));
    }
    void AHideExecute(TObject*) { events.push_back("hide"); }

    // The operator chooses the item: its menu sends the form the item's command.
    void Choose(TMenuItem* item) { SendMessageW(Handle(), WM_COMMAND, MAKEWPARAM(item->Command(), 0), 0); }
};

std::wstring MenuText(HMENU menu, int position) {
    wchar_t text[128] = L"";
    GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
    return text;
}

struct MenusTest : testing::Test {
    TMenuForm form;
};

TEST_F(MenusTest, TheMainMenuIsTheFormsMenuBarWithItsItemsInOrder) {
    HMENU bar = GetMenu(form.Handle());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar, form.MainMenu1->Handle());
    EXPECT_EQ(form.Menu(), form.MainMenu1);
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    EXPECT_EQ(MenuText(bar, 0), L"&Файл");
    EXPECT_EQ(MenuText(bar, 1), L"Вид");

    HMENU file = GetSubMenu(bar, 0);
    ASSERT_EQ(GetMenuItemCount(file), 3);
    EXPECT_EQ(MenuText(file, 0), L"&Загрузить");
    EXPECT_EQ(MenuText(file, 2), L"&Спрятать");  // the action's caption
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_BITMAP | MIIM_ID;
    GetMenuItemInfoW(file, 1, TRUE, &info);
    EXPECT_TRUE(info.fType & MFT_SEPARATOR);
    GetMenuItemInfoW(file, 0, TRUE, &info);
    EXPECT_NE(info.hbmpItem, nullptr);
    EXPECT_EQ(info.wID, form.mOpen->Command());
}

TEST_F(MenusTest, ChoosingAnItemRunsItsHandlerOrElseItsAction) {
    form.Choose(form.mOpen);
    form.Choose(form.mHide);
    EXPECT_EQ(form.events, (std::vector<std::string>{"open", "hide"}));
}

TEST_F(MenusTest, AnAutoCheckItemTogglesItsCheckMarkBeforeOnClick) {
    form.Choose(form.mExtended);
    form.Choose(form.mExtended);
    EXPECT_EQ(form.events, (std::vector<std::string>{"extended checked shown", "extended unchecked not shown"}));
}

TEST_F(MenusTest, ADisabledOrHiddenItemDoesNothing) {
    form.mOpen->SetEnabled(false);
    form.Choose(form.mOpen);
    EXPECT_TRUE(GetMenuState(form.MainMenu1->Handle(), form.mOpen->Command(), MF_BYCOMMAND) & MF_GRAYED);
    form.mOpen->SetVisible(false);
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(GetMenu(form.Handle()), 0)), 2);
    EXPECT_TRUE(form.events.empty());
}

TEST_F(MenusTest, APopupMenuHoldsItsItems) {
    HMENU popup = form.PopupMenuTray->Handle();
    ASSERT_NE(popup, nullptr);
    ASSERT_EQ(GetMenuItemCount(popup), 2);
    EXPECT_EQ(MenuText(popup, 0), L"&Спрятать");
}

}  // namespace
