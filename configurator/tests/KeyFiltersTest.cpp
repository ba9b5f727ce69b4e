// Typing into the number edits and the interface-address edit of the main window: the
// characters go to the real edits as WM_CHAR, as the keyboard sends them.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include <vector>
#include "Application.h"
#include "ConfiguratorFixture.h"
#include "Edit.h"

namespace {

struct KeyCase {
    const wchar_t* Typed;
    const char* NumberText;  // what a number edit then holds
    int NumberBeeps;
    const char* InterfaceText;  // what the interface-address edit then holds
    int InterfaceBeeps;
};

// Each edit holds "12" with the caret at its end before the keys are typed.
const KeyCase kKeyCases[] = {
    {L"7", "127", 0, "127", 0},
    {L"0123456789", "120123456789", 0, "120123456789", 0},
    {L"\b", "1", 0, "1", 0},
    {L"\b\b3", "3", 0, "3", 0},
    {L"-", "12", 1, "12", 1},
    {L"a", "12", 1, "12", 1},
    {L" ", "12", 1, "12", 1},
    {L"ж", "12", 1, "12", 1},
    {L"№", "12", 1, "12", 1},
    {L".", "12", 1, "12.", 0},
    {L"...", "12", 3, "12...", 0},
    {L".0.0.1", "12001", 3, "12.0.0.1", 0},
    {L"1 a-2", "1212", 3, "1212", 3},
    {L"\t", "12", 1, "12", 1},
    {L"\r", "12", 1, "12", 1},
    {L"\x18", "12", 1, "12", 1},  // Ctrl+X
};

class KeyFiltersTest : public configurator_test::ConfiguratorFixture {
protected:
    int beeps = 0;

    void SetUp() override {
        ConfiguratorFixture::SetUp();
        Application.OnBeep = [this] { ++beeps; };
    }
    void TearDown() override {
        Application.OnBeep = nullptr;
        ConfiguratorFixture::TearDown();
    }

    void Type(TEdit* edit, const wchar_t* keys) {
        edit->SetText("12");
        SendMessageW(edit->Handle(), EM_SETSEL, 2, 2);
        beeps = 0;
        for (const wchar_t* key = keys; *key; ++key) SendMessageW(edit->Handle(), WM_CHAR, *key, 1);
    }
};

// The typed keys as a failure message names them: control and non-ASCII characters by code.
std::string Shown(const wchar_t* typed) {
    std::string shown;
    for (const wchar_t* c = typed; *c; ++c)
        shown += (*c >= 32 && *c < 127) ? std::string(1, static_cast<char>(*c)) : "#" + std::to_string(*c);
    return shown;
}

TEST_F(KeyFiltersTest, NumberEditsTakeDigitsAndBackspaceAndRefuseEverythingElseWithABeep) {
    TMainForm* form = Start();
    const std::vector<TEdit*> numberEdits = {
        form->EditSilenceDetectionThreshold, form->EditSilenceDetectionSignalDeadband,
        form->EditSilenceDetectionSilenceDeadband, form->EditAudioMaxCalls, form->EditAudioTxBuffer,
        form->EditNetworkListenerPort, form->EditControlServerPort, form->EditControlServerConnectionTimeout,
        form->EditPollServerBasePort,
    };
    for (TEdit* edit : numberEdits)
        for (const KeyCase& c : kKeyCases) {
            Type(edit, c.Typed);
            EXPECT_EQ(edit->Text(), c.NumberText) << edit->Name << " typed " << Shown(c.Typed);
            EXPECT_EQ(beeps, c.NumberBeeps) << edit->Name << " typed " << Shown(c.Typed);
        }
}

TEST_F(KeyFiltersTest, TheInterfaceEditAlsoTakesDots) {
    TMainForm* form = Start();
    for (const KeyCase& c : kKeyCases) {
        Type(form->EditNetworkListenerInterface, c.Typed);
        EXPECT_EQ(form->EditNetworkListenerInterface->Text(), c.InterfaceText) << "typed " << Shown(c.Typed);
        EXPECT_EQ(beeps, c.InterfaceBeeps) << "typed " << Shown(c.Typed);
    }
}

// The other edits have no filter.
TEST_F(KeyFiltersTest, TextEditsTakeAnyCharacter) {
    TMainForm* form = Start();
    Type(form->EditSystemName, L" a-.ж");
    EXPECT_EQ(form->EditSystemName->Text(), "12 a-.ж");
    EXPECT_EQ(beeps, 0);
}

}  // namespace
