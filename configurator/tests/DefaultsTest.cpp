// The default buttons of the panels, pressed as the operator presses them, on a loaded
// configuration in which every value differs from its default.
#include <gtest/gtest.h>
#include <windows.h>
#include <map>
#include <string>
#include <utility>
#include <vector>
#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "ConfiguratorFixture.h"
#include "Edit.h"
#include "GroupBox.h"
#include "ListBox.h"
#include "RadioGroup.h"
#include "UpDown.h"

namespace {

// What the operator sees in every control that a default button may set, by name.
using Controls = std::map<std::string, std::string>;

Controls Snapshot(TMainForm& f) {
    Controls c;
    for (TEdit* edit : {f.EditSystemName, f.EditSystemAdmin, f.EditNetworkListenerInterface, f.EditNetworkListenerPort,
                        f.EditNetworkGatekeeper, f.EditGatekeeperID, f.EditGatekeeperPassword, f.EditLogTraces,
                        f.EditPollServerBasePort, f.EditControlServerPort, f.EditControlServerConnectionTimeout,
                        f.EditAudioMaxCalls})
        c[edit->Name] = edit->Text();
    for (TComboBox* combo : {f.ComboBoxNetworkNeedGatekeeper, f.ComboBoxMaxCall, f.ComboBoxVoise})
        c[combo->Name] = combo->Text();
    for (TUpDown* upDown : {f.UpDownTxBufer, f.UpDownTresholdVoise, f.UpDownDirectionalSignal, f.UpDownDirectionSilents}) {
        c[upDown->Name] = std::to_string(upDown->Position());
        c[upDown->Associate()->Name] = upDown->Associate()->Text();
    }
    for (TRadioGroup* group : {f.RadioGroupLogSysLogLevel, f.RadioGroupLogLevel})
        c[group->Name] = std::to_string(group->ItemIndex());
    for (TCheckBox* box : {f.CheckBoxLogLogAudio, f.CheckBoxDeviceSettingsRTS}) c[box->Name] = box->Checked() ? "1" : "0";
    std::string prefixes;
    for (int i = 0; i < f.ListBoxPrefixes->Count(); ++i) prefixes += (i ? "|" : "") + f.ListBoxPrefixes->Item(i);
    c["prefix list"] = prefixes;
    return c;
}

const char kNoDefaults[] =
    "[System]\nName=Base\nAdmin=base@example.org\n"
    "[Network]\nListener Interface=10.1.1.1\nListener Port=1721\nNeed Gatekeeper=yes\n"
    "Gatekeeper=gk\nGatekeeperID=gkid\nGatekeeperPassword=pw\n"
    "[Audio]\nMax Calls=4\nTxBuffer=300\nEnable Polling=yes\n"
    "[SilenceDetection]\nThreshold=40\nSignal Deadband=700\nSilence Deadband=900\n"
    "[Log]\nSysLog Level=4\nLevel=3\nTraces=base.txt\nLog Audio=yes\n"
    "[Devices]\n0 = 1\n"
    "[DeviceSettings]\nFlow Control=3\n"
    "[Prefixes]\n0=8\n1=9\n"
    "[PollServer]\nBase Port=5000\n"
    "[ControlServer]\nPort=4001\nConnection Timeout=5\n";

struct ButtonCase {
    TButton* TMainForm::*Button;
    bool Modified;
    Controls Changes;  // every control the button changes, with the value it then shows
};

const std::vector<ButtonCase> kButtonCases = {
    {&TMainForm::ButtonDefaultNetwork,
     true,
     {{"EditNetworkListenerPort", "1720"},
      {"ComboBoxNetworkNeedGatekeeper", "Нет"},
      {"EditNetworkGatekeeper", ""},
      {"EditSystemName", "RAX40 Gateway"},
      {"EditControlServerPort", "4000"},
      {"EditControlServerConnectionTimeout", "15"},
      {"EditSystemAdmin", ""},
      {"EditGatekeeperID", ""},
      {"EditGatekeeperPassword", ""},
      {"EditNetworkListenerInterface", "0.0.0.0"},
      {"EditPollServerBasePort", "3000"},
      {"prefix list", "0=0|1=1|2=2|3=3|4=4|5=5|6=6|7=7|8=8|9=9"}}},
    {&TMainForm::ButtonDefaultAudio,
     true,
     {{"UpDownTxBufer", "200"},
      {"EditAudioTxBuffer", "200"},
      {"UpDownTresholdVoise", "50"},
      {"EditSilenceDetectionThreshold", "50"},
      {"UpDownDirectionalSignal", "100"},
      {"EditSilenceDetectionSignalDeadband", "100"},
      {"UpDownDirectionSilents", "200"},
      {"EditSilenceDetectionSilenceDeadband", "200"},
      {"CheckBoxLogLogAudio", "0"},
      {"ComboBoxMaxCall", "Неограничено"}}},
    {&TMainForm::ButtonDefaultAdd,
     false,
     {{"RadioGroupLogSysLogLevel", "2"}, {"RadioGroupLogLevel", "2"}, {"EditLogTraces", ""}}},
    {&TMainForm::Button1Def, true, {{"ComboBoxVoise", "Нет"}, {"CheckBoxDeviceSettingsRTS", "0"}}},
    {&TMainForm::ButtonMaxSpeak, true, {{"ComboBoxMaxCall", "Неограничено"}}},
};

class DefaultsTest : public configurator_test::ConfiguratorFixture {
protected:
    TMainForm* StartOn(const std::string& conf) {
        dir.Write("rax40gw.conf", conf);
        return Start();
    }
};

// The prefix list is hidden (extended view off) and is replaced all the same.
TEST_F(DefaultsTest, EachButtonSetsTheControlsOfItsPanelAndNothingElse) {
    TMainForm* form = StartOn(kNoDefaults);
    ASSERT_FALSE(form->GroupBox8->Visible());
    for (const ButtonCase& c : kButtonCases) {
        ASSERT_TRUE(form->LoadConfigFile(dir.File("rax40gw.conf")));
        TButton* button = form->*c.Button;
        Controls expected = Snapshot(*form);
        for (const auto& [name, value] : c.Changes) {
            EXPECT_NE(expected.at(name), value) << button->Name << ": " << name << " shows its default already";
            expected[name] = value;
        }
        Click(button);
        EXPECT_EQ(Snapshot(*form), expected) << button->Name;
        EXPECT_EQ(form->FModified, c.Modified) << button->Name;
    }
    EXPECT_TRUE(notices.empty());
}

// The logging defaults leave the change flag alone: what counts is whether the controls
// then differ from the loaded values.
TEST_F(DefaultsTest, LoggingDefaultsCountAsAChangeOnlyWhereTheLoadedValuesDiffer) {
    const std::pair<std::string, bool> cases[] = {
        {"SysLog Level=2\nLevel=2\n", false},
        {"SysLog Level=2\nLevel=4\n", true},
        {"SysLog Level=4\nLevel=2\n", true},
        {"SysLog Level=2\nLevel=2\nTraces=trace.txt\n", true},
    };
    TMainForm* form = StartOn("");
    for (const auto& [log, changed] : cases) {
        // Every other key is in the file, so that its control gives back the value read.
        std::string conf = kNoDefaults;
        const std::string loggingLines = "SysLog Level=4\nLevel=3\nTraces=base.txt\n";
        conf.replace(conf.find(loggingLines), loggingLines.size(), log);
        dir.Write("case.conf", conf);
        ASSERT_TRUE(form->LoadConfigFile(dir.File("case.conf")));
        SendMessageW(form->RadioGroupLogLevel->Button(5), BM_CLICK, 0, 0);  // the operator picks another level
        ASSERT_TRUE(form->IsConfigModified());
        Click(form->ButtonDefaultAdd);
        EXPECT_EQ(form->IsConfigModified(), changed) << log;
        EXPECT_FALSE(form->FModified) << log;
    }
}

// The defaults reach the gateway's file at the close; the keys whose default is empty
// are left out of it, as every empty key is.
TEST_F(DefaultsTest, DefaultsReachTheSavedConfiguration) {
    TMainForm* form = StartOn(kNoDefaults);
    for (TButton* button : {form->ButtonDefaultNetwork, form->ButtonDefaultAudio, form->ButtonDefaultAdd, form->Button1Def})
        Click(button);
    Choose(form->mExit);
    ASSERT_TRUE(Application.Terminated);

    std::string saved = dir.Read("rax40gw.conf");
    const char* const written[] = {
        "[System]\r\nName=RAX40 Gateway\r\n[Network]\r\nListener Interface=0.0.0.0\r\nListener Port=1720\r\n"
        "Need Gatekeeper=no\r\n[Audio]\r\n",
        "[Audio]\r\nMax Calls=-1\r\nTxBuffer=200\r\nEnable Polling=no\r\n[SilenceDetection]\r\nThreshold=50\r\n"
        "Signal Deadband=100\r\nSilence Deadband=200\r\n[Log]\r\nSysLog Level=2\r\nLevel=2\r\nLog Audio=no\r\n",
        "[DeviceSettings]\r\nFlow Control=1\r\n[Prefixes]\r\n0=0\r\n1=1\r\n2=2\r\n3=3\r\n4=4\r\n5=5\r\n6=6\r\n7=7\r\n"
        "8=8\r\n9=9\r\n[PollServer]\r\nBase Port=3000\r\n[ControlServer]\r\nPort=4000\r\nConnection Timeout=15\r\n",
    };
    for (const char* part : written) EXPECT_NE(saved.find(part), std::string::npos) << part << "\nin\n" << saved;
    for (const char* key : {"Admin=", "Gatekeeper=", "GatekeeperID=", "GatekeeperPassword=", "Traces="})
        EXPECT_EQ(saved.find(std::string("\n") + key), std::string::npos) << key;
}

}  // namespace
