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
    Application.RunEntry([] { throw EFormDefinitionError("bad form"); });
    Application.RunEntry([] { throw std::runtime_error("not the toolkit's"); });
    Application.RunEntry([] { throw 5; });  // not even a standard exception
    Application.RunEntry([] {});
    Application.OnMessageBox = nullptr;

    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].text, "bad form");
    EXPECT_EQ(shown[0].caption, "rax40gwcfg");
    EXPECT_EQ(shown[0].flags, static_cast<unsigned>(MB_OK | MB_ICONSTOP));
    for (size_t i : {1u, 2u}) {
        EXPECT_EQ(shown[i].text, "") << i;
        EXPECT_EQ(shown[i].caption, "rax40gwcfg") << i;
    }
}

}  // namespace
