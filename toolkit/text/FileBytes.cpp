#include "FileBytes.h"
#include <cstdio>

bool ReadFileBytes(const AnsiString& path, AnsiString& bytes) {
    bytes.clear();
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    char chunk[64 * 1024];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof(chunk), file)) > 0) bytes.append(chunk, got);
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return !failed;
}
