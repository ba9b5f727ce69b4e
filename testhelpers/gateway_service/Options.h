#pragma once
// The command line of testgateway.exe: what to do, and how the service behaves.
#include <string>
#include <windows.h>

enum class Mode { Serve, Install, Uninstall };

struct Options {
    Mode mode = Mode::Serve;
    DWORD holdMegabytes = 0;      // memory allocated and touched before it reports running
    DWORD startDelayMs = 0;       // start pending this long
    DWORD stopDelayMs = 0;        // stop pending this long
    DWORD pauseDelayMs = 0;       // pause pending this long
    DWORD continueDelayMs = 0;    // continue pending this long
    bool acceptStop = true;
    bool acceptPause = false;
    std::string pidFile;          // written with the process id once running
    std::string behaviour;        // the behaviour arguments as given, for --install
};

// Throws std::invalid_argument on an unknown option or a missing value.
Options ParseOptions(int argc, char** argv);
