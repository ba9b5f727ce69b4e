// The gateway's service as the main window shows it, and the manual stop and start.
#include "BitBtn.h"
#include "Files.h"
#include "Label.h"
#include "ProgressBar.h"
#include "R40gwmonitor.h"
#include "StatusBar.h"
#include "SysUtils.h"

namespace {
constexpr DWORD kMegabyte = 1024 * 1024;
constexpr int kPanelService = 0;
}  // namespace

// The system's reason and its code, e.g. "Отказано в доступе (код 5)".
AnsiString TR40Mon::WorkingSetFailure() const {
    AnsiString reason = SystemErrorText(GatewayService.WorkingSetError);
    if (!reason.empty() && reason.back() == '.') reason.pop_back();
    return reason + " (код " + IntToStr(GatewayService.WorkingSetError) + ")";
}

void TR40Mon::ReadStateExecute(TObject*) {
    if (GatewayService.Refresh()) {
        if (GatewayService.WorkingSetError != 0)
            LabelInfo->SetCaption("Память Rax40 Gateway: не удалось измерить, " + WorkingSetFailure() + "...");
        else
            LabelInfo->SetCaption("Память Rax40 Gateway: " + IntToStr(GatewayService.WorkingSet / 1024) + " кБайт...");
        ProgressBar1->SetPosition(static_cast<int>(GatewayService.WorkingSet / kMegabyte));
        StatusBar1->SetPanelText(kPanelService, AnsiString("Rax40GW: ") + GatewayService.StateName());
        BitBtnStop->SetEnabled(GatewayService.CanStop());
        BitBtnStart->SetEnabled(GatewayService.CanStart());
    } else {
        LabelInfo->SetCaption(AnsiString("Память Rax40 Gateway: ") + GatewayService.ErrorText);
        StatusBar1->SetPanelText(kPanelService, "Rax40GW: Состояние неизвестно");
        BitBtnStop->SetEnabled(false);
        BitBtnStart->SetEnabled(false);
        ProgressBar1->SetPosition(0);
    }
}

void TR40Mon::BitBtnStopClick(TObject*) {
    GatewayService.Stop();
    ReadStateExecute(this);
}

void TR40Mon::BitBtnStartClick(TObject*) {
    GatewayService.Start();
    ReadStateExecute(this);
}
