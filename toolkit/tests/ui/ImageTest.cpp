// Images: a bitmap resource of the program shown in the control and handed to others.
#include <gtest/gtest.h>
#include <string>
#include "Form.h"
#include "Image.h"
#include "OffscreenBitmap.h"

namespace {

const char kDefinition[] = R"(
object ImageForm: TImageForm
  object StartImage: TImage
    Left = 8
    Top = 8
    Width = 20
    Height = 20
    Visible = False
    Picture = 'TEST_PICTURE'
  end
  object Blank: TImage
    Left = 40
    Top = 8
    Width = 20
    Height = 20
  end
end
)";

class TImageForm : public TForm {
public:
    TImage* StartImage = nullptr;
    TImage* Blank = nullptr;
    explicit TImageForm(const std::string& definition = kDefinition) {
        Field(StartImage, "StartImage");
        Field(Blank, "Blank");
        LoadText(definition);
    }
};

TEST(Image, ShowsTheNamedBitmapResourceAndKeepsItsDesignedSize) {
    TImageForm form;
    HBITMAP bitmap = form.StartImage->Bitmap();
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(reinterpret_cast<HBITMAP>(SendMessageW(form.StartImage->Handle(), STM_GETIMAGE, IMAGE_BITMAP, 0)), bitmap);
    BITMAP info{};
    GetObjectW(bitmap, sizeof(info), &info);
    EXPECT_EQ(info.bmWidth, 4);
    EXPECT_EQ(info.bmHeight, 2);
    RECT r;
    GetClientRect(form.StartImage->Handle(), &r);
    EXPECT_EQ(r.right, 20);
    EXPECT_EQ(r.bottom, 20);
    EXPECT_EQ(form.Blank->Bitmap(), nullptr);
}

TEST(Image, ItsBitmapCanBeCopiedByOtherControls) {
    TImageForm form;
    OffscreenBitmap copy(4, 2, RGB(1, 2, 3));
    HDC source = CreateCompatibleDC(copy.Dc());
    HGDIOBJ original = SelectObject(source, form.StartImage->Bitmap());
    BitBlt(copy.Dc(), 0, 0, 4, 2, source, 0, 0, SRCCOPY);
    SelectObject(source, original);
    DeleteDC(source);
    EXPECT_EQ(copy.Pixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(copy.Pixel(2, 0), RGB(0, 0, 255));
    EXPECT_EQ(copy.Pixel(1, 1), RGB(128, 128, 128));
}

TEST(Image, RefusesAPictureTheProgramDoesNotHold) {
    std::string definition = kDefinition;
    definition.replace(definition.find("TEST_PICTURE"), 12, "NO_SUCH_PICTURE");
    try {
        TImageForm form(definition);
        ADD_FAILURE() << "loaded";
    } catch (const EFormDefinitionError& e) {
        EXPECT_NE(e.Message.find("no bitmap resource NO_SUCH_PICTURE"), std::string::npos) << e.Message;
    }
}

}  // namespace
