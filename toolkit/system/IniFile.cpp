#include "IniFile.h"
#include <windows.h>
#include <cstring>
#include <vector>
#include "Exception.h"
#include "SysUtils.h"
#include "Unicode.h"

namespace {

constexpr DWORD kValueBufferSize = 2048;
constexpr DWORD kListBufferSize = 16384;

// Splits the system's list of names, each ended by a zero byte, into lines.
void FillFromNameList(const char* names, DWORD length, TStringList& list) {
    list.Clear();
    for (size_t start = 0; start < length;) {
        size_t size = strnlen(names + start, length - start);
        if (size == 0) break;
        list.Add(AnsiString(names + start, size));
        start += size + 1;
    }
}

// section or key may be null: the system then lists section names or key names.
void ReadNameList(const char* section, const AnsiString& fileName, TStringList& list) {
    std::vector<char> buffer(kListBufferSize, '\0');
    DWORD length = GetPrivateProfileStringA(section, nullptr, "", buffer.data(), kListBufferSize,
                                            fileName.c_str());
    FillFromNameList(buffer.data(), length, list);
}

// The file's name is in the system's code page; the message is the programs' CP1251.
[[noreturn]] void RefuseWrite(const AnsiString& fileName) {
    throw EIniFileException("Unable to write to " + SystemToAnsi(fileName));
}

// A null key erases the section, a null value the key.
void WriteProfile(const char* section, const char* key, const char* value, const AnsiString& fileName) {
    if (!WritePrivateProfileStringA(section, key, value, fileName.c_str())) RefuseWrite(fileName);
}

}  // namespace

AnsiString TIniFile::ReadString(const AnsiString& section, const AnsiString& key, const AnsiString& def) const {
    char buffer[kValueBufferSize];
    DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), def.c_str(), buffer,
                                            kValueBufferSize, FileName.c_str());
    return AnsiString(buffer, length);
}

int32_t TIniFile::ReadInteger(const AnsiString& section, const AnsiString& key, int32_t def) const {
    AnsiString text = ReadString(section, key, "");
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text = "$" + text.substr(2);
    return StrToIntDef(text, def);
}

bool TIniFile::ReadBool(const AnsiString& section, const AnsiString& key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TIniFile::WriteString(const AnsiString& section, const AnsiString& key, const AnsiString& value) {
    WriteProfile(section.c_str(), key.c_str(), value.c_str(), FileName);
}

void TIniFile::WriteInteger(const AnsiString& section, const AnsiString& key, int32_t value) {
    WriteString(section, key, IntToStr(value));
}

void TIniFile::WriteBool(const AnsiString& section, const AnsiString& key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void TIniFile::ReadSections(TStringList& sections) const { ReadNameList(nullptr, FileName, sections); }

void TIniFile::ReadSection(const AnsiString& section, TStringList& keys) const {
    ReadNameList(section.c_str(), FileName, keys);
}

void TIniFile::ReadSectionValues(const AnsiString& section, TStringList& lines) const {
    TStringList keys;
    ReadSection(section, keys);
    lines.Clear();
    for (const AnsiString& key : keys.Lines) lines.Add(key + "=" + ReadString(section, key, ""));
}

void TIniFile::EraseSection(const AnsiString& section) {
    WriteProfile(section.c_str(), nullptr, nullptr, FileName);
}

void TIniFile::WriteSection(const AnsiString& section, const TStringList& lines) {
    AnsiString block;  // each line ended by a zero byte, the block by another
    for (const AnsiString& line : lines.Lines) {
        block += line;
        block += '\0';
    }
    block += '\0';
    if (!WritePrivateProfileSectionA(section.c_str(), block.c_str(), FileName.c_str())) RefuseWrite(FileName);
}
