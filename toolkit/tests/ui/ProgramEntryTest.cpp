// The entry's exception display: what escapes a program's start-up is shown once, in the
// error box captioned with the application's title.
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>
#include "Application.h"

namespace {

struct Shown {
    AnsiString text, caption;
    unsigned flags;
};

TEST(ProgramEntry, ShowsAToolkitExceptionAndAnyOtherWithAnEmptyMessage) {
    std::vector<Shown> shown;
    Application.OnMessageBox = [&](const AnsiString& text, const AnsiString& caption, unsigned flags) {
        shown.push_back({text, caption, flags});
        return IDOK;
    };
    Application.Title = "rax40gwcfg";
    bool laterStepRan = false;
    Application.RunEntry([&] {
        throw EFormDefinitionError("bad form");
        laterStepRan = true;
    });
    Application.RunEntry([] { throw std::runtime_error("not the toolkit's"); });
    Application.RunEntry([] {});
    Application.OnMessageBox = nullptr;

    EXPECT_FALSE(laterStepRan);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, "bad form");
    EXPECT_EQ(shown[0].caption, "rax40gwcfg");
    EXPECT_EQ(shown[0].flags, static_cast<unsigned>(MB_OK | MB_ICONSTOP));
    EXPECT_EQ(shown[1].text, "");
    EXPECT_EQ(shown[1].caption, "rax40gwcfg");
}

}  // namespace
