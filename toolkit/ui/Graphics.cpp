#include "Graphics.h"
#include <map>
#include <tuple>
#include "Exception.h"
#include "Unicode.h"

COLORREF ColorToRGB(TColor color) {
    if (color & 0xFF000000) return GetSysColor(static_cast<int>(color & 0xFF));
    return color;
}

TColor ParseColor(const PropValue& value) {
    if (value.type == PropValue::Type::Number) return static_cast<TColor>(value.number);
    static const std::map<AnsiString, TColor> names = {
        {"clBlack", clBlack}, {"clWhite", clWhite},   {"clGray", clGray},     {"clSilver", clSilver},
        {"clRed", clRed},     {"clLime", clLime},     {"clBlue", clBlue},     {"clNavy", clNavy},
        {"clGreen", clGreen}, {"clYellow", clYellow}, {"clMaroon", clMaroon}, {"clBtnFace", clBtnFace},
        {"clWindow", clWindow}, {"clWindowText", clWindowText}, {"clHighlight", clHighlight},
    };
    auto it = names.find(value.AsIdent());
    if (it == names.end()) throw EFormDefinitionError("unknown colour " + value.text);
    return it->second;
}

HBRUSH BrushFor(TColor color) {
    static auto* brushes = new std::map<TColor, HBRUSH>;
    auto& brush = (*brushes)[color];
    if (!brush) brush = CreateSolidBrush(ColorToRGB(color));
    return brush;
}

HFONT TFont::Handle() const {
    static auto* fonts = new std::map<std::tuple<AnsiString, int, bool>, HFONT>;
    auto& font = (*fonts)[{Name, Height, Bold}];
    if (!font) {
        LOGFONTW lf{};
        lf.lfHeight = Height;
        lf.lfWeight = Bold ? FW_BOLD : FW_NORMAL;
        lf.lfCharSet = RUSSIAN_CHARSET;
        std::wstring face = ToWide(Name);
        lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
        font = CreateFontIndirectW(&lf);
    }
    return font;
}

bool TFont::SetProperty(const AnsiString& name, const PropValue& value) {
    if (name == "Font.Name") Name = value.AsString();
    else if (name == "Font.Height") Height = value.AsInt();
    else if (name == "Font.Color") Color = ParseColor(value);
    else if (name == "Font.Style") Bold = value.Has("fsBold");
    else return false;
    return true;
}
