#include "settings/IniFile.h"

#include "../model/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <random>

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
    const std::string y(2044, 'y');
    const std::string latin1(3000, '\xB9');  // "a" with ogonek in CP1250
    const struct {
        std::string value;
        std::string read;
    } cases[] = {
        {std::string(3000, 'x'), std::string(2047, 'x')},
        {y + "yy\xC3\xA9", y + "yy"},                      // a two-byte character split after its lead
        {y + "y\xE2\x82\xAC", y + "y"},                    // a three-byte one after its second byte
        {y + "\xF0\x9F\x98\x80", y},                       // a four-byte one after its third byte
        {y + "y\xC3\xA9" + latin1, y + "y\xC3\xA9"},       // a whole character before the cut stays
        {latin1, latin1.substr(0, 2047)},                  // 8-bit text is no UTF-8 at all
        {y + "yy\xE9\xB9" "a", y + "yy\xE9"},              // a lead byte without its continuation
        {y + "yy\xE0\x80\x80", y + "yy\xE0"},              // an overlong form is no character
    };
    for (const auto &c : cases) {
        const std::string read = IniFile::Parse("[S]\nA=" + c.value + "\n").value("S", "A").value_or("-");
        EXPECT_TRUE(read == c.read) << "read " << read.size() << " bytes instead of " << c.read.size();
    }
}

// Whatever was read or set, a later save keeps: values of other keys stay,
// and saving the same value again changes nothing.
TEST(IniFile, SavesKeepWhatWasReadAndSettle)
{
    const struct {
        std::string file;
        std::string key;    // set twice to value
        std::string value;
    } cases[] = {
        {"[S]\nFile= b.ign\n", "File", " b.ign"},
        {"[S]\nFile=\tb.ign  \n", "File", "\t b.ign \t"},
        {"", "File", "  b.ign"},
        {"[S]\nTop=7\r", "New", "1"},  // a lone CR ends the last value, as a blank would
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        const IniFile before = IniFile::Parse(c.file);
        IniFile once = before;
        once.setValue("S", c.key, c.value);
        const IniFile reread = IniFile::Parse(once.text());
        for (const char *key : {"Top", "File"}) {
            if (key != c.key) {
                EXPECT_EQ(reread.value("S", key), before.value("S", key)) << key;
            }
        }
        IniFile twice = reread;
        twice.setValue("S", c.key, c.value);
        EXPECT_EQ(twice.text(), once.text());
        EXPECT_EQ(IniFile::Parse(twice.text()).value("S", c.key), reread.value("S", c.key));
    }
}

// The same over generated files: blanks, tabs, CRs, comments, repeated and
// broken sections, with and without a final line end.
TEST(IniFile, GeneratedFilesSurviveReadSaveRead)
{
    const std::string pieces[] = {"[S]", "[ s ]", "[T]", "[S", "Top=7", " top = 8 ", "File= b.ign", "File=\t",
                                  "; Top=1", "=x", "", " ", "\r", "Top=\xB9\xB9", "New=\xC3\xA9 ", "Top=7\r"};
    const std::string values[] = {"1", " b.ign", "b.ign ", "\xC3\xA9", "", "a\r\nb", "\t"};
    const std::string keys[] = {"Top", "File", "New"};
    std::mt19937 random(13);
    const auto pick = [&](const auto &pool) { return pool[random() % std::size(pool)]; };
    for (int round = 0; round < 3000; ++round) {
        std::string file;
        for (int n = static_cast<int>(random() % 8); n > 0; --n) {
            file += pick(pieces) + (random() % 3 == 0 ? "\r\n" : "\n");
        }
        file += pick(pieces);
        SCOPED_TRACE(testing::PrintToString(file));
        const IniFile original = IniFile::Parse(file);
        IniFile ini = original;
        const std::string section = random() % 2 ? "S" : "T";
        const std::string key = pick(keys);
        const std::string value = pick(values);
        ini.setValue(section, key, value);
        const std::string once = ini.text();
        const IniFile reread = IniFile::Parse(once);
        for (const char *other : {"S", "T"}) {
            for (const std::string &name : keys) {
                if (other != section || name != key) {
                    ASSERT_EQ(reread.value(other, name), original.value(other, name)) << other << "/" << name;
                }
            }
        }
        IniFile again = reread;
        again.setValue(section, key, value);
        ASSERT_EQ(again.text(), once);
    }
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
