#pragma once
// The 34 known entries of the gateway's configuration file, in the order in which the
// file is written.
#include "ConfigEntry.h"

enum ConfigEntryIndex : int {
    kSystemHeader = 0,
    kSystemName = 1,
    kSystemAdmin = 2,
    kNetworkHeader = 3,
    kNetworkListenerInterface = 4,
    kNetworkListenerPort = 5,
    kNetworkNeedGatekeeper = 6,
    kNetworkGatekeeper = 7,
    kNetworkGatekeeperID = 8,
    kNetworkGatekeeperPassword = 9,
    kAudioHeader = 10,
    kAudioMaxCalls = 11,
    kAudioTxBuffer = 12,
    kAudioEnablePolling = 13,
    kSilenceDetectionHeader = 14,
    kSilenceDetectionThreshold = 15,
    kSilenceDetectionSignalDeadband = 16,
    kSilenceDetectionSilenceDeadband = 17,
    kLogHeader = 18,
    kLogSysLogLevel = 19,
    kLogLevel = 20,
    kLogTraces = 21,
    kLogLogAudio = 22,
    kDevicesHeader = 23,
    kDevicesList = 24,
    kDeviceSettingsHeader = 25,
    kDeviceSettingsFlowControl = 26,
    kPrefixesHeader = 27,
    kPrefixesList = 28,
    kPollServerHeader = 29,
    kPollServerBasePort = 30,
    kControlServerHeader = 31,
    kControlServerPort = 32,
    kControlServerConnectionTimeout = 33,
};

constexpr int kConfigEntryCount = 34;

extern ConfigEntry ConfigEntryTable[kConfigEntryCount];

// Clears every entry in table order; sections and keys stay.
void ClearConfigEntries();

// Writes the entries in table order, the two list entries by their bodies: the
// configuration file's lines, each ended by CR LF.
void WriteConfigEntries(std::ostream& out);
