#include "Files.h"
#include <windows.h>
#include <vector>

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
