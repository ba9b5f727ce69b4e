#include "ConfigReading.h"
#include <cstring>
#include "SysUtils.h"

namespace {

// The header entries of the ten known sections.
constexpr ConfigEntryIndex kHeaderEntries[] = {
    kSystemHeader,  kNetworkHeader,        kAudioHeader,    kSilenceDetectionHeader, kLogHeader,
    kDevicesHeader, kDeviceSettingsHeader, kPrefixesHeader, kPollServerHeader,       kControlServerHeader,
};

// Every line that no entry takes waits in the pending list, as read, until the next
// entry that takes lines makes it one of its lead lines; lines still pending at the end
// of the file are dropped.
class ConfigReader {
public:
    ConfigReader() : entries_(std::begin(ConfigEntryTable), std::end(ConfigEntryTable)) {
        for (ConfigEntry& entry : entries_) entry.Clear();
    }

    LoadedConfiguration Read(std::istream& in) {
        LoadedConfiguration result;
        ConfigLine line;
        while (ReadConfigLine(line, in)) Take(line, result);
        result.Entries = std::move(entries_);
        result.ReadError = in.bad();
        return result;
    }

private:
    std::vector<ConfigEntry> entries_;
    TStringList pending_;

    void Take(const ConfigLine& line, LoadedConfiguration& result) {
        if (line.HeaderFlag) {
            TakeHeader(line);
        } else if (line.KeyFlag && line.IsSection("Devices")) {
            TakeUnit(line, result);
        } else if (line.KeyFlag && line.IsSection("Prefixes")) {
            TakePrefix(line, result);
        } else if (const KeyControl* key = line.KeyFlag ? FindKeyControl(line) : nullptr) {
            entries_[key->Entry].TakeLine(line, pending_);
            result.Settings.push_back({key, ReadSetting(*key, line.Value)});
        } else {
            pending_.Add(line.Text);
            if (line.IsSection("Devices")) result.DevicesComments.Add(Trim(line.Text));
        }
    }

    // A header of an unknown section (such as 'VoiceDevices:1') stays pending. A known
    // header without a comment keeps the comment of an earlier header of that section.
    void TakeHeader(const ConfigLine& line) {
        for (ConfigEntryIndex index : kHeaderEntries) {
            ConfigEntry& header = entries_[index];
            if (!line.IsSection(header.Section)) continue;
            header.SetLeadLines(pending_);
            pending_.Clear();
            if (line.CommentFlag) header.SetComment(line.Comment);
            return;
        }
        pending_.Add(line.Text);
    }

    // Only the lines before the first body line become the list's lead lines; lines
    // between body lines stay pending for the next entry.
    void TakeListLine(ConfigEntryIndex index, const ConfigLine& line) {
        ConfigEntry& list = entries_[index];
        if (pending_.Count() > 0 && list.BodyLines.Count() == 0) {
            list.SetLeadLines(pending_);
            pending_.Clear();
        }
        list.AddBodyLine(line.Text);
    }

    // The key of a unit line plays no part: rows are numbered in file order. The value is
    // the COM port, and after a "," the IP address of a "ЛОРК-МЕ", as it stands.
    void TakeUnit(const ConfigLine& line, LoadedConfiguration& result) {
        TakeListLine(kDevicesList, line);
        UnitRow row;
        row.Number = IntToStr(static_cast<int>(result.Units.size()) + 1);
        const char* comma = std::strchr(line.Value, ',');
        row.Type = comma ? "ЛОРК-МЕ" : "ЛОРК-М";
        if (comma) row.Address = comma + 1;
        row.Port = "COM" + IntToStr(CStrToInt(line.Value));
        if (line.CommentFlag) row.Comment = line.Comment;
        result.Units.push_back(row);
    }

    // The list shows the prefix without its inline comment; the entry keeps the line.
    void TakePrefix(const ConfigLine& line, LoadedConfiguration& result) {
        TakeListLine(kPrefixesList, line);
        result.Prefixes.push_back(AnsiString(line.Key) + "=" + line.Value);
    }
};

}  // namespace

LoadedConfiguration ReadConfiguration(std::istream& in) { return ConfigReader().Read(in); }
