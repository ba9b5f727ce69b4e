// Loading and saving on real files, natively and under wine (plain C++ file access).
#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include "Exception.h"
#include "StringList.h"

namespace fs = std::filesystem;

namespace {

class StringListFile : public testing::Test {
protected:
    void SetUp() override {
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        // A random part keeps runs of several builds at the same time apart.
        dir_ = fs::temp_directory_path() /
               ("stringlist-" + std::to_string(std::random_device()()) + "-" + test->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    AnsiString Path(const char* name) const { return (dir_ / name).string(); }

    static void Write(const AnsiString& path, const AnsiString& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static AnsiString Read(const AnsiString& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream all;
        all << in.rdbuf();
        return all.str();
    }
    // Names of the files in the directory.
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_)) names.push_back(entry.path().filename().string());
        return names;
    }

    fs::path dir_;
};

}  // namespace

TEST_F(StringListFile, LoadsBytesAsTheyAreAndSplitsLines) {
    Write(Path("voice.ini"), "[VoiceDevices:1]\r\n0=KEL,1,Пост 1,host\n\r\nlast\r");
    TStringList list;
    list.LoadFromFile(Path("voice.ini"));
    EXPECT_EQ(list.Lines, (std::vector<AnsiString>{"[VoiceDevices:1]", "0=KEL,1,Пост 1,host", "", "last"}));
}

TEST_F(StringListFile, SavesEveryLineWithCrLfOverALongerOldFile) {
    Write(Path("out.txt"), std::string(500, 'x'));
    TStringList list;
    list.Lines = {"a=1", "", "Имя=Значение"};
    list.SaveToFile(Path("out.txt"));
    EXPECT_EQ(Read(Path("out.txt")), "a=1\r\n\r\nИмя=Значение\r\n");
    EXPECT_EQ(Files(), std::vector<std::string>{"out.txt"});
}

TEST_F(StringListFile, SavesAnEmptyListAsAnEmptyFile) {
    TStringList list;
    list.SaveToFile(Path("empty.txt"));
    ASSERT_TRUE(fs::exists(Path("empty.txt")));
    EXPECT_EQ(Read(Path("empty.txt")), "");
}

TEST_F(StringListFile, LoadOfAMissingFileNamesIt) {
    TStringList list;
    list.Add("kept");
    AnsiString missing = Path("missing.conf");
    try {
        list.LoadFromFile(missing);
        FAIL() << "no exception";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message, "Cannot open file \"" + missing + "\"");
    }
    EXPECT_EQ(list.Lines, std::vector<AnsiString>{"kept"});
}

TEST_F(StringListFile, SaveIntoAMissingDirectoryNamesTheFile) {
    TStringList list;
    list.Add("x");
    AnsiString target = Path("no-such-dir/out.txt");
    try {
        list.SaveToFile(target);
        FAIL() << "no exception";
    } catch (const EFCreateError& e) {
        EXPECT_EQ(e.Message, "Cannot create file \"" + target + "\"");
    }
    EXPECT_TRUE(Files().empty());
}

// A target that cannot be replaced (here: a directory) is left alone, and no
// temporary file stays behind.
TEST_F(StringListFile, FailedReplaceLeavesNoTemporaryFile) {
    fs::create_directory(Path("target"));
    Write(Path("target/inside.txt"), "old");
    TStringList list;
    list.Add("new");
    EXPECT_THROW(list.SaveToFile(Path("target")), EFCreateError);
    EXPECT_EQ(Files(), std::vector<std::string>{"target"});
    EXPECT_EQ(Read(Path("target/inside.txt")), "old");
}
