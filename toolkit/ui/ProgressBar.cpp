#include "ProgressBar.h"
#include <algorithm>
#include "Exception.h"
#include "FormBinder.h"

WindowSpec TProgressBar::Spec() const {
    DWORD style = WS_CHILD | (Smooth ? PBS_SMOOTH : 0);
    return {PROGRESS_CLASSW, style};
}

void TProgressBar::CreateHandle() {
    TControl::CreateHandle();
    SendMessageW(Handle(), PBM_SETRANGE32, min_, max_);
    SendMessageW(Handle(), PBM_SETSTEP, step_, 0);
    SetPosition(position_);
}

void TProgressBar::ApplyRange(int min, int max) {
    if (max < min) throw ERangeError("TProgressBar property out of range");
    min_ = min;
    max_ = max;
    if (Handle()) SendMessageW(Handle(), PBM_SETRANGE32, min, max);
    SetPosition(Position());
}

void TProgressBar::SetMin(int min) { ApplyRange(min, max_); }

void TProgressBar::SetMax(int max) { ApplyRange(min_, max); }

int TProgressBar::Position() const {
    return Handle() ? static_cast<int>(SendMessageW(Handle(), PBM_GETPOS, 0, 0)) : position_;
}

void TProgressBar::SetPosition(int position) {
    position_ = std::clamp(position, min_, max_);
    if (Handle()) SendMessageW(Handle(), PBM_SETPOS, position_, 0);
}

void TProgressBar::SetStep(int step) {
    step_ = step;
    if (Handle()) SendMessageW(Handle(), PBM_SETSTEP, step, 0);
}

void TProgressBar::StepIt() { SetPosition(Position() + step_); }

void TProgressBar::SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) {
    if (name == "Min") min_ = value.AsInt();
    else if (name == "Max") max_ = value.AsInt();
    else if (name == "Position") position_ = value.AsInt();
    else if (name == "Step") step_ = value.AsInt();
    else if (name == "Smooth") Smooth = value.AsBool();
    else TControl::SetProperty(name, value, binder);
}
