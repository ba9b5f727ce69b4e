#pragma once
// The device lists of the ЛОРК units in voice.ini, the configurator's working copy of the
// "VoiceDevices:" sections that every save appends to rax40gw.conf. Unit r (row r of the
// unit grid) has the section "VoiceDevices:" + r; its keys 0, 1, 2 ... are its devices in
// the order of the unit dialog, each value "type,address,name,host" with the type "KEL"
// or "ZAMB". A unit without devices has no section.
#include "AnsiString.h"

inline constexpr const char* kVoiceSectionPrefix = "VoiceDevices:";

// voice.ini in the program's directory.
AnsiString VoiceIniPath();
AnsiString VoiceSectionName(int unit);

// Gives every header "[<prefix><n>]" of the file whose n is greater than threshold the
// number n + shift, and saves the file as lines. A file that cannot be read or saved is
// reported with a notice and left as it was (or, should neither the old nor the new file
// take its name, the notice says where both lie); the result is then false.
bool ShiftVoiceSections(const AnsiString& path, const AnsiString& prefix, int threshold, int shift);

// Takes the section of the deleted unit out of the file and gives the later units'
// sections one number less, in one replace: a file that cannot be read or replaced is
// reported as ShiftVoiceSections reports it and left as it was, every list included
// (should neither file take its name, the old one lies whole where the notice says).
bool RemoveUnitSection(const AnsiString& path, int unit);

// The device list of the unit dialog FormLorkM becomes the section of unit CurrentBlock.
void WriteBlockVoiceDevices();
