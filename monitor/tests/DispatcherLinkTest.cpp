// The link to Dorn4 against the stand-in dispatcher (testdorn4.exe) in a process of its
// own, its answers coming back to the monitor's real main window: which answer counts,
// how long the wait lasts (counted in its pauses of 1 ms, and by its clock), late and
// missing answers, and the bound on the send.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "Application.h"
#include "Files.h"
#include "R40gwmonitor.h"
#include "TempDir.h"
#include "Timer.h"
#include "TestDispatcher.h"

namespace {

// One main window serves a whole suite: each window costs seconds under wine (its tray
// icon), and the link needs no more of it than its handle and its message routing.
class DispatcherLinkTest : public testing::Test {
protected:
    static inline TempDir* dir = nullptr;
    TestDispatcher dorn4;
    int pauses = 0;
    // The wait's clock: a stand-in that moves only by the wait's own pauses, each lasting
    // sleepLastsMs. Wine sleeps 1 ms as asked; Windows sleeps a clock tick of 15.6 ms.
    ULONGLONG clock = 1000000;
    DWORD sleepLastsMs = 1;

    static void SetUpTestSuite() {
        dir = new TempDir;
        SetProgramDirectoryForTests(dir->Path());
        Application.CreateForm(R40Mon);
        R40Mon->Timer1->SetEnabled(false);
        R40Mon->Show();
    }

    static void TearDownTestSuite() {
        Application.DestroyForms();
        R40Mon = nullptr;
        SetProgramDirectoryForTests("");
        delete dir;
        dir = nullptr;
    }

    void SetUp() override {
        Dispatcher = DispatcherLink{};
        Dispatcher.SleepForTests = [this](DWORD ms) {
            ++pauses;
            clock += sleepLastsMs;
            Sleep(ms);
        };
        Dispatcher.ClockForTests = [this] { return clock; };
    }

    // A posted answer left waiting would reach the next test's window.
    void TearDown() override {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, WM_DISPATCHER_LINK, WM_DISPATCHER_LINK, PM_REMOVE)) {}
        Dispatcher = DispatcherLink{};
    }

    TR40Mon& MainWindow() { return *R40Mon; }

    // Found and given the main window to answer, as the check loop does before it asks.
    bool Ask(TR40Mon& form) {
        EXPECT_TRUE(Dispatcher.FindDispatcher());
        Dispatcher.ReplyWindow = form.Handle();
        pauses = 0;
        return Dispatcher.QueryConversation();
    }

    // Lets the message loop deliver what is waiting for the main window.
    void DeliverLateMessages() {
        for (ULONGLONG end = GetTickCount64() + 2000; !Dispatcher.ReplyArrived && GetTickCount64() < end; Sleep(10)) {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        }
    }
};

struct AnswerRow {
    const char* label;
    const char* arguments;  // of testdorn4.exe
    bool conversation;
    int pauses;             // of the wait that follows the send
};

void PrintTo(const AnswerRow& row, std::ostream* out) { *out << row.label; }

class DispatcherAnswer : public DispatcherLinkTest, public testing::WithParamInterface<AnswerRow> {};

TEST_P(DispatcherAnswer, OnlyTheLastReplyDuringTheQueryCounts) {
    dorn4.Start(GetParam().arguments);
    TR40Mon& form = MainWindow();
    EXPECT_EQ(Ask(form), GetParam().conversation);
    EXPECT_EQ(pauses, GetParam().pauses);
    EXPECT_FALSE(Dispatcher.ReplyArrived);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, DispatcherAnswer,
    testing::Values(
        // an answer sent during the query is there at the first pass: no pause at all
        AnswerRow{"Conversation", "--reply 0x05000001", true, 0},
        AnswerRow{"NoConversation", "--reply 0x05000000", false, 0},
        // only the top byte and bit 0 are looked at
        AnswerRow{"OtherBitsIgnored", "--reply 0x05ABCDEF", true, 0},
        // another code is dropped and uses up one pass; the other 199 pause
        AnswerRow{"OtherCodeOnly", "--reply 0x06000001", false, 199},
        AnswerRow{"NoAnswer", "", false, 200},
        // a posted answer comes only after the query
        AnswerRow{"Posted", "--post --reply 0x05000001", false, 200},
        AnswerRow{"YesThenNo", "--reply 0x05000001 --reply 0x05000000", false, 0},
        AnswerRow{"NoThenYes", "--reply 0x05000000 --reply 0x05000001", true, 0},
        // the later answer overwrites the matching one, and is itself dropped
        AnswerRow{"YesThenOtherCode", "--reply 0x05000001 --reply 0x06000001", false, 199},
        // within the bound on the send, a slow Dorn4 is waited for
        AnswerRow{"SlowButWithinTheLimit", "--delay-ms 500 --reply 0x05000001", true, 0}),
    [](const testing::TestParamInfo<AnswerRow>& info) { return std::string(info.param.label); });

struct RequestRow {
    const char* label;
    LPARAM request;
    bool answered;
};

void PrintTo(const RequestRow& row, std::ostream* out) { *out << row.label; }

class DispatcherRequest : public DispatcherLinkTest, public testing::WithParamInterface<RequestRow> {};

// Dorn4 answers the conversation query alone, and so does the stand-in: the answers above
// came only because the link sent that query.
TEST_P(DispatcherRequest, OnlyTheConversationQueryIsAnswered) {
    dorn4.Start("--reply 0x05000001");
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(dorn4.Window(), WM_DISPATCHER_LINK, reinterpret_cast<WPARAM>(MainWindow().Handle()),
                        GetParam().request, SMTO_NORMAL, 5000, &ignored);
    EXPECT_EQ(Dispatcher.ReplyArrived, GetParam().answered);
}

INSTANTIATE_TEST_SUITE_P(Codes, DispatcherRequest,
                         testing::Values(RequestRow{"ConversationQuery", 0x05000000, true},
                                         RequestRow{"OtherCode", 0x06000000, false},
                                         RequestRow{"CodeInTheLowByte", 0x00000005, false}),
                         [](const testing::TestParamInfo<RequestRow>& info) { return std::string(info.param.label); });

struct WaitRow {
    const char* label;
    DWORD sleepLastsMs;
    int pauses;
    ULONGLONG waitedMs;  // by the wait's clock
};

void PrintTo(const WaitRow& row, std::ostream* out) { *out << row.label; }

class DispatcherWait : public DispatcherLinkTest, public testing::WithParamInterface<WaitRow> {};

// An unanswered query holds the window thread up to 200 ms by the clock or 200 passes,
// whichever comes first.
TEST_P(DispatcherWait, UnansweredQueryEndsByTheClockOrByItsPasses) {
    dorn4.Start();
    sleepLastsMs = GetParam().sleepLastsMs;
    ULONGLONG started = clock;
    EXPECT_FALSE(Ask(MainWindow()));
    EXPECT_EQ(pauses, GetParam().pauses);
    EXPECT_EQ(clock - started, GetParam().waitedMs);
}

INSTANTIATE_TEST_SUITE_P(
    Sleeps, DispatcherWait,
    testing::Values(
        // Windows' clock tick: 13 pauses reach 208 ms, where 200 passes would last 3.2 s
        WaitRow{"ClockTickOfWindows", 16, 13, 208},
        WaitRow{"OneMillisecond", 1, 200, 200},
        // a clock that does not move: the passes still end the wait
        WaitRow{"ClockStandingStill", 0, 200, 0},
        WaitRow{"OneLongPause", 250, 1, 250}),
    [](const testing::TestParamInfo<WaitRow>& info) { return std::string(info.param.label); });

TEST_F(DispatcherLinkTest, FindLooksForTheWindowClassAndKeepsTheLastHandleFound) {
    TR40Mon& form = MainWindow();
    Dispatcher.DispatcherWindow = form.Handle();
    EXPECT_FALSE(Dispatcher.FindDispatcher());
    EXPECT_EQ(Dispatcher.DispatcherWindow, form.Handle());

    dorn4.Start();
    EXPECT_TRUE(Dispatcher.FindDispatcher());
    EXPECT_EQ(Dispatcher.DispatcherWindow, dorn4.Window());

    dorn4.Stop();
    EXPECT_FALSE(Dispatcher.FindDispatcher());
    EXPECT_NE(Dispatcher.DispatcherWindow, nullptr);
}

// Either window unknown: nothing is sent and nothing waited for; a reply left from
// before stays where it is.
TEST_F(DispatcherLinkTest, WithoutBothWindowsTheQueryIsFalseAtOnce) {
    dorn4.Start("--reply 0x05000001");
    TR40Mon& form = MainWindow();
    Dispatcher.ReplyArrived = true;

    Dispatcher.ReplyWindow = form.Handle();
    EXPECT_FALSE(Dispatcher.QueryConversation());  // Dorn4 not looked up yet
    ASSERT_TRUE(Dispatcher.FindDispatcher());
    Dispatcher.ReplyWindow = nullptr;
    EXPECT_FALSE(Dispatcher.QueryConversation());
    EXPECT_EQ(pauses, 0);
    EXPECT_TRUE(Dispatcher.ReplyArrived);
}

// The main window keeps any answer, also outside a query, and gives the sender 0.
TEST_F(DispatcherLinkTest, MainWindowStoresTheWholeReplyRecord) {
    TR40Mon& form = MainWindow();
    EXPECT_EQ(SendMessageW(form.Handle(), WM_DISPATCHER_LINK, 0x05000001, 0x1234), 0);
    EXPECT_TRUE(Dispatcher.ReplyArrived);
    EXPECT_EQ(Dispatcher.LastReply.Msg, 0x8194u);
    EXPECT_EQ(Dispatcher.LastReply.WParam, 0x05000001u);
    EXPECT_EQ(Dispatcher.LastReply.LParam, 0x1234);
    EXPECT_EQ(Dispatcher.LastReply.Result, 0);
}

// A posted "conversation" reaches the window after the query; the next query drops it
// before it sends, so it cannot pass for the next answer.
TEST_F(DispatcherLinkTest, LateReplyIsDroppedByTheNextQuery) {
    dorn4.Start("--post --reply 0x05000001");
    TR40Mon& form = MainWindow();
    EXPECT_FALSE(Ask(form));
    DeliverLateMessages();
    ASSERT_TRUE(Dispatcher.ReplyArrived);
    EXPECT_EQ(Dispatcher.LastReply.WParam, 0x05000001u);

    EXPECT_FALSE(Ask(form));
    EXPECT_EQ(pauses, 200);
}

TEST_F(DispatcherLinkTest, WindowGoneBetweenFindAndQueryIsNoConversation) {
    dorn4.Start("--reply 0x05000001");
    TR40Mon& form = MainWindow();
    ASSERT_TRUE(Dispatcher.FindDispatcher());
    dorn4.Stop();
    Dispatcher.ReplyWindow = form.Handle();
    EXPECT_FALSE(Dispatcher.QueryConversation());
    EXPECT_EQ(pauses, 200);
}

// A Dorn4 that does not return from the query holds the window thread only up to the
// bound on the send; its answer comes too late to count.
TEST_F(DispatcherLinkTest, SendGivesUpOnADispatcherThatDoesNotReturn) {
    dorn4.Start("--delay-ms 30000 --reply 0x05000001");
    TR40Mon& form = MainWindow();
    Dispatcher.SendTimeoutMs = 700;
    ULONGLONG started = GetTickCount64();
    EXPECT_FALSE(Ask(form));
    ULONGLONG took = GetTickCount64() - started;
    EXPECT_GE(took, 600u);
    EXPECT_LT(took, 3000u);
    EXPECT_EQ(pauses, 200);
}

}  // namespace
