#include "ConfigKeyControls.h"
#include <cstdint>
#include "CheckBox.h"
#include "ComboBox.h"
#include "Edit.h"
#include "Main.h"
#include "RadioGroup.h"
#include "SysUtils.h"
#include "UpDown.h"

const KeyControl KeyControls[kKeyControlCount] = {
    {kSystemName, EditText{&TMainForm::EditSystemName}},
    {kSystemAdmin, EditText{&TMainForm::EditSystemAdmin}},
    {kNetworkListenerInterface, EditText{&TMainForm::EditNetworkListenerInterface}},
    {kNetworkListenerPort, EditText{&TMainForm::EditNetworkListenerPort}},
    {kNetworkNeedGatekeeper, YesNoItem{&TMainForm::ComboBoxNetworkNeedGatekeeper}},
    {kNetworkGatekeeper, EditText{&TMainForm::EditNetworkGatekeeper}},
    {kNetworkGatekeeperID, EditText{&TMainForm::EditGatekeeperID}},
    {kNetworkGatekeeperPassword, EditText{&TMainForm::EditGatekeeperPassword}},
    {kAudioMaxCalls, MaxCallsItem{&TMainForm::ComboBoxMaxCall}},
    {kAudioTxBuffer, UpDownPosition{&TMainForm::UpDownTxBufer}},
    {kAudioEnablePolling, YesNoItem{&TMainForm::ComboBoxVoise}},
    {kSilenceDetectionThreshold, UpDownPosition{&TMainForm::UpDownTresholdVoise}},
    {kSilenceDetectionSignalDeadband, UpDownPosition{&TMainForm::UpDownDirectionalSignal}},
    {kSilenceDetectionSilenceDeadband, UpDownPosition{&TMainForm::UpDownDirectionSilents}},
    {kLogSysLogLevel, LevelItem{&TMainForm::RadioGroupLogSysLogLevel}},
    {kLogLevel, LevelItem{&TMainForm::RadioGroupLogLevel}},
    {kLogTraces, EditText{&TMainForm::EditLogTraces}},
    {kLogLogAudio, YesCheck{&TMainForm::CheckBoxLogLogAudio}},
    {kDeviceSettingsFlowControl, FlowControlCheck{&TMainForm::CheckBoxDeviceSettingsRTS}},
    {kPollServerBasePort, EditText{&TMainForm::EditPollServerBasePort}},
    {kControlServerPort, EditText{&TMainForm::EditControlServerPort}},
    {kControlServerConnectionTimeout, EditText{&TMainForm::EditControlServerConnectionTimeout}},
};

namespace {

bool IsYes(const AnsiString& value) { return SameTextCI(value, "yes"); }

ControlSetting Number(int number) { return {AnsiString(), number}; }

}  // namespace

ControlSetting EditText::Read(const AnsiString& value) const { return {value, 0}; }
void EditText::Show(TMainForm& form, const ControlSetting& setting) const { (form.*Edit)->SetText(setting.Text); }
AnsiString EditText::ValueOf(const TMainForm& form) const { return (form.*Edit)->Text(); }

ControlSetting YesNoItem::Read(const AnsiString& value) const { return Number(IsYes(value) ? 1 : 0); }
void YesNoItem::Show(TMainForm& form, const ControlSetting& setting) const {
    (form.*Combo)->SetItemIndex(setting.Number);
}
AnsiString YesNoItem::ValueOf(const TMainForm& form) const { return (form.*Combo)->ItemIndex() == 0 ? "no" : "yes"; }

ControlSetting MaxCallsItem::Read(const AnsiString& value) const {
    int calls = StrToInt(value);
    return Number(calls == -1 ? 0 : calls);
}
// The combo box selects nothing for an index outside its items.
void MaxCallsItem::Show(TMainForm& form, const ControlSetting& setting) const {
    (form.*Combo)->SetItemIndex(setting.Number);
}
AnsiString MaxCallsItem::ValueOf(const TMainForm& form) const {
    int item = (form.*Combo)->ItemIndex();
    if (item < 0) return "";
    return item == 0 ? "-1" : (form.*Combo)->Item(item);
}

ControlSetting UpDownPosition::Read(const AnsiString& value) const {
    return Number(static_cast<int16_t>(static_cast<uint32_t>(StrToInt(value)) & 0xFFFF));
}
void UpDownPosition::Show(TMainForm& form, const ControlSetting& setting) const {
    (form.*UpDown)->SetPosition(setting.Number);
}
AnsiString UpDownPosition::ValueOf(const TMainForm& form) const { return IntToStr((form.*UpDown)->Position()); }

ControlSetting LevelItem::Read(const AnsiString& value) const { return Number(CStrToInt(value)); }
void LevelItem::Show(TMainForm& form, const ControlSetting& setting) const {
    (form.*Group)->SetItemIndex(setting.Number);
}
AnsiString LevelItem::ValueOf(const TMainForm& form) const { return IntToStr((form.*Group)->ItemIndex()); }

ControlSetting YesCheck::Read(const AnsiString& value) const { return Number(IsYes(value) ? 1 : 0); }
void YesCheck::Show(TMainForm& form, const ControlSetting& setting) const {
    (form.*Box)->SetChecked(setting.Number != 0);
}
AnsiString YesCheck::ValueOf(const TMainForm& form) const { return (form.*Box)->Checked() ? "yes" : "no"; }

ControlSetting FlowControlCheck::Read(const AnsiString& value) const { return Number(CStrToInt(value) == 3 ? 1 : 0); }
void FlowControlCheck::Show(TMainForm& form, const ControlSetting& setting) const {
    (form.*Box)->SetChecked(setting.Number != 0);
}
AnsiString FlowControlCheck::ValueOf(const TMainForm& form) const { return (form.*Box)->Checked() ? "3" : "1"; }

const KeyControl* FindKeyControl(const ConfigLine& line) {
    for (const KeyControl& key : KeyControls) {
        const ConfigEntry& entry = ConfigEntryTable[key.Entry];
        if (line.IsSection(entry.Section) && line.IsKey(entry.Key)) return &key;
    }
    return nullptr;
}

ControlSetting ReadSetting(const KeyControl& key, const AnsiString& value) {
    return std::visit([&value](const auto& rule) { return rule.Read(value); }, key.Rule);
}

void ShowSetting(TMainForm& form, const KeyControl& key, const ControlSetting& setting) {
    std::visit([&](const auto& rule) { rule.Show(form, setting); }, key.Rule);
}

AnsiString ControlValue(const TMainForm& form, const KeyControl& key) {
    return std::visit([&form](const auto& rule) { return rule.ValueOf(form); }, key.Rule);
}
