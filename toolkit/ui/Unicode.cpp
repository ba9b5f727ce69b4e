#include "Unicode.h"
#include <windows.h>

namespace {
constexpr UINT kCp1251 = 1251;

std::wstring Decode(UINT codePage, const std::string& bytes) {
    if (bytes.empty()) return {};
    int n = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring out(n, L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), n);
    return out;
}
}  // namespace

std::wstring ToWide(const AnsiString& text) { return Decode(kCp1251, text); }

AnsiString FromWide(const std::wstring& text) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(kCp1251, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    AnsiString out(n, '\0');
    WideCharToMultiByte(kCp1251, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

AnsiString FromWide(const wchar_t* text) { return text ? FromWide(std::wstring(text)) : AnsiString(); }

AnsiString Utf8ToAnsi(const std::string& utf8) { return FromWide(Decode(CP_UTF8, utf8)); }
