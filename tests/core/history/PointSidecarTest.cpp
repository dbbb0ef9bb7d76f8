#include "history/PointSidecar.h"

#include "HistoryTestSupport.h"

#include <gtest/gtest.h>

namespace korvane::history {
namespace {

using namespace std::chrono_literals;

TEST(PointSidecar, TextValuesSurviveTheIniFileWhateverTheyHold)
{
    const std::string longNote(3000, 'x');
    std::string longUtf8 = std::string(1000, 'a') + std::string(200, '\n');
    for (int i = 0; i < 400; ++i) {
        longUtf8 += "č";
    }
    const std::vector<std::string> values{
        "",
        "plain words",
        "  blanks at both ends  ",
        "line one\nline two\r\nline three",
        "tab\there, backslash \\ and \\n written out",
        "; looks like a comment",
        "[Looks like a section]",
        "key=value = more",
        std::string("nul \0 and bell \a", 16),
        "Čeština, Français, Größe",
        "ends in a backslash \\",
    };
    for (const std::string &value : values) {
        settings::IniFile ini;
        PointDetails details;
        details.kind = PointKind::Read;
        details.note = value;
        details.source = value;
        details.firmware = value;
        StoreDetails(ini, details);
        const std::optional<PointDetails> read = ParseDetails(settings::IniFile::Parse(ini.text()));
        ASSERT_TRUE(read) << value;
        EXPECT_EQ(read->note, value);
        EXPECT_EQ(read->source, value);
        EXPECT_EQ(read->firmware, value);
    }

    // Too long for one value: cut, but what stays is the start of the text.
    for (const std::string &value : {longNote, longUtf8}) {
        settings::IniFile ini;
        PointDetails details;
        details.kind = PointKind::Advice;
        details.note = value;
        StoreDetails(ini, details);
        const std::optional<PointDetails> read = ParseDetails(settings::IniFile::Parse(ini.text()));
        ASSERT_TRUE(read);
        const std::string &note = read->note;
        EXPECT_GT(note.size(), 1000u);
        EXPECT_LT(note.size(), value.size());
        EXPECT_EQ(value.compare(0, note.size(), note), 0);
        EXPECT_NE(static_cast<unsigned char>(note.back()) & 0xC0u, 0xC0u) << "never half a character";
    }
}

TEST(PointSidecar, TimeNumbersAndKindRoundTrip)
{
    PointDetails details;
    details.kind = PointKind::Backup;
    details.time = test::Local(2026, 7, 1, 23, 59, 58) + 123ms;
    details.confirmed = true;
    details.model = 28;
    details.programCount = 65535;
    settings::IniFile ini;
    StoreDetails(ini, details);
    const std::optional<PointDetails> read = ParseDetails(settings::IniFile::Parse(ini.text()));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->kind, PointKind::Backup);
    EXPECT_EQ(read->time, details.time);
    EXPECT_TRUE(read->confirmed);
    EXPECT_EQ(read->model, 28);
    EXPECT_EQ(read->programCount, 65535);

    details.model.reset();
    details.programCount.reset();
    StoreDetails(ini, details);
    EXPECT_FALSE(ParseDetails(ini)->model);
    EXPECT_FALSE(ParseDetails(ini)->programCount);
}

TEST(PointSidecar, TimesFromElsewhereReadAsTheSameInstant)
{
    struct Case {
        const char *text;
        bool ok;
    };
    const SystemTime utcNoon = std::chrono::sys_days{std::chrono::year{2026} / 12 / 8} + 12h;
    for (const Case &c : {Case{"2026-12-08 13:00:00 +0100", true}, Case{"2026-12-08 07:30:00.000 -0430", true},
                          Case{"2026-12-08 12:00:00.000 +0000", true}, Case{"2026-02-30 12:00:00 +0000", false},
                          Case{"2026-12-08 25:00:00 +0000", false}, Case{"2026-12-08 12:00:00 0100", false},
                          Case{"noon", false}}) {
        settings::IniFile ini;
        ini.setValue(SidecarSection, "Kind", "read");
        ini.setValue(SidecarSection, "Time", c.text);
        const std::optional<PointDetails> read = ParseDetails(ini);
        ASSERT_EQ(read.has_value(), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(read->time, utcNoon) << c.text;
        }
    }
}

}  // namespace
}  // namespace korvane::history
