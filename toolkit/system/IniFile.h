#pragma once
// A profile (INI) file read and written through the system's profile functions:
// sections in brackets, key=value lines, names compared without regard to case, the
// first matching key wins.
#include "AnsiString.h"
#include "StringList.h"

class TIniFile {
public:
    explicit TIniFile(AnsiString fileName) : FileName(std::move(fileName)) {}

    // A value is cut at 2047 characters.
    AnsiString ReadString(const AnsiString& section, const AnsiString& key, const AnsiString& def) const;
    // Decimal, or hexadecimal after "$" or "0x"; a value that is not a number gives def.
    int32_t ReadInteger(const AnsiString& section, const AnsiString& key, int32_t def) const;
    // Any non-zero number is true.
    bool ReadBool(const AnsiString& section, const AnsiString& key, bool def) const;

    // A write the system refuses throws EIniFileException "Unable to write to <file>".
    void WriteString(const AnsiString& section, const AnsiString& key, const AnsiString& value);
    void WriteInteger(const AnsiString& section, const AnsiString& key, int32_t value);
    void WriteBool(const AnsiString& section, const AnsiString& key, bool value);

    // Each fills the list afresh, in file order.
    void ReadSections(TStringList& sections) const;
    void ReadSection(const AnsiString& section, TStringList& keys) const;
    // key=value lines, each value as ReadString gives it.
    void ReadSectionValues(const AnsiString& section, TStringList& lines) const;

    void EraseSection(const AnsiString& section);
    // Puts the key=value lines in place of all keys of the section, in one write: the
    // section holds either its old keys or the new ones. Throws as WriteString does.
    void WriteSection(const AnsiString& section, const TStringList& lines);

    const AnsiString FileName;
};
