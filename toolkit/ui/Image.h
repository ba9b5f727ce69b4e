#pragma once
// A bitmap resource of the program (Picture = 'NAME' in the form definition) shown at
// the top left corner of the control. Other controls may copy its Bitmap().
#include "Control.h"

class TImage : public TControl {
public:
    using TControl::TControl;
    ~TImage() override;
    // The bitmap shown, owned by the image; null when it has none.
    HBITMAP Bitmap() const { return bitmap_; }
    // Shows the bitmap resource of that name; throws EFormDefinitionError when there is none.
    void LoadPicture(const AnsiString& resourceName);
    void SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) override;

protected:
    WindowSpec Spec() const override;
    void CreateHandle() override;

private:
    HBITMAP bitmap_ = nullptr;
    AnsiString picture_;
    void Show();
};
