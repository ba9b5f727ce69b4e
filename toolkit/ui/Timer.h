#pragma once
// A periodic tick on the window thread. A tick never runs inside another tick, also
// when a tick shows a message box whose loop goes on delivering timer messages.
#include <windows.h>
#include "Component.h"

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    TNotifyEvent OnTimer;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned milliseconds);
    // The window that receives WM_TIMER with Id(); tests send it ticks.
    HWND Handle() const;
    UINT_PTR Id() const { return id_; }
    // One tick, as the system's timer message delivers it.
    void Tick();

    void SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) override;
    void Loaded() override;

private:
    bool enabled_ = true;
    unsigned interval_ = 1000;
    UINT_PTR id_;
    bool inTick_ = false;
    bool loaded_ = false;
    void Update();
};
