#include "SysUtils.h"
#include <limits>
#include "Exception.h"

AnsiString Trim(const AnsiString& s) {
    size_t first = 0, last = s.size();
    while (first < last && static_cast<unsigned char>(s[first]) < 33) ++first;
    while (last > first && static_cast<unsigned char>(s[last - 1]) < 33) --last;
    return s.substr(first, last - first);
}

namespace {

constexpr int64_t kIntMin = std::numeric_limits<int32_t>::min();
constexpr int64_t kIntMax = std::numeric_limits<int32_t>::max();

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// White space of the C library's "C" locale.
bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Length of the hexadecimal prefix at pos ("$", "x", "X", "0x", "0X"), 0 when none.
size_t HexPrefixLength(const AnsiString& s, size_t pos) {
    if (pos >= s.size()) return 0;
    char c = s[pos];
    if (c == '$' || c == 'x' || c == 'X') return 1;
    if (c == '0' && pos + 1 < s.size() && (s[pos + 1] == 'x' || s[pos + 1] == 'X')) return 2;
    return 0;
}

// 1 to 8 hex digits up to the end of the text: the 32-bit pattern they spell.
bool ParseHex(const AnsiString& s, size_t pos, int32_t& value) {
    size_t count = s.size() - pos;
    if (count == 0 || count > 8) return false;
    uint32_t bits = 0;
    for (; pos < s.size(); ++pos) {
        int digit = HexDigitValue(s[pos]);
        if (digit < 0) return false;
        bits = bits << 4 | static_cast<uint32_t>(digit);
    }
    value = static_cast<int32_t>(bits);
    return true;
}

// Optional sign, then at least one decimal digit up to the end of the text, in range.
bool ParseDecimal(const AnsiString& s, size_t pos, int32_t& value) {
    bool negative = false;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) negative = s[pos++] == '-';
    if (pos >= s.size()) return false;
    int64_t magnitude = 0;
    for (; pos < s.size(); ++pos) {
        if (!IsDigit(s[pos])) return false;
        magnitude = magnitude * 10 + (s[pos] - '0');
        if (magnitude > kIntMax + 1) return false;
    }
    int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > kIntMax) return false;
    value = static_cast<int32_t>(signedValue);
    return true;
}

}  // namespace

bool TryStrToInt(const AnsiString& s, int32_t& value) {
    size_t pos = 0;
    while (pos < s.size() && s[pos] == ' ') ++pos;
    if (size_t prefix = HexPrefixLength(s, pos)) return ParseHex(s, pos + prefix, value);
    return ParseDecimal(s, pos, value);
}

int32_t StrToInt(const AnsiString& s) {
    int32_t value = 0;
    if (!TryStrToInt(s, value)) throw EConvertError("'" + s + "' is not a valid integer value");
    return value;
}

int32_t StrToIntDef(const AnsiString& s, int32_t def) {
    int32_t value = 0;
    return TryStrToInt(s, value) ? value : def;
}

int32_t CStrToInt(const AnsiString& s) {
    size_t pos = 0;
    while (pos < s.size() && IsCSpace(s[pos])) ++pos;
    bool negative = false;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) negative = s[pos++] == '-';
    int64_t magnitude = 0;
    for (; pos < s.size() && IsDigit(s[pos]); ++pos) {
        if (magnitude <= kIntMax + 1) magnitude = magnitude * 10 + (s[pos] - '0');
    }
    if (negative) return static_cast<int32_t>(-magnitude < kIntMin ? kIntMin : -magnitude);
    return static_cast<int32_t>(magnitude > kIntMax ? kIntMax : magnitude);
}

AnsiString IntToStr(int64_t value) { return std::to_string(value); }

static char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameTextCI(const AnsiString& a, const AnsiString& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}
