#pragma once
// A worker thread running the virtual Execute. TThread::Start<T>(...) creates the thread
// object and starts it at once, as a thread created not suspended; the thread's handle
// is signalled when Execute returns. The destructor waits for the thread and closes the
// handle. A class whose Execute uses members of its own must WaitFor() in its own
// destructor, since they are gone before this one runs.
#include <windows.h>
#include <atomic>
#include <exception>
#include <memory>
#include <utility>
#include "Component.h"

class TThread : public TObject {
public:
    ~TThread() override;
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    template <class T, class... Args>
    static std::unique_ptr<T> Start(Args&&... args) {
        std::unique_ptr<T> thread(new T(std::forward<Args>(args)...));
        thread->Resume();
        return thread;
    }

    HANDLE Handle() const { return handle_; }
    DWORD ThreadID() const { return id_; }
    // Asks Execute to stop; Execute looks at Terminated().
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }
    void WaitFor();
    // The exception that ended Execute, if one did.
    std::exception_ptr FatalException;

protected:
    // The thread waits, suspended, until Start resumes it.
    TThread();
    virtual void Execute() = 0;

private:
    HANDLE handle_ = nullptr;
    DWORD id_ = 0;
    bool started_ = false;
    std::atomic<bool> terminated_{false};
    void Resume();
    static unsigned __stdcall Run(void* self);
};
