// The picture of the sound switching, stored run-length encoded with a palette, as the
// main window holds it: the drawing's colours where the drawing puts them.
#include <gtest/gtest.h>
#include <windows.h>
#include <tuple>
#include <vector>
#include "ConfiguratorFixture.h"
#include "Image.h"

namespace {

class SoundPictureTest : public configurator_test::ConfiguratorFixture {};

TEST_F(SoundPictureTest, DrawsItsColoursInPlace) {
    TMainForm* form = Start();
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, form->Image1->Bitmap());
    const std::vector<std::tuple<int, int, COLORREF, const char*>> points = {
        {0, 0, RGB(128, 128, 128), "frame"},       {5, 5, RGB(255, 255, 255), "ground"},
        {30, 100, RGB(64, 64, 64), "level axis"},  {32, 110, RGB(200, 30, 30), "threshold"},
        {130, 195, RGB(20, 140, 150), "speech on"}, {320, 195, RGB(235, 130, 30), "speech off"},
        {200, 225, RGB(20, 160, 40), "speech"},    {576, 263, RGB(128, 128, 128), "far corner"}};
    for (auto [x, y, colour, what] : points) EXPECT_EQ(GetPixel(dc, x, y), colour) << what;
    SelectObject(dc, old);
    DeleteDC(dc);
}

}  // namespace
