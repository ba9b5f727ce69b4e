#include "ConfigEntryTable.h"

ConfigEntry ConfigEntryTable[kConfigEntryCount] = {
    ConfigEntry("System"),
    ConfigEntry("System", "Name"),
    ConfigEntry("System", "Admin"),
    ConfigEntry("Network"),
    ConfigEntry("Network", "Listener Interface"),
    ConfigEntry("Network", "Listener Port"),
    ConfigEntry("Network", "Need Gatekeeper"),
    ConfigEntry("Network", "Gatekeeper"),
    ConfigEntry("Network", "GatekeeperID"),
    ConfigEntry("Network", "GatekeeperPassword"),
    ConfigEntry("Audio"),
    ConfigEntry("Audio", "Max Calls"),
    ConfigEntry("Audio", "TxBuffer"),
    ConfigEntry("Audio", "Enable Polling"),
    ConfigEntry("SilenceDetection"),
    ConfigEntry("SilenceDetection", "Threshold"),
    ConfigEntry("SilenceDetection", "Signal Deadband"),
    ConfigEntry("SilenceDetection", "Silence Deadband"),
    ConfigEntry("Log"),
    ConfigEntry("Log", "SysLog Level"),
    ConfigEntry("Log", "Level"),
    ConfigEntry("Log", "Traces"),
    ConfigEntry("Log", "Log Audio"),
    ConfigEntry("Devices"),
    ConfigEntry("Devices"),  // the unit lines
    ConfigEntry("DeviceSettings"),
    ConfigEntry("DeviceSettings", "Flow Control"),
    ConfigEntry("Prefixes"),
    ConfigEntry("Prefixes"),  // the prefix lines
    ConfigEntry("PollServer"),
    ConfigEntry("PollServer", "Base Port"),
    ConfigEntry("ControlServer"),
    ConfigEntry("ControlServer", "Port"),
    ConfigEntry("ControlServer", "Connection Timeout"),
};

void ClearConfigEntries() {
    for (ConfigEntry& entry : ConfigEntryTable) entry.Clear();
}

void WriteConfigEntries(std::ostream& out) {
    for (int i = 0; i < kConfigEntryCount; ++i) {
        if (i == kDevicesList || i == kPrefixesList)
            ConfigEntryTable[i].WriteBody(out);
        else
            ConfigEntryTable[i].WriteEntry(out);
    }
}
