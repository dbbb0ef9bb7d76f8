#include "history/HistorySettings.h"

#include <gtest/gtest.h>

namespace korvane::history {
namespace {

TEST(HistorySettings, ReadsTheGroupWithTheIntegerRuleAndFallsBackToDefaults)
{
    struct Case {
        const char *text;
        HistorySettings expected;
    };
    const Case cases[] = {
        {"", {{30, 200}, false}},
        {"[History]\nKeepDays=7\nKeepCount=$10\nBackupBeforeProgram=1\n", {{7, 16}, true}},
        {"[history]\nkeepdays=0\nKeepCount=0x20\nBackupBeforeProgram=2\n", {{0, 32}, true}},
        {"[History]\nKeepDays=-1\nKeepCount=0\nBackupBeforeProgram=yes\n", {{30, 200}, false}},
        {"[BASIC]\nKeepDays=5\n", {{30, 200}, false}},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(ReadHistorySettings(settings::IniFile::Parse(c.text)), c.expected) << c.text;
    }
}

TEST(HistorySettings, WrittenValuesReadBackAndOtherGroupsStay)
{
    settings::IniFile ini = settings::IniFile::Parse("[BASIC]\nLeft=10\n");
    const HistorySettings values{{45, 500}, true};
    WriteHistorySettings(ini, values);
    EXPECT_EQ(ReadHistorySettings(settings::IniFile::Parse(ini.text())), values);
    EXPECT_EQ(ini.value("BASIC", "Left"), "10");
}

}  // namespace
}  // namespace korvane::history
