#pragma once
// A framed group with a caption; its controls are child windows of it.
#include "Control.h"

class TGroupBox : public TControl {
public:
    using TControl::TControl;

protected:
    WindowSpec Spec() const override;
    // The system's group box paints only its frame and caption; the inside is ours.
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};
