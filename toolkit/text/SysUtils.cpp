#include "SysUtils.h"

AnsiString Trim(const AnsiString& s) {
    size_t first = 0, last = s.size();
    while (first < last && static_cast<unsigned char>(s[first]) < 33) ++first;
    while (last > first && static_cast<unsigned char>(s[last - 1]) < 33) --last;
    return s.substr(first, last - first);
}
