#include "Animate.h"
#include "Exception.h"
#include "FormBinder.h"
#include "Unicode.h"

WindowSpec TAnimate::Spec() const {
    DWORD style = WS_CHILD | (Transparent ? ACS_TRANSPARENT : 0) | (Center ? ACS_CENTER : 0);
    return {ANIMATE_CLASSW, style};
}

void TAnimate::CreateHandle() {
    TControl::CreateHandle();
    if (active_) {
        active_ = false;
        SetActive(true);
    }
}

void TAnimate::Open() {
    if (opened_) return;
    std::wstring name = ToWide(ResName);
    if (!SendMessageW(Handle(), ACM_OPENW, reinterpret_cast<WPARAM>(GetModuleHandleW(nullptr)),
                      reinterpret_cast<LPARAM>(name.c_str())))
        throw Exception("cannot open the animation " + ResName);
    opened_ = true;
    if (OnOpen) OnOpen(this);
}

void TAnimate::SetActive(bool active) {
    if (active == active_) return;
    active_ = active;
    if (!Handle()) return;
    if (!active) {
        SendMessageW(Handle(), ACM_STOP, 0, 0);
        return;
    }
    Open();
    WORD from = static_cast<WORD>(StartFrame > 0 ? StartFrame - 1 : 0);
    WORD to = StopFrame > 0 ? static_cast<WORD>(StopFrame - 1) : 0xFFFF;
    UINT times = Repetitions > 0 ? static_cast<UINT>(Repetitions) : static_cast<UINT>(-1);
    SendMessageW(Handle(), ACM_PLAY, times, MAKELPARAM(from, to));
}

void TAnimate::CommandNotify(WORD code) {
    if (code == ACN_START && OnStart) OnStart(this);
    if (code == ACN_STOP && OnStop) OnStop(this);
}

void TAnimate::SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) {
    if (name == "ResName") ResName = value.AsString();
    else if (name == "Active") active_ = value.AsBool();
    else if (name == "StartFrame") StartFrame = value.AsInt();
    else if (name == "StopFrame") StopFrame = value.AsInt();
    else if (name == "Repetitions") Repetitions = value.AsInt();
    else if (name == "Transparent") Transparent = value.AsBool();
    else if (name == "Center") Center = value.AsBool();
    else if (name == "OnOpen") OnOpen = binder.Event<TNotifyEvent>(value);
    else if (name == "OnStart") OnStart = binder.Event<TNotifyEvent>(value);
    else if (name == "OnStop") OnStop = binder.Event<TNotifyEvent>(value);
    else TControl::SetProperty(name, value, binder);
}
