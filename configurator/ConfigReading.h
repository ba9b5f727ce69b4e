#pragma once
// Reading a whole configuration file into a load result, line by line, without touching
// the entry table or the main window; the loader puts the result in force afterwards.
#include <istream>
#include <utility>
#include <vector>
#include "AnsiString.h"
#include "ConfigEntryTable.h"
#include "ConfigKeyControls.h"
#include "StringList.h"

// One row of the ЛОРК unit grid, by column.
struct UnitRow {
    AnsiString Number;   // column 0: 1, 2, 3 ... in the order of the unit lines
    AnsiString Type;     // column 1: "ЛОРК-М" or "ЛОРК-МЕ"
    AnsiString Port;     // column 2: "COM" and the port number
    AnsiString Address;  // column 3: the IP address of a "ЛОРК-МЕ"; empty otherwise
    AnsiString Comment;  // column 4: the unit line's own comment
};

// A setting read for one of the known keys, in the order of the key lines in the file.
struct KeySetting {
    const KeyControl* Key;
    ControlSetting Setting;
};

struct LoadedConfiguration {
    std::vector<ConfigEntry> Entries;  // the 34 entries as the file fills them, table order
    std::vector<KeySetting> Settings;
    std::vector<UnitRow> Units;        // grid rows 1, 2, 3 ...
    std::vector<AnsiString> Prefixes;  // items of the prefix list
    // The lines of the section Devices other than its header and unit lines, trimmed:
    // the k-th of them (from 0) gives the comment of grid row k + 1.
    TStringList DevicesComments;
    // True when the reading stopped at an error of the stream rather than at its end.
    bool ReadError = false;
};

// Reads the stream to its end. Throws EConvertError at the first malformed number of a
// key that takes a strict number; nothing outside the result has changed by then.
LoadedConfiguration ReadConfiguration(std::istream& in);
