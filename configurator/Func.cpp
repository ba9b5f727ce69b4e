#include "Func.h"
#include <algorithm>

void PaintGradient(TCanvas* canvas, int width, int height) {
    for (int y = 1; y <= height - 2; ++y) {
        int grey = 255 - std::min(y / 2, 255);
        canvas->Pen.Color = RGB(grey, grey, grey);
        canvas->MoveTo(1, y);
        canvas->LineTo(width - 1, y);
    }
}
