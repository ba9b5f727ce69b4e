// How long the configurator takes to load and save a large configuration (5,000 lines,
// 255 ЛОРК units with their device lists), against a plain read and write of the same
// bytes in the same run. Runs the program's own window and save road in a temporary
// program directory. Needs a display (under wine: xvfb-run). Prints both times and
// their ratio, and the save's own ratio. Fails when a save did not write the loaded
// bytes or a message box appeared: the times would then be of a save that did nothing.
#include <windows.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>
#include "Application.h"
#include "Files.h"
#include "Main.h"
#include "SpeedButton.h"

namespace {

constexpr int kLines = 5000;
constexpr int kUnits = 255;
constexpr int kDevicesPerUnit = 15;
constexpr int kRounds = 31;

std::string MakeDirectory() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    std::string dir = std::string(base) + "rax40gw-benchmark-" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int CountLines(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

// The device lists of every unit, as voice.ini holds them and a save appends them.
std::string DeviceLists() {
    std::string lists;
    for (int unit = 1; unit <= kUnits; ++unit) {
        lists += "[VoiceDevices:" + std::to_string(unit) + "]\r\n";
        for (int device = 0; device < kDevicesPerUnit; ++device)
            lists += std::to_string(device) + "=KEL," + std::to_string(device + 1) + ",Пост " +
                     std::to_string(device + 1) + ",host" + std::to_string(unit) + "-" + std::to_string(device) +
                     "\r\n";
        lists += "\r\n";
    }
    return lists;
}

// Every known key, 255 units with a comment each, as many prefixes as make up the
// line count, then the device lists, as a save leaves the file.
std::string Configuration(const std::string& deviceLists) {
    std::string head =
        "[System]\r\nName=Gateway\r\nAdmin=admin@example.org\r\n"
        "[Network]\r\nListener Interface=0.0.0.0\r\nListener Port=1720\r\nNeed Gatekeeper=no\r\n"
        "Gatekeeper=gk\r\nGatekeeperID=gkid\r\nGatekeeperPassword=pw\r\n"
        "[Audio]\r\nMax Calls=-1\r\nTxBuffer=200\r\nEnable Polling=yes\r\n"
        "[SilenceDetection]\r\nThreshold=50\r\nSignal Deadband=100\r\nSilence Deadband=200\r\n"
        "[Log]\r\nSysLog Level=2\r\nLevel=3\r\nTraces=trace.txt\r\nLog Audio=no\r\n"
        "[Devices]\r\n";
    for (int unit = 0; unit < kUnits; ++unit)
        head += std::to_string(unit) + " = " + std::to_string(unit % 16 + 1) +
                (unit % 2 ? ",192.168.1." + std::to_string(unit) : "") + "\r\n;Unit " + std::to_string(unit) + "\r\n";
    head += ";0=1,192.168.1.100\r\n\r\n[DeviceSettings]\r\nFlow Control=1\r\n[Prefixes]\r\n";
    std::string tail = "[PollServer]\r\nBase Port=5000\r\n[ControlServer]\r\nPort=4000\r\nConnection Timeout=5\r\n\r\n\r\n";
    int prefixes = kLines - CountLines(head) - CountLines(tail) - CountLines(deviceLists);
    for (int i = 0; i < prefixes; ++i) head += std::to_string(i) + "=" + std::to_string(100 + i) + "\r\n";
    return head + tail + deviceLists;
}

double Milliseconds(const std::function<void()>& work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main() {
    std::string dir = MakeDirectory();
    std::string deviceLists = DeviceLists();
    std::string configuration = Configuration(deviceLists);
    std::string path = dir + "rax40gw.conf";
    WriteBytes(path, configuration);
    WriteBytes(dir + "voice.ini", "");

    SetProgramDirectoryForTests(dir);
    int messageBoxes = 0;
    Application.OnMessageBox = [&messageBoxes](const AnsiString&, const AnsiString&, unsigned) {
        ++messageBoxes;
        return IDNO;
    };
    Application.Initialize();
    Application.CreateForm(MainForm);
    // The device lists as the save appends them (the start has rebuilt voice.ini from
    // rax40gw.conf through the profile functions, which drop its empty lines).
    WriteBytes(dir + "voice.ini", deviceLists);
    MainForm->RunButton->Tag = 7;  // the start/stop button's save road, without the service

    // Once loaded, the file is replaced by a stand-in, so only a save that writes the
    // whole configuration gives the loaded bytes back.
    const std::string standIn = "[System]\r\nName=not saved yet\r\n";
    std::vector<double> loads, saves, plain;
    int unsaved = 0;
    for (int round = 0; round < kRounds; ++round) {
        loads.push_back(Milliseconds([&] { MainForm->LoadConfigFile(path); }));
        WriteBytes(path, standIn);
        MainForm->FModified = true;
        saves.push_back(Milliseconds([&] { MainForm->RunButtonClick(MainForm->RunButton); }));
        if (ReadBytes(path) != configuration) {
            ++unsaved;
            WriteBytes(path, configuration);
        }
        plain.push_back(Milliseconds([&] { WriteBytes(dir + "copy.conf", ReadBytes(path)); }));
    }
    bool saved = unsaved == 0 && messageBoxes == 0;

    double load = Median(loads), save = Median(saves), io = Median(plain);
    std::printf("configuration: %d lines, %d units, %zu bytes; saved file %s\n", CountLines(configuration), kUnits,
                configuration.size(), saved ? "identical in every round" : "NOT SAVED AS LOADED");
    if (unsaved) std::printf("rounds whose save did not write the loaded bytes: %d of %d\n", unsaved, kRounds);
    std::printf("load + save:          %8.2f ms  (load %.2f ms, save %.2f ms; median of %d)\n", load + save, load,
                save, kRounds);
    std::printf("plain read + write:   %8.2f ms  (median of %d)\n", io, kRounds);
    std::printf("ratio:                %8.1f  (save alone %.1f)\n", (load + save) / io, save / io);
    if (messageBoxes) std::printf("message boxes shown: %d\n", messageBoxes);

    Application.DestroyForms();
    for (const char* name : {"rax40gw.conf", "voice.ini", "copy.conf"}) DeleteFileA((dir + name).c_str());
    RemoveDirectoryA(dir.c_str());
    return saved ? 0 : 1;
}
