#include "DateTime.h"
#include <optional>

namespace {
std::optional<SYSTEMTIME> fixedNow;

bool IsMidnight(const SYSTEMTIME& t) {
    return t.wHour == 0 && t.wMinute == 0 && t.wSecond == 0 && t.wMilliseconds == 0;
}

AnsiString ShortDate(const SYSTEMTIME& t) {
    char text[128] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &t, nullptr, text, sizeof(text));
    return text;
}

AnsiString LongTime(const SYSTEMTIME& t) {
    char text[128] = {};
    GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &t, nullptr, text, sizeof(text));
    return text;
}
}  // namespace

SYSTEMTIME Now() {
    if (fixedNow) return *fixedNow;
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now;
}

void SetNowForTests(const SYSTEMTIME* moment) {
    if (moment) fixedNow = *moment;
    else fixedNow.reset();
}

AnsiString DateTimeToStr(const SYSTEMTIME& moment) {
    if (IsMidnight(moment)) return ShortDate(moment);
    return ShortDate(moment) + " " + LongTime(moment);
}
