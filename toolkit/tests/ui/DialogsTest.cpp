// File dialogs answered by the test seam: what each dialog asks the system, and what
// Execute gives back for a chosen file and for Cancel.
#include <gtest/gtest.h>
#include <windows.h>
#include <commdlg.h>
#include <optional>
#include <string>
#include <vector>
#include "Application.h"
#include "Dialogs.h"
#include "Form.h"

namespace {

const std::string kDefinition = reinterpret_cast<const char*>(u8R"(
object DialogForm: TDialogForm
  object OpenDialog1: TOpenDialog
    DefaultExt = 'conf'
    FileName = 'rax40gw.conf'
    Filter = 'Rax40gw file (*.conf)|*.conf'
    Options = [ofHideReadOnly, ofFileMustExist, ofNoChangeDir, ofEnableSizing]
  end
  object SaveDialog1: TSaveDialog
    DefaultExt = 'conf'
    Filter = 'Rax40gw file (*.conf)|*.conf'
    Options = [ofHideReadOnly, ofNoChangeDir, ofEnableSizing]
  end
end
)");

class TDialogForm : public TForm {
public:
    TOpenDialog* OpenDialog1 = nullptr;
    TSaveDialog* SaveDialog1 = nullptr;

    explicit TDialogForm(const std::string& definition = kDefinition) {
        Field(OpenDialog1, "OpenDialog1");
        Field(SaveDialog1, "SaveDialog1");
        LoadText(definition);
    }
};

struct DialogsTest : testing::Test {
    std::vector<FileDialogRequest> asked;
    std::optional<AnsiString> answer;
    void SetUp() override {
        TFileDialog::OnShow = [this](const FileDialogRequest& r) {
            asked.push_back(r);
            return answer;
        };
    }
    void TearDown() override { TFileDialog::OnShow = nullptr; }
};

TEST_F(DialogsTest, EachDialogAsksWithItsFilterExtensionNameAndOptions) {
    TDialogForm form;
    form.OpenDialog1->Execute();
    form.SaveDialog1->Execute();
    ASSERT_EQ(asked.size(), 2u);
    const FileDialogRequest& open = asked[0];
    EXPECT_FALSE(open.Save);
    EXPECT_EQ(open.Filter, "Rax40gw file (*.conf)|*.conf");
    EXPECT_EQ(open.DefaultExt, "conf");
    EXPECT_EQ(open.FileName, "rax40gw.conf");
    EXPECT_EQ(open.Flags, DWORD(OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR | OFN_ENABLESIZING));
    const FileDialogRequest& save = asked[1];
    EXPECT_TRUE(save.Save);
    EXPECT_EQ(save.FileName, "");
    EXPECT_EQ(save.Flags, DWORD(OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_ENABLESIZING));
    EXPECT_FALSE(save.Flags & OFN_OVERWRITEPROMPT);
}

TEST_F(DialogsTest, AChosenFileBecomesTheFileNameAndCancelKeepsIt) {
    TDialogForm form;
    answer = AnsiString("C:\\Конфиг\\новый.conf");
    EXPECT_TRUE(form.SaveDialog1->Execute());
    EXPECT_EQ(form.SaveDialog1->FileName, "C:\\Конфиг\\новый.conf");
    answer.reset();
    EXPECT_FALSE(form.SaveDialog1->Execute());
    EXPECT_EQ(form.SaveDialog1->FileName, "C:\\Конфиг\\новый.conf");
    EXPECT_EQ(asked.back().FileName, "C:\\Конфиг\\новый.conf");
}

TEST_F(DialogsTest, AnUnknownOptionIsRefused) {
    std::string definition = kDefinition;
    definition.replace(definition.find("ofFileMustExist"), 15, "ofMustExist");
    EXPECT_THROW(TDialogForm form(definition), EFormDefinitionError);
}

}  // namespace
