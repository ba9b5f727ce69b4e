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

// The service is not waited for: the start is asked for two seconds after the stop
// request, whatever state the service has reached by then.
void RAXThread::Execute() {
    GatewayControl.Stop();
    Sleep(2000);
    GatewayControl.Start();
}
