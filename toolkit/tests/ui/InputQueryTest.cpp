// The input box, filled by the modal seam as an operator would: typing into its edit and
// pressing its buttons.
#include <gtest/gtest.h>
#include <string>
#include "Application.h"
#include "Form.h"
#include "InputQuery.h"

namespace {

HWND ChildOfClass(HWND parent, const wchar_t* className, const wchar_t* text = nullptr) {
    return FindWindowExW(parent, nullptr, className, text);
}

std::wstring WindowText(HWND window) {
    wchar_t text[512] = L"";
    GetWindowTextW(window, text, 512);
    return text;
}

struct InputQueryTest : testing::Test {
    void TearDown() override { Application.OnModalShown = nullptr; }
};

TEST_F(InputQueryTest, OkGivesTheTypedTextWhichReplacesTheSelectedOldText) {
    std::wstring caption, shownText;
    DWORD selStart = 1, selEnd = 0;
    Application.OnModalShown = [&](TForm& box) {
        caption = WindowText(box.Handle());
        HWND edit = ChildOfClass(box.Handle(), L"Edit");
        shownText = WindowText(edit);
        SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart), reinterpret_cast<LPARAM>(&selEnd));
        for (wchar_t c : std::wstring(L"Да"))
            SendMessageW(edit, WM_CHAR, c, 1);
        SendMessageW(ChildOfClass(box.Handle(), L"Button", L"OK"), BM_CLICK, 0, 0);
    };
    AnsiString value = "старое";
    EXPECT_TRUE(InputQuery("Новое значение", "", value));
    EXPECT_EQ(caption, L"Новое значение");
    EXPECT_EQ(shownText, L"старое");
    EXPECT_EQ(selStart, 0u);
    EXPECT_EQ(selEnd, 6u);
    EXPECT_EQ(value, "Да");
}

TEST_F(InputQueryTest, CancelLeavesTheValueAlone) {
    Application.OnModalShown = [](TForm& box) {
        SendMessageW(ChildOfClass(box.Handle(), L"Edit"), WM_CHAR, L'x', 1);
        SendMessageW(ChildOfClass(box.Handle(), L"Button", L"Cancel"), BM_CLICK, 0, 0);
    };
    AnsiString value = "как было";
    EXPECT_FALSE(InputQuery("Новое значение", "Текст", value));
    EXPECT_EQ(value, "как было");
}

TEST_F(InputQueryTest, TheEditTakesAtMost255Characters) {
    Application.OnModalShown = [](TForm& box) {
        HWND edit = ChildOfClass(box.Handle(), L"Edit");
        SendMessageW(edit, EM_SETSEL, 255, 255);
        SendMessageW(edit, WM_CHAR, L'x', 1);
        SendMessageW(box.Handle(), WM_COMMAND, IDOK, 0);  // Enter presses OK
    };
    AnsiString value(255, 'a');
    EXPECT_TRUE(InputQuery("Новое значение", "", value));
    EXPECT_EQ(value, AnsiString(255, 'a'));
}

}  // namespace
