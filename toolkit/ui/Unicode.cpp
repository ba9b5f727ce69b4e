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

AnsiString Encode(UINT codePage, DWORD flags, const std::wstring& text) {
    if (text.empty()) return {};
    int size = static_cast<int>(text.size());
    int n = WideCharToMultiByte(codePage, flags, text.data(), size, nullptr, 0, nullptr, nullptr);
    AnsiString out(n, '\0');
    WideCharToMultiByte(codePage, flags, text.data(), size, out.data(), n, nullptr, nullptr);
    return out;
}
}  // namespace

std::wstring ToWide(const AnsiString& text) { return Decode(kCp1251, text); }

AnsiString FromWide(const std::wstring& text) { return Encode(kCp1251, 0, text); }

AnsiString FromWide(const wchar_t* text) { return text ? FromWide(std::wstring(text)) : AnsiString(); }

AnsiString Utf8ToAnsi(const std::string& utf8) { return FromWide(Decode(CP_UTF8, utf8)); }

std::wstring SystemToWide(const AnsiString& text) { return Decode(CP_ACP, text); }

// No best fit: "Gerät" would read "Gerat", the name of another directory.
AnsiString SystemToAnsi(const AnsiString& text) { return Encode(kCp1251, WC_NO_BEST_FIT_CHARS, SystemToWide(text)); }

// No best fit either: a name the code page cannot hold must not open a look-alike file.
AnsiString WideToSystem(const std::wstring& text) { return Encode(CP_ACP, WC_NO_BEST_FIT_CHARS, text); }

AnsiString NameFromWide(const std::wstring& text) { return Encode(kCp1251, WC_NO_BEST_FIT_CHARS, text); }
