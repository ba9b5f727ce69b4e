#include "Main.h"
#include "Application.h"
#include "Bevel.h"
#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "Dialogs.h"
#include "Edit.h"
#include "Files.h"
#include "Func.h"
#include "GroupBox.h"
#include "Image.h"
#include "Label.h"
#include "ListBox.h"
#include "Menus.h"
#include "PaintBox.h"
#include "Panel.h"
#include "RadioGroup.h"
#include "SpeedButton.h"
#include "StatusBar.h"
#include "StringGrid.h"
#include "Timer.h"
#include "Unicode.h"
#include "UpDown.h"
#include "WindowPlacement.h"

// The service-control object and the placement path are built before the configuration
// entries and destroyed after them.
ServiceControl GatewayControl __attribute__((init_priority(1000)));
AnsiString SettingsIniPath __attribute__((init_priority(1000)));
bool ServiceAvailable = false;
int CurrentBlock = 1;

TMainForm* MainForm = nullptr;
TFormInput* FormInput = nullptr;
TFormPr* FormPr = nullptr;

TMainForm::TMainForm() {
    BindComponents();
    BindHandlers();
    Load("TMAINFORM");
    FConfigPath = "";
    FLastServiceState = -1;
    FillStartTypes();
    AttachService();
    WriteGridHeader();
    Application.SetHintHidePause(15000);  // the long hints stay long enough to be read
}

TMainForm::~TMainForm() = default;

// The start types of the Service Control Manager: automatic, on demand, disabled.
void TMainForm::FillStartTypes() {
    StartTypeCB->AddItem("Авто", SERVICE_AUTO_START);
    StartTypeCB->AddItem("Вручную", SERVICE_DEMAND_START);
    StartTypeCB->AddItem("Отключено", SERVICE_DISABLED);
}

void TMainForm::AttachService() {
    ServiceAvailable = GatewayControl.Open(kGatewayServiceName);
    if (!ServiceAvailable) {
        RunButton->SetEnabled(false);
        RunButton->SetHint("Ошибка инициализации менеджера служб !");
        return;
    }
    SelectStartType(GatewayControl.StartType());
    Label3->SetCaption(SystemToWide(GatewayControl.BinaryPath()));
    TimerTimer(this);
}

// No item is selected for a start type that the list does not offer.
void TMainForm::SelectStartType(DWORD startType) {
    int found = -1;
    for (int i = 0; i < StartTypeCB->Count(); ++i)
        if (static_cast<DWORD>(StartTypeCB->ItemObject(i)) == startType) found = i;
    StartTypeCB->SetItemIndex(found);
}

void TMainForm::WriteGridHeader() {
    static const char* const captions[] = {" N", " Тип блока", " Порт", " IP адрес", " Комментарий"};
    for (int col = 0; col < 5; ++col) StringGrid1->SetCell(col, 0, captions[col]);
}

void TMainForm::FormCreate(TObject*) {
    AnsiString dir = ProgramDirectory();
    SettingsIniPath = dir + "Rax40gwcfg.ini";
    RestorePosition(MainForm);
    SpeedButtonLorkClick(this);
    FConfigPath = dir + "rax40gw.conf";
    if (FileExists(FConfigPath)) LoadConfigFile(FConfigPath);
    else FConfigPath = "";
    if (FileExists(dir + "voice.ini")) SyncVoiceIniFromConf();
    else ShowMessage("Не найден файл voice.ini");
}

void TMainForm::FormShow(TObject*) {}

void TMainForm::FormClose(TObject*, TCloseAction&) { SavePosition(MainForm); }

void TMainForm::PaintBox1Paint(TObject*) {
    PaintGradient(PaintBox1->Canvas(), PaintBox1->Width(), PaintBox1->Height());
}

// The prefix list takes its room beside the other group boxes only in the extended view.
void TMainForm::CheckBoxVidClick(TObject*) {
    bool extended = CheckBoxVid->Checked();
    GroupBox8->SetVisible(extended);
    int width = extended ? 513 : 810;
    for (TGroupBox* box : {GroupBox3, GroupBox4, GroupBox2, GroupBox10}) box->SetWidth(width);
}

void TMainForm::mExitClick(TObject*) { Close(); }

void TMainForm::SpeedButtonCloseClick(TObject*) { Close(); }

void TMainForm::HideAllPanels() {
    for (TPanel* panel : {PanelLork, PanelNetwork, PanelService, PanelVoice, PanelAdd}) panel->SetVisible(false);
}

void TMainForm::ShowPanel(TPanel* panel) {
    HideAllPanels();
    panel->SetAlign(alClient);
    panel->SetVisible(true);
}

void TMainForm::SpeedButtonLorkClick(TObject*) { ShowPanel(PanelLork); }
void TMainForm::SpeedButtonNetworkClick(TObject*) { ShowPanel(PanelNetwork); }
void TMainForm::SpeedButtonVoiceClick(TObject*) { ShowPanel(PanelVoice); }
void TMainForm::SpeedButtonAddClick(TObject*) { ShowPanel(PanelAdd); }
void TMainForm::SpeedButtonServiceClick(TObject*) { ShowPanel(PanelService); }

void TMainForm::BindComponents() {
    Field(Panel1, "Panel1");
    Field(PaintBox1, "PaintBox1");
    Field(SpeedButtonLork, "SpeedButtonLork");
    Field(SpeedButtonNetwork, "SpeedButtonNetwork");
    Field(SpeedButtonVoice, "SpeedButtonVoice");
    Field(SpeedButtonAdd, "SpeedButtonAdd");
    Field(SpeedButtonService, "SpeedButtonService");
    Field(SpeedButtonClose, "SpeedButtonClose");

    Field(PanelLork, "PanelLork");
    Field(Label20, "Label20");
    Field(GroupBox5, "GroupBox5");
    Field(StringGrid1, "StringGrid1");
    Field(ButtonEdit, "ButtonEdit");
    Field(ButtonAdd, "ButtonAdd");
    Field(ButtonDel, "ButtonDel");
    Field(GroupBox11, "GroupBox11");
    Field(ComboBoxVoise, "ComboBoxVoise");
    Field(Button1Def, "Button1Def");
    Field(CheckBoxDeviceSettingsRTS, "CheckBoxDeviceSettingsRTS");

    Field(PanelNetwork, "PanelNetwork");
    Field(Label21, "Label21");
    Field(GroupBox3, "GroupBox3");
    Field(Label7, "Label7");
    Field(EditNetworkListenerInterface, "EditNetworkListenerInterface");
    Field(Label8, "Label8");
    Field(EditNetworkListenerPort, "EditNetworkListenerPort");
    Field(Label9, "Label9");
    Field(ComboBoxNetworkNeedGatekeeper, "ComboBoxNetworkNeedGatekeeper");
    Field(Label10, "Label10");
    Field(EditNetworkGatekeeper, "EditNetworkGatekeeper");
    Field(LabelGatekeeperID, "LabelGatekeeperID");
    Field(EditGatekeeperID, "EditGatekeeperID");
    Field(LabelGatekeeperPassword, "LabelGatekeeperPassword");
    Field(EditGatekeeperPassword, "EditGatekeeperPassword");
    Field(Label11, "Label11");
    Field(EditSystemName, "EditSystemName");
    Field(GroupBox4, "GroupBox4");
    Field(Label12, "Label12");
    Field(EditControlServerPort, "EditControlServerPort");
    Field(Label13, "Label13");
    Field(EditControlServerConnectionTimeout, "EditControlServerConnectionTimeout");
    Field(GroupBox10, "GroupBox10");
    Field(EditPollServerBasePort, "EditPollServerBasePort");
    Field(GroupBox2, "GroupBox2");
    Field(Label14, "Label14");
    Field(EditSystemAdmin, "EditSystemAdmin");
    Field(GroupBox8, "GroupBox8");
    Field(ListBoxPrefixes, "ListBoxPrefixes");
    Field(ButtonDefaultNetwork, "ButtonDefaultNetwork");

    Field(PanelVoice, "PanelVoice");
    Field(Label17, "Label17");
    Field(Label15, "Label15");
    Field(Bevel1, "Bevel1");
    Field(Image1, "Image1");
    Field(EditSilenceDetectionThreshold, "EditSilenceDetectionThreshold");
    Field(UpDownTresholdVoise, "UpDownTresholdVoise");
    Field(EditSilenceDetectionSignalDeadband, "EditSilenceDetectionSignalDeadband");
    Field(UpDownDirectionalSignal, "UpDownDirectionalSignal");
    Field(Label2, "Label2");
    Field(EditSilenceDetectionSilenceDeadband, "EditSilenceDetectionSilenceDeadband");
    Field(UpDownDirectionSilents, "UpDownDirectionSilents");
    Field(Label6, "Label6");
    Field(GroupBox6, "GroupBox6");
    Field(ComboBoxMaxCall, "ComboBoxMaxCall");
    Field(EditAudioMaxCalls, "EditAudioMaxCalls");
    Field(ButtonMaxSpeak, "ButtonMaxSpeak");
    Field(GroupBox7, "GroupBox7");
    Field(EditAudioTxBuffer, "EditAudioTxBuffer");
    Field(UpDownTxBufer, "UpDownTxBufer");
    Field(Label16, "Label16");
    Field(CheckBoxLogLogAudio, "CheckBoxLogLogAudio");
    Field(ButtonDefaultAudio, "ButtonDefaultAudio");

    Field(PanelAdd, "PanelAdd");
    Field(Label18, "Label18");
    Field(RadioGroupLogSysLogLevel, "RadioGroupLogSysLogLevel");
    Field(GroupBox9, "GroupBox9");
    Field(EditLogTraces, "EditLogTraces");
    Field(SpeedButton1, "SpeedButton1");
    Field(RadioGroupLogLevel, "RadioGroupLogLevel");
    Field(ButtonDefaultAdd, "ButtonDefaultAdd");

    Field(PanelService, "PanelService");
    Field(Label19, "Label19");
    Field(GroupBox1, "GroupBox1");
    Field(RunButton, "RunButton");
    Field(Label1, "Label1");
    Field(Label4, "Label4");
    Field(StartTypeCB, "StartTypeCB");
    Field(Label5, "Label5");
    Field(Label3, "Label3");
    Field(StartImage, "StartImage");
    Field(StopImage, "StopImage");

    Field(StatusBar1, "StatusBar1");
    Field(Timer, "Timer");
    Field(MainMenu1, "MainMenu1");
    Field(mFile, "mFile");
    Field(mOpen, "mOpen");
    Field(mSaveas, "mSaveas");
    Field(N5, "N5");
    Field(mExit, "mExit");
    Field(N3, "N3");
    Field(CheckBoxVid, "CheckBoxVid");
    Field(N1, "N1");
    Field(RAX40Gateway1, "RAX40Gateway1");
    Field(N2, "N2");
    Field(OpenDialog1, "OpenDialog1");
    Field(SaveDialog1, "SaveDialog1");
    Field(OpenDialog2, "OpenDialog2");
}

void TMainForm::BindHandlers() {
    Handler("FormCreate", &TMainForm::FormCreate);
    Handler("FormShow", &TMainForm::FormShow);
    Handler("FormClose", &TMainForm::FormClose);
    Handler("FormCloseQuery", &TMainForm::FormCloseQuery);
    Handler("PaintBox1Paint", &TMainForm::PaintBox1Paint);
    Handler("CheckBoxVidClick", &TMainForm::CheckBoxVidClick);
    Handler("mExitClick", &TMainForm::mExitClick);
    Handler("SpeedButtonLorkClick", &TMainForm::SpeedButtonLorkClick);
    Handler("SpeedButtonNetworkClick", &TMainForm::SpeedButtonNetworkClick);
    Handler("SpeedButtonVoiceClick", &TMainForm::SpeedButtonVoiceClick);
    Handler("SpeedButtonAddClick", &TMainForm::SpeedButtonAddClick);
    Handler("SpeedButtonServiceClick", &TMainForm::SpeedButtonServiceClick);
    Handler("SpeedButtonCloseClick", &TMainForm::SpeedButtonCloseClick);
    Handler("RunButtonClick", &TMainForm::RunButtonClick);
    Handler("mSaveasClick", &TMainForm::mSaveasClick);
    Handler("TimerTimer", &TMainForm::TimerTimer);
    Handler("StartTypeCBClick", &TMainForm::StartTypeCBClick);
    Handler("mOpenClick", &TMainForm::mOpenClick);
    Handler("ButtonAddClick", &TMainForm::ButtonAddClick);
    Handler("ButtonEditClick", &TMainForm::ButtonEditClick);
    Handler("ButtonDelClick", &TMainForm::ButtonDelClick);
    Handler("StringGrid1SelectCell", &TMainForm::StringGrid1SelectCell);
    Handler("Button1DefClick", &TMainForm::Button1DefClick);
    Handler("ButtonDefaultNetworkClick", &TMainForm::ButtonDefaultNetworkClick);
    Handler("ButtonDefaultAudioClick", &TMainForm::ButtonDefaultAudioClick);
    Handler("ButtonDefaultAddClick", &TMainForm::ButtonDefaultAddClick);
    Handler("ButtonMaxSpeakClick", &TMainForm::ButtonMaxSpeakClick);
    Handler("ListBoxPrefixesDblClick", &TMainForm::ListBoxPrefixesDblClick);
    Handler("EditControlServerConnectionTimeoutKeyPress", &TMainForm::EditControlServerConnectionTimeoutKeyPress);
    Handler("EditNetworkListenerInterfaceKeyPress", &TMainForm::EditNetworkListenerInterfaceKeyPress);
    Handler("RAX40Gateway1Click", &TMainForm::RAX40Gateway1Click);
    Handler("N2Click", &TMainForm::N2Click);
    Handler("SpeedButton1Click", &TMainForm::SpeedButton1Click);
}
