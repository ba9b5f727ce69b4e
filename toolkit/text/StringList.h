#pragma once
// An ordered list of text lines, with key=value lookups and file load/save.
#include <vector>
#include "AnsiString.h"

class TStringList {
public:
    int Count() const { return static_cast<int>(Lines.size()); }
    const AnsiString& operator[](int i) const { return Lines.at(i); }
    AnsiString& operator[](int i) { return Lines.at(i); }
    void Add(const AnsiString& s) { Lines.push_back(s); }
    // Throw EStringListError for an index outside the list.
    void Insert(int index, const AnsiString& s);
    void Delete(int index);
    void Clear() { Lines.clear(); }
    void Assign(const TStringList& other) { Lines = other.Lines; }

    // Name of line i: the text before its first "=" (empty when there is none).
    AnsiString Names(int i) const;
    // Value of the first line whose name equals name without regard to case; "" if none.
    AnsiString Values(const AnsiString& name) const;
    // Index of that first line (only lines with an "=" count); -1 if none.
    int IndexOfName(const AnsiString& name) const;
    // Index of the first line equal to s without regard to case; -1 if none.
    int IndexOf(const AnsiString& s) const;

    // Text: lines split at CR, LF or CR LF; each line followed by CR LF when joined.
    AnsiString Text() const;
    void SetText(const AnsiString& text);

    // Reads the file's bytes as Text; throws EFOpenError when it cannot be opened.
    void LoadFromFile(const AnsiString& path);
    // Replaces the file's bytes with Text in one step (ReplaceFileContents). On failure
    // EFCreateError is thrown, and path is left as it was, or, when neither the old nor
    // the new file could take its name, the message says where each lies.
    void SaveToFile(const AnsiString& path) const;

    std::vector<AnsiString> Lines;
};
