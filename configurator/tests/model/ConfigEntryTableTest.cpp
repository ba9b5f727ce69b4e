// The table of the 34 known entries and the file that a cleared table gives.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include "ConfigEntryTable.h"

namespace {

class ConfigEntryTableTest : public ::testing::Test {
protected:
    void SetUp() override { ClearConfigEntries(); }
    void TearDown() override { ClearConfigEntries(); }
};

const char kClearedFile[] =
    "[System]\r\nName=\r\nAdmin=\r\n"
    "[Network]\r\nListener Interface=\r\nListener Port=\r\nNeed Gatekeeper=\r\n"
    "Gatekeeper=\r\nGatekeeperID=\r\nGatekeeperPassword=\r\n"
    "[Audio]\r\nMax Calls=\r\nTxBuffer=\r\nEnable Polling=\r\n"
    "[SilenceDetection]\r\nThreshold=\r\nSignal Deadband=\r\nSilence Deadband=\r\n"
    "[Log]\r\nSysLog Level=\r\nLevel=\r\nTraces=\r\nLog Audio=\r\n"
    "[Devices]\r\n;0=1,192.168.1.100\r\n\r\n"
    "[DeviceSettings]\r\nFlow Control=\r\n"
    "[Prefixes]\r\n"
    "[PollServer]\r\nBase Port=\r\n"
    "[ControlServer]\r\nPort=\r\nConnection Timeout=\r\n";

TEST_F(ConfigEntryTableTest, ClearedTableWritesEveryHeaderAndEmptyKey) {
    std::ostringstream out;
    WriteConfigEntries(out);
    EXPECT_EQ(out.str(), kClearedFile);
}

TEST_F(ConfigEntryTableTest, ClearEmptiesEveryEntryAndKeepsNames) {
    TStringList pending;
    for (ConfigEntry& entry : ConfigEntryTable) {
        pending.Add("; before");
        entry.SetValue("v");
        entry.SetComment("c");
        entry.SetLeadLines(pending);
        entry.AddBodyLine("0 = 1");
    }

    ClearConfigEntries();
    std::ostringstream out;
    WriteConfigEntries(out);
    EXPECT_EQ(out.str(), kClearedFile);
}

struct NamedEntry {
    int index;
    const char* section;
    const char* key;
};

TEST_F(ConfigEntryTableTest, IndexNamesPointAtTheirEntries) {
    const NamedEntry named[] = {
        {kSystemHeader, "System", ""},
        {kSystemName, "System", "Name"},
        {kSystemAdmin, "System", "Admin"},
        {kNetworkHeader, "Network", ""},
        {kNetworkListenerInterface, "Network", "Listener Interface"},
        {kNetworkListenerPort, "Network", "Listener Port"},
        {kNetworkNeedGatekeeper, "Network", "Need Gatekeeper"},
        {kNetworkGatekeeper, "Network", "Gatekeeper"},
        {kNetworkGatekeeperID, "Network", "GatekeeperID"},
        {kNetworkGatekeeperPassword, "Network", "GatekeeperPassword"},
        {kAudioHeader, "Audio", ""},
        {kAudioMaxCalls, "Audio", "Max Calls"},
        {kAudioTxBuffer, "Audio", "TxBuffer"},
        {kAudioEnablePolling, "Audio", "Enable Polling"},
        {kSilenceDetectionHeader, "SilenceDetection", ""},
        {kSilenceDetectionThreshold, "SilenceDetection", "Threshold"},
        {kSilenceDetectionSignalDeadband, "SilenceDetection", "Signal Deadband"},
        {kSilenceDetectionSilenceDeadband, "SilenceDetection", "Silence Deadband"},
        {kLogHeader, "Log", ""},
        {kLogSysLogLevel, "Log", "SysLog Level"},
        {kLogLevel, "Log", "Level"},
        {kLogTraces, "Log", "Traces"},
        {kLogLogAudio, "Log", "Log Audio"},
        {kDevicesHeader, "Devices", ""},
        {kDevicesList, "Devices", ""},
        {kDeviceSettingsHeader, "DeviceSettings", ""},
        {kDeviceSettingsFlowControl, "DeviceSettings", "Flow Control"},
        {kPrefixesHeader, "Prefixes", ""},
        {kPrefixesList, "Prefixes", ""},
        {kPollServerHeader, "PollServer", ""},
        {kPollServerBasePort, "PollServer", "Base Port"},
        {kControlServerHeader, "ControlServer", ""},
        {kControlServerPort, "ControlServer", "Port"},
        {kControlServerConnectionTimeout, "ControlServer", "Connection Timeout"},
    };
    for (const NamedEntry& n : named) {
        SCOPED_TRACE(n.index);
        EXPECT_STREQ(ConfigEntryTable[n.index].Section, n.section);
        EXPECT_STREQ(ConfigEntryTable[n.index].Key, n.key);
    }
}

}  // namespace
