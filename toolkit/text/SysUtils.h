#pragma once
// Text helpers shared by both programs. Plain C++: no system calls.
#include <cstdint>
#include "AnsiString.h"

// Removes every leading and trailing character whose code is below 33.
AnsiString Trim(const AnsiString& s);

// Strict conversion: leading spaces, then either a hexadecimal prefix ("$", "x", "X",
// "0x", "0X") with 1 to 8 hex digits giving the 32-bit pattern, or an optional sign and
// decimal digits within the signed 32-bit range. Anything else (empty text, trailing
// blanks) throws EConvertError "'%s' is not a valid integer value".
int32_t StrToInt(const AnsiString& s);
// Same rules; returns def instead of throwing.
int32_t StrToIntDef(const AnsiString& s, int32_t def);
// Same rules; false when the text is not valid.
bool TryStrToInt(const AnsiString& s, int32_t& value);

// The C library's decimal conversion: leading white space, optional sign, digits up to
// the first other character, 0 when there are none. Out-of-range values are clamped to
// the signed 32-bit range instead of being undefined.
int32_t CStrToInt(const AnsiString& s);

AnsiString IntToStr(int64_t value);

// Comparison without regard to case of the ASCII letters only: the programs run in the
// C library's default "C" locale, where Cyrillic letters keep their case.
bool SameTextCI(const AnsiString& a, const AnsiString& b);
