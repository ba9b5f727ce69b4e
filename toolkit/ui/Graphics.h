#pragma once
// Colours, fonts and the GDI objects behind them.
#include <windows.h>
#include "AnsiString.h"
#include "Component.h"

using TColor = COLORREF;  // 0x00BBGGRR, or a system colour with the top byte 0xFF
constexpr TColor clBlack = 0x000000, clWhite = 0xFFFFFF, clGray = 0x808080, clSilver = 0xC0C0C0,
                 clRed = 0x0000FF, clLime = 0x00FF00, clBlue = 0xFF0000, clNavy = 0x800000,
                 clGreen = 0x008000, clYellow = 0x00FFFF, clMaroon = 0x000080;
constexpr TColor clBtnFace = 0xFF000000 | COLOR_BTNFACE;
constexpr TColor clWindow = 0xFF000000 | COLOR_WINDOW;
constexpr TColor clWindowText = 0xFF000000 | COLOR_WINDOWTEXT;
constexpr TColor clHighlight = 0xFF000000 | COLOR_HIGHLIGHT;

// The RGB value of a colour, system colours resolved.
COLORREF ColorToRGB(TColor color);
// A colour of the form definition: a number or a name such as clGray.
TColor ParseColor(const PropValue& value);
// One brush per colour for the life of the program.
HBRUSH BrushFor(TColor color);

struct TFont {
    AnsiString Name = "MS Sans Serif";
    int Height = -11;  // negative: character height in pixels
    TColor Color = clWindowText;
    bool Bold = false;

    bool operator==(const TFont&) const = default;
    // One GDI font per distinct font for the life of the program.
    HFONT Handle() const;
    // Font.Name, Font.Height, Font.Color, Font.Style; false when name is no font property.
    bool SetProperty(const AnsiString& name, const PropValue& value);
};
