// The owners of the configurator's dialogs: each stands above the window it blocks and
// has no taskbar button of its own, so that neither a click on the main window's button
// nor Alt+Tab can bring the disabled main window over its dialog.
#include <gtest/gtest.h>
#include <windows.h>
#include "UInput.h"
#include "UnitFixture.h"
#include "UnitPr.h"

namespace configurator_test {
namespace {

HWND Owner(TForm& form) { return GetWindow(form.Handle(), GW_OWNER); }
bool HasItsOwnTaskbarButton(TForm& form) { return GetWindowLongPtrW(form.Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW; }

class DialogOwnerTest : public UnitFixture {
protected:
    void TearDown() override {
        UnitFixture::TearDown();
        FormPr = nullptr;
    }
};

// The windows that live for the whole run are owned by the main window. A modal dialog is
// owned, while it runs, by the window it was opened over, and by the main window again
// once it has closed, so that the device-entry dialog outlives the unit dialog it was
// opened from.
TEST_F(DialogOwnerTest, EveryDialogIsOwnedByTheWindowItStandsOver) {
    dir.Write("rax40gw.conf", "[Devices]\r\n0 = 1\r\n;Hall\r\n[VoiceDevices:1]\r\n0=KEL,1,a,b\r\n");
    Start();
    Application.CreateForm(FormPr);
    MainForm->Show();
    HWND main = MainForm->Handle();
    EXPECT_EQ(Owner(*MainForm), nullptr);
    EXPECT_TRUE(HasItsOwnTaskbarButton(*MainForm));
    for (TForm* dialog : {static_cast<TForm*>(FormInput), static_cast<TForm*>(FormPr)}) {
        EXPECT_EQ(Owner(*dialog), main) << dialog->Name;
        EXPECT_FALSE(HasItsOwnTaskbarButton(*dialog)) << dialog->Name;
    }

    HWND unitWindow = nullptr, unitOwner = nullptr, entryOwner = nullptr;
    entries.push_back([&](TFormInput& entry) {
        entryOwner = Owner(entry);
        Press(entry.Button2);
    });
    unitDialog = [&](TFormLorkM& unit) {
        unitWindow = unit.Handle();
        unitOwner = Owner(unit);
        EXPECT_FALSE(HasItsOwnTaskbarButton(unit));
        Press(unit.Button2Add);
        EXPECT_EQ(Owner(*FormInput), MainForm->Handle()) << "closed, the entry dialog is the main window's again";
        Press(unit.ButtonCancel);
    };
    SelectRow(MainForm->StringGrid1, 1);
    Press(MainForm->ButtonEdit);

    EXPECT_EQ(unitOwner, main);
    EXPECT_EQ(entryOwner, unitWindow);
    EXPECT_FALSE(IsWindow(unitWindow)) << "the unit dialog is freed after its use";
    ASSERT_TRUE(IsWindow(FormInput->Handle())) << "the device-entry dialog went with the unit dialog";
    EXPECT_EQ(Owner(*FormInput), main);
}

}  // namespace
}  // namespace configurator_test
