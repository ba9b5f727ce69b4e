// The main window built from the program's resources, in a temporary program directory,
// driven by the messages a user's actions send.
#include <gtest/gtest.h>
#include <windows.h>
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>
#include "ComboBox.h"
#include "ConfiguratorFixture.h"
#include "GroupBox.h"
#include "Image.h"
#include "Label.h"
#include "MemoryPicture.h"
#include "PaintBox.h"
#include "Panel.h"
#include "SpeedButton.h"
#include "StringGrid.h"
#include "TestGateway.h"

namespace {

bool HasVisibleStyle(TControl* control) {
    return (GetWindowLongPtrW(control->Handle(), GWL_STYLE) & WS_VISIBLE) != 0;
}

using MainWindowTest = configurator_test::ConfiguratorFixture;

TEST_F(MainWindowTest, EachSideButtonShowsItsPanelAloneFillingTheRoomBesideTheSidePanel) {
    TMainForm* form = Start();
    const std::vector<std::pair<TSpeedButton*, TPanel*>> cases = {
        {form->SpeedButtonNetwork, form->PanelNetwork}, {form->SpeedButtonVoice, form->PanelVoice},
        {form->SpeedButtonAdd, form->PanelAdd},         {form->SpeedButtonService, form->PanelService},
        {form->SpeedButtonLork, form->PanelLork},
    };
    const std::vector<TPanel*> panels = {form->PanelLork, form->PanelNetwork, form->PanelVoice, form->PanelAdd,
                                         form->PanelService};
    for (auto [button, panel] : cases) {
        Click(button);
        for (TPanel* other : panels) {
            EXPECT_EQ(other->Visible(), other == panel) << button->Caption() << ": " << other->Name;
            EXPECT_EQ(HasVisibleStyle(other), other == panel) << button->Caption() << ": " << other->Name;
        }
        EXPECT_EQ(panel->Align(), alClient);
        EXPECT_EQ(panel->Left(), form->Panel1->Width());
        EXPECT_EQ(panel->Width(), form->ClientWidth() - 201);
        EXPECT_EQ(panel->Top(), 0);
    }
}

// The side panel's paint box paints the gradient over its own height and width.
TEST_F(MainWindowTest, SidePanelPaintsTheGradientOverThePaintBox) {
    TMainForm* form = Start();
    int width = form->PaintBox1->Width(), height = form->PaintBox1->Height();
    ASSERT_GT(height, 520);
    ASSERT_EQ(width, 201);
    MemoryPicture picture(width, height);
    SendMessageW(form->PaintBox1->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.Dc()), PRF_CLIENT);
    EXPECT_EQ(picture.Pixel(100, 1), RGB(255, 255, 255));
    EXPECT_EQ(picture.Pixel(width - 2, 301), RGB(105, 105, 105));
    EXPECT_EQ(picture.Pixel(1, 509), RGB(1, 1, 1));
    EXPECT_EQ(picture.Pixel(100, height - 2), RGB(0, 0, 0));
    EXPECT_EQ(picture.Pixel(100, height - 1), kUntouched);
    EXPECT_EQ(picture.Pixel(width - 1, 100), kUntouched);
    EXPECT_EQ(picture.Pixel(0, 100), kUntouched);
}

TEST_F(MainWindowTest, StartsWithTheUnitPanelShown) {
    TMainForm* form = Start();
    for (TPanel* panel : {form->PanelNetwork, form->PanelVoice, form->PanelAdd, form->PanelService})
        EXPECT_FALSE(panel->Visible()) << panel->Name;
    EXPECT_TRUE(form->PanelLork->Visible());
    EXPECT_TRUE(HasVisibleStyle(form->PanelLork));
}

TEST_F(MainWindowTest, ExtendedViewMenuItemTogglesItsCheckAndThePrefixList) {
    TMainForm* form = Start();
    for (bool extended : {true, false, true}) {
        Choose(form->CheckBoxVid);
        EXPECT_EQ(form->CheckBoxVid->Checked(), extended);
        HMENU menu = GetMenu(form->Handle());  // the menu the window shows now
        EXPECT_EQ((GetMenuState(menu, form->CheckBoxVid->Command(), MF_BYCOMMAND) & MF_CHECKED) != 0, extended);
        EXPECT_EQ(form->GroupBox8->Visible(), extended);
        EXPECT_EQ(HasVisibleStyle(form->GroupBox8), extended);
        for (TGroupBox* box : {form->GroupBox3, form->GroupBox4, form->GroupBox2, form->GroupBox10}) {
            EXPECT_EQ(box->Width(), extended ? 513 : 810) << box->Name << (extended ? " extended" : " plain");
            RECT r;
            GetWindowRect(box->Handle(), &r);
            EXPECT_EQ(r.right - r.left, extended ? 513 : 810) << box->Name;
        }
    }
}

// Every road to closing asks the close query first; here it refuses, so the window stays.
TEST_F(MainWindowTest, LabelDoubleClicksExitItemAndCloseButtonAllAskTheCloseQuery) {
    TMainForm* form = Start();
    int asked = 0;
    form->OnCloseQuery = [&asked](TObject*, bool& canClose) {
        ++asked;
        canClose = false;
    };
    const std::vector<std::pair<const char*, std::function<void()>>> roads = {
        {"double-click on Тип запуска:", [&] { DoubleClick(form->Label4); }},
        {"double-click on Порт IP телефонии", [&] { DoubleClick(form->Label8); }},
        {"menu item Выход", [&] { Choose(form->mExit); }},
        {"side button Закрыть", [&] { Click(form->SpeedButtonClose); }},
    };
    for (auto& [road, act] : roads) {
        asked = 0;
        act();
        EXPECT_EQ(asked, 1) << road;
        EXPECT_FALSE(Application.Terminated) << road;
    }
}

TEST_F(MainWindowTest, DoubleClickOnStartTypeLabelClosesTheWindowAndEndsTheLoop) {
    TMainForm* form = Start();
    form->Show();
    DoubleClick(form->Label4);
    EXPECT_FALSE(form->Visible());
    EXPECT_TRUE(Application.Terminated);
}

TEST_F(MainWindowTest, WithoutTheServiceTheRunButtonIsDisabledAndNoStartTypeIsSelected) {
    TestGateway noService;  // removes any gateway service an earlier run left behind
    TMainForm* form = Start();
    EXPECT_FALSE(ServiceAvailable);
    EXPECT_FALSE(IsWindowEnabled(form->RunButton->Handle()));
    EXPECT_EQ(form->RunButton->Hint(), "Ошибка инициализации менеджера служб !");
    EXPECT_EQ(form->Label1->Caption(), "");
    EXPECT_EQ(form->Label3->Caption(), "");
    const std::vector<std::pair<AnsiString, int>> startTypes = {{"Авто", 2}, {"Вручную", 3}, {"Отключено", 4}};
    ASSERT_EQ(form->StartTypeCB->Count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(form->StartTypeCB->Item(i), startTypes[i].first);
        EXPECT_EQ(form->StartTypeCB->ItemObject(i), startTypes[i].second);
    }
    EXPECT_EQ(form->StartTypeCB->ItemIndex(), -1);
    EXPECT_EQ(SendMessageW(form->StartTypeCB->Handle(), CB_GETCURSEL, 0, 0), CB_ERR);
}

TEST_F(MainWindowTest, WithTheServiceItsStartTypeIsSelectedAndItsPathShown) {
    TestGateway gateway;
    const std::vector<std::pair<DWORD, int>> cases = {
        {SERVICE_AUTO_START, 0}, {SERVICE_DEMAND_START, 1}, {SERVICE_DISABLED, 2}};
    for (auto [startType, item] : cases) {
        gateway.Install("", startType);
        TMainForm* form = Start();
        EXPECT_TRUE(ServiceAvailable) << "start type " << startType;
        EXPECT_EQ(form->StartTypeCB->ItemIndex(), item) << "start type " << startType;
        EXPECT_NE(form->Label3->Caption().find(TestGateway::ExecutablePath()), AnsiString::npos)
            << form->Label3->Caption();
        EXPECT_TRUE(IsWindowEnabled(form->RunButton->Handle()));
        CloseWindows();
        gateway.Remove();
    }
}

TEST_F(MainWindowTest, ConstructorWritesTheGridHeaderAndLengthensTheHintPause) {
    TMainForm* form = Start();
    const char* const captions[] = {" N", " Тип блока", " Порт", " IP адрес", " Комментарий"};
    const int widths[] = {48, 81, 69, 132, 245};
    ASSERT_EQ(form->StringGrid1->ColCount(), 5);
    for (int col = 0; col < 5; ++col) {
        EXPECT_EQ(form->StringGrid1->Cells(col, 0), captions[col]);
        EXPECT_EQ(form->StringGrid1->ColWidth(col), widths[col]);
    }
    EXPECT_EQ(Application.HintHidePause(), 15000);
    EXPECT_EQ(form->FLastServiceState, -1);
    EXPECT_FALSE(form->FLoaded);
    EXPECT_FALSE(form->FModified);
}

TEST_F(MainWindowTest, MissingVoiceIniIsReportedAndNotCreated) {
    for (bool present : {false, true}) {
        notices.clear();
        DeleteFileAt(dir.File("voice.ini"));
        if (present) PutVoiceIni();
        Start();
        if (present) {
            EXPECT_TRUE(notices.empty());
        } else {
            ASSERT_EQ(notices.size(), 1u);
            EXPECT_EQ(notices[0].Text, "Не найден файл voice.ini");
            EXPECT_EQ(notices[0].Caption, Application.Title);
            EXPECT_EQ(notices[0].Flags, unsigned(MB_OK));
            EXPECT_FALSE(dir.Exists("voice.ini"));
        }
        Application.DestroyForms();
    }
}

TEST_F(MainWindowTest, ConfigurationPathIsKeptOnlyWhenTheFileIsThere) {
    TMainForm* form = Start();
    EXPECT_EQ(form->FConfigPath, "");
    Application.DestroyForms();
    dir.Write("rax40gw.conf", "[System]\r\n");
    form = Start();
    EXPECT_EQ(form->FConfigPath, dir.File("rax40gw.conf"));
    EXPECT_EQ(SettingsIniPath, dir.File("Rax40gwcfg.ini"));
}

TEST_F(MainWindowTest, PicturesComeFromTheProgramsResources) {
    TMainForm* form = Start();
    for (TSpeedButton* button : {form->SpeedButtonLork, form->SpeedButtonNetwork, form->SpeedButtonVoice,
                                 form->SpeedButtonAdd, form->SpeedButtonService, form->SpeedButtonClose,
                                 form->SpeedButton1})
        EXPECT_FALSE(button->Glyph().Empty()) << button->Name;
    const std::vector<std::tuple<TImage*, LONG, LONG>> images = {
        {form->StartImage, 20, 20}, {form->StopImage, 32, 32}, {form->Image1, 577, 264}};
    for (auto [image, width, height] : images) {
        BITMAP info{};
        ASSERT_TRUE(image->Bitmap()) << image->Name;
        GetObjectW(image->Bitmap(), sizeof(info), &info);
        EXPECT_EQ(info.bmWidth, width) << image->Name;
        EXPECT_EQ(info.bmHeight, height) << image->Name;
    }
    EXPECT_FALSE(form->StartImage->Visible());
    EXPECT_FALSE(form->StopImage->Visible());
}

}  // namespace
