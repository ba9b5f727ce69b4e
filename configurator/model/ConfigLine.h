#pragma once
// One line of the gateway's configuration file "rax40gw.conf", read and classified.
#include <istream>
#include "AnsiString.h"

struct ConfigLine {
    // The whole line as read, without its line feed; a CR before it stays. Not cut: a
    // line of any length is held whole, so that nothing of it is lost when the file is
    // written back.
    AnsiString Text;
    char Comment[80] = {};  // text after the first ';', as it stands
    char Key[64] = {};      // key of a key line, trimmed
    char Value[128] = {};   // value of a key line, cut at its first ';', trimmed
    bool HeaderFlag = false;
    bool KeyFlag = false;
    bool CommentFlag = false;
    // The current section: set by a header line, carried over by every other line.
    char Section[32] = {};

    bool IsSection(const AnsiString& name) const;
    bool IsKey(const AnsiString& name) const;
};

// Reads the next line of the stream into line, leaving line.Section as it is unless the
// line is a section header. False when no line is left or the stream has failed.
bool ReadConfigLine(ConfigLine& line, std::istream& in);
