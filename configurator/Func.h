#pragma once
// Drawing helpers of the main window.
#include "Canvas.h"

// Grey rows from white at the top down to black, one grey level per two rows; the
// outermost rows and columns are left as they are.
void PaintGradient(TCanvas* canvas, int width, int height);
