#pragma once
// The monitor's main window: the one-second check loop that keeps the gateway's service
// within its memory limit, the service and dispatcher display, the counters of the
// automatic restarts and the notification-area icon.
#include <cstdint>
#include "Athread.h"
#include "Form.h"
#include "GatewayRestart.h"
#include "R40gwserv.h"

class TListBox;
class TLabel;
class TProgressBar;
class TGroupBox;
class TShape;
class TPanel;
class TBitBtn;
class TButton;
class TStatusBar;
class TTrayIcon;
class TPopupMenu;
class TMainMenu;
class TMenuItem;
class TActionList;
class TAction;
class TTimer;

class TR40Mon : public TForm {
public:
    TR40Mon();
    ~TR40Mon() override;

    TListBox* ListBox1 = nullptr;
    TLabel* LabelInfo = nullptr;
    TProgressBar* ProgressBar1 = nullptr;
    TGroupBox* GroupBox1 = nullptr;
    TLabel* LabelRestartCnt = nullptr;
    TGroupBox* GroupBox2 = nullptr;
    TLabel* LabelRestartCntSeans = nullptr;
    TShape* ShapeDorn = nullptr;
    TPanel* Panel1 = nullptr;
    TBitBtn* BitBtnStop = nullptr;
    TBitBtn* BitBtnStart = nullptr;
    TButton* Button1 = nullptr;
    TStatusBar* StatusBar1 = nullptr;
    TTrayIcon* TrayIcon1 = nullptr;
    TPopupMenu* PopupMenuTray = nullptr;
    TMenuItem* pmShow = nullptr;
    TMenuItem* pmClose = nullptr;
    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* mFile = nullptr;
    TMenuItem* mHide = nullptr;
    TMenuItem* mClose = nullptr;
    TMenuItem* pmJurnal = nullptr;
    TMenuItem* mLog = nullptr;
    TMenuItem* mShowLog = nullptr;
    TMenuItem* mClearLog = nullptr;
    TMenuItem* mSetup = nullptr;
    TActionList* ActionList1 = nullptr;
    TAction* AHide = nullptr;
    TAction* AShow = nullptr;
    TAction* ACloseApplication = nullptr;
    TAction* ReadState = nullptr;
    TAction* ShowProcs = nullptr;
    TTimer* Timer1 = nullptr;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void AShowExecute(TObject* Sender);
    void AHideExecute(TObject* Sender);
    void ACloseApplicationExecute(TObject* Sender);
    void ReadStateExecute(TObject* Sender);
    void Timer1Timer(TObject* Sender);
    void ShowProcsExecute(TObject* Sender);
    void mLogClick(TObject* Sender);
    void mSetupClick(TObject* Sender);
    void mShowLogClick(TObject* Sender);
    void mClearLogClick(TObject* Sender);
    void BitBtnStopClick(TObject* Sender);
    void BitBtnStartClick(TObject* Sender);

    // Appends one timestamped line to the log while logging is on.
    void WriteLog(const AnsiString& text);

    int32_t Period = 5;          // minutes between two memory checks
    int32_t Size = 50;           // memory limit of the gateway in whole megabytes
    AnsiString LogFileName;
    int32_t RestartCnt = 0;      // automatic restarts over all runs
    int32_t RestartCntSeans = 0; // automatic restarts in this run
    int32_t CheckCountdown = 0;  // ticks left until the next memory check

    // The start of the last automatic restart, held back until the service has stopped.
    DeferredGatewayStart GatewayStart;

    // Dorn4's answer to the conversation query: kept in Dispatcher for the waiting query.
    void OnDispatcherReply(TMessage& message);

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void RegisterComponents();
    void RegisterHandlers();
    void CountDown();
    void CheckMemory();
    void RefreshWindow();
    void ShowDispatcherState();
    bool ConversationInProgress();
    void RestartGateway();
    void FinishGatewayStart();
    void ShowRestartCounters();
    int32_t NewCountdown() const;
    // Why the gateway's working set could not be measured, for the window and the log.
    AnsiString WorkingSetFailure() const;
    // Period, Size, the log switch and RestartCnt from the settings file, and back.
    void ReadSettings();
    void WriteSettings();
};

extern TR40Mon* R40Mon;
extern RAX40GATEWAY_SERVICE GatewayService;
extern DispatcherLink Dispatcher;
