// The service panel: the state poll, the start type, and the restart thread.
#include "ComboBox.h"
#include "Image.h"
#include "Label.h"
#include "Main.h"
#include "SpeedButton.h"

// The button changes its look only when the state has changed since the previous tick.
void TMainForm::TimerTimer(TObject*) {
    if (!ServiceAvailable) return;
    Label1->SetCaption(GatewayControl.StatusText());
    int state = static_cast<int>(GatewayControl.Status.dwCurrentState);
    if (state != FLastServiceState) ShowRunButtonFor(state);
    FLastServiceState = state;
}

// Stopped: the button starts the service; running: it stops it; in between it waits.
void TMainForm::ShowRunButtonFor(int state) {
    if (state == SERVICE_STOPPED) {
        ShowRunButton(0, StartImage, "Запустить службу rax40gw");
    } else if (state == SERVICE_RUNNING) {
        ShowRunButton(1, StopImage, "Остановить службу rax40gw");
    } else {
        RunButton->SetEnabled(false);
        RunButton->SetHint("Подождите...");
    }
}

void TMainForm::ShowRunButton(int action, TImage* glyph, const AnsiString& hint) {
    RunButton->SetEnabled(true);
    RunButton->Tag = action;
    RunButton->SetGlyph(glyph->Bitmap());
    RunButton->SetHint(hint);
}

// A refused change is not reported: the list keeps the picked item.
void TMainForm::StartTypeCBClick(TObject*) {
    if (!ServiceAvailable) return;
    int index = StartTypeCB->ItemIndex();
    if (index < 0) return;
    GatewayControl.SetStartType(static_cast<DWORD>(StartTypeCB->ItemObject(index)));
}

RAXThread::RAXThread(DWORD stopWaitLimitMs) : stopWaitLimitMs_(stopWaitLimitMs) {}

// The Service Control Manager refuses a start while the service is still stopping, so
// the start waits until the service has left the stop-pending state: at least two
// seconds after the stop request, and at most the limit (a service that hangs in
// stopping then gets its start request, which the system refuses). The state is read
// into a record of the worker's own: the timer's queries on the window thread fill
// GatewayControl.Status meanwhile.
void RAXThread::Execute() {
    ULONGLONG stopRequested = GetTickCount64();
    SERVICE_STATUS status{};
    GatewayControl.Stop(status);
    Sleep(kLeastPauseMs);
    while (GatewayControl.QueryStatus(status) && status.dwCurrentState == SERVICE_STOP_PENDING &&
           GetTickCount64() - stopRequested < stopWaitLimitMs_)
        Sleep(kPollMs);
    GatewayControl.Start();
}
