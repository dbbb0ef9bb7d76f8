#include "settings/BasicSettings.h"

#include "../model/TempDir.h"
#include "settings/ConfigFolder.h"
#include "settings/SnapshotFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <iterator>

namespace korvane::settings {
namespace {

using model::test::ReadWholeFile;
using model::test::TempDir;
using model::test::WriteWholeFile;

BasicSettings Current()
{
    BasicSettings s;
    s.left = 100;
    s.top = 50;
    s.height = 801;
    s.width = 1011;
    s.comPort = 1;
    s.language = 0;
    s.file = "----------";
    s.iniDir = "/old";
    s.activePage = pages::InjBPage;
    s.extMonitor = true;
    return s;
}

BasicSettings Read(const std::string &text)
{
    return ReadBasicSettings(IniFile::Parse("[BASIC]\n" + text), Current());
}

TEST(BasicSettings, MissingOrBrokenKeysKeepTheCurrentValuesTextsBecomeEmpty)
{
    BasicSettings expected = Current();
    expected.file.clear();
    expected.iniDir.clear();
    EXPECT_EQ(ReadBasicSettings(IniFile(), Current()), expected);
    EXPECT_EQ(Read("Left=x\nTop=\nComPort=letters\nCheckBoxExtMonitor->Checked=yes\n"), expected);
}

TEST(BasicSettings, ValuesAreTakenAsTheTableSays)
{
    const BasicSettings read = Read("LEFT=-20\nTop=$10\nHeight=700\nWidth=900\nComPort=0x3\nLanguage=258\n"
                                    "File=gsx r.ign\nIniDir=/home/a/gsx r.ign\n"
                                    "PageControl1->ActivePageIndex=9\nCheckBoxExtMonitor->Checked=0\n"
                                    "CheckBoxAll_Servo->Checked=7\nCheckBoxAll_PolohaA->Checked=-1\n"
                                    "CheckBoxAll_PolohaB->Checked=1\n");
    EXPECT_EQ(read.left, -20);
    EXPECT_EQ(read.top, 16);
    EXPECT_EQ(read.height, 700);
    EXPECT_EQ(read.width, 900);
    EXPECT_EQ(read.comPort, 3);
    EXPECT_EQ(read.language, 2) << "the low 8 bits";
    EXPECT_EQ(read.file, "gsx r.ign");
    EXPECT_EQ(read.iniDir, "/home/a/gsx r.ign");
    EXPECT_EQ(read.activePage, pages::GasPage);
    EXPECT_FALSE(read.extMonitor);
    EXPECT_TRUE(read.allServo);
    EXPECT_TRUE(read.allPolohaA);
    EXPECT_TRUE(read.allPolohaB);
}

TEST(BasicSettings, APageIndexThatNamesNoPageKeepsTheCurrentPage)
{
    for (const char *stored : {"258", "11", "-1", "256", "0x10A"}) {
        EXPECT_EQ(Read(std::string("PageControl1->ActivePageIndex=") + stored).activePage, pages::InjBPage)
            << stored;
    }
    EXPECT_EQ(Read("PageControl1->ActivePageIndex=0").activePage, pages::AdvancePage);
    EXPECT_EQ(Read("PageControl1->ActivePageIndex=10").activePage, pages::LadeniPage);
}

TEST(BasicSettings, SaveWritesTheTableInOrderAndKeepsTheRestOfTheFile)
{
    const TempDir dir;
    const auto path = dir / "sub" / "Korvane.ini";
    BasicSettings s = Current();
    s.activePage = pages::ServoPage;
    ASSERT_TRUE(SaveBasicSettings(path, s));
    EXPECT_EQ(ReadWholeFile(path), "[BASIC]\nLeft=100\nTop=50\nHeight=801\nWidth=1011\nComPort=1\nLanguage=0\n"
                                   "File=----------\nIniDir=/old\nPageControl1->ActivePageIndex=6\n"
                                   "CheckBoxExtMonitor->Checked=1\nCheckBoxAll_Servo->Checked=0\n"
                                   "CheckBoxAll_PolohaA->Checked=0\nCheckBoxAll_PolohaB->Checked=0\n");

    WriteWholeFile(path, "[Ports]\nCOM2=/dev/ttyS0\n[basic]\nwidth=5\n; mine\nExtra=1\n");
    s.width = 999;
    ASSERT_TRUE(SaveBasicSettings(path, s));
    const std::string text = ReadWholeFile(path);
    EXPECT_TRUE(text.starts_with("[Ports]\nCOM2=/dev/ttyS0\n[basic]\nwidth=999\n; mine\nExtra=1\nLeft=100\n")) << text;
    EXPECT_EQ(ReadBasicSettings(IniFile::Parse(text), BasicSettings{}), s);
}

TEST(BasicSettings, AFileThatCannotBeReadIsReportedAndLeftAlone)
{
    const TempDir dir;
    const auto path = dir / "Korvane.ini";
    std::filesystem::create_directory(path);
    WriteWholeFile(path / "inside", "mine");
    std::string error;
    EXPECT_FALSE(SaveBasicSettings(path, Current(), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadWholeFile(path / "inside"), "mine");
}

TEST(BasicSettings, AHiddenStoredPageOpensPageZero)
{
    model::ConfigImage image{};
    const struct {
        pages::Page stored;
        std::uint8_t jetMode;
        pages::Page opened;
    } cases[] = {
        {pages::Inj23APage, 2, pages::AdvancePage}, {pages::Inj23APage, 1, pages::Inj23APage},
        {pages::Inj14APage, 2, pages::Inj14APage},  {pages::LadeniPage, 0, pages::AdvancePage},
        {pages::GasPage, 2, pages::GasPage},
    };
    for (const auto &c : cases) {
        image[model::Offset::JetMode] = c.jetMode;
        EXPECT_EQ(OpeningPage(c.stored, image), c.opened) << int(c.stored) << " mode " << int(c.jetMode);
    }
}

TEST(ConfigFolder, FollowsXdgConfigHomeElseHome)
{
    const std::string oldXdg = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
    const std::string oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("HOME", "/home/tuner", 1);
    ::setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(SettingsFile(), "/cfg/Korvane/Korvane.ini");
    EXPECT_EQ(SnapshotFile(), "/cfg/Korvane/_Korvane.ini");
    EXPECT_EQ(MarkerFile(), "/cfg/Korvane/test_rigtop.txt");
    ::setenv("XDG_CONFIG_HOME", "relative", 1);
    EXPECT_EQ(ConfigFolder(), "/home/tuner/.config/Korvane");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(ConfigFolder(), "/home/tuner/.config/Korvane");
    ::setenv("HOME", oldHome.c_str(), 1);
    if (!oldXdg.empty()) {
        ::setenv("XDG_CONFIG_HOME", oldXdg.c_str(), 1);
    }
}

TEST(ConfigFolder, WritingThroughALinkKeepsTheLink)
{
    const TempDir dir;
    WriteWholeFile(dir / "kept.ini", "old");
    std::filesystem::create_directory(dir / "Korvane");
    std::filesystem::create_symlink(dir / "kept.ini", dir / "Korvane" / "Korvane.ini");
    ASSERT_TRUE(WriteConfigFile(dir / "Korvane" / "Korvane.ini", "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "Korvane" / "Korvane.ini"));
    EXPECT_EQ(ReadWholeFile(dir / "kept.ini"), "new");
}

// A link whose file is gone is written through as well, or the save fails;
// either way every link stays a link.
TEST(ConfigFolder, ALinkToAMissingFileIsWrittenThroughOrReported)
{
    namespace fs = std::filesystem;
    const struct {
        std::string linkTo;   // from the folder "Korvane"; "~" stands for the temporary folder
        std::string written;  // the file that gets the content; empty: the save fails
    } cases[] = {
        {"~/kept.ini", "kept.ini"},
        {"../kept.ini", "kept.ini"},
        {"second", "kept.ini"},  // a link to a link, "second" pointing at ~/kept.ini
        {"~/absent/kept.ini", ""},
        {"loop", ""},  // "loop" points back at the link
    };
    const std::function<bool(const fs::path &, std::string *)> writers[] = {
        [](const fs::path &path, std::string *error) { return SaveBasicSettings(path, Current(), error); },
        [](const fs::path &path, std::string *error) { return SaveSnapshot(path, {}, {}, error); },
    };
    for (std::size_t w = 0; w < std::size(writers); ++w) {
        for (const auto &c : cases) {
            SCOPED_TRACE(testing::Message() << (w == 0 ? "settings, " : "snapshot, ") << c.linkTo);
            const TempDir dir;
            const auto folder = dir / "Korvane";
            const auto link = folder / "Korvane.ini";
            fs::create_directory(folder);
            fs::create_symlink(dir / "kept.ini", folder / "second");
            fs::create_symlink(link, folder / "loop");
            fs::create_symlink(c.linkTo.starts_with("~") ? dir.path().string() + c.linkTo.substr(1) : c.linkTo, link);

            std::string error;
            const bool saved = writers[w](link, &error);
            EXPECT_EQ(saved, !c.written.empty()) << error;
            EXPECT_EQ(error.empty(), saved);
            if (saved && !c.written.empty()) {
                EXPECT_FALSE(ReadWholeFile(dir / c.written).empty());
            }
            EXPECT_TRUE(fs::is_symlink(link) && fs::is_symlink(folder / "second") && fs::is_symlink(folder / "loop"));
            EXPECT_FALSE(fs::exists(dir / "absent"));
        }
    }
}

}  // namespace
}  // namespace korvane::settings
