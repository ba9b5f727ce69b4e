// Worker threads: running at once, the handle signalled when Execute returns, the
// destructor waiting for the thread.
#include <gtest/gtest.h>
#include <atomic>
#include <stdexcept>
#include "Thread.h"

namespace {

// Execute runs until the test lets it finish.
class GatedThread : public TThread {
public:
    GatedThread(HANDLE started, HANDLE gate, std::atomic<bool>& finished)
        : started_(started), gate_(gate), finished_(finished) {}

protected:
    void Execute() override {
        SetEvent(started_);
        WaitForSingleObject(gate_, 5000);
        Sleep(50);
        finished_ = true;
    }

private:
    HANDLE started_, gate_;
    std::atomic<bool>& finished_;
};

class FailingThread : public TThread {
protected:
    void Execute() override { throw std::runtime_error("worker failed"); }
};

struct ThreadTest : testing::Test {
    HANDLE started = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE gate = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::atomic<bool> finished{false};
    ~ThreadTest() override {
        CloseHandle(started);
        CloseHandle(gate);
    }
};

TEST_F(ThreadTest, RunsAtOnceAndItsHandleIsSignalledWhenExecuteReturns) {
    auto thread = TThread::Start<GatedThread>(started, gate, finished);
    EXPECT_EQ(WaitForSingleObject(started, 5000), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(thread->Handle(), 100), DWORD(WAIT_TIMEOUT));
    SetEvent(gate);
    EXPECT_EQ(WaitForSingleObject(thread->Handle(), 5000), WAIT_OBJECT_0);
    EXPECT_TRUE(finished);
}

TEST_F(ThreadTest, TheDestructorWaitsForTheThread) {
    auto thread = TThread::Start<GatedThread>(started, gate, finished);
    WaitForSingleObject(started, 5000);
    SetEvent(gate);
    thread.reset();
    EXPECT_TRUE(finished);
}

TEST_F(ThreadTest, AnExceptionEndsExecuteAndIsKept) {
    auto thread = TThread::Start<FailingThread>();
    thread->WaitFor();
    ASSERT_TRUE(thread->FatalException);
    EXPECT_THROW(std::rethrow_exception(thread->FatalException), std::runtime_error);
}

}  // namespace
