#include "TempDir.h"
#include <windows.h>
#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

TempDir::TempDir() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    static unsigned counter = 0;
    for (;;) {
        path_ = std::string(base) + "rax40gw-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(++counter) + "\\";
        if (CreateDirectoryA(path_.c_str(), nullptr)) return;
        if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot create " + path_);
    }
}

static void RemoveTree(const std::string& dir) {
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((dir + "*").c_str(), &found);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            std::string full = dir + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(full + "\\");
            } else {
                SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(full.c_str());
            }
        } while (FindNextFileA(h, &found));
        FindClose(h);
    }
    RemoveDirectoryA(dir.c_str());
}

TempDir::~TempDir() { RemoveTree(path_); }

void TempDir::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(File(name), std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string TempDir::Read(const std::string& name) const {
    std::ifstream in(File(name), std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

bool TempDir::Exists(const std::string& name) const {
    return GetFileAttributesA(File(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::string> TempDir::Names() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((path_ + "*").c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        std::string name = found.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(h, &found));
    FindClose(h);
    std::sort(names.begin(), names.end());
    return names;
}
