// Dorn4 as the monitor's main window shows it and as its check loop asks it: the
// indicator and panel 1 at the refresh, a restart put off while a conversation is in
// progress, and a Dorn4 that does not answer.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "Label.h"
#include "MessageFilterStandIn.h"
#include "MonitorFixture.h"
#include "Shape.h"
#include "TestDispatcher.h"
#include "Unicode.h"

namespace monitor_test {
namespace {

class DispatcherIndicator : public MonitorFixture {
protected:
    TestDispatcher dorn4;

    void SetUp() override {
        MonitorFixture::SetUp();
        FixClockAtMidnight();
    }
};

struct IndicatorStep {
    const char* dorn4;  // arguments of testdorn4.exe; null: Dorn4 is not running
    TColor colour;
    const char* panel;  // also the hint
};

// Each refresh asks Dorn4 afresh and sets colour, panel 1 and hint from its answer.
TEST_F(DispatcherIndicator, IndicatorFollowsDorn4FromRefreshToRefresh) {
    const IndicatorStep steps[] = {
        {"--reply 0x05000000", clLime, "Dorn4: Работает..."},
        {"--reply 0x05000001", clRed, "Dorn4: Выполняется разговор..."},
        {"", clLime, "Dorn4: Работает..."},  // no answer: no conversation
        {"--reply 0x05000001", clRed, "Dorn4: Выполняется разговор..."},
        {nullptr, clGray, "Dorn4: Не работает..."},
    };
    TR40Mon& form = Open();
    Tick();  // the check
    for (const IndicatorStep& step : steps) {
        SCOPED_TRACE(step.panel);
        if (step.dorn4) dorn4.Start(step.dorn4);
        else dorn4.Stop();
        Tick();  // an odd count: refreshed
        EXPECT_EQ(form.ShapeDorn->BrushColor(), step.colour);
        EXPECT_EQ(PanelText(1), ToWide(step.panel));
        EXPECT_EQ(form.ShapeDorn->Hint(), step.panel);
        EXPECT_EQ(Dispatcher.ReplyWindow, form.Handle());
        Tick();  // an even count: no refresh
    }
}

TEST_F(DispatcherIndicator, ConversationPutsTheRestartOffUntilItEnds) {
    gateway.InstallRunning();
    DWORD before = gateway.ProcessId();
    MeasureAs(60 * kMegabyte);
    dorn4.Start("--reply 0x05000001");
    TR40Mon& form = Open();

    Tick();
    EXPECT_EQ(form.CheckCountdown, 30);
    EXPECT_EQ(form.RestartCnt, 0);
    EXPECT_EQ(form.RestartCntSeans, 0);
    EXPECT_EQ(WindowText(form.LabelRestartCnt->Handle()), L"---");
    EXPECT_EQ(LogMessages(), (std::vector<std::string>{" > Запуск программы...", " > Занято памяти: 61440 кБайт...",
                                                       "Выполняется разговор из Dorn4..."}));

    Tick(30);  // the next check comes 31 ticks after the put-off one
    EXPECT_EQ(form.CheckCountdown, 0);
    EXPECT_EQ(LogMessages().size(), 3u);
    Tick();
    EXPECT_EQ(form.CheckCountdown, 30);
    EXPECT_EQ(LogMessages().size(), 5u);
    EXPECT_EQ(LogMessages().back(), "Выполняется разговор из Dorn4...");
    EXPECT_EQ(gateway.ProcessId(), before);

    dorn4.Start("--reply 0x05000000");  // the conversation is over
    Tick(31);
    EXPECT_EQ(form.CheckCountdown, 300);
    EXPECT_EQ(form.RestartCnt, 1);
    EXPECT_EQ(WindowText(form.LabelRestartCnt->Handle()), L"1");
    std::vector<std::string> log = LogMessages();
    ASSERT_EQ(log.size(), 8u);
    EXPECT_EQ(log[6], "Выполняется остановка службы Rax40 Gateway...");
    EXPECT_EQ(log[7], "Выполняется запуск службы Rax40 Gateway...");
    EXPECT_TRUE(TickUntilRunningAgain(before));
}

// Dorn4 runs at a lower integrity level than the elevated monitor: its answer passes only
// the main window's message filter, which the stand-in keeps as Windows does. The window
// lets the answer through before its first query, the check of the first tick.
TEST_F(DispatcherIndicator, Dorn4OfALowerLevelIsHeardFromTheFirstQuery) {
    gateway.InstallRunning();
    DWORD before = gateway.ProcessId();
    MeasureAs(60 * kMegabyte);
    dorn4.Start("--reply 0x05000001");
    MessageFilterStandIn filter;
    TR40Mon& form = Open();
    filter.Watch(form.Handle(), WM_DISPATCHER_LINK);
    EXPECT_TRUE(filter.Allowed(form.Handle(), WM_DISPATCHER_LINK)) << testing::PrintToString(filter.calls);

    Tick();
    EXPECT_EQ(form.CheckCountdown, 30);
    EXPECT_EQ(form.RestartCnt, 0);
    EXPECT_EQ(LogMessages().back(), "Выполняется разговор из Dorn4...");
    Tick();  // 29 left: refreshed
    EXPECT_EQ(form.ShapeDorn->BrushColor(), clRed);
    EXPECT_EQ(PanelText(1), L"Dorn4: Выполняется разговор...");
    EXPECT_EQ(filter.dropped, 0);
    EXPECT_EQ(gateway.ProcessId(), before);
}

// The monitor's window thread is held only up to the bound on the send: the tick comes
// back, Dorn4 counts as working without a conversation, and a due restart goes ahead.
TEST_F(DispatcherIndicator, Dorn4ThatNeverAnswersDoesNotHoldTheMonitor) {
    gateway.InstallRunning();
    DWORD before = gateway.ProcessId();
    MeasureAs(60 * kMegabyte);
    dorn4.Start("--delay-ms 60000 --reply 0x05000001");
    TR40Mon& form = Open();

    ULONGLONG started = GetTickCount64();
    Tick();
    ULONGLONG took = GetTickCount64() - started;
    EXPECT_GE(took, 4500u);
    EXPECT_LT(took, 8000u);
    EXPECT_EQ(form.RestartCnt, 1);
    EXPECT_EQ(LogMessages().back(), "Выполняется запуск службы Rax40 Gateway...");
    dorn4.Stop();  // or every refresh waits out the bound again
    EXPECT_TRUE(TickUntilRunningAgain(before));
}

}  // namespace
}  // namespace monitor_test
