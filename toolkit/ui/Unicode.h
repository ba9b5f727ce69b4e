#pragma once
// Conversion at the window boundary: the programs hold CP1251, windows show UTF-16.
#include <string>
#include "AnsiString.h"

std::wstring ToWide(const AnsiString& text);
AnsiString FromWide(const std::wstring& text);
AnsiString FromWide(const wchar_t* text);
// Form definitions are UTF-8 files; their texts become CP1251.
AnsiString Utf8ToAnsi(const std::string& utf8);

// Text that the system's A functions give, paths above all, is in the system's ANSI code
// page, which is 1251 only on a Russian system. Paths stay so in the programs, since the
// A functions take them back; a path is shown straight from that code page, or put into
// a message of the programs as CP1251, where a character that CP1251 lacks becomes "?".
std::wstring SystemToWide(const AnsiString& text);
AnsiString SystemToAnsi(const AnsiString& text);
// A path that a window gives, such as a file dialog's choice, for the A functions.
AnsiString WideToSystem(const std::wstring& text);
// A name that the system gives in UTF-16, for the programs' CP1251 text: a character
// that CP1251 lacks becomes "?", never a look-alike letter.
AnsiString NameFromWide(const std::wstring& text);
