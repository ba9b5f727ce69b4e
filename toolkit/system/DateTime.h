#pragma once
// The local date and time, and their text in the user's regional formats.
#include <windows.h>
#include "AnsiString.h"

// The local date and time now, or the moment a test has fixed.
SYSTEMTIME Now();
// Makes Now() give *moment; null gives the clock back.
void SetNowForTests(const SYSTEMTIME* moment);

// The date in the short date format, a space and the time in the long time format; at
// exactly midnight (00:00:00.000) the date alone.
AnsiString DateTimeToStr(const SYSTEMTIME& moment);
