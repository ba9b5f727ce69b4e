#include "Thread.h"
#include <process.h>
#include "Exception.h"

TThread::TThread() {
    unsigned id = 0;
    handle_ = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, &TThread::Run, this, CREATE_SUSPENDED, &id));
    if (!handle_) throw Exception("cannot create a thread");
    id_ = id;
}

TThread::~TThread() {
    if (!started_) {
        // Never started: let it end without running Execute.
        terminated_ = true;
        Resume();
    }
    WaitFor();
    CloseHandle(handle_);
}

void TThread::Resume() {
    started_ = true;
    ResumeThread(handle_);
}

void TThread::WaitFor() { WaitForSingleObject(handle_, INFINITE); }

unsigned __stdcall TThread::Run(void* self) {
    auto* thread = static_cast<TThread*>(self);
    if (thread->started_ && !thread->terminated_) {
        try {
            thread->Execute();
        } catch (...) {
            thread->FatalException = std::current_exception();
        }
    }
    return 0;
}
