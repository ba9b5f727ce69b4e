#include "StringList.h"
#include "Exception.h"
#include "FileBytes.h"
#include "FileReplace.h"
#include "SysUtils.h"

namespace {

void CheckIndex(int index, int limit) {
    if (index < 0 || index > limit)
        throw EStringListError("List index out of bounds (" + IntToStr(index) + ")");
}

}  // namespace

void TStringList::Insert(int index, const AnsiString& s) {
    CheckIndex(index, Count());
    Lines.insert(Lines.begin() + index, s);
}

void TStringList::Delete(int index) {
    CheckIndex(index, Count() - 1);
    Lines.erase(Lines.begin() + index);
}

AnsiString TStringList::Names(int i) const {
    const AnsiString& line = Lines.at(i);
    size_t equals = line.find('=');
    return equals == AnsiString::npos ? AnsiString() : line.substr(0, equals);
}

// Only lines that have an "=" have a name to match.
int TStringList::IndexOfName(const AnsiString& name) const {
    for (int i = 0; i < Count(); ++i) {
        if (Lines[i].find('=') != AnsiString::npos && SameTextCI(Names(i), name)) return i;
    }
    return -1;
}

AnsiString TStringList::Values(const AnsiString& name) const {
    int i = IndexOfName(name);
    if (i < 0) return AnsiString();
    return Lines[i].substr(Lines[i].find('=') + 1);
}

int TStringList::IndexOf(const AnsiString& s) const {
    for (int i = 0; i < Count(); ++i) {
        if (SameTextCI(Lines[i], s)) return i;
    }
    return -1;
}

AnsiString TStringList::Text() const {
    size_t size = 0;
    for (const AnsiString& line : Lines) size += line.size() + 2;
    AnsiString text;
    text.reserve(size);
    for (const AnsiString& line : Lines) text.append(line).append("\r\n");
    return text;
}

void TStringList::SetText(const AnsiString& text) {
    Lines.clear();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == AnsiString::npos) {
            Lines.push_back(text.substr(start));
            break;
        }
        Lines.push_back(text.substr(start, end - start));
        start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
}

void TStringList::LoadFromFile(const AnsiString& path) {
    AnsiString bytes;
    if (!ReadFileBytes(path, bytes)) throw EFOpenError("Cannot open file \"" + path + "\"");
    SetText(bytes);
}

// A failed save leaves the previous file as it was, or, when neither the old nor the new
// file could take its name, says where both lie.
void TStringList::SaveToFile(const AnsiString& path) const {
    FileReplaceResult replace = ReplaceFileContents(path, Text());
    if (replace.Files == FileReplaceResult::Replaced) return;
    AnsiString message = "Cannot create file \"" + path + "\"";
    if (replace.Files == FileReplaceResult::OldFileAside)
        message += ". The old file is kept as \"" + replace.OldFile + "\", the new one as \"" + replace.NewFile + "\"";
    throw EFCreateError(message);
}
