#include "ConfigLine.h"

#include <algorithm>
#include <cstring>
#include <string>
#include "FixedText.h"
#include "SysUtils.h"

// A line longer than the 255 characters that the fields were laid out for is read
// whole and parsed by the same rules: only the fields are cut, and the next call reads
// the next line. The parse looks at the line up to its first zero byte, as a C string.

namespace {

// The comment scan never examines the last character: 'abc;' has no comment.
void ScanComment(ConfigLine& line, const AnsiString& s) {
    for (size_t i = 0; i + 1 < s.size(); ++i) {
        if (s[i] == ';') {
            CopyToField(line.Comment, std::string_view(s).substr(i + 1));
            line.CommentFlag = true;
            return;
        }
    }
}

// The name runs from after '[' to the first ']', the last character never examined;
// blanks are dropped, every other character (a tab, a ';') belongs to the name.
void ScanSectionName(ConfigLine& line, const AnsiString& s) {
    const size_t maxLength = sizeof line.Section - 1;
    size_t length = 0;
    for (size_t i = 1; i + 1 < s.size() && length < maxLength; ++i) {
        if (s[i] == ']') break;
        if (s[i] == ' ') continue;
        line.Section[length++] = s[i];
    }
    line.Section[length] = '\0';
}

// A key line has a '=' before any ';', and not as its last character.
void ScanKey(ConfigLine& line, const AnsiString& s) {
    for (size_t i = 0; i + 1 < s.size(); ++i) {
        if (s[i] == ';') return;
        if (s[i] == '=') {
            line.KeyFlag = true;
            AnsiString key = s.substr(0, std::min(i, sizeof line.Key - 1));
            CopyToField(line.Key, Trim(key));
            AnsiString value = s.substr(i + 1, sizeof line.Value - 1);
            CopyToField(line.Value, Trim(value.substr(0, value.find(';'))));
            return;
        }
    }
}

void ResetParsedFields(ConfigLine& line) {
    line.Text.clear();
    std::memset(line.Comment, 0, sizeof line.Comment);
    std::memset(line.Key, 0, sizeof line.Key);
    std::memset(line.Value, 0, sizeof line.Value);
    line.HeaderFlag = false;
    line.KeyFlag = false;
    line.CommentFlag = false;
}

}  // namespace

bool ConfigLine::IsSection(const AnsiString& name) const { return SameTextCI(Section, name); }

bool ConfigLine::IsKey(const AnsiString& name) const { return SameTextCI(Key, name); }

bool ReadConfigLine(ConfigLine& line, std::istream& in) {
    ResetParsedFields(line);
    if (in.fail()) return false;
    if (!std::getline(in, line.Text)) return false;

    const AnsiString s = Trim(line.Text.c_str());
    if (s.empty()) return true;

    ScanComment(line, s);
    if (s[0] == '[') {
        line.HeaderFlag = true;
        ScanSectionName(line, s);
        return true;
    }
    ScanKey(line, s);
    return true;
}
