#include "UpDown.h"
#include <algorithm>
#include "Edit.h"
#include "FormBinder.h"
#include "SysUtils.h"

WindowSpec TUpDown::Spec() const {
    return {UPDOWN_CLASSW, WS_CHILD | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS};
}

void TUpDown::CreateHandle() {
    TControl::CreateHandle();
    int designed = position_;
    SetRange(min_, max_);
    SetIncrement(increment_);
    SetPosition(designed);
}

int TUpDown::Clamp(int position) const {
    return std::clamp(position, std::min(min_, max_), std::max(min_, max_));
}

void TUpDown::SetRange(int min, int max) {
    min_ = min;
    max_ = max;
    if (!Handle()) return;
    SendMessageW(Handle(), UDM_SETRANGE32, min, max);
    SetPosition(Position());
}

void TUpDown::SetIncrement(int increment) {
    increment_ = increment;
    if (!Handle()) return;
    UDACCEL accel{0, static_cast<UINT>(increment)};
    SendMessageW(Handle(), UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
}

int TUpDown::Position() const {
    if (!Handle()) return position_;
    BOOL failed = FALSE;
    int position = static_cast<int>(SendMessageW(Handle(), UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
    return Clamp(position);
}

// The edit gets its text first, as code; the up-down then finds it already showing the
// number and leaves it alone, so the edit reports no change.
void TUpDown::SetPosition(int position) {
    position_ = Clamp(position);
    if (!Handle()) return;
    if (associate_) associate_->SetText(IntToStr(position_));
    SendMessageW(Handle(), UDM_SETPOS32, 0, position_);
}

// The arrows take their designed place; the system would otherwise move them onto the
// edit's right edge and narrow the edit.
void TUpDown::SetAssociate(TEdit* edit) {
    associate_ = edit;
    if (!Handle()) return;
    int position = Position();
    SendMessageW(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit ? edit->Handle() : nullptr), 0);
    if (edit) edit->SetBounds(edit->Left(), edit->Top(), edit->Width(), edit->Height());
    SetBounds(Left(), Top(), Width(), Height());
    SetPosition(position);
}

void TUpDown::SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) {
    if (name == "Min") min_ = value.AsInt();
    else if (name == "Max") max_ = value.AsInt();
    else if (name == "Increment") increment_ = value.AsInt();
    else if (name == "Position") position_ = value.AsInt();
    else if (name == "Associate") binder.Reference<TEdit>(value, [this](TEdit* edit) { SetAssociate(edit); });
    else TControl::SetProperty(name, value, binder);
}
