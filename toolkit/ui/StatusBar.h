#pragma once
// A status bar along the bottom of its parent, split into panels of given widths; the
// last panel reaches to the right edge.
#include <vector>
#include "Control.h"

class TStatusBar : public TControl {
public:
    explicit TStatusBar(TComponent* owner);

    int PanelCount() const { return static_cast<int>(panelWidths_.size()); }
    void SetPanelWidths(const std::vector<int>& widths);
    AnsiString PanelText(int index) const;
    void SetPanelText(int index, const AnsiString& text);
    // Text that is not the programs' CP1251, such as a path in the system's code page.
    void SetPanelText(int index, const std::wstring& text);

    void SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) override;

protected:
    WindowSpec Spec() const override;
    void CreateHandle() override;

private:
    std::vector<int> panelWidths_;
    void ApplyPanels();
    void CheckIndex(int index) const;
};
