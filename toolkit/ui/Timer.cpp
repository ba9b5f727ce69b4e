#include "Timer.h"
#include <map>
#include "Application.h"
#include "FormBinder.h"

namespace {
std::map<UINT_PTR, TTimer*>& Timers() {
    // Never destroyed: timers of forms that outlive the program's end still leave it.
    static auto* timers = new std::map<UINT_PTR, TTimer*>;
    return *timers;
}

LRESULT CALLBACK TimerWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMER) {
        auto it = Timers().find(wParam);
        if (it != Timers().end()) it->second->Tick();
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

HWND TimerWindow() {
    static HWND window = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = TimerWindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TkTimerWindow";
        RegisterClassW(&wc);
        return CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    }();
    return window;
}
}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    static UINT_PTR next = 1;
    id_ = next++;
    Timers()[id_] = this;
}

TTimer::~TTimer() {
    KillTimer(TimerWindow(), id_);
    Timers().erase(id_);
}

HWND TTimer::Handle() const { return TimerWindow(); }

void TTimer::Update() {
    if (!loaded_) return;
    KillTimer(TimerWindow(), id_);
    if (enabled_ && interval_ > 0) SetTimer(TimerWindow(), id_, interval_, nullptr);
}

void TTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Update();
}

void TTimer::SetInterval(unsigned milliseconds) {
    interval_ = milliseconds;
    Update();
}

void TTimer::Loaded() {
    loaded_ = true;
    Update();
}

void TTimer::Tick() {
    if (inTick_ || !OnTimer) return;
    inTick_ = true;
    try {
        OnTimer(this);
    } catch (...) {
        Application.HandleException();
    }
    inTick_ = false;
}

void TTimer::SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) {
    if (name == "Interval") interval_ = static_cast<unsigned>(value.AsInt());
    else if (name == "Enabled") enabled_ = value.AsBool();
    else if (name == "OnTimer") OnTimer = binder.Event<TNotifyEvent>(value);
    else TComponent::SetProperty(name, value, binder);
}
