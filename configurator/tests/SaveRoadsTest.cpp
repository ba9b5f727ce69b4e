// The three roads that save the configuration (closing the window, the start/stop
// button, Save As) and the modified test they depend on, driven as the operator drives
// them, with real files in a temporary program directory and the test gateway service
// of the prefix.
#include <gtest/gtest.h>
#include <windows.h>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>
#include "ConfiguratorFixture.h"
#include "Edit.h"
#include "SampleConfiguration.h"
#include "SaveRoads.h"
#include "SpeedButton.h"
#include "StringList.h"
#include "TestGateway.h"
#include "Timer.h"
#include "UnitPr.h"

namespace {

using configurator_test::Type;
using configurator_test::kSampleConfiguration;
using configurator_test::kSampleVoiceIni;
using configurator_test::SampleAsSaved;

const char kRestartCaption[] = "Конфигурация шлюза изменена";
const char kRestartQuestion[] =
    "Чтобы изменения вступили в силу, службу надо перезапустить. Перезапустить службу сейчас?\n"
    "После перезапуска службы, программа rax40gwcfg будет закрыта";
const char kHeldWarning[] =
    "Файл конфигурации шлюза rax40gw.conf открыт в другой программе. Закройте файл rax40gw.conf";

// What the operator sees while the restart runs, taken by a timer of the window thread.
struct WaitSample {
    bool waitWindowShown;
    int cursor;
    bool mainWindowEnabled;
    DWORD serviceState;
};
std::vector<WaitSample> waitSamples;
const TestGateway* sampledGateway = nullptr;

void CALLBACK TakeWaitSample(HWND, UINT, UINT_PTR, DWORD) {
    waitSamples.push_back({IsWindowVisible(FormPr->Handle()) != FALSE, Screen.Cursor(),
                           IsWindowEnabled(MainForm->Handle()) != FALSE, sampledGateway->State()});
}

class SaveRoadsTest : public configurator_test::ConfiguratorFixture {
protected:
    TestGateway gateway;  // removed after TearDown has let go of the service
    TMainForm* form = nullptr;

    // The main window and the wait window, as the program's entry creates them; the timer
    // ticks only when a test sends one.
    TMainForm* Start() override {
        form = ConfiguratorFixture::Start();
        Application.CreateForm(FormPr);
        form->Timer->SetEnabled(false);
        return form;
    }

    // Started on the sample as the program starts on its rax40gw.conf, then given the
    // sample's voice.ini.
    TMainForm* StartOnSample(const std::string& configuration = kSampleConfiguration) {
        dir.Write("rax40gw.conf", configuration);
        Start();
        dir.Write("voice.ini", kSampleVoiceIni);
        return form;
    }

    void Tick() { SendMessageW(form->Timer->Handle(), WM_TIMER, form->Timer->Id(), 0); }

    void ExpectNotice(size_t index, const std::string& text, const std::string& caption, unsigned flags) {
        ASSERT_LT(index, notices.size());
        EXPECT_EQ(notices[index].Text, text);
        EXPECT_EQ(notices[index].Caption, caption);
        EXPECT_EQ(notices[index].Flags, flags);
    }
    void ExpectRestartQuestion(size_t index) {
        ExpectNotice(index, kRestartQuestion, kRestartCaption, MB_YESNO | MB_ICONQUESTION);
    }
};

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    size_t at = text.find(from);
    return at == std::string::npos ? "<" + from + " not found>" : text.replace(at, from.size(), to);
}

bool HasLine(const std::string& file, const std::string& line) {
    return ("\r\n" + file).find("\r\n" + line + "\r\n") != std::string::npos;
}

// The main road of every change: the new file, a restart whose start waits for the stop,
// and the end of the program.
TEST_F(SaveRoadsTest, YesRestartsTheGatewayOnTheNewFileAndEndsTheProgram) {
    struct Case {
        const char* what;
        const char* serviceArguments;
    };
    for (const Case& c : {Case{"quick stop", ""}, Case{"stop of four seconds", "--stop-delay-ms 4000"}}) {
        gateway.InstallRunning(c.serviceArguments);
        DWORD before = gateway.ProcessId();
        StartOnSample()->Show();
        Type(form->EditNetworkListenerPort, L"1721");
        yesNoAnswer = IDYES;
        waitSamples.clear();
        sampledGateway = &gateway;
        UINT_PTR sampler = SetTimer(nullptr, 0, 50, TakeWaitSample);
        Choose(form->mExit);
        KillTimer(nullptr, sampler);

        EXPECT_EQ(dir.Read("rax40gw.conf"), SampleAsSaved("1721")) << c.what;
        EXPECT_EQ(notices.size(), 1u) << c.what;
        ExpectRestartQuestion(0);
        EXPECT_TRUE(gateway.WaitForState(SERVICE_RUNNING)) << c.what;
        EXPECT_NE(gateway.ProcessId(), before) << c.what;
        EXPECT_TRUE(Application.Terminated) << c.what;
        EXPECT_FALSE(form->Visible()) << c.what;

        ASSERT_FALSE(waitSamples.empty()) << c.what;
        bool sawTheStop = false;
        for (const WaitSample& sample : waitSamples) {
            EXPECT_TRUE(sample.waitWindowShown) << c.what;
            EXPECT_EQ(sample.cursor, crHourGlass) << c.what;
            EXPECT_FALSE(sample.mainWindowEnabled) << c.what;
            sawTheStop |= sample.serviceState == SERVICE_STOP_PENDING || sample.serviceState == SERVICE_STOPPED;
        }
        EXPECT_TRUE(sawTheStop) << c.what;
        EXPECT_FALSE(IsWindowVisible(FormPr->Handle())) << c.what;
        EXPECT_EQ(Screen.Cursor(), crDefault) << c.what;

        CloseWindows();
        gateway.Remove();
        notices.clear();
    }
}

TEST_F(SaveRoadsTest, NoEndsTheProgramAtOnceAndLeavesTheGatewayRunning) {
    gateway.InstallRunning();
    DWORD before = gateway.ProcessId();
    StartOnSample()->Show();
    Type(form->EditNetworkListenerPort, L"1721");
    Choose(form->mExit);

    EXPECT_EQ(dir.Read("rax40gw.conf"), SampleAsSaved("1721"));
    ExpectRestartQuestion(0);
    EXPECT_TRUE(Application.Terminated);
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(IsWindowVisible(FormPr->Handle()));
    EXPECT_EQ(gateway.State(), DWORD(SERVICE_RUNNING));
    EXPECT_EQ(gateway.ProcessId(), before);
}

// The sample would change if it were saved (its empty keys would go), so an unchanged
// file shows that nothing was written.
TEST_F(SaveRoadsTest, WithNothingToSaveClosingWritesNothingAndAsksNothing) {
    struct Case {
        const char* what;
        std::function<void()> prepare;
        const char* fileAfter;  // nullptr: there is none
    };
    const std::vector<Case> cases = {
        {"loaded and unchanged", [&] { StartOnSample(); }, kSampleConfiguration},
        {"nothing loaded",
         [&] {
             DeleteFileAt(dir.File("rax40gw.conf"));
             Start();
         },
         nullptr},
        {"the loaded file is gone",
         [&] {
             StartOnSample();
             Type(form->EditNetworkListenerPort, L"1721");
             DeleteFileAt(dir.File("rax40gw.conf"));
         },
         nullptr},
    };
    for (const Case& c : cases) {
        c.prepare();
        form->Show();
        Choose(form->mExit);
        EXPECT_TRUE(notices.empty()) << c.what;
        EXPECT_TRUE(Application.Terminated) << c.what;
        if (c.fileAfter) EXPECT_EQ(dir.Read("rax40gw.conf"), c.fileAfter) << c.what;
        else EXPECT_FALSE(dir.Exists("rax40gw.conf")) << c.what;
        CloseWindows();
    }
}

// A configuration opened from elsewhere (File > Open) while the program directory holds
// no rax40gw.conf: no program holds the missing file, so the save creates it where the
// gateway reads it, and the window can close. The opened file is left as it was.
TEST_F(SaveRoadsTest, AMissingGatewayFileIsCreatedByTheSave) {
    Start()->Show();
    dir.Write("elsewhere.conf", kSampleConfiguration);
    TFileDialog::OnShow = [this](const FileDialogRequest&) -> std::optional<AnsiString> {
        return dir.File("elsewhere.conf");
    };
    Choose(form->mOpen);
    TFileDialog::OnShow = nullptr;
    ASSERT_TRUE(form->FLoaded);
    dir.Write("voice.ini", kSampleVoiceIni);
    Type(form->EditNetworkListenerPort, L"1721");
    Choose(form->mExit);

    EXPECT_EQ(dir.Read("rax40gw.conf"), SampleAsSaved("1721"));
    EXPECT_EQ(dir.Read("elsewhere.conf"), kSampleConfiguration);
    ExpectRestartQuestion(0);
    EXPECT_TRUE(Application.Terminated);
}

// The button saves first, without the question, then starts or stops as its Tag says.
TEST_F(SaveRoadsTest, StartStopButtonSavesAChangeThenStartsOrStops) {
    gateway.Install();
    StartOnSample();
    ASSERT_EQ(form->RunButton->Tag, 0);
    Type(form->EditNetworkListenerPort, L"1721");
    Click(form->RunButton);
    EXPECT_NE(gateway.State(), DWORD(SERVICE_STOPPED));  // the start shows as soon as the click returns
    EXPECT_EQ(dir.Read("rax40gw.conf"), SampleAsSaved("1721"));
    EXPECT_TRUE(gateway.WaitForState(SERVICE_RUNNING));

    Tick();
    ASSERT_EQ(form->RunButton->Tag, 1);
    Type(form->EditNetworkListenerPort, L"1722");
    Click(form->RunButton);
    EXPECT_NE(gateway.State(), DWORD(SERVICE_RUNNING));  // and so does the stop
    EXPECT_EQ(dir.Read("rax40gw.conf"), SampleAsSaved("1722"));
    EXPECT_TRUE(gateway.WaitForState(SERVICE_STOPPED));

    // Without a change it starts at once and writes nothing.
    Tick();
    dir.Write("rax40gw.conf", "[System]\r\n");
    Click(form->RunButton);
    EXPECT_TRUE(gateway.WaitForState(SERVICE_RUNNING));
    EXPECT_EQ(dir.Read("rax40gw.conf"), "[System]\r\n");

    // Any other Tag saves and does nothing more: a stop asked in the click would have left
    // the running state before the click returned (the service reports the stop pending
    // before it answers the request), and a restart would show a new process.
    Tick();
    DWORD running = gateway.ProcessId();
    form->RunButton->Tag = 7;
    Type(form->EditNetworkListenerPort, L"1723");
    Click(form->RunButton);
    EXPECT_EQ(gateway.State(), DWORD(SERVICE_RUNNING));
    EXPECT_EQ(gateway.ProcessId(), running);
    EXPECT_EQ(dir.Read("rax40gw.conf"), SampleAsSaved("1723"));
    EXPECT_TRUE(notices.empty());
}

// Another program holds the gateway's file without sharing: each road warns, writes
// nothing and goes no further; once the file is free the window saves and closes.
TEST_F(SaveRoadsTest, AHeldGatewayFileStopsEveryRoadWithAWarning) {
    gateway.Install();
    StartOnSample()->Show();
    Type(form->EditNetworkListenerPort, L"1721");
    {
        HeldFile held(dir.File("rax40gw.conf"), 0);
        ASSERT_NE(held.Handle(), INVALID_HANDLE_VALUE);
        Choose(form->mExit);
        EXPECT_FALSE(Application.Terminated);
        EXPECT_TRUE(form->Visible());

        // A start asked in the click would have left the stopped state, and given the
        // service a process, before the click returned.
        Click(form->RunButton);
        EXPECT_EQ(gateway.State(), DWORD(SERVICE_STOPPED));
        EXPECT_EQ(gateway.ProcessId(), 0u);

        ChooseSaveAs(dir.File("chosen.conf"));
        EXPECT_FALSE(dir.Exists("chosen.conf"));
        EXPECT_EQ(form->FConfigPath, dir.File("rax40gw.conf"));
        EXPECT_FALSE(form->FModified);
    }
    ASSERT_EQ(notices.size(), 3u);
    for (size_t i = 0; i < 3; ++i) ExpectNotice(i, kHeldWarning, "Внимание!", MB_ICONWARNING);
    EXPECT_EQ(dir.Read("rax40gw.conf"), kSampleConfiguration);

    notices.clear();
    Choose(form->mExit);
    EXPECT_EQ(dir.Read("rax40gw.conf"), SampleAsSaved("1721"));
    ExpectRestartQuestion(0);
    EXPECT_TRUE(Application.Terminated);
}

// Save As appends the device lists before it drops empty keys, so a device line whose
// name first stands on a line with an empty value (here the prefix '0=') goes too; the
// automatic saves never examine the appended lines. Save As leaves the configuration
// changed, so the next close also writes the gateway's file and asks.
TEST_F(SaveRoadsTest, SaveAsWritesTheChosenFileInItsOwnPassOrderAndLeavesTheConfigurationChanged) {
    dir.Write("rax40gw.conf", "[Prefixes]\r\n0=;\r\n");
    Start()->Show();
    dir.Write("voice.ini", "[VoiceDevices:1]\r\n0=KEL,1,Пост 1,host1\r\n");
    ChooseSaveAs(dir.File("chosen.conf"));
    std::string chosen = dir.Read("chosen.conf");
    EXPECT_TRUE(HasLine(chosen, "[VoiceDevices:1]")) << chosen;
    EXPECT_FALSE(HasLine(chosen, "0=KEL,1,Пост 1,host1")) << chosen;
    EXPECT_FALSE(HasLine(chosen, "0=")) << chosen;
    EXPECT_EQ(form->FConfigPath, dir.File("chosen.conf"));
    EXPECT_TRUE(form->FModified);
    EXPECT_TRUE(notices.empty());

    Choose(form->mExit);
    std::string gatewayFile = dir.Read("rax40gw.conf");
    EXPECT_TRUE(HasLine(gatewayFile, "0=KEL,1,Пост 1,host1")) << gatewayFile;
    EXPECT_FALSE(HasLine(gatewayFile, "0=")) << gatewayFile;
    EXPECT_EQ(dir.Read("chosen.conf"), chosen);
    ExpectRestartQuestion(0);
    EXPECT_TRUE(Application.Terminated);
}

TEST_F(SaveRoadsTest, SaveAsCancelledChangesNothing) {
    StartOnSample();
    ChooseSaveAs("");
    EXPECT_EQ(form->FConfigPath, dir.File("rax40gw.conf"));
    EXPECT_FALSE(form->FModified);
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"rax40gw.conf", "voice.ini"}));
    EXPECT_TRUE(notices.empty());
}

// Without a loaded configuration (and without a gateway's file) Save As still writes
// what the window holds; closing then saves nothing, since nothing was loaded.
TEST_F(SaveRoadsTest, SaveAsWithoutALoadedConfigurationWritesTheWindow) {
    Start()->Show();
    ChooseSaveAs(dir.File("chosen.conf"));
    std::string chosen = dir.Read("chosen.conf");
    EXPECT_EQ(chosen.substr(0, 10), "[System]\r\n");
    EXPECT_TRUE(HasLine(chosen, "TxBuffer=200")) << chosen;
    EXPECT_TRUE(notices.empty());

    Choose(form->mExit);
    EXPECT_FALSE(dir.Exists("rax40gw.conf"));
    EXPECT_TRUE(notices.empty());
    EXPECT_TRUE(Application.Terminated);
}

// Right after a load, a value that its control gives back in another text counts as a
// change, so closing saves and asks; a value given back as it stands does not.
TEST_F(SaveRoadsTest, AValueTheControlsCannotGiveBackCountsAsAChange) {
    struct Case {
        const char* line;
        const char* loaded;
        bool modified;
    };
    const std::vector<Case> cases = {
        {"", "", false},
        {"Need Gatekeeper=no", "Need Gatekeeper=YES", true},
        {"TxBuffer=200", "TxBuffer=1500", true},
        {"TxBuffer=200", "TxBuffer=0xC8", true},
        {"Max Calls=-1", "Max Calls=0", true},
        {"SysLog Level=2", "SysLog Level=9", true},
        {"SysLog Level=2", "SysLog Level=-1", false},
        {"Flow Control=3", "Flow Control=03", true},
        {"Log Audio=no", "Log Audio=No", true},
    };
    for (const Case& c : cases) {
        StartOnSample(c.line[0] ? Replaced(kSampleConfiguration, c.line, c.loaded) : kSampleConfiguration)->Show();
        EXPECT_EQ(form->IsConfigModified(), c.modified) << c.loaded;
        Choose(form->mExit);
        EXPECT_EQ(notices.size(), c.modified ? 1u : 0u) << c.loaded;
        EXPECT_TRUE(Application.Terminated) << c.loaded;
        CloseWindows();
        notices.clear();
    }
}

// A list without a selection compares as it is written: a yes/no list as "yes", Max
// Calls as an empty text. Missing from the file they count as a change until saved.
TEST_F(SaveRoadsTest, ListsWithoutASelectionCompareAsTheyAreWritten) {
    gateway.Install();
    std::string withoutLists = Replaced(kSampleConfiguration, "Need Gatekeeper=no\r\n", "");
    withoutLists = Replaced(withoutLists, "Max Calls=-1\r\n", "");
    withoutLists = Replaced(withoutLists, "Enable Polling=yes\r\n", "");
    StartOnSample(withoutLists);
    EXPECT_TRUE(form->IsConfigModified());

    form->RunButton->Tag = 7;
    Click(form->RunButton);
    std::string saved = dir.Read("rax40gw.conf");
    EXPECT_TRUE(HasLine(saved, "Need Gatekeeper=yes")) << saved;
    EXPECT_TRUE(HasLine(saved, "Enable Polling=yes")) << saved;
    EXPECT_EQ(saved.find("Max Calls"), std::string::npos) << saved;
    EXPECT_FALSE(form->IsConfigModified());
}

// An entry holds 127 characters of a longer text: that control counts as changed after
// every save.
TEST_F(SaveRoadsTest, ATextOverTheEntrysLengthCountsAsChangedAfterEverySave) {
    gateway.Install();
    StartOnSample();
    form->RunButton->Tag = 7;
    Type(form->EditSystemName, std::wstring(200, L'n').c_str());
    for (int save = 1; save <= 2; ++save) {
        Click(form->RunButton);
        EXPECT_TRUE(HasLine(dir.Read("rax40gw.conf"), "Name=" + std::string(127, 'n') + " ;name")) << save;
        EXPECT_FALSE(form->FModified) << save;
        EXPECT_TRUE(form->IsConfigModified()) << save;
        dir.Write("rax40gw.conf", kSampleConfiguration);
    }
}

// The device lists as appended: nothing but the two line ends for an empty voice.ini;
// a notice, and nothing appended, without one; and a voice.ini that cannot be read ends
// the close with the error box before anything is written, the window open.
TEST_F(SaveRoadsTest, DeviceListsAreAppendedFromVoiceIni) {
    const std::string saved = SampleAsSaved("1721");
    const std::string configurationPart = saved.substr(0, saved.find("\r\n\r\n\r\n[Voice"));
    const std::string cannotOpen = "Cannot open file \"" + dir.File("voice.ini") + "\"";
    std::unique_ptr<HeldFile> held;
    struct Case {
        const char* what;
        std::function<void()> prepare;
        std::string written;
        std::vector<std::string> noticeTexts;
        bool closed;
    };
    const std::vector<Case> cases = {
        {"empty voice.ini", [&] { dir.Write("voice.ini", ""); }, configurationPart + "\r\n\r\n\r\n",
         {kRestartQuestion}, true},
        {"no voice.ini", [&] { DeleteFileAt(dir.File("voice.ini")); }, configurationPart + "\r\n",
         {"Не найден файл voice.ini", kRestartQuestion}, true},
        {"voice.ini held without sharing", [&] { held = std::make_unique<HeldFile>(dir.File("voice.ini"), 0); },
         kSampleConfiguration, {cannotOpen}, false},
    };
    for (const Case& c : cases) {
        StartOnSample()->Show();
        notices.clear();
        c.prepare();
        Type(form->EditNetworkListenerPort, L"1721");
        Choose(form->mExit);
        EXPECT_EQ(dir.Read("rax40gw.conf"), c.written) << c.what;
        std::vector<std::string> texts;
        for (const auto& notice : notices) texts.push_back(notice.Text);
        EXPECT_EQ(texts, c.noticeTexts) << c.what;
        EXPECT_EQ(Application.Terminated, c.closed) << c.what;
        CloseWindows();
    }
    ExpectNotice(0, cannotOpen, Application.Title, MB_OK | MB_ICONSTOP);
}

// The lines the empty-key pass keeps and deletes, by name.
TEST(DropEmptyKeys, DeletesEveryLineWhoseNameFirstStandsWithAnEmptyValue) {
    struct Case {
        std::vector<AnsiString> lines, kept;
    };
    const std::vector<Case> cases = {
        {{"[Network]", "GatekeeperID="}, {"[Network]"}},
        {{"[Network]", "GatekeeperID= "}, {"[Network]", "GatekeeperID= "}},
        {{"[Network]", "no equals sign", "", "[Section]", "=starts with it", "="},
         {"[Network]", "no equals sign", "", "[Section]", "=starts with it", "="}},
        {{"x", "Name=", "NAME=value", "name=other"}, {"x"}},
        {{"x", "Name=a", "name=", "NAME=b"}, {"x", "Name=a", "name=", "NAME=b"}},
        {{"Name=", "Name=a", "y"}, {"Name=", "y"}},
        {{"Only="}, {"Only="}},
        {{"x", "Имя=", "ИМЯ=a"}, {"x", "ИМЯ=a"}},  // case counts only for the ASCII letters
        {{"x", "0 = 2", "0=", "0=KEL"}, {"x", "0 = 2"}},
        // A ';' before the first "=" makes a comment, never a key line: unit comment
        // lines, a header with its comment, a key commented out, the Devices sample
        // line. Each stays, and none takes a later line of its name with it.
        {{"x", ";Вход=", ";x=", ";X=5", "abc;d=", "[Devices] ;list=", ";0=", ";0=1,192.168.1.100"},
         {"x", ";Вход=", ";x=", ";X=5", "abc;d=", "[Devices] ;list=", ";0=", ";0=1,192.168.1.100"}},
    };
    for (const Case& c : cases) {
        TStringList list;
        list.Lines = c.lines;
        DropEmptyKeys(list);
        EXPECT_EQ(list.Lines, c.kept) << c.lines[0] << " | " << c.lines.back();
    }
}

}  // namespace
