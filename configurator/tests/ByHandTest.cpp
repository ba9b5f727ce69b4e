// The windows that open on top of the configurator's main window, driven by an operator
// at the real mouse and keyboard (the system's input queue): the unit dialog and the
// device-entry dialog opened from it, the message boxes over them, the prefix input box,
// the restart question and the wait window. The message boxes are the system's own.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <vector>
#include "Edit.h"
#include "ListBox.h"
#include "Operator.h"
#include "RadioGroup.h"
#include "SampleConfiguration.h"
#include "StringGrid.h"
#include "TestGateway.h"
#include "Timer.h"
#include "UInput.h"
#include "UnitFixture.h"
#include "UnitPr.h"
#include "Ulorkm.h"
#include "Unicode.h"
#include "WindowsRadioFocus.h"

namespace configurator_test {
namespace {

const wchar_t kMainCaption[] = L"Настройка шлюза RAX40GW";
const wchar_t kUnitCaption[] = L"Изменение настроек ЛОРК";
const wchar_t kAddCaption[] = L"Добавление записи";
const wchar_t kChangeCaption[] = L"Изменение записи";

class ByHandTest : public ConfiguratorFixture {
protected:
    void SetUp() override {
        ConfiguratorFixture::SetUp();
        Application.OnMessageBox = nullptr;  // the system's own boxes, answered by hand
        Application.Title = "rax40gwcfg";
    }

    void TearDown() override {
        ConfiguratorFixture::TearDown();
        FormInput = nullptr;
        FormPr = nullptr;
    }

    // As the program's entry starts: the main window, then the two windows that live for
    // the whole run, hidden; then the main window shows.
    TMainForm* StartOnSample() {
        dir.Write("rax40gw.conf", kSampleConfiguration);
        Start();
        Application.CreateForm(FormInput);
        Application.CreateForm(FormPr);
        MainForm->Timer->SetEnabled(false);
        MainForm->Show();
        return MainForm;
    }

    // The first unit opened with "Изменить" on the unit panel.
    static HWND OpenFirstUnit(Operator& op) {
        HWND main = op.WaitForActiveWindow(kMainCaption);
        op.Click(op.Control(main, L"Изменить"));
        return op.WaitForActiveWindow(kUnitCaption);
    }

    // The device-entry dialog opened with the unit dialog's button of that caption.
    static HWND OpenEntry(Operator& op, HWND unit, const wchar_t* button, const wchar_t* caption) {
        op.Click(op.Control(unit, button));
        return op.WaitForActiveWindow(caption);
    }

    // Tab from the type list to the address, whose text the dialog selects, and type it.
    void TypeAddress(Operator& op, const std::wstring& address) {
        op.Press(VK_TAB);
        op.Type(address);
        HWND field = FormInput->EditType->Handle();
        op.WaitUntil([&] { return op.Text(field) == address; }, "the typed address in its field");
    }

    std::vector<std::string> DeviceLines(int unit) {
        return ReadProfileSections(dir.File("voice.ini"))["VoiceDevices:" + std::to_string(unit)];
    }
};

TEST_F(ByHandTest, TheMainWindowOpensWithTheFocusOnItsFirstControl) {
    TMainForm* form = StartOnSample();
    Operator::Act([&](Operator& op) {
        op.WaitForActiveWindow(kMainCaption);
        EXPECT_EQ(op.Focus(), form->StringGrid1->Handle());
    });
}

TEST_F(ByHandTest, TypedDigitsReachTheDeviceEntryDialogAndCancelClosesIt) {
    StartOnSample();
    std::vector<std::string> before = DeviceLines(1);
    Operator::Act([&](Operator& op) {
        HWND unit = OpenFirstUnit(op);
        HWND entry = OpenEntry(op, unit, L"Добавить", kAddCaption);
        EXPECT_EQ(op.Focus(), FormInput->ComboBox1->Handle()) << "the first control in tab order";
        TypeAddress(op, L"12");
        op.Click(op.Control(entry, L"Отмена"));
        op.WaitUntilHidden(entry);
        op.WaitForActiveWindow(kUnitCaption);
        op.Click(op.Control(unit, L"Отменить"));
        op.WaitUntilHidden(unit);
        op.WaitForActiveWindow(kMainCaption);
    });
    EXPECT_EQ(DeviceLines(1), before);
    EXPECT_FALSE(MainForm->IsConfigModified());
}

TEST_F(ByHandTest, ADeviceAddedAndChangedByHandReachesVoiceIni) {
    StartOnSample();
    Operator::Act([&](Operator& op) {
        HWND unit = OpenFirstUnit(op);
        HWND entry = OpenEntry(op, unit, L"Добавить", kAddCaption);
        TypeAddress(op, L"34");
        op.Press(VK_TAB);
        op.Type(L"Вход");
        op.Press(VK_TAB);
        op.Type(L"10.0.0.5");
        HWND host = FormInput->EditIP->Handle();
        op.WaitUntil([&] { return op.Text(host) == L"10.0.0.5"; }, "the typed host in its field");
        op.Click(op.Control(entry, L"ОК"));
        op.WaitUntilHidden(entry);
        op.WaitForActiveWindow(kUnitCaption);

        // The new row is the second one; "Изменить" changes the selected row.
        HWND grid = op.ControlOfClass(unit, WC_LISTVIEWW);
        RECT row{LVIR_BOUNDS};
        SendMessageW(grid, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
        op.ClickAt(grid, {row.left + 60, (row.top + row.bottom) / 2});
        entry = OpenEntry(op, unit, L"Изменить", kChangeCaption);
        TypeAddress(op, L"56");
        op.Press(VK_RETURN);  // the default button, "ОК"
        op.WaitUntilHidden(entry);
        op.WaitForActiveWindow(kUnitCaption);
        op.Click(op.Control(unit, L"ОК"));
        op.WaitUntilHidden(unit);
        op.WaitForActiveWindow(kMainCaption);
    });
    EXPECT_EQ(DeviceLines(1), (std::vector<std::string>{"0=KEL,1,Old post,oldhost", "1=KEL,56,Вход,10.0.0.5"}));
    EXPECT_TRUE(MainForm->IsConfigModified());
}

// A refusal stands over the unit dialog, which takes no input until it is answered and
// then goes on as before.
TEST_F(ByHandTest, ARefusalOverTheUnitDialogIsAnsweredAndTheDialogGoesOn) {
    StartOnSample();
    std::vector<std::string> before = DeviceLines(1);
    Operator::Act([&](Operator& op) {
        HWND unit = OpenFirstUnit(op);
        HWND entry = OpenEntry(op, unit, L"Добавить", kAddCaption);
        TypeAddress(op, L"0");
        op.Click(op.Control(entry, L"ОК"));
        HWND box = op.WaitForActiveWindow(L"rax40gwcfg");
        EXPECT_NE(op.Control(box, L"Не верно задан РАКС адрес. Запись не будет добавлена"), nullptr);
        EXPECT_FALSE(IsWindowEnabled(unit)) << "the unit dialog takes input under the box";
        EXPECT_FALSE(IsWindowVisible(entry));
        op.Press(VK_RETURN);
        op.WaitUntilHidden(box);
        op.WaitForActiveWindow(kUnitCaption);
        entry = OpenEntry(op, unit, L"Добавить", kAddCaption);
        EXPECT_EQ(op.Text(FormInput->EditType->Handle()), L"1") << "a refused address \"0\" starts afresh";
        op.Press(VK_ESCAPE);
        op.WaitUntilHidden(entry);
        op.WaitForActiveWindow(kUnitCaption);
        op.Press(VK_ESCAPE);
        op.WaitUntilHidden(unit);
        op.WaitForActiveWindow(kMainCaption);
    });
    EXPECT_EQ(DeviceLines(1), before);
}

// The extended view shows the prefix list on the network panel; a double-click on a line
// opens the input box with the line selected, and typing replaces it.
TEST_F(ByHandTest, ThePrefixInputBoxTakesTheTypedLine) {
    dir.Write("Rax40gwcfg.ini", "[CheckBoxVid]\r\nCheck=1\r\n");
    TMainForm* form = StartOnSample();
    Operator::Act([&](Operator& op) {
        HWND main = op.WaitForActiveWindow(kMainCaption);
        op.Click(op.Control(main, L"Сетевые настройки"));
        HWND list = form->ListBoxPrefixes->Handle();
        op.WaitUntil([&] { return IsWindowVisible(list) != FALSE; }, "the prefix list");
        RECT line;
        SendMessageW(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&line));
        op.DoubleClickAt(list, {line.left + 10, (line.top + line.bottom) / 2});
        HWND box = op.WaitForActiveWindow(L"Новое значение");
        EXPECT_FALSE(IsWindowEnabled(main));
        op.Type(L"0=5");
        op.Press(VK_RETURN);
        op.WaitUntilHidden(box);
        op.WaitForActiveWindow(kMainCaption);
    });
    ASSERT_GT(form->ListBoxPrefixes->Count(), 0);
    EXPECT_EQ(form->ListBoxPrefixes->Item(0), "0=5");
    EXPECT_TRUE(form->IsConfigModified());
}

// File > Open from the keyboard, and the system's open dialog over the main window
// answered by typing the file's path.
TEST_F(ByHandTest, TheOpenDialogTakesTheTypedPathAndTheFileIsLoaded) {
    dir.Write("other.conf", "[System]\r\nName=Other\r\n");
    TMainForm* form = StartOnSample();
    std::wstring path = ToWide(dir.File("other.conf"));
    Operator::Act([&](Operator& op) {
        HWND main = op.WaitForActiveWindow(kMainCaption);
        op.Press(VK_MENU);    // the menu bar, at "Файл"
        op.Press(VK_DOWN);    // its first item, "Загрузить файл конфигурации"
        op.Press(VK_RETURN);
        HWND dialog = op.WaitForActiveDialog();
        EXPECT_FALSE(IsWindowEnabled(main));
        op.Press(VK_END);
        op.Press(VK_HOME, VK_SHIFT);  // the name the dialog offers, selected
        op.Type(path);
        op.Press(VK_RETURN);
        op.WaitUntilHidden(dialog);
        op.WaitForActiveWindow(kMainCaption);
    });
    EXPECT_EQ(form->FConfigPath, dir.File("other.conf"));
    EXPECT_EQ(form->EditSystemName->Text(), "Other");
    EXPECT_TRUE(form->IsConfigModified());
}

// Another program's window, which the operator activates and leaves again.
class OtherProgramWindow {
public:
    OtherProgramWindow()
        : window_(CreateWindowExW(0, L"BUTTON", L"Другая программа", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 900, 200,
                                  100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)) {}
    ~OtherProgramWindow() { DestroyWindow(window_); }
    HWND Handle() const { return window_; }

private:
    HWND window_;
};

// The radio buttons behave as on Windows, where one that receives the focus clicks itself:
// the operator's last click left the focus on "Ошибка", a loaded file then checks another
// level, and neither the focus given back after the save dialog nor the return from
// another program's window changes it; the close saves the loaded level.
TEST_F(ByHandTest, ALoadedLogLevelSurvivesTheFocusGivenBackToTheButtonLastClicked) {
    WindowsRadioFocus windowsButtons;
    ASSERT_TRUE(windowsButtons.Active());
    dir.Write("other.conf", "[Log]\r\nSysLog Level=4\r\n");
    OtherProgramWindow other;
    TMainForm* form = StartOnSample();
    std::wstring path = ToWide(dir.File("other.conf"));
    TRadioGroup* level = form->RadioGroupLogSysLogLevel;
    Operator::Act([&](Operator& op) {
        HWND main = op.WaitForActiveWindow(kMainCaption);
        op.Click(op.Control(main, L"Журналы"));
        op.WaitUntil([&] { return IsWindowVisible(level->Button(1)) != FALSE; }, "the logging panel");
        op.Click(level->Button(1));  // "Ошибка"
        op.WaitUntil([&] { return op.Focus() == level->Button(1) && level->ItemIndex() == 1; }, "the click");

        op.Press(VK_MENU);  // File > "Загрузить файл конфигурации"
        op.Press(VK_DOWN);
        op.Press(VK_RETURN);
        HWND dialog = op.WaitForActiveDialog();
        op.Press(VK_END);
        op.Press(VK_HOME, VK_SHIFT);
        op.Type(path);
        op.Press(VK_RETURN);
        op.WaitUntilHidden(dialog);
        op.WaitForActiveWindow(kMainCaption);
        op.WaitUntil([&] { return level->ItemIndex() == 4; }, "the loaded level");

        op.Press(VK_MENU);  // File > "Сохранить файл конфигурации", then Esc
        op.Press(VK_DOWN);
        op.Press(VK_DOWN);
        op.Press(VK_RETURN);
        dialog = op.WaitForActiveDialog();
        op.Press(VK_ESCAPE);
        op.WaitUntilHidden(dialog);
        op.WaitForActiveWindow(kMainCaption);
        EXPECT_EQ(op.Focus(), level->Button(4)) << "the focus given back after the save dialog";
        EXPECT_EQ(level->ItemIndex(), 4) << "after the save dialog";

        op.Click(other.Handle());
        op.WaitForActiveWindow(L"Другая программа");
        RECT group;
        GetClientRect(level->Handle(), &group);
        op.ClickAt(level->Handle(), {group.right - 10, 4});  // the group's frame, no button
        op.WaitForActiveWindow(kMainCaption);
        EXPECT_EQ(op.Focus(), level->Button(4)) << "the focus given back after another program";
    });
    EXPECT_EQ(level->ItemIndex(), 4);
    EXPECT_GT(WindowsRadioFocus::FocusClicks(), 0) << "the focus never reached a radio button";

    Application.OnMessageBox = [](const AnsiString&, const AnsiString&, unsigned) { return IDNO; };
    form->Close();  // saves the loaded configuration; no restart
    EXPECT_NE(dir.Read("rax40gw.conf").find("SysLog Level=4\r\n"), std::string::npos) << dir.Read("rax40gw.conf");
}

// The unit dialog of a ЛОРК-МЕ unit, as on Windows: its first focus and Tab into the
// type group leave the type as it is, and OK keeps the unit a ЛОРК-МЕ with its address.
TEST_F(ByHandTest, TheUnitDialogsFocusLeavesTheUnitTypeAsItIs) {
    WindowsRadioFocus windowsButtons;
    ASSERT_TRUE(windowsButtons.Active());
    TMainForm* form = StartOnSample();
    Operator::Act([&](Operator& op) {
        HWND main = op.WaitForActiveWindow(kMainCaption);
        HWND grid = form->StringGrid1->Handle();
        RECT row{LVIR_BOUNDS};
        SendMessageW(grid, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));  // unit 2, a ЛОРК-МЕ
        op.ClickAt(grid, {row.left + 60, (row.top + row.bottom) / 2});
        op.Click(op.Control(main, L"Изменить"));
        op.WaitForActiveWindow(kUnitCaption);
        HWND unitMe = FormLorkM->RadioGroupType->Button(1);
        op.Press(VK_TAB);
        op.Press(VK_TAB);  // past "Отменить" and "ОК" into the type group
        op.WaitUntil([&] { return op.Focus() == unitMe; }, "the focus on the checked type, \"ЛОРК-МЕ\"");
        EXPECT_EQ(FormLorkM->RadioGroupType->ItemIndex(), 1);
        op.Press(VK_RETURN);  // the default button, "ОК"
        op.WaitForActiveWindow(kMainCaption);
    });
    EXPECT_EQ(form->StringGrid1->Cells(1, 2), "ЛОРК-МЕ");
    EXPECT_EQ(form->StringGrid1->Cells(3, 2), "192.168.1.201");
}

// The restart question answered by hand, and the wait window over the main window: the
// main window takes no click while the gateway restarts, so the program ends only after
// the restart.
TEST_F(ByHandTest, TheWaitWindowKeepsTheMainWindowOutOfReachUntilTheGatewayRuns) {
    TestGateway gateway;
    gateway.InstallRunning("--stop-delay-ms 2000");
    DWORD before = gateway.ProcessId();
    TMainForm* form = StartOnSample();
    Type(form->EditNetworkListenerPort, L"1721");
    Operator::Act([&](Operator& op) {
        HWND main = op.WaitForActiveWindow(kMainCaption);
        HWND close = op.Control(main, L"Закрыть");
        op.Click(close);
        HWND question = op.WaitForActiveWindow(L"Конфигурация шлюза изменена");
        op.Press(VK_RETURN);  // "Да", the first button
        op.WaitUntilHidden(question);
        HWND wait = op.WaitForActiveWindow(L"Подождите идет перезапуск службы");
        op.WaitUntil([&] { return !IsWindowEnabled(main); }, "the main window to be out of reach");
        op.Click(close);
        op.WaitUntil([&] { return !IsWindowVisible(main); }, "the main window to close");
        EXPECT_FALSE(IsWindowVisible(wait)) << "the main window closed during the restart";
        EXPECT_EQ(gateway.State(), DWORD(SERVICE_RUNNING));
    });
    EXPECT_NE(gateway.ProcessId(), before);
    EXPECT_TRUE(Application.Terminated);
    CloseWindows();  // lets go of the service before it is removed
}

}  // namespace
}  // namespace configurator_test
