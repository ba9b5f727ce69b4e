// Status bars: panels of the defined widths along the bottom, with texts of their own.
#include <gtest/gtest.h>
#include <string>
#include "Form.h"
#include "StatusBar.h"

namespace {

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

const char8_t kDefinition[] = u8R"(
object StatusForm: TStatusForm
  ClientWidth = 585
  ClientHeight = 430
  object StatusBar1: TStatusBar
    PanelWidths = (200, 200, 50)
  end
end
)";

class TStatusForm : public TForm {
public:
    TStatusBar* StatusBar1 = nullptr;
    explicit TStatusForm(const std::string& definition = Utf8(kDefinition)) {
        Field(StatusBar1, "StatusBar1");
        LoadText(definition);
    }
};

std::wstring SystemText(HWND bar, int panel) {
    wchar_t text[128] = L"";
    SendMessageW(bar, SB_GETTEXTW, panel, reinterpret_cast<LPARAM>(text));
    return text;
}

TEST(StatusBar, HasPanelsOfTheDefinedWidthsAlongTheBottom) {
    TStatusForm form;
    int edges[8] = {};
    ASSERT_EQ(SendMessageW(form.StatusBar1->Handle(), SB_GETPARTS, 8, reinterpret_cast<LPARAM>(edges)), 3);
    EXPECT_EQ(edges[0], 200);
    EXPECT_EQ(edges[1], 400);
    EXPECT_EQ(form.StatusBar1->Width(), 585);
    EXPECT_EQ(form.StatusBar1->Top() + form.StatusBar1->Height(), 430);
}

TEST(StatusBar, EachPanelShowsItsOwnText) {
    TStatusForm form;
    form.StatusBar1->SetPanelText(0, "Rax40GW: Выполняется");
    form.StatusBar1->SetPanelText(1, "Dorn4: Работает...");
    form.StatusBar1->SetPanelText(2, "До проверки: 299 сек");
    EXPECT_EQ(SystemText(form.StatusBar1->Handle(), 0), L"Rax40GW: Выполняется");
    EXPECT_EQ(SystemText(form.StatusBar1->Handle(), 1), L"Dorn4: Работает...");
    EXPECT_EQ(form.StatusBar1->PanelText(2), "До проверки: 299 сек");
    form.StatusBar1->SetPanelText(1, "");
    EXPECT_EQ(form.StatusBar1->PanelText(1), "");
    EXPECT_EQ(form.StatusBar1->PanelText(0), "Rax40GW: Выполняется");
    EXPECT_THROW(form.StatusBar1->SetPanelText(3, "x"), EStringListError);
}

TEST(StatusBar, RefusesWidthsThatAreNoNumbers) {
    std::string definition = Utf8(kDefinition);
    definition.replace(definition.find("(200, 200, 50)"), 14, "('200', 'wide')");
    try {
        TStatusForm form(definition);
        ADD_FAILURE() << "loaded";
    } catch (const EFormDefinitionError& e) {
        EXPECT_NE(e.Message.find("a list of panel widths in pixels is expected"), std::string::npos) << e.Message;
    }
}

}  // namespace
