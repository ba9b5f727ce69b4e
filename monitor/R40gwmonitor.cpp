#include "R40gwmonitor.h"
#include "Actions.h"
#include "Application.h"
#include "BitBtn.h"
#include "Button.h"
#include "Files.h"
#include "GroupBox.h"
#include "Label.h"
#include "ListBox.h"
#include "Menus.h"
#include "MessageFilter.h"
#include "Panel.h"
#include "ProgressBar.h"
#include "Shape.h"
#include "StatusBar.h"
#include "SysUtils.h"
#include "Timer.h"
#include "TrayIcon.h"

// Built before the program's entry, in this order.
TR40Mon* R40Mon = nullptr;
RAX40GATEWAY_SERVICE GatewayService;
DispatcherLink Dispatcher;

namespace {
constexpr DWORD kMegabyte = 1024 * 1024;
constexpr int kPanelDispatcher = 1, kPanelCountdown = 2;  // panel 0 shows the service (ServiceView.cpp)
constexpr int32_t kPutOffSeconds = 30;  // next look while Dorn4 reports a conversation
constexpr DWORD kFinishStepMs = 100;     // between two looks at a held-back start at the close
}  // namespace

TR40Mon::TR40Mon() : GatewayStart(GatewayService) {
    RegisterComponents();
    RegisterHandlers();
    Load("R40Mon");
    // Dorn4 runs at a lower integrity level than the monitor: without this its answers
    // would be dropped, and every query would read "no conversation".
    AllowMessageFromLowerLevels(Handle(), WM_DISPATCHER_LINK);
    ReadSettings();
    ProgressBar1->SetMax(Size);
    LogFileName = ProgramDirectory() + "R40GWmonitor.txt";
    WriteLog(" > Запуск программы...");
}

TR40Mon::~TR40Mon() = default;

void TR40Mon::RegisterComponents() {
    Field(ListBox1, "ListBox1");
    Field(LabelInfo, "LabelInfo");
    Field(ProgressBar1, "ProgressBar1");
    Field(GroupBox1, "GroupBox1");
    Field(LabelRestartCnt, "LabelRestartCnt");
    Field(GroupBox2, "GroupBox2");
    Field(LabelRestartCntSeans, "LabelRestartCntSeans");
    Field(ShapeDorn, "ShapeDorn");
    Field(Panel1, "Panel1");
    Field(BitBtnStop, "BitBtnStop");
    Field(BitBtnStart, "BitBtnStart");
    Field(Button1, "Button1");
    Field(StatusBar1, "StatusBar1");
    Field(TrayIcon1, "TrayIcon1");
    Field(PopupMenuTray, "PopupMenuTray");
    Field(pmShow, "pmShow");
    Field(pmClose, "pmClose");
    Field(MainMenu1, "MainMenu1");
    Field(mFile, "mFile");
    Field(mHide, "mHide");
    Field(mClose, "mClose");
    Field(pmJurnal, "pmJurnal");
    Field(mLog, "mLog");
    Field(mShowLog, "mShowLog");
    Field(mClearLog, "mClearLog");
    Field(mSetup, "mSetup");
    Field(ActionList1, "ActionList1");
    Field(AHide, "AHide");
    Field(AShow, "AShow");
    Field(ACloseApplication, "ACloseApplication");
    Field(ReadState, "ReadState");
    Field(ShowProcs, "ShowProcs");
    Field(Timer1, "Timer1");
}

void TR40Mon::RegisterHandlers() {
    Handler("FormCreate", &TR40Mon::FormCreate);
    Handler("FormClose", &TR40Mon::FormClose);
    Handler("AShowExecute", &TR40Mon::AShowExecute);
    Handler("AHideExecute", &TR40Mon::AHideExecute);
    Handler("ACloseApplicationExecute", &TR40Mon::ACloseApplicationExecute);
    Handler("ReadStateExecute", &TR40Mon::ReadStateExecute);
    Handler("Timer1Timer", &TR40Mon::Timer1Timer);
    Handler("ShowProcsExecute", &TR40Mon::ShowProcsExecute);
    Handler("mLogClick", &TR40Mon::mLogClick);
    Handler("mSetupClick", &TR40Mon::mSetupClick);
    Handler("mShowLogClick", &TR40Mon::mShowLogClick);
    Handler("mClearLogClick", &TR40Mon::mClearLogClick);
    Handler("BitBtnStopClick", &TR40Mon::BitBtnStopClick);
    Handler("BitBtnStartClick", &TR40Mon::BitBtnStartClick);
}

void TR40Mon::FormCreate(TObject*) {
    ShowProcsExecute(this);
    ReadStateExecute(this);
}

void TR40Mon::AShowExecute(TObject*) {
    Show();
    BringToFront();
    SetForegroundWindow(Handle());
}

// A hidden window has no taskbar button; the tray icon stays.
void TR40Mon::AHideExecute(TObject*) { Hide(); }

void TR40Mon::ACloseApplicationExecute(TObject*) { Close(); }

// A second close while the first waits for the gateway's start is refused unasked.
void TR40Mon::FormClose(TObject*, TCloseAction& Action) {
    if (GatewayStart.Finishing()) {
        Action = caNone;
        return;
    }
    if (Application.MessageBox("Действительно закрыть приложение?...", "Монитор Rax40GW", MB_YESNO) == IDNO) {
        Action = caNone;
        return;
    }
    WriteSettings();
    WriteLog(" > Завершение программы...");
    FinishGatewayStart();
}

// The close waits for a start that the last restart still holds back, with the window
// painting and answering: between short waits its messages are handled, while its input
// is held off and ticks do nothing. The hourglass and the service's state show the wait.
void TR40Mon::FinishGatewayStart() {
    if (!GatewayStart.Pending()) return;
    EnableWindow(Handle(), FALSE);
    Screen.SetCursor(crHourGlass);
    GatewayStart.Finish([this] {
        ReadStateExecute(this);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, kFinishStepMs, QS_ALLINPUT);
        Application.ProcessMessages();
    });
    Screen.SetCursor(crDefault);
    EnableWindow(Handle(), TRUE);
}

// Every tick counts down to the next memory check; the tick that finds the count at 0
// checks. A start held back by the last restart is looked after first; while the close
// waits for that start, the ticks have nothing to do.
void TR40Mon::Timer1Timer(TObject*) {
    if (GatewayStart.Finishing()) return;
    GatewayStart.Poll();
    if (CheckCountdown != 0) CountDown();
    else CheckMemory();
}

void TR40Mon::CountDown() {
    CheckCountdown = static_cast<int32_t>(static_cast<uint32_t>(CheckCountdown) - 1);
    StatusBar1->SetPanelText(kPanelCountdown, "До проверки: " + IntToStr(CheckCountdown) + " сек");
    if (Visible() && (CheckCountdown & 1) != 0) RefreshWindow();
}

void TR40Mon::RefreshWindow() {
    ShowRestartCounters();
    ReadStateExecute(this);
    ShowProcsExecute(this);
    ShowDispatcherState();
    ShapeDorn->SetHint(StatusBar1->PanelText(kPanelDispatcher));
}

void TR40Mon::ShowDispatcherState() {
    if (!Dispatcher.FindDispatcher()) {
        ShapeDorn->SetBrushColor(clGray);
        StatusBar1->SetPanelText(kPanelDispatcher, "Dorn4: Не работает...");
        return;
    }
    Dispatcher.ReplyWindow = Handle();
    bool talking = Dispatcher.QueryConversation();
    ShapeDorn->SetBrushColor(talking ? clRed : clLime);
    StatusBar1->SetPanelText(kPanelDispatcher, talking ? "Dorn4: Выполняется разговор..." : "Dorn4: Работает...");
}

// A running gateway whose memory could not be measured is not taken as using none: the
// log says why, and nothing is decided until a check that measures it.
void TR40Mon::CheckMemory() {
    ReadStateExecute(this);
    if (GatewayService.WorkingSetError != 0) {
        WriteLog(" > Не удалось измерить память Rax40 Gateway: " + WorkingSetFailure() + "...");
        CheckCountdown = NewCountdown();
        return;
    }
    WriteLog(" > Занято памяти: " + IntToStr(GatewayService.WorkingSet / 1024) + " кБайт...");
    auto megabytes = static_cast<int32_t>(GatewayService.WorkingSet / kMegabyte);
    if (megabytes > Size) {
        if (ConversationInProgress()) {
            WriteLog("Выполняется разговор из Dorn4...");
            CheckCountdown = kPutOffSeconds;
            return;
        }
        RestartGateway();
    }
    CheckCountdown = NewCountdown();
}

bool TR40Mon::ConversationInProgress() {
    if (!Dispatcher.FindDispatcher()) return false;
    Dispatcher.ReplyWindow = Handle();
    return Dispatcher.QueryConversation();
}

// The start request goes out once the service has stopped (see DeferredGatewayStart);
// the log and the counters tell of the restart at once.
void TR40Mon::RestartGateway() {
    WriteLog("Выполняется остановка службы Rax40 Gateway...");
    GatewayService.Stop();
    WriteLog("Выполняется запуск службы Rax40 Gateway...");
    GatewayStart.Begin();
    ++RestartCnt;
    ++RestartCntSeans;
    ShowRestartCounters();
}

void TR40Mon::ShowRestartCounters() {
    LabelRestartCnt->SetCaption(IntToStr(RestartCnt));
    LabelRestartCntSeans->SetCaption(IntToStr(RestartCntSeans));
}

int32_t TR40Mon::NewCountdown() const {
    auto seconds = static_cast<int32_t>(static_cast<uint32_t>(Period) * 60u);
    return seconds != 0 ? seconds : 60;
}
