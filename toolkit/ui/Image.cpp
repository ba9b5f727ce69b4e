#include "Image.h"
#include "Exception.h"
#include "FormBinder.h"

WindowSpec TImage::Spec() const { return {L"STATIC", WS_CHILD | SS_BITMAP}; }

TImage::~TImage() {
    if (Handle()) SendMessageW(Handle(), STM_SETIMAGE, IMAGE_BITMAP, 0);
    if (bitmap_) DeleteObject(bitmap_);
}

void TImage::CreateHandle() {
    TControl::CreateHandle();
    if (!picture_.empty()) LoadPicture(picture_);
}

void TImage::LoadPicture(const AnsiString& resourceName) {
    HANDLE loaded = LoadImageA(GetModuleHandleW(nullptr), resourceName.c_str(), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR);
    if (!loaded) throw EFormDefinitionError("no bitmap resource " + resourceName);
    picture_ = resourceName;
    HBITMAP previous = bitmap_;
    bitmap_ = static_cast<HBITMAP>(loaded);
    Show();
    if (previous) DeleteObject(previous);
}

// The static control fits itself to the bitmap; the control keeps its designed size.
void TImage::Show() {
    if (!Handle()) return;
    SendMessageW(Handle(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap_));
    if (Width() > 0 && Height() > 0) SetBounds(Left(), Top(), Width(), Height());
}

void TImage::SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) {
    if (name == "Picture") picture_ = value.AsString();
    else TControl::SetProperty(name, value, binder);
}
