// Loading a configuration file into the main window built from the program's resources,
// with real files in a temporary program directory.
#include <gtest/gtest.h>
#include <windows.h>
#include <map>
#include <string>
#include <thread>
#include <utility>
#include <vector>
#include "CheckBox.h"
#include "ComboBox.h"
#include "ConfigEntryTable.h"
#include "ConfiguratorFixture.h"
#include "Dialogs.h"
#include "Edit.h"
#include "ListBox.h"
#include "RadioGroup.h"
#include "StatusBar.h"
#include "StringGrid.h"
#include "UpDown.h"

namespace {

// Everything a load may change, by name: the bound controls, the unit grid (with the
// texts it keeps beyond its last row), the prefix list, the window's state and the
// 34 entries.
using State = std::map<std::string, std::string>;

std::string Entry(int index, const char* field) { return "entry " + std::to_string(index) + " " + field; }

std::string Cell(int col, int row) { return "grid(" + std::to_string(col) + "," + std::to_string(row) + ")"; }

std::string Joined(const std::vector<AnsiString>& lines) {
    std::string all;
    for (size_t i = 0; i < lines.size(); ++i) all += (i ? "|" : "") + lines[i];
    return all;
}

std::string ListItems(TListBox* list) {
    std::vector<AnsiString> items;
    for (int i = 0; i < list->Count(); ++i) items.push_back(list->Item(i));
    return Joined(items);
}

State Snapshot(TMainForm& f) {
    State s;
    for (TEdit* edit : {f.EditSystemName, f.EditSystemAdmin, f.EditNetworkListenerInterface, f.EditNetworkListenerPort,
                        f.EditNetworkGatekeeper, f.EditGatekeeperID, f.EditGatekeeperPassword, f.EditLogTraces,
                        f.EditPollServerBasePort, f.EditControlServerPort, f.EditControlServerConnectionTimeout})
        s[edit->Name] = edit->Text();
    for (TComboBox* combo : {f.ComboBoxNetworkNeedGatekeeper, f.ComboBoxMaxCall, f.ComboBoxVoise})
        s[combo->Name] = std::to_string(combo->ItemIndex());
    for (TUpDown* upDown : {f.UpDownTxBufer, f.UpDownTresholdVoise, f.UpDownDirectionalSignal, f.UpDownDirectionSilents}) {
        s[upDown->Name] = std::to_string(upDown->Position());
        s[upDown->Associate()->Name] = upDown->Associate()->Text();
    }
    for (TRadioGroup* group : {f.RadioGroupLogSysLogLevel, f.RadioGroupLogLevel})
        s[group->Name] = std::to_string(group->ItemIndex());
    for (TCheckBox* box : {f.CheckBoxLogLogAudio, f.CheckBoxDeviceSettingsRTS}) s[box->Name] = box->Checked() ? "1" : "0";

    s["grid rows"] = std::to_string(f.StringGrid1->RowCount());
    s["grid row"] = std::to_string(f.StringGrid1->Row());
    for (int row = 1; row <= 6; ++row)
        for (int col = 0; col < 5; ++col) s[Cell(col, row)] = f.StringGrid1->Cells(col, row);
    s["prefix list"] = ListItems(f.ListBoxPrefixes);

    s["path"] = f.FConfigPath;
    s["status"] = f.StatusBar1->PanelText(0);
    s["loaded"] = f.FLoaded ? "1" : "0";
    s["modified"] = f.FModified ? "1" : "0";

    for (int i = 0; i < kConfigEntryCount; ++i) {
        const ConfigEntry& entry = ConfigEntryTable[i];
        s[Entry(i, "value")] = entry.Value;
        s[Entry(i, "comment")] = entry.Comment;
        s[Entry(i, "lead")] = Joined(entry.LeadLines.Lines);
        s[Entry(i, "body")] = Joined(entry.BodyLines.Lines);
    }
    return s;
}

// Every known key with a value of its own, three units and two prefixes.
const char kBaseline[] =
    "[System]\nName=Base\nAdmin=base@example.org\n"
    "[Network]\nListener Interface=10.1.1.1\nListener Port=1720\nNeed Gatekeeper=yes\n"
    "Gatekeeper=gk\nGatekeeperID=gkid\nGatekeeperPassword=pw\n"
    "[Audio]\nMax Calls=4\nTxBuffer=300\nEnable Polling=yes\n"
    "[SilenceDetection]\nThreshold=40\nSignal Deadband=700\nSilence Deadband=900\n"
    "[Log]\nSysLog Level=2\nLevel=3\nTraces=base.txt\nLog Audio=yes\n"
    "[Devices]\n0 = 1 ;first\n1 = 2,10.0.0.2 ;second\n2 = 3 ;third\n"
    "[DeviceSettings]\nFlow Control=3\n"
    "[Prefixes]\n0=1\n1=2\n"
    "[PollServer]\nBase Port=5000\n"
    "[ControlServer]\nPort=4000\nConnection Timeout=5\n";

// Start() loads rax40gw.conf when it is in the program directory.
class ConfigLoaderTest : public configurator_test::ConfiguratorFixture {
protected:
    // Started on the baseline file, as the program starts on its rax40gw.conf.
    TMainForm* StartOnBaseline() {
        dir.Write("rax40gw.conf", kBaseline);
        return Start();
    }

    bool Load(const std::string& name, const std::string& text) {
        dir.Write(name, text);
        return MainForm->LoadConfigFile(dir.File(name));
    }

    // What a click on a unit row does to the grid's list view.
    void OperatorSelectsRow(int row) {
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(MainForm->StringGrid1->Handle(), LVM_SETITEMSTATE, row - 1, reinterpret_cast<LPARAM>(&state));
        Application.ProcessMessages();
    }
};

TEST_F(ConfigLoaderTest, AtStartTheProgramDirectorysFileFillsEveryControlTheGridAndTheList) {
    TMainForm* form = StartOnBaseline();
    State s = Snapshot(*form);
    const State expected = {
        {"EditSystemName", "Base"},
        {"EditSystemAdmin", "base@example.org"},
        {"EditNetworkListenerInterface", "10.1.1.1"},
        {"EditNetworkListenerPort", "1720"},
        {"ComboBoxNetworkNeedGatekeeper", "1"},
        {"EditNetworkGatekeeper", "gk"},
        {"EditGatekeeperID", "gkid"},
        {"EditGatekeeperPassword", "pw"},
        {"ComboBoxMaxCall", "4"},
        {"UpDownTxBufer", "300"},
        {"EditAudioTxBuffer", "300"},
        {"ComboBoxVoise", "1"},
        {"UpDownTresholdVoise", "40"},
        {"UpDownDirectionalSignal", "700"},
        {"UpDownDirectionSilents", "900"},
        {"EditSilenceDetectionSilenceDeadband", "900"},
        {"RadioGroupLogSysLogLevel", "2"},
        {"RadioGroupLogLevel", "3"},
        {"EditLogTraces", "base.txt"},
        {"CheckBoxLogLogAudio", "1"},
        {"CheckBoxDeviceSettingsRTS", "1"},
        {"EditPollServerBasePort", "5000"},
        {"EditControlServerPort", "4000"},
        {"EditControlServerConnectionTimeout", "5"},
        {"grid rows", "4"},
        {Cell(0, 1), "1"}, {Cell(1, 1), "ЛОРК-М"},  {Cell(2, 1), "COM1"}, {Cell(3, 1), ""},         {Cell(4, 1), "first"},
        {Cell(0, 2), "2"}, {Cell(1, 2), "ЛОРК-МЕ"}, {Cell(2, 2), "COM2"}, {Cell(3, 2), "10.0.0.2"}, {Cell(4, 2), "second"},
        {Cell(0, 3), "3"}, {Cell(1, 3), "ЛОРК-М"},  {Cell(2, 3), "COM3"}, {Cell(3, 3), ""},         {Cell(4, 3), "third"},
        {"prefix list", "0=1|1=2"},
        {"path", dir.File("rax40gw.conf")},
        {"status", dir.File("rax40gw.conf")},
        {"loaded", "1"},
        {"modified", "0"},
        {Entry(kSystemName, "value"), "Base"},
        {Entry(kDevicesList, "body"), "0 = 1 ;first|1 = 2,10.0.0.2 ;second|2 = 3 ;third"},
        {Entry(kPrefixesList, "body"), "0=1|1=2"},
    };
    for (const auto& [key, value] : expected) EXPECT_EQ(s.at(key), value) << key;
    EXPECT_TRUE(notices.empty());
}

struct LoadCase {
    const char* name;
    std::string file;
    std::vector<std::pair<std::string, std::string>> expected;
};

const std::string kLongComment = ";" + std::string(300, 'x');
const std::string kLongValue(300, 'v');

// Each file is loaded over the baseline, so a control that it does not set shows the
// baseline's value.
const std::vector<LoadCase> kLoadCases = {
    {"an empty file clears the table, the grid, the list and the trace file, and nothing else",
     "",
     {{"grid rows", "2"}, {Cell(0, 1), ""}, {Cell(1, 1), ""}, {Cell(2, 1), ""}, {Cell(3, 1), ""}, {Cell(4, 1), ""},
      {"prefix list", ""}, {"EditLogTraces", ""}, {"EditSystemName", "Base"}, {"UpDownTxBufer", "300"},
      {"ComboBoxMaxCall", "4"}, {"RadioGroupLogLevel", "3"}, {"CheckBoxDeviceSettingsRTS", "1"},
      {Entry(kSystemName, "value"), ""}, {Entry(kDevicesList, "body"), ""}, {Entry(kPrefixesList, "body"), ""}}},
    {"unit rows are numbered in file order whatever their keys; a comma makes a ЛОРК-МЕ",
     "[Devices]\n5 = 2\n0 = 7, 10.0.0.9\n",
     {{"grid rows", "3"},
      {Cell(0, 1), "1"}, {Cell(1, 1), "ЛОРК-М"},  {Cell(2, 1), "COM2"}, {Cell(3, 1), ""},          {Cell(4, 1), ""},
      {Cell(0, 2), "2"}, {Cell(1, 2), "ЛОРК-МЕ"}, {Cell(2, 2), "COM7"}, {Cell(3, 2), " 10.0.0.9"}, {Cell(4, 2), ""},
      {Entry(kDevicesList, "body"), "5 = 2|0 = 7, 10.0.0.9"}, {Entry(kDevicesList, "lead"), ""}}},
    {"a unit line without a number gives COM0",
     "[Devices]\n0 = abc\n",
     {{"grid rows", "2"}, {Cell(1, 1), "ЛОРК-М"}, {Cell(2, 1), "COM0"}}},
    {"the Devices section as the program writes it gives each row its comment line",
     "[Devices]\r\n0 = 1\r\n;Hall\r\n1 = 2,10.0.0.5\r\n;Yard\r\n;0=1,192.168.1.100\r\n\r\n[DeviceSettings]\r\n",
     {{"grid rows", "3"}, {Cell(4, 1), "Hall"}, {Cell(4, 2), "Yard"}, {Cell(3, 2), "10.0.0.5"},
      {Cell(4, 3), "0=1,192.168.1.100"},  // the sample line's, stored beyond the last row
      {Entry(kDevicesList, "lead"), ""}, {Entry(kDevicesList, "body"), "0 = 1\r|1 = 2,10.0.0.5\r"},
      {Entry(kDeviceSettingsHeader, "lead"), ";Hall\r|;Yard\r|;0=1,192.168.1.100\r|\r"}}},
    {"a comment line before the first unit is its lead line and gives row 1 its comment",
     "[Devices]\n; units\n0 = 1\n;Hall\n",
     {{"grid rows", "2"}, {Cell(4, 1), "units"}, {Cell(4, 2), "Hall"}, {Entry(kDevicesList, "lead"), "; units"}}},
    {"a unit line's own comment stands as read",
     "[Devices]\n0 = 1 ; Hall\n",
     {{Cell(4, 1), " Hall"}, {Entry(kDevicesList, "body"), "0 = 1 ; Hall"}}},
    {"a comment line of the section replaces the unit line's own comment",
     "[Devices]\n0 = 1 ;Hall\n;0=1,192.168.1.100\n",
     {{Cell(4, 1), "0=1,192.168.1.100"}}},
    {"a repeated key: the last line wins with its own lead lines and comment",
     "[System]\n; a\nName=X ;c\n; b\nName=Y\n",
     {{"EditSystemName", "Y"}, {Entry(kSystemName, "value"), "Y"}, {Entry(kSystemName, "lead"), "; b"},
      {Entry(kSystemName, "comment"), ""}, {Entry(kSystemHeader, "lead"), ""}}},
    {"a repeated header keeps the first comment and the second header's lead lines",
     "[Network] ;main\nListener Port=1\n; mid\n[Network]\nGatekeeper=g2\n",
     {{"EditNetworkListenerPort", "1"}, {"EditNetworkGatekeeper", "g2"}, {Entry(kNetworkHeader, "comment"), "main"},
      {Entry(kNetworkHeader, "lead"), "; mid"}}},
    {"a key under another section is carried to the next entry and sets nothing",
     "[Network]\nName=X\n[Audio]\n",
     {{"EditSystemName", "Base"}, {Entry(kSystemName, "value"), ""}, {Entry(kAudioHeader, "lead"), "Name=X"}}},
    {"sections and keys match without regard to case; YES is yes",
     "[network]\nlistener port = 1721\nNeed Gatekeeper=no\nNeed Gatekeeper=YES\n[AUDIO]\nenable polling=1\n",
     {{"EditNetworkListenerPort", "1721"}, {"ComboBoxNetworkNeedGatekeeper", "1"}, {"ComboBoxVoise", "0"}}},
    {"Need Gatekeeper=1 is not yes", "[Network]\nNeed Gatekeeper=1\n", {{"ComboBoxNetworkNeedGatekeeper", "0"}}},
    {"Max Calls -1 is unlimited", "[Audio]\nMax Calls=-1\n", {{"ComboBoxMaxCall", "0"}, {Entry(kAudioMaxCalls, "value"), "-1"}}},
    {"Max Calls 0 is unlimited", "[Audio]\nMax Calls=0\n", {{"ComboBoxMaxCall", "0"}}},
    {"Max Calls 7", "[Audio]\nMax Calls=7\n", {{"ComboBoxMaxCall", "7"}}},
    {"Max Calls 11 selects nothing", "[Audio]\nMax Calls=11\n", {{"ComboBoxMaxCall", "-1"}}},
    {"Max Calls -2 selects nothing", "[Audio]\nMax Calls=-2\n", {{"ComboBoxMaxCall", "-1"}}},
    {"TxBuffer above the range gives the maximum", "[Audio]\nTxBuffer=1500\n",
     {{"UpDownTxBufer", "1000"}, {"EditAudioTxBuffer", "1000"}, {Entry(kAudioTxBuffer, "value"), "1500"}}},
    {"TxBuffer below the range gives the minimum", "[Audio]\nTxBuffer=-5\n", {{"UpDownTxBufer", "0"}, {"EditAudioTxBuffer", "0"}}},
    {"TxBuffer $64 is hexadecimal", "[Audio]\nTxBuffer=$64\n", {{"UpDownTxBufer", "100"}, {"EditAudioTxBuffer", "100"}}},
    {"TxBuffer 0x64 is hexadecimal", "[Audio]\nTxBuffer=0x64\n", {{"UpDownTxBufer", "100"}}},
    {"TxBuffer 70000 is 4464 in 16 bits, then the maximum", "[Audio]\nTxBuffer=70000\n", {{"UpDownTxBufer", "1000"}}},
    {"Signal Deadband 70000 is 4464 in 16 bits", "[SilenceDetection]\nSignal Deadband=70000\n",
     {{"UpDownDirectionalSignal", "4464"}, {"EditSilenceDetectionSignalDeadband", "4464"}}},
    {"Threshold 65586 is 50 in 16 bits", "[SilenceDetection]\nThreshold=65586\n", {{"UpDownTresholdVoise", "50"}}},
    {"Silence Deadband 65535 is -1 in 16 bits, then the minimum", "[SilenceDetection]\nSilence Deadband=65535\n",
     {{"UpDownDirectionSilents", "0"}}},
    {"'TxBuffer=' is no key line: the up-down keeps its position", "[Audio]\nTxBuffer=\n[Log]\n",
     {{"UpDownTxBufer", "300"}, {Entry(kLogHeader, "lead"), "TxBuffer="}}},
    {"SysLog Level 9 selects the last item", "[Log]\nSysLog Level=9\n", {{"RadioGroupLogSysLogLevel", "5"}}},
    {"SysLog Level -1 selects nothing", "[Log]\nSysLog Level=-1\n", {{"RadioGroupLogSysLogLevel", "-1"}}},
    {"SysLog Level abc is 0", "[Log]\nSysLog Level=abc\n", {{"RadioGroupLogSysLogLevel", "0"}}},
    {"SysLog Level 3x is 3", "[Log]\nSysLog Level=3x\n", {{"RadioGroupLogSysLogLevel", "3"}}},
    {"Level 1", "[Log]\nLevel=1\n", {{"RadioGroupLogLevel", "1"}}},
    {"Log Audio no unchecks", "[Log]\nLog Audio=no\n", {{"CheckBoxLogLogAudio", "0"}}},
    // The first line of each pair sets the opposite, so that the second one shows.
    {"Flow Control 03 checks", "[DeviceSettings]\nFlow Control=1\nFlow Control=03\n", {{"CheckBoxDeviceSettingsRTS", "1"}}},
    {"Flow Control 1 unchecks", "[DeviceSettings]\nFlow Control=1\n", {{"CheckBoxDeviceSettingsRTS", "0"}}},
    {"Flow Control yes unchecks", "[DeviceSettings]\nFlow Control=3\nFlow Control=yes\n", {{"CheckBoxDeviceSettingsRTS", "0"}}},
    {"a prefix line gives the list its key and value and the entry the line as read",
     "[Prefixes]\n; p\n0 = 8 ;city\n; q\n1=9\n",
     {{"prefix list", "0=8|1=9"}, {Entry(kPrefixesList, "body"), "0 = 8 ;city|1=9"},
      {Entry(kPrefixesList, "lead"), "; p"}, {Entry(kPrefixesList, "value"), ""}, {Entry(kPrefixesList, "comment"), ""}}},
    {"lines before the first header are lead lines of the first entry that takes lines",
     "; top\n\nName=X\n[Audio]\n",
     {{"EditSystemName", "Base"}, {Entry(kAudioHeader, "lead"), "; top||Name=X"}}},
    {"the VoiceDevices sections and the lines after the last entry are dropped",
     "[Prefixes]\n0=1\n\n[VoiceDevices:1]\n0=KEL,1,a,b\n",
     {{"prefix list", "0=1"}, {Entry(kPrefixesList, "body"), "0=1"}, {Entry(kPollServerHeader, "lead"), ""},
      {Entry(kControlServerConnectionTimeout, "lead"), ""}}},
    {"a line over 255 characters is kept whole and the lines after it are read",
     "[System]\n" + kLongComment + "\nName=AfterLong\nAdmin=" + kLongValue + "\n[Log]\nTraces=t.txt\n",
     {{"EditSystemName", "AfterLong"}, {Entry(kSystemName, "lead"), kLongComment},
      {"EditSystemAdmin", kLongValue.substr(0, 127)}, {"EditLogTraces", "t.txt"}}},
};

TEST_F(ConfigLoaderTest, EachFileSetsTheControlsGridListAndEntriesThatItHolds) {
    TMainForm* form = StartOnBaseline();
    for (const LoadCase& c : kLoadCases) {
        ASSERT_TRUE(form->LoadConfigFile(dir.File("rax40gw.conf"))) << c.name;
        ASSERT_TRUE(Load("case.conf", c.file)) << c.name;
        State s = Snapshot(*form);
        for (const auto& [key, value] : c.expected) EXPECT_EQ(s.at(key), value) << c.name << ": " << key;
        EXPECT_EQ(s["path"], dir.File("case.conf")) << c.name;
        EXPECT_EQ(s["status"], dir.File("case.conf")) << c.name;
        EXPECT_EQ(s["loaded"], "1") << c.name;
        EXPECT_EQ(s["modified"], "0") << c.name;
    }
    EXPECT_TRUE(notices.empty());
}

TEST_F(ConfigLoaderTest, CuttingTheGridToOneRowMovesTheSelectionToRowOne) {
    TMainForm* form = StartOnBaseline();
    OperatorSelectsRow(3);
    ASSERT_EQ(form->StringGrid1->Row(), 3);
    ASSERT_TRUE(Load("case.conf", "[Devices]\n0 = 1\n1 = 2\n"));
    EXPECT_EQ(form->StringGrid1->RowCount(), 3);
    EXPECT_EQ(form->StringGrid1->Row(), 1);
}

// A file that is missing, or held open by another program without sharing.
TEST_F(ConfigLoaderTest, AFileThatCannotBeOpenedIsReportedWithTheDialogsFileNameAndChangesNothing) {
    TMainForm* form = StartOnBaseline();
    dir.Write("held.conf", "[System]\nName=Held\n");
    HANDLE held = CreateFileA(dir.File("held.conf").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    for (const char* name : {"missing.conf", "held.conf"}) {
        State before = Snapshot(*form);
        notices.clear();
        form->OpenDialog1->FileName = dir.File(name);  // as the open dialog leaves it
        EXPECT_FALSE(form->LoadConfigFile(dir.File(name))) << name;
        ASSERT_EQ(notices.size(), 1u) << name;
        EXPECT_EQ(notices[0].Text, dir.File(name));
        EXPECT_EQ(notices[0].Caption, "Не удалось открыть файл...");
        EXPECT_EQ(notices[0].Flags, static_cast<unsigned>(MB_OK | MB_ICONWARNING));
        EXPECT_EQ(Snapshot(*form), before) << name;
    }
    CloseHandle(held);
}

TEST_F(ConfigLoaderTest, AtStartAProgramFileThatCannotBeOpenedIsReportedByItsNameAndNothingIsLoaded) {
    dir.Write("rax40gw.conf", kBaseline);
    HANDLE held = CreateFileA(dir.File("rax40gw.conf").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    TMainForm* form = Start();
    CloseHandle(held);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].Text, "rax40gw.conf");
    EXPECT_EQ(notices[0].Caption, "Не удалось открыть файл...");
    EXPECT_EQ(notices[0].Flags, static_cast<unsigned>(MB_OK | MB_ICONWARNING));
    EXPECT_FALSE(form->FLoaded);
    EXPECT_NE(form->EditSystemName->Text(), "Base");
    EXPECT_EQ(form->ListBoxPrefixes->Count(), 0);
}

// A file whose reading breaks off after its first lines. Wine does not let a locked
// region of a disk file fail a read, so a pipe stands in: it serves the lines and is cut
// off once the reader has taken them all, so that the reader's next read fails. The pipe
// buffers nothing, so its write returns only when the reader has read every byte.
class BrokenOffFile {
public:
    explicit BrokenOffFile(const std::string& head)
        : pipe_(CreateNamedPipeA(kPath, PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 0, 0, 0, nullptr)),
          server_([this, head] {
              ConnectNamedPipe(pipe_, nullptr);
              DWORD written = 0;
              linesTaken_ = WriteFile(pipe_, head.data(), static_cast<DWORD>(head.size()), &written, nullptr) &&
                            written == head.size();
              DisconnectNamedPipe(pipe_);
          }) {}
    ~BrokenOffFile() {
        CloseHandle(CreateFileA(kPath, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));  // if no reader came
        Join();
        CloseHandle(pipe_);
    }
    // True once the pipe was cut off after its reader had taken every line.
    bool LinesTaken() {
        Join();
        return linesTaken_;
    }
    static constexpr const char* kPath = "\\\\.\\pipe\\rax40gw-broken-off.conf";

private:
    void Join() {
        if (server_.joinable()) server_.join();
    }
    HANDLE pipe_;
    bool linesTaken_ = false;
    std::thread server_;
};

// The lines read before the error would take effect without the rest of the file.
TEST_F(ConfigLoaderTest, AReadErrorIsReportedAsAFileThatCannotBeOpenedAndChangesNothing) {
    TMainForm* form = StartOnBaseline();
    State before = Snapshot(*form);
    BrokenOffFile file("[System]\nName=Other\n[Network]\nListener Port=1\n[Prefixes]\n7=7\n");
    form->OpenDialog1->FileName = BrokenOffFile::kPath;
    EXPECT_FALSE(form->LoadConfigFile(BrokenOffFile::kPath));
    EXPECT_TRUE(file.LinesTaken());
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].Text, BrokenOffFile::kPath);
    EXPECT_EQ(notices[0].Caption, "Не удалось открыть файл...");
    EXPECT_EQ(notices[0].Flags, static_cast<unsigned>(MB_OK | MB_ICONWARNING));
    EXPECT_EQ(Snapshot(*form), before);
}

// Lines before the malformed number would change every part of the window, and the
// lines after it more: none of it may take effect.
const std::string kOtherFileHead =
    "[System]\nName=Other\n[Network]\nNeed Gatekeeper=no\n[Log]\nTraces=other.txt\nSysLog Level=5\n"
    "[Devices]\n0 = 9 ;nine\n[Prefixes]\n7=7\n[DeviceSettings]\nFlow Control=1\n";
const std::string kOtherFileTail = "\n[ControlServer]\nPort=1\n";

const std::vector<std::pair<std::string, AnsiString>> kMalformedNumbers = {
    {"[Audio]\nMax Calls=seven", "'seven' is not a valid integer value"},
    {"[Audio]\nTxBuffer=ten", "'ten' is not a valid integer value"},
    {"[SilenceDetection]\nThreshold=1.5", "'1.5' is not a valid integer value"},
    {"[SilenceDetection]\nSignal Deadband=20 ms", "'20 ms' is not a valid integer value"},
    {"[SilenceDetection]\nSilence Deadband= ;note", "'' is not a valid integer value"},
};

TEST_F(ConfigLoaderTest, AMalformedNumberRaisesItsErrorAndLeavesTheConfigurationInForceAsItWas) {
    TMainForm* form = StartOnBaseline();
    OperatorSelectsRow(3);
    for (const auto& [lines, message] : kMalformedNumbers) {
        State before = Snapshot(*form);
        try {
            Load("bad.conf", kOtherFileHead + lines + kOtherFileTail);
            ADD_FAILURE() << "no error for " << lines;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message, message);
        }
        EXPECT_EQ(Snapshot(*form), before) << lines;
        EXPECT_EQ(form->StringGrid1->Row(), 3) << lines;
    }
    EXPECT_TRUE(notices.empty());
}

// The window's creation handler lets the error reach the application's error box.
TEST_F(ConfigLoaderTest, AtStartAMalformedNumberIsShownInTheErrorBoxAndNothingIsLoaded) {
    State fresh = Snapshot(*Start());
    CloseWindows();
    dir.Write("rax40gw.conf", kOtherFileHead + "[Audio]\nTxBuffer=ten" + kOtherFileTail);
    TMainForm* form = Start();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].Text, "'ten' is not a valid integer value");
    EXPECT_EQ(notices[0].Caption, Application.Title);
    EXPECT_EQ(notices[0].Flags, static_cast<unsigned>(MB_OK | MB_ICONSTOP));
    State s = Snapshot(*form);
    // The creation handler names the file before it loads it.
    fresh.erase("path");
    s.erase("path");
    EXPECT_EQ(s, fresh);
}

}  // namespace
