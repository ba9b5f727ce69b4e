#include <gtest/gtest.h>
#include "SysUtils.h"

TEST(SameTextCI, FoldsOnlyAsciiLetters) {
    struct Case {
        const char* a;
        const char* b;
        bool same;
    };
    const Case cases[] = {
        {"", "", true},
        {"Network", "NETWORK", true},
        {"VoiceDevices:1", "voicedevices:1", true},
        {"abc", "abd", false},
        {"abc", "abcd", false},
        {"abc", "", false},
        // Characters 0x20 apart that are not letters.
        {"[", "{", false},
        {"@", "`", false},
        {"^", "~", false},
        // Cyrillic letters keep their case in the "C" locale.
        {"Абв", "Абв", true},
        {"Абв", "абв", false},
        {"ЛОРК", "лорк", false},
        {"Устройство A", "Устройство a", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SameTextCI(c.a, c.b), c.same) << '"' << c.a << "\" vs \"" << c.b << '"';
        EXPECT_EQ(SameTextCI(c.b, c.a), c.same) << '"' << c.b << "\" vs \"" << c.a << '"';
    }
}
