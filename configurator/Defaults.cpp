// The default values that the "По умолчанию" and "Неограничено" buttons put into the
// controls of their panels. None of these controls has a change handler, so setting them
// does nothing more; the values reach the file at the next save.
#include "Main.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "Edit.h"
#include "ListBox.h"
#include "RadioGroup.h"
#include "SysUtils.h"
#include "UpDown.h"

namespace {
constexpr int kNo = 0;           // "Нет" in the yes/no lists
constexpr int kUnlimited = 0;    // "Неограничено" in the list of simultaneous calls
constexpr int kWarning = 2;      // "Предупреждение" in both lists of logging levels
}  // namespace

// The prefix list is replaced also while the extended view hides it.
void TMainForm::ButtonDefaultNetworkClick(TObject*) {
    FModified = true;
    EditNetworkListenerPort->SetText("1720");
    ComboBoxNetworkNeedGatekeeper->SetItemIndex(kNo);
    EditNetworkGatekeeper->SetText("");
    EditSystemName->SetText("RAX40 Gateway");
    EditControlServerPort->SetText("4000");
    EditControlServerConnectionTimeout->SetText("15");
    EditSystemAdmin->SetText("");
    EditGatekeeperID->SetText("");
    EditGatekeeperPassword->SetText("");
    EditNetworkListenerInterface->SetText("0.0.0.0");
    EditPollServerBasePort->SetText("3000");
    ListBoxPrefixes->Clear();
    for (int n = 0; n <= 9; ++n) ListBoxPrefixes->AddItem(IntToStr(n) + "=" + IntToStr(n));
}

void TMainForm::ButtonDefaultAudioClick(TObject*) {
    UpDownTxBufer->SetPosition(200);
    UpDownTresholdVoise->SetPosition(50);
    UpDownDirectionalSignal->SetPosition(100);
    UpDownDirectionSilents->SetPosition(200);
    CheckBoxLogLogAudio->SetChecked(false);
    ComboBoxMaxCall->SetItemIndex(kUnlimited);
    FModified = true;
}

// The change flag stays as it is: the modified test compares these three controls with
// the values last loaded or saved, so the defaults count as a change only where they
// differ from those.
void TMainForm::ButtonDefaultAddClick(TObject*) {
    RadioGroupLogSysLogLevel->SetItemIndex(kWarning);
    RadioGroupLogLevel->SetItemIndex(kWarning);
    EditLogTraces->SetText("");
}

void TMainForm::Button1DefClick(TObject*) {
    ComboBoxVoise->SetItemIndex(kNo);
    CheckBoxDeviceSettingsRTS->SetChecked(false);
    FModified = true;
}

void TMainForm::ButtonMaxSpeakClick(TObject*) {
    ComboBoxMaxCall->SetItemIndex(kUnlimited);
    FModified = true;
}
