#include "Files.h"
#include <windows.h>
#include <string>
#include <vector>
#include "Unicode.h"

namespace {

AnsiString& DirectoryForTests() {
    static AnsiString dir;
    return dir;
}

AnsiString ExecutablePath() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) return AnsiString(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

AnsiString ProgramDirectory() {
    if (!DirectoryForTests().empty()) return DirectoryForTests();
    AnsiString path = ExecutablePath();
    return path.substr(0, path.find_last_of('\\') + 1);
}

void SetProgramDirectoryForTests(const AnsiString& dir) {
    DirectoryForTests() = dir.empty() || dir.back() == '\\' ? dir : dir + "\\";
}

bool FileExists(const AnsiString& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DeleteFileAt(const AnsiString& path) { return DeleteFileA(path.c_str()) != 0; }

// Asked in UTF-16: the system's own code page need not be the programs' CP1251.
AnsiString SystemErrorText(unsigned long code) {
    wchar_t* text = nullptr;
    DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    AnsiString result = length ? FromWide(std::wstring(text, length)) : "error " + std::to_string(code);
    LocalFree(text);
    while (!result.empty() && (result.back() == '\r' || result.back() == '\n' || result.back() == ' ')) result.pop_back();
    return result;
}
