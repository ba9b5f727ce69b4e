// The side panel's gradient, painted into a memory bitmap and read back pixel by pixel.
#include <gtest/gtest.h>
#include <windows.h>
#include "Canvas.h"
#include "Func.h"
#include "MemoryPicture.h"

namespace {

void Paint(MemoryPicture& picture) {
    TCanvas canvas(picture.Dc());
    PaintGradient(&canvas, picture.Width(), picture.Height());
}

int Grey(int y) { return y >= 510 ? 0 : 255 - y / 2; }

TEST(PaintGradient, RowsFallFromWhiteToBlackOneLevelEveryTwoRowsInsideAnUntouchedBorder) {
    MemoryPicture picture(40, 600);
    Paint(picture);
    for (int y = 1; y <= 598; ++y) {
        COLORREF expected = RGB(Grey(y), Grey(y), Grey(y));
        for (int x = 1; x <= 38; ++x)
            ASSERT_EQ(picture.Pixel(x, y), expected) << "x " << x << ", y " << y;
    }
    EXPECT_EQ(picture.Pixel(5, 1), RGB(255, 255, 255));
    EXPECT_EQ(picture.Pixel(5, 509), RGB(1, 1, 1));
    EXPECT_EQ(picture.Pixel(5, 510), RGB(0, 0, 0));
    for (int x = 0; x < 40; ++x) {
        EXPECT_EQ(picture.Pixel(x, 0), kUntouched) << "top row, x " << x;
        EXPECT_EQ(picture.Pixel(x, 599), kUntouched) << "bottom row, x " << x;
    }
    for (int y = 0; y < 600; ++y) {
        EXPECT_EQ(picture.Pixel(0, y), kUntouched) << "left column, y " << y;
        EXPECT_EQ(picture.Pixel(39, y), kUntouched) << "right column, y " << y;
    }
}

TEST(PaintGradient, PaintsNoRowWhenLessThanThreeRowsHigh) {
    for (int height : {1, 2}) {
        MemoryPicture picture(10, height);
        Paint(picture);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < 10; ++x) EXPECT_EQ(picture.Pixel(x, y), kUntouched) << height << " rows high";
    }
    MemoryPicture three(10, 3);
    Paint(three);
    EXPECT_EQ(three.Pixel(4, 1), RGB(255, 255, 255));
    EXPECT_EQ(three.Pixel(4, 0), kUntouched);
    EXPECT_EQ(three.Pixel(4, 2), kUntouched);
}

}  // namespace
