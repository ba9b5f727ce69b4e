// Paths that the system's A functions give are in the system's code page, not in the
// programs' CP1251: on a Western European system (code page 1252) a program directory
// named "Gerät" must read "Gerät" wherever the window shows a path. These tests run in a
// ctest entry of their own under the German locale (configurator/CMakeLists.txt); under
// a code page that cannot hold the name, such as 1251, they are skipped.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <dlgs.h>
#include <string>
#include <thread>
#include "ConfiguratorFixture.h"
#include "Edit.h"
#include "Label.h"
#include "Menus.h"
#include "StatusBar.h"
#include "TestGateway.h"
#include "Unicode.h"

namespace {

const wchar_t kDirectoryName[] = L"Gerät";

// The name as the A functions take it; empty when the system's code page cannot hold it.
std::string InSystemCodePage(const std::wstring& name) {
    char bytes[MAX_PATH] = {};
    BOOL lost = FALSE;
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name.c_str(), -1, bytes, MAX_PATH, nullptr, &lost);
    return lost ? "" : bytes;
}

std::wstring WindowText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

// The program runs from the directory "Gerät" inside the test's temporary directory.
class SystemCodePage : public configurator_test::ConfiguratorFixture {
protected:
    std::string programDir;      // as the A functions give it
    std::wstring programDirWide;  // as the operator must read it

    void SetUp() override {
        ConfiguratorFixture::SetUp();
        std::string name = InSystemCodePage(kDirectoryName);
        if (name.empty()) GTEST_SKIP() << "the system's code page " << GetACP() << " has no name for the directory";
        programDir = dir.Path() + name + "\\";
        programDirWide = ToWide(dir.Path()) + kDirectoryName + L"\\";  // the temporary directory is ASCII
        ASSERT_TRUE(CreateDirectoryA(programDir.c_str(), nullptr));
        SetProgramDirectoryForTests(programDir);
        Write("voice.ini", "");
    }

    void Write(const std::string& name, const std::string& bytes) {
        HANDLE file = CreateFileA((programDir + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }
};

TEST_F(SystemCodePage, StatusBarShowsTheConfigurationsPathAsItIsNamed) {
    Write("rax40gw.conf", "[System]\nName=Gateway\n");
    TMainForm* form = Start();
    ASSERT_TRUE(form->FLoaded);
    wchar_t text[512] = {};
    SendMessageW(form->StatusBar1->Handle(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(std::wstring(text), programDirWide + L"rax40gw.conf");
}

TEST_F(SystemCodePage, ServicePanelShowsTheExecutablePathAsItIsNamed) {
    TestGateway gateway;
    gateway.Install();
    std::wstring executable = programDirWide + L"testgateway.exe";
    SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    SC_HANDLE service = OpenServiceW(manager, L"RAX40 Gateway", SERVICE_ALL_ACCESS);
    ASSERT_TRUE(ChangeServiceConfigW(service, SERVICE_NO_CHANGE, SERVICE_NO_CHANGE, SERVICE_NO_CHANGE,
                                     executable.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr));
    CloseServiceHandle(service);
    CloseServiceHandle(manager);

    TMainForm* form = Start();
    EXPECT_EQ(WindowText(form->Label3->Handle()), executable);
    CloseWindows();  // lets go of the service before the gateway is removed
}

// A message is the programs' own CP1251 text: the path goes into it with every character
// that CP1251 has, and a "?" for each that it lacks, rather than a Cyrillic letter.
TEST_F(SystemCodePage, RefusedSettingsWriteNamesTheFileInTheMessage) {
    TMainForm* form = Start();
    form->Show();
    Write("Rax40gwcfg.ini", "");
    HANDLE held = CreateFileA((programDir + "Rax40gwcfg.ini").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
    CloseHandle(held);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(ToWide(notices[0].Text), L"Unable to write to " + ToWide(dir.Path()) + L"Ger?t\\Rax40gwcfg.ini");
}

// The system's own open dialog, answered the way an operator types a name and presses
// Enter: the dialog of this thread is found from another thread, its file name field
// filled and its OK pressed.
BOOL CALLBACK FindShownDialog(HWND window, LPARAM found) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (std::wstring(name) != L"#32770" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

void AnswerOpenDialog(DWORD dialogThread, const std::wstring& fileName) {
    for (int attempt = 0; attempt < 200; ++attempt) {
        HWND dialog = nullptr;
        EnumThreadWindows(dialogThread, FindShownDialog, reinterpret_cast<LPARAM>(&dialog));
        if (dialog) {
            SetDlgItemTextW(dialog, cmb13, fileName.c_str());
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            return;
        }
        Sleep(50);
    }
}

// The name chosen in the dialog is a path for the A functions: the file in "Gerät" is
// opened and loaded, not a look-alike "Gerat" or "Ger?t".
TEST_F(SystemCodePage, AFileChosenInTheOpenDialogIsOpenedByItsName) {
    Write("rax40gw.conf", "[System]\nName=Here\n");
    Write("other.conf", "[System]\nName=Other\n");
    TMainForm* form = Start();
    form->Show();
    std::thread operatorAtTheDialog(AnswerOpenDialog, GetCurrentThreadId(), programDirWide + L"other.conf");
    Choose(form->mOpen);
    operatorAtTheDialog.join();
    EXPECT_TRUE(notices.empty()) << notices.front().Text;
    EXPECT_EQ(form->FConfigPath, programDir + "other.conf");
    EXPECT_EQ(WindowText(form->EditSystemName->Handle()), L"Other");
}

}  // namespace
