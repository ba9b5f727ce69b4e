#pragma once
// The configurator's service panel over a long run, for the endurance test and the
// endurance benchmark: the main window shown on its service panel, with the gateway's
// test service running, the one-second timer's ticks following the service's state, and
// restarts by the restart worker while the ticks go on, as they do while the window
// waits for the worker.
#include <windows.h>
#include "ConfiguratorFixture.h"
#include "Image.h"
#include "Label.h"
#include "ProcessCounts.h"
#include "SpeedButton.h"
#include "TestGateway.h"
#include "TimerTicks.h"

namespace configurator_test {

class ConfiguratorEndurance : public ConfiguratorFixture {
protected:
    TestGateway gateway;  // removed after TearDown has let go of the service
    TMainForm* form = nullptr;
    long ticks = 0;
    int restarts = 0;

    void StartRun() {
        gateway.InstallRunning();
        form = Start();
        form->Timer->SetEnabled(false);
        form->Show();
        Click(form->SpeedButtonService);
    }

    void Tick() {
        DeliverTick(*form->Timer);
        ++ticks;
    }

    // The start/stop button and the state text as the ticks show the service: stopped
    // (the button starts it), running (the button stops it), or neither.
    enum class Look { Stopped, Running, Other };
    Look Shown() const {
        TSpeedButton* button = form->RunButton;
        bool enabled = IsWindowEnabled(button->Handle()) != FALSE;
        int glyph = button->Glyph().Empty() ? 0 : button->Glyph().Width();
        AnsiString state = form->Label1->Caption();
        if (enabled && button->Tag == 0 && glyph == BitmapWidth(form->StartImage->Bitmap()) &&
            button->Hint() == "Запустить службу rax40gw" && state == "остановлена")
            return Look::Stopped;
        if (enabled && button->Tag == 1 && glyph == BitmapWidth(form->StopImage->Bitmap()) &&
            button->Hint() == "Остановить службу rax40gw" && state == "выполняется")
            return Look::Running;
        return Look::Other;
    }

    // One restart by the worker, a tick every 10 ms until it has ended and then until the
    // button shows the service running again. It counts only when the ticks showed the
    // service stopped and then running, and the gateway runs in a new process.
    void RestartTicking() {
        DWORD before = gateway.ProcessId();
        bool sawStopped = false, sawRunningAgain = false;
        auto tickAndLook = [&] {
            Tick();
            Look look = Shown();
            if (look == Look::Stopped) sawStopped = true;
            if (look == Look::Running && sawStopped) sawRunningAgain = true;
        };
        auto worker = TThread::Start<RAXThread>();
        while (WaitForSingleObject(worker->Handle(), 10) == WAIT_TIMEOUT) tickAndLook();
        for (ULONGLONG end = GetTickCount64() + TestGateway::kDefaultTimeoutMs;
             !sawRunningAgain && GetTickCount64() < end; Sleep(10))
            tickAndLook();
        DWORD after = gateway.ProcessId();
        ++attempts;
        EXPECT_TRUE(sawStopped) << "restart " << attempts << ": the ticks never showed the service stopped";
        EXPECT_TRUE(sawRunningAgain) << "restart " << attempts << ": the ticks never showed it running again";
        EXPECT_NE(after, before) << "restart " << attempts << ": the gateway runs in the same process";
        if (sawStopped && sawRunningAgain && after != before) ++restarts;
    }

    static int BitmapWidth(HBITMAP bitmap) {
        BITMAP info{};
        return GetObjectW(bitmap, sizeof(info), &info) ? info.bmWidth : -1;
    }

    // `rounds` rounds of a restart and `ticksEach` ticks; the counts are taken before the
    // first round and after each. The first round is the warm-up: it shows both looks of
    // the start/stop button. `restarts` counts the restarts that the ticks showed.
    void Run(CountsLog& log, int rounds, long ticksEach) {
        log.Take(0);
        for (int round = 0; round < rounds; ++round) {
            RestartTicking();
            for (long i = 0; i < ticksEach; ++i) Tick();
            log.Take(ticks);
            if (round == 0) warmUpTicks = ticks;
        }
    }

    long warmUpTicks = 0;
    int attempts = 0;
};

}  // namespace configurator_test
