#pragma once
// A configuration file that holds every known key in the form its control gives back (so
// it loads unchanged), lines the configurator does not know, empty keys, the Devices
// section as the configurator writes it and an old device list at its end; the
// voice.ini beside it; and the file that a save of it writes.
#include <string>

namespace configurator_test {

inline const char kSampleConfiguration[] =
    "; RAX40 gateway\r\n"
    "[System] ;main\r\n"
    "Name=Gate 1 ;name\r\n"
    "Admin=\r\n"
    "[Network]\r\n"
    "Listener Interface=0.0.0.0\r\n"
    "Listener Port=1720\r\n"
    "Need Gatekeeper=no\r\n"
    "Gatekeeper=;\r\n"
    "GatekeeperID= ;none\r\n"
    "GatekeeperPassword=secret\r\n"
    "   ; kept before Audio   \r\n"
    "[Audio]\r\n"
    "Max Calls=-1\r\n"
    "TxBuffer=200\r\n"
    "Enable Polling=yes\r\n"
    "[SilenceDetection]\r\n"
    "Threshold=50\r\n"
    "Signal Deadband=100\r\n"
    "Silence Deadband=200\r\n"
    "[Log]\r\n"
    "SysLog Level=2\r\n"
    "Level=3\r\n"
    "Traces=trace.txt\r\n"
    "Log Audio=no\r\n"
    "Unknown Key=5\r\n"
    "[Devices]\r\n"
    "0 = 2\r\n"
    ";Hall\r\n"
    "1 = 5,192.168.1.201\r\n"
    ";Yard\r\n"
    ";0=1,192.168.1.100\r\n"
    "\r\n"
    "[DeviceSettings]\r\n"
    "Flow Control=3\r\n"
    "[Prefixes]\r\n"
    "0=8 ;city\r\n"
    "1=\r\n"
    "[PollServer]\r\n"
    "Base Port=5000\r\n"
    "[ControlServer]\r\n"
    "Port=4000 ; main port\r\n"
    "Connection Timeout=5\r\n"
    "\r\n"
    "[VoiceDevices:1]\r\n"
    "0=KEL,1,Old post,oldhost\r\n";

inline const char kSampleVoiceIni[] =
    "[VoiceDevices:1]\r\n"
    "  0=KEL,1,Пост 1,host1  \r\n"
    "\r\n"
    "[VoiceDevices:2]\r\n"
    "\t0=ZAMB,2,Пост 2,host2\r\n";

// What a save of the sample writes, with the listener port as the window holds it: the
// empty keys ('Admin=' twice, 'Gatekeeper=', '1=') are gone, 'GatekeeperID= ;none' has
// a value (" ;none") and stays, lines are trimmed, the prefix loses its inline comment
// (the prefix list does not hold it), the lines that stood before [DeviceSettings] are
// written afresh as the units' comment lines and the sample line, and the device lists
// come from voice.ini, trimmed, after two line ends, once.
inline std::string SampleAsSaved(const std::string& listenerPort) {
    return "; RAX40 gateway\r\n"
           "[System] ;main\r\n"
           "Name=Gate 1 ;name\r\n"
           "[Network]\r\n"
           "Listener Interface=0.0.0.0\r\n"
           "Listener Port=" + listenerPort + "\r\n"
           "Need Gatekeeper=no\r\n"
           "GatekeeperID= ;none\r\n"
           "GatekeeperPassword=secret\r\n"
           "; kept before Audio\r\n"
           "[Audio]\r\n"
           "Max Calls=-1\r\n"
           "TxBuffer=200\r\n"
           "Enable Polling=yes\r\n"
           "[SilenceDetection]\r\n"
           "Threshold=50\r\n"
           "Signal Deadband=100\r\n"
           "Silence Deadband=200\r\n"
           "[Log]\r\n"
           "SysLog Level=2\r\n"
           "Level=3\r\n"
           "Traces=trace.txt\r\n"
           "Log Audio=no\r\n"
           "Unknown Key=5\r\n"
           "[Devices]\r\n"
           "0 = 2\r\n"
           ";Hall\r\n"
           "1 = 5,192.168.1.201\r\n"
           ";Yard\r\n"
           ";0=1,192.168.1.100\r\n"
           "\r\n"
           "[DeviceSettings]\r\n"
           "Flow Control=3\r\n"
           "[Prefixes]\r\n"
           "0=8\r\n"
           "[PollServer]\r\n"
           "Base Port=5000\r\n"
           "[ControlServer]\r\n"
           "Port=4000 ; main port\r\n"
           "Connection Timeout=5\r\n"
           "\r\n"
           "\r\n"
           "[VoiceDevices:1]\r\n"
           "0=KEL,1,Пост 1,host1\r\n"
           "\r\n"
           "[VoiceDevices:2]\r\n"
           "0=ZAMB,2,Пост 2,host2\r\n";
}

}  // namespace configurator_test
