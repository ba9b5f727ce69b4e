#pragma once
// Conversion at the window boundary: the programs hold CP1251, windows show UTF-16.
#include <string>
#include "AnsiString.h"

std::wstring ToWide(const AnsiString& text);
AnsiString FromWide(const std::wstring& text);
AnsiString FromWide(const wchar_t* text);
// Form definitions are UTF-8 files; their texts become CP1251.
AnsiString Utf8ToAnsi(const std::string& utf8);
