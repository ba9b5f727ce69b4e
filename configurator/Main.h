#pragma once
// The configurator's main window: a side panel with six buttons, five content panels of
// which one is shown, the main menu, the status bar and the one-second timer. The
// handlers of each subject live in the file of that subject.
#include "AnsiString.h"
#include "Form.h"
#include "Scm.h"
#include "Thread.h"

class TBevel;
class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TGroupBox;
class TImage;
class TLabel;
class TListBox;
class TMainMenu;
class TMenuItem;
class TOpenDialog;
class TPaintBox;
class TPanel;
class TRadioGroup;
class TSaveDialog;
class TSpeedButton;
class TStatusBar;
class TStringGrid;
class TTimer;
class TUpDown;
class TFormInput;
class TFormPr;
class TStringList;

class TMainForm : public TForm {
public:
    TMainForm();
    ~TMainForm() override;

    // Side panel.
    TPanel* Panel1 = nullptr;
    TPaintBox* PaintBox1 = nullptr;
    TSpeedButton* SpeedButtonLork = nullptr;
    TSpeedButton* SpeedButtonNetwork = nullptr;
    TSpeedButton* SpeedButtonVoice = nullptr;
    TSpeedButton* SpeedButtonAdd = nullptr;
    TSpeedButton* SpeedButtonService = nullptr;
    TSpeedButton* SpeedButtonClose = nullptr;

    // The ЛОРК unit list.
    TPanel* PanelLork = nullptr;
    TLabel* Label20 = nullptr;
    TGroupBox* GroupBox5 = nullptr;
    TStringGrid* StringGrid1 = nullptr;
    TButton* ButtonEdit = nullptr;
    TButton* ButtonAdd = nullptr;
    TButton* ButtonDel = nullptr;
    TGroupBox* GroupBox11 = nullptr;
    TComboBox* ComboBoxVoise = nullptr;
    TButton* Button1Def = nullptr;
    TCheckBox* CheckBoxDeviceSettingsRTS = nullptr;

    // Network settings.
    TPanel* PanelNetwork = nullptr;
    TLabel* Label21 = nullptr;
    TGroupBox* GroupBox3 = nullptr;
    TLabel* Label7 = nullptr;
    TEdit* EditNetworkListenerInterface = nullptr;
    TLabel* Label8 = nullptr;
    TEdit* EditNetworkListenerPort = nullptr;
    TLabel* Label9 = nullptr;
    TComboBox* ComboBoxNetworkNeedGatekeeper = nullptr;
    TLabel* Label10 = nullptr;
    TEdit* EditNetworkGatekeeper = nullptr;
    TLabel* LabelGatekeeperID = nullptr;
    TEdit* EditGatekeeperID = nullptr;
    TLabel* LabelGatekeeperPassword = nullptr;
    TEdit* EditGatekeeperPassword = nullptr;
    TLabel* Label11 = nullptr;
    TEdit* EditSystemName = nullptr;
    TGroupBox* GroupBox4 = nullptr;
    TLabel* Label12 = nullptr;
    TEdit* EditControlServerPort = nullptr;
    TLabel* Label13 = nullptr;
    TEdit* EditControlServerConnectionTimeout = nullptr;
    TGroupBox* GroupBox10 = nullptr;
    TEdit* EditPollServerBasePort = nullptr;
    TGroupBox* GroupBox2 = nullptr;
    TLabel* Label14 = nullptr;
    TEdit* EditSystemAdmin = nullptr;
    TGroupBox* GroupBox8 = nullptr;
    TListBox* ListBoxPrefixes = nullptr;
    TButton* ButtonDefaultNetwork = nullptr;

    // Sound settings.
    TPanel* PanelVoice = nullptr;
    TLabel* Label17 = nullptr;
    TLabel* Label15 = nullptr;
    TBevel* Bevel1 = nullptr;
    TImage* Image1 = nullptr;
    TEdit* EditSilenceDetectionThreshold = nullptr;
    TUpDown* UpDownTresholdVoise = nullptr;
    TEdit* EditSilenceDetectionSignalDeadband = nullptr;
    TUpDown* UpDownDirectionalSignal = nullptr;
    TLabel* Label2 = nullptr;
    TEdit* EditSilenceDetectionSilenceDeadband = nullptr;
    TUpDown* UpDownDirectionSilents = nullptr;
    TLabel* Label6 = nullptr;
    TGroupBox* GroupBox6 = nullptr;
    TComboBox* ComboBoxMaxCall = nullptr;
    TEdit* EditAudioMaxCalls = nullptr;
    TButton* ButtonMaxSpeak = nullptr;
    TGroupBox* GroupBox7 = nullptr;
    TEdit* EditAudioTxBuffer = nullptr;
    TUpDown* UpDownTxBufer = nullptr;
    TLabel* Label16 = nullptr;
    TCheckBox* CheckBoxLogLogAudio = nullptr;
    TButton* ButtonDefaultAudio = nullptr;

    // Logs.
    TPanel* PanelAdd = nullptr;
    TLabel* Label18 = nullptr;
    TRadioGroup* RadioGroupLogSysLogLevel = nullptr;
    TGroupBox* GroupBox9 = nullptr;
    TEdit* EditLogTraces = nullptr;
    TSpeedButton* SpeedButton1 = nullptr;
    TRadioGroup* RadioGroupLogLevel = nullptr;
    TButton* ButtonDefaultAdd = nullptr;

    // The gateway service.
    TPanel* PanelService = nullptr;
    TLabel* Label19 = nullptr;
    TGroupBox* GroupBox1 = nullptr;
    TSpeedButton* RunButton = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label4 = nullptr;
    TComboBox* StartTypeCB = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Label3 = nullptr;
    TImage* StartImage = nullptr;
    TImage* StopImage = nullptr;

    TStatusBar* StatusBar1 = nullptr;
    TTimer* Timer = nullptr;
    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* mFile = nullptr;
    TMenuItem* mOpen = nullptr;
    TMenuItem* mSaveas = nullptr;
    TMenuItem* N5 = nullptr;
    TMenuItem* mExit = nullptr;
    TMenuItem* N3 = nullptr;
    TMenuItem* CheckBoxVid = nullptr;
    TMenuItem* N1 = nullptr;
    TMenuItem* RAX40Gateway1 = nullptr;
    TMenuItem* N2 = nullptr;
    TOpenDialog* OpenDialog1 = nullptr;
    TSaveDialog* SaveDialog1 = nullptr;
    TOpenDialog* OpenDialog2 = nullptr;

    // The window's own state.
    AnsiString FConfigPath;     // the configuration file loaded or saved last; "" for none
    bool FLoaded = false;       // a configuration has been loaded
    bool FModified = false;     // the operator has changed something since the last load or save
    int FLastServiceState = -1; // the service state seen by the previous timer tick

    // Start-up, closing and the frame (Main.cpp).
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void PaintBox1Paint(TObject* Sender);
    void CheckBoxVidClick(TObject* Sender);
    void mExitClick(TObject* Sender);
    void HideAllPanels();
    void SpeedButtonLorkClick(TObject* Sender);
    void SpeedButtonNetworkClick(TObject* Sender);
    void SpeedButtonVoiceClick(TObject* Sender);
    void SpeedButtonAddClick(TObject* Sender);
    void SpeedButtonServiceClick(TObject* Sender);
    void SpeedButtonCloseClick(TObject* Sender);

    // Reading a configuration file (ConfigLoader.cpp).
    bool LoadConfigFile(const AnsiString& path);
    void ClearGridRow(int row);

    // Writing the configuration (ConfigWriter.cpp): the controls into the entries, and
    // the entries, after the passes over their lines, into the file at path.
    void CollectFormValues();
    bool SaveConfigFile(const AnsiString& path, void (*passes)(TStringList& lines));

    // Saving (SaveRoads.cpp).
    bool IsConfigModified() const;
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void RunButtonClick(TObject* Sender);
    void mSaveasClick(TObject* Sender);

    // The service panel (ServicePanel.cpp).
    void TimerTimer(TObject* Sender);
    void StartTypeCBClick(TObject* Sender);

    // The device lists in voice.ini (VoiceIni.cpp).
    void SyncVoiceIniFromConf();
    void mOpenClick(TObject* Sender);

    // The ЛОРК unit list (UnitList.cpp).
    void ButtonAddClick(TObject* Sender);
    void ButtonEditClick(TObject* Sender);
    void ButtonDelClick(TObject* Sender);
    void StringGrid1SelectCell(TObject* Sender, int ACol, int ARow, bool& CanSelect);

    // Default values (Defaults.cpp), key filters (KeyFilters.cpp), prefixes (Prefixes.cpp).
    void Button1DefClick(TObject* Sender);
    void ButtonDefaultNetworkClick(TObject* Sender);
    void ButtonDefaultAudioClick(TObject* Sender);
    void ButtonDefaultAddClick(TObject* Sender);
    void ButtonMaxSpeakClick(TObject* Sender);
    void EditControlServerConnectionTimeoutKeyPress(TObject* Sender, char& Key);
    void EditNetworkListenerInterfaceKeyPress(TObject* Sender, char& Key);
    void ListBoxPrefixesDblClick(TObject* Sender);

    // The manuals and the trace file (Manuals.cpp).
    void RAX40Gateway1Click(TObject* Sender);
    void N2Click(TObject* Sender);
    void SpeedButton1Click(TObject* Sender);

private:
    void BindComponents();
    void BindHandlers();
    void FillStartTypes();
    void AttachService();
    void SelectStartType(DWORD startType);
    void ShowRunButtonFor(int serviceState);
    // action: the button's Tag, 0 start and 1 stop.
    void ShowRunButton(int action, TImage* glyph, const AnsiString& hint);
    void WriteGridHeader();
    void ShowPanel(TPanel* panel);
    bool AutomaticSaveDue();
    bool SaveForGateway();
    void RestartGateway();
};

// Restarts the gateway's service: stops it, waits until it has stopped (two seconds at
// least, the limit at most) and starts it. It runs at once when made with
// TThread::Start<RAXThread>(); its creator waits for its handle and then frees it.
class RAXThread : public TThread {
public:
    static constexpr DWORD kLeastPauseMs = 2000;
    static constexpr DWORD kStopWaitLimitMs = 60000;
    explicit RAXThread(DWORD stopWaitLimitMs = kStopWaitLimitMs);

protected:
    void Execute() override;

private:
    static constexpr DWORD kPollMs = 100;
    const DWORD stopWaitLimitMs_;
};

// The one service-control object, opened on the gateway's service by the main window.
extern ServiceControl GatewayControl;
// True when the gateway's service was opened at start-up; fixed for the run.
extern bool ServiceAvailable;
// The full path of the window placement file.
extern AnsiString SettingsIniPath;
// The ЛОРК unit row selected in the unit grid, from 1.
extern int CurrentBlock;

extern TMainForm* MainForm;
extern TFormInput* FormInput;
extern TFormPr* FormPr;

// The service the configurator controls.
inline constexpr const char* kGatewayServiceName = "RAX40 Gateway";
