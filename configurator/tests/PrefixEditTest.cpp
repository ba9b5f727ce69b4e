// Editing a line of the prefix list: the operator double-clicks the line in the extended
// view and answers the input box, which the modal seam fills as the operator would.
#include <gtest/gtest.h>
#include <windows.h>
#include <functional>
#include <string>
#include <vector>
#include "Application.h"
#include "ConfiguratorFixture.h"
#include "ListBox.h"

namespace {

const char kThreePrefixes[] = "[Prefixes]\n0=8\n1=9\n2=7\n";

std::wstring WindowText(HWND window) {
    wchar_t text[512] = L"";
    GetWindowTextW(window, text, 512);
    return text;
}

// What the input box showed when it opened.
struct Box {
    int Shown = 0;
    std::wstring Caption, Prompt, Text;
    DWORD SelStart = 0, SelEnd = 0;
};

class PrefixEditTest : public configurator_test::ConfiguratorFixture {
protected:
    Box box;

    TMainForm* StartOn(const std::string& conf) {
        dir.Write("rax40gw.conf", conf);
        TMainForm* form = Start();
        Choose(form->CheckBoxVid);  // the extended view shows the list
        return form;
    }

    void TearDown() override {
        Application.OnModalShown = nullptr;
        ConfiguratorFixture::TearDown();
    }

    // The box is answered by typing the keys into its edit, whose text stands selected,
    // and pressing the button with the given caption.
    void AnswerWith(const wchar_t* keys, const wchar_t* button) {
        box = {};
        Application.OnModalShown = [this, keys, button](TForm& form) {
            HWND edit = FindWindowExW(form.Handle(), nullptr, L"Edit", nullptr);
            ++box.Shown;
            box.Caption = WindowText(form.Handle());
            box.Prompt = WindowText(FindWindowExW(form.Handle(), nullptr, L"Static", nullptr));
            box.Text = WindowText(edit);
            SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&box.SelStart), reinterpret_cast<LPARAM>(&box.SelEnd));
            for (const wchar_t* key = keys; *key; ++key) SendMessageW(edit, WM_CHAR, *key, 1);
            SendMessageW(FindWindowExW(form.Handle(), nullptr, L"Button", button), BM_CLICK, 0, 0);
        };
    }

    // The operator's double-click on a line selects it first.
    void DoubleClickLine(int index) {
        HWND list = MainForm->ListBoxPrefixes->Handle();
        RECT item;
        SendMessageW(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
        LPARAM at = MAKELPARAM(item.left + 5, item.top + 2);
        SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(list, WM_LBUTTONUP, 0, at);
        SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        SendMessageW(list, WM_LBUTTONUP, 0, at);
    }
};

std::vector<AnsiString> Lines(TListBox* list) {
    std::vector<AnsiString> lines;
    for (int i = 0; i < list->Count(); ++i) lines.push_back(list->Item(i));
    return lines;
}

TEST_F(PrefixEditTest, OkReplacesTheLineExactlyAsTypedAndCountsAsAChange) {
    struct Case {
        const wchar_t* typed;
        AnsiString line;
    } cases[] = {
        {L" 5 = 77 ;город ", " 5 = 77 ;город "},  // neither trimmed nor checked
        {L"abc", "abc"},
        {L"\b", ""},  // the selected text deleted: an empty line
        {L"", "1=9"},  // unchanged, still a change
    };
    TMainForm* form = StartOn(kThreePrefixes);
    for (const Case& c : cases) {
        ASSERT_TRUE(form->LoadConfigFile(dir.File("rax40gw.conf")));
        AnswerWith(c.typed, L"OK");
        DoubleClickLine(1);
        ASSERT_EQ(box.Shown, 1) << c.line;
        EXPECT_EQ(box.Caption, L"Новое значение");
        EXPECT_EQ(box.Prompt, L"");
        EXPECT_EQ(box.Text, L"1=9");
        EXPECT_EQ(box.SelStart, 0u);
        EXPECT_EQ(box.SelEnd, 3u);
        EXPECT_EQ(Lines(form->ListBoxPrefixes), (std::vector<AnsiString>{"0=8", c.line, "2=7"}));
        EXPECT_EQ(form->ListBoxPrefixes->ItemIndex(), 1) << c.line;
        EXPECT_TRUE(form->FModified) << c.line;
    }
}

TEST_F(PrefixEditTest, CancelChangesNeitherTheLineNorTheModifiedState) {
    TMainForm* form = StartOn(kThreePrefixes);
    AnswerWith(L"99", L"Cancel");
    DoubleClickLine(2);
    ASSERT_EQ(box.Shown, 1);
    EXPECT_EQ(Lines(form->ListBoxPrefixes), (std::vector<AnsiString>{"0=8", "1=9", "2=7"}));
    EXPECT_FALSE(form->FModified);
}

// The double-click reaches the list's handler, which finds no line to edit.
TEST_F(PrefixEditTest, ADoubleClickWithoutASelectedLineDoesNothing) {
    for (const char* conf : {kThreePrefixes, "[Prefixes]\n"}) {
        TMainForm* form = StartOn(conf);
        int doubleClicks = 0;
        form->ListBoxPrefixes->OnDblClick = [form, &doubleClicks](TObject* sender) {
            ++doubleClicks;
            form->ListBoxPrefixesDblClick(sender);
        };
        std::vector<AnsiString> before = Lines(form->ListBoxPrefixes);
        ASSERT_EQ(form->ListBoxPrefixes->ItemIndex(), -1);
        AnswerWith(L"", L"OK");
        DoubleClick(form->ListBoxPrefixes);
        EXPECT_EQ(doubleClicks, 1) << conf;
        EXPECT_EQ(box.Shown, 0) << conf;
        EXPECT_EQ(Lines(form->ListBoxPrefixes), before) << conf;
        EXPECT_FALSE(form->FModified) << conf;
        EXPECT_TRUE(notices.empty()) << conf;
        CloseWindows();
    }
}

}  // namespace
