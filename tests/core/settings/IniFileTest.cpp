#include "settings/IniFile.h"

#include "../model/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace korvane::settings {
namespace {

using model::test::TempDir;
using model::test::WriteWholeFile;

TEST(IniFile, LooksUpWithoutLetterCaseFirstKeyWinsValuesVerbatim)
{
    const IniFile ini = IniFile::Parse("Left=1\n"
                                       "[basic]\n"
                                       "  left = 10  \n"
                                       "LEFT=20\n"
                                       "; Top=5\n"
                                       "# Top=6\n"
                                       "IniDir=C:\\ign\\a,b \"x\"\n"
                                       "Empty=\n"
                                       "[Other]\n"
                                       "Top=7\n"
                                       "[BASIC]\n"
                                       "Top=8\n"
                                       "Left=30");
    EXPECT_EQ(ini.value("BASIC", "Left"), "10");
    EXPECT_EQ(ini.value("Basic", "top"), "8") << "a repeated section is searched too";
    EXPECT_EQ(ini.value("BASIC", "IniDir"), "C:\\ign\\a,b \"x\"");
    EXPECT_EQ(ini.value("BASIC", "Empty"), "");
    EXPECT_EQ(ini.value("BASIC", "Width"), std::nullopt);
    EXPECT_EQ(ini.value("Missing", "Left"), std::nullopt);
}

TEST(IniFile, ValuesAreCutTo2047CharactersNeverInsideACharacter)
{
    IniFile ini = IniFile::Parse("[S]\nA=" + std::string(3000, 'x') + "\nB=" + std::string(2046, 'y') + "\xC3\xA9\n");
    EXPECT_EQ(ini.value("S", "A"), std::string(2047, 'x'));
    EXPECT_EQ(ini.value("S", "B"), std::string(2046, 'y'));
}

TEST(IniFile, RewriteKeepsForeignLinesUpdatesInPlaceAndAppendsInOrder)
{
    const std::string original = "\xEF\xBB\xBF; Korvane settings\r\n"
                                 "[Ports]\r\n"
                                 "COM3=/dev/ttyACM0\r\n"
                                 "\r\n"
                                 "[BASIC]\r\n"
                                 "top = 5\r\n"
                                 "Mystery=keep me\r\n"
                                 "\r\n"
                                 "[Unknown]\r\n"
                                 "x=1";
    IniFile ini = IniFile::Parse(original);
    ini.setValue("BASIC", "Top", "44");
    ini.setValue("BASIC", "PageControl1->ActivePageIndex", "3");
    ini.setValue("BASIC", "CheckBoxExtMonitor->Checked", "1");
    ini.setValue("Fresh", "File", "line\nbreak\r[Ports]");
    EXPECT_EQ(ini.text(), "\xEF\xBB\xBF; Korvane settings\r\n"
                          "[Ports]\r\n"
                          "COM3=/dev/ttyACM0\r\n"
                          "\r\n"
                          "[BASIC]\r\n"
                          "top = 44\r\n"
                          "Mystery=keep me\r\n"
                          "PageControl1->ActivePageIndex=3\r\n"
                          "CheckBoxExtMonitor->Checked=1\r\n"
                          "\r\n"
                          "[Unknown]\r\n"
                          "x=1\r\n"
                          "\r\n"
                          "[Fresh]\r\n"
                          "File=line break [Ports]\r\n");
    EXPECT_EQ(IniFile::Parse(ini.text()).value("Ports", "COM3"), "/dev/ttyACM0");
    EXPECT_EQ(IniFile::Parse(original).text(), original) << "an untouched file is written back as it was";
}

TEST(IniFile, NewFileStartsItsSection)
{
    IniFile ini;
    ini.setValue("BASIC", "Left", "1");
    ini.setValue("BASIC", "Top", "2");
    EXPECT_EQ(ini.text(), "[BASIC]\nLeft=1\nTop=2\n");
}

TEST(IniFile, LoadTellsAMissingFileFromAnUnreadableOne)
{
    const TempDir dir;
    const IniLoad missing = LoadIniFile(dir / "absent.ini");
    EXPECT_TRUE(missing.ok);
    EXPECT_EQ(missing.file.text(), "");

    WriteWholeFile(dir / "Korvane.ini", "[Ports]\nCOM1=/dev/ttyS0\n");
    EXPECT_EQ(LoadIniFile(dir / "Korvane.ini").file.value("ports", "com1"), "/dev/ttyS0");

    std::filesystem::create_directory(dir / "folder.ini");
    const IniLoad folder = LoadIniFile(dir / "folder.ini");
    EXPECT_FALSE(folder.ok);
    EXPECT_FALSE(folder.error.empty());
}

}  // namespace
}  // namespace korvane::settings
