#include "ConfigEntry.h"

#include "FixedText.h"
#include "SysUtils.h"

namespace {

const char kLineEnd[] = "\r\n";
// Written at the end of the Devices section to show the operator the unit line's form.
const char kDevicesSampleLine[] = ";0=1,192.168.1.100";

void WriteLine(std::ostream& out, const AnsiString& text) { out << text << kLineEnd; }

// " ;" and the comment, when there is one.
AnsiString CommentSuffix(const char* comment) {
    return comment[0] == '\0' ? AnsiString() : " ;" + AnsiString(comment);
}

// A unit line's comment goes on a line of its own: the text before the first ';' and
// the text from it on, each trimmed.
void WriteDevicesBodyLine(std::ostream& out, const AnsiString& line) {
    size_t semicolon = line.find(';');
    if (semicolon == AnsiString::npos) {
        WriteLine(out, Trim(line));
        return;
    }
    WriteLine(out, Trim(line.substr(0, semicolon)));
    WriteLine(out, Trim(line.substr(semicolon)));
}

}  // namespace

ConfigEntry::ConfigEntry(const AnsiString& section) { CopyToField(Section, section); }

ConfigEntry::ConfigEntry(const AnsiString& section, const AnsiString& key)
    : ConfigEntry(section) {
    CopyToField(Key, key);
}

void ConfigEntry::SetValue(const AnsiString& text) { CopyToField(Value, text); }

void ConfigEntry::SetComment(const AnsiString& text) { CopyToField(Comment, text); }

void ConfigEntry::Clear() {
    LeadLines.Clear();
    BodyLines.Clear();
    SetComment("");
    SetValue("");
}

void ConfigEntry::SetLeadLines(const TStringList& lines) { LeadLines.Assign(lines); }

void ConfigEntry::AddBodyLine(const AnsiString& text) { BodyLines.Add(text); }

void ConfigEntry::TakeLine(ConfigLine line, TStringList& pending) {
    SetValue(line.Value);
    SetLeadLines(pending);
    pending.Clear();
    SetComment(line.Comment);
}

void ConfigEntry::WriteEntry(std::ostream& out) const {
    WriteLeadLines(out);
    if (Key[0] == '\0')
        WriteLine(out, "[" + AnsiString(Section) + "]" + CommentSuffix(Comment));
    else
        WriteLine(out, AnsiString(Key) + "=" + Value + CommentSuffix(Comment));
}

void ConfigEntry::WriteBody(std::ostream& out) const {
    WriteLeadLines(out);
    const bool devices = IsDevicesList();
    for (int i = 0; i < BodyLines.Count(); ++i) {
        if (devices)
            WriteDevicesBodyLine(out, BodyLines[i]);
        else
            WriteLine(out, BodyLines[i]);
    }
    if (devices) {
        WriteLine(out, kDevicesSampleLine);
        WriteLine(out, "");
    }
}

void ConfigEntry::WriteLeadLines(std::ostream& out) const {
    for (int i = 0; i < LeadLines.Count(); ++i) WriteLine(out, Trim(LeadLines[i]));
}

bool ConfigEntry::IsDevicesList() const { return Trim(Section) == "Devices"; }
