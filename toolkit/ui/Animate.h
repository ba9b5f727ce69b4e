#pragma once
// An animation control playing an AVI resource of the program ("AVI" type) by name.
// Active plays it from StartFrame to StopFrame (1-based; 0 the last frame), Repetitions
// times (0 without end). OnStart and OnStop follow the control's own notices.
#include "Control.h"

class TAnimate : public TControl {
public:
    using TControl::TControl;
    AnsiString ResName;
    int StartFrame = 1;
    int StopFrame = 0;
    int Repetitions = 0;
    bool Transparent = true;
    bool Center = true;
    TNotifyEvent OnOpen, OnStart, OnStop;

    bool Active() const { return active_; }
    void SetActive(bool active);
    void SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) override;

protected:
    WindowSpec Spec() const override;
    void CreateHandle() override;
    void CommandNotify(WORD code) override;

private:
    bool active_ = false;
    bool opened_ = false;
    void Open();
};
