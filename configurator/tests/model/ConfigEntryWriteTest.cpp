// The lines in which entries are written back to the configuration file.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include "ConfigEntry.h"

namespace {

std::string WrittenEntry(const ConfigEntry& entry) {
    std::ostringstream out;
    entry.WriteEntry(out);
    return out.str();
}

std::string WrittenBody(const ConfigEntry& entry) {
    std::ostringstream out;
    entry.WriteBody(out);
    return out.str();
}

TEST(ConfigEntryWriteEntry, HeaderWithAndWithoutComment) {
    ConfigEntry devices("Devices");
    EXPECT_EQ(WrittenEntry(devices), "[Devices]\r\n");

    ConfigEntry network("Network");
    network.SetComment("main");
    EXPECT_EQ(WrittenEntry(network), "[Network] ;main\r\n");
}

TEST(ConfigEntryWriteEntry, KeyWithAndWithoutValueAndComment) {
    ConfigEntry name("System", "Name");
    name.SetValue("Gate 1");
    name.SetComment("main");
    EXPECT_EQ(WrittenEntry(name), "Name=Gate 1 ;main\r\n");

    ConfigEntry admin("System", "Admin");
    EXPECT_EQ(WrittenEntry(admin), "Admin=\r\n");
    admin.SetComment(" note");
    EXPECT_EQ(WrittenEntry(admin), "Admin= ; note\r\n");
}

TEST(ConfigEntryWriteEntry, LeadLinesAreTrimmedBeforeTheEntry) {
    ConfigEntry entry("ControlServer", "Port");
    entry.SetValue("4000");
    entry.LeadLines.Add("   ; note");
    entry.LeadLines.Add("\r");
    entry.LeadLines.Add(" [VoiceDevices:1]\r");
    EXPECT_EQ(WrittenEntry(entry), "; note\r\n\r\n[VoiceDevices:1]\r\nPort=4000\r\n");
}

struct RoundTripCase {
    std::string read, written;
};

class ConfigEntryRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(ConfigEntryRoundTrip, LineReadAndTakenIsWrittenBack) {
    std::istringstream in(GetParam().read + "\r\n");
    ConfigLine line;
    ASSERT_TRUE(ReadConfigLine(line, in));
    ConfigEntry entry("ControlServer", "Port");
    TStringList pending;

    entry.TakeLine(line, pending);
    EXPECT_EQ(WrittenEntry(entry), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Lines, ConfigEntryRoundTrip,
                         ::testing::Values(RoundTripCase{"Port=4000 ; main port", "Port=4000 ; main port\r\n"},
                                           RoundTripCase{"Port=4000;main", "Port=4000 ;main\r\n"},
                                           RoundTripCase{"port = 4000", "Port=4000\r\n"},
                                           RoundTripCase{"Port=;", "Port=\r\n"}));

TEST(ConfigEntryWriteBody, DevicesUnitCommentsGoOnLinesOfTheirOwn) {
    ConfigEntry devices("Devices");
    devices.LeadLines.Add("  ; units\r");
    devices.AddBodyLine("0 = 1,10.0.0.5 ;Hall");
    devices.AddBodyLine("1 = 2");
    devices.AddBodyLine(" 2 = 3\r");
    devices.AddBodyLine("3 = 4 ; a;b ");
    EXPECT_EQ(WrittenBody(devices),
              "; units\r\n"
              "0 = 1,10.0.0.5\r\n;Hall\r\n"
              "1 = 2\r\n"
              "2 = 3\r\n"
              "3 = 4\r\n; a;b\r\n"
              ";0=1,192.168.1.100\r\n"
              "\r\n");
}

TEST(ConfigEntryWriteBody, EmptyDevicesBodyStillEndsWithTheSampleLine) {
    ConfigEntry devices("Devices");
    EXPECT_EQ(WrittenBody(devices), ";0=1,192.168.1.100\r\n\r\n");
}

TEST(ConfigEntryWriteBody, PrefixesLinesAreWrittenUnchanged) {
    ConfigEntry prefixes("Prefixes");
    prefixes.LeadLines.Add(" ; codes ");
    prefixes.AddBodyLine("0=0");
    prefixes.AddBodyLine(" 1 = 5 ;city ");
    EXPECT_EQ(WrittenBody(prefixes), "; codes\r\n0=0\r\n 1 = 5 ;city \r\n");
}

TEST(ConfigEntryWriteBody, OnlyTheSectionNamedDevicesExactlyIsSplit) {
    ConfigEntry lower("devices");
    lower.AddBodyLine("0 = 1 ;Hall");
    EXPECT_EQ(WrittenBody(lower), "0 = 1 ;Hall\r\n");
}

TEST(ConfigEntryWrite, AFailedStreamGetsNothing) {
    ConfigEntry entry("System", "Name");
    entry.SetValue("Gate");
    entry.LeadLines.Add("; note");
    ConfigEntry devices("Devices");
    devices.AddBodyLine("0 = 1 ;Hall");
    std::ostringstream out;
    out.setstate(std::ios::badbit);

    entry.WriteEntry(out);
    devices.WriteBody(out);
    EXPECT_EQ(out.str(), "");
}

}  // namespace
