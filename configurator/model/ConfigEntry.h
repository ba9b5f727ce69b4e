#pragma once
// One known entry of the gateway's configuration file: a section header, a key, or the
// body of a list section (Devices, Prefixes), with the lines that stood before it.
#include <ostream>
#include "AnsiString.h"
#include "ConfigLine.h"
#include "StringList.h"

class ConfigEntry {
public:
    // A section header or list entry: no key.
    explicit ConfigEntry(const AnsiString& section);
    ConfigEntry(const AnsiString& section, const AnsiString& key);

    void SetValue(const AnsiString& text);
    void SetComment(const AnsiString& text);
    // Empties both lists, the comment and the value; section and key stay.
    void Clear();
    void SetLeadLines(const TStringList& lines);
    void AddBodyLine(const AnsiString& text);
    // Takes the value and comment of a line read from the file, and the pending lines
    // as lead lines; the pending list is emptied.
    void TakeLine(ConfigLine line, TStringList& pending);

    // Writes the lead lines, then the header or key line. Lines end with CR LF; the
    // caller opens the stream in binary mode.
    void WriteEntry(std::ostream& out) const;
    // Writes the lead lines, then the body lines of a list entry.
    void WriteBody(std::ostream& out) const;

    TStringList LeadLines;  // lines that stood before the entry in the file, as read
    TStringList BodyLines;  // lines of a list entry; empty for the others
    char Section[32] = {};
    char Comment[80] = {};
    char Key[64] = {};
    char Value[128] = {};

private:
    void WriteLeadLines(std::ostream& out) const;
    bool IsDevicesList() const;
};
