// What the window carries from one run to the next: the settings file, the
// parameter snapshot and the diagnostic marker, in a temporary config folder.

#include "WindowFixture.h"

#include "app/CommandLine.h"
#include "lang/Texts.h"
#include "model/ConfigImage.h"
#include "pages/Pages.h"
#include "settings/ConfigFolder.h"
#include "settings/IniFile.h"
#include "settings/SnapshotFile.h"
#include "ui/RuzneSheet.h"

#include <QCheckBox>
#include <QLabel>
#include <QTabWidget>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace korvane::test {
namespace {

using model::Offset::StartLimiter;

std::string ReadText(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteText(const std::filesystem::path &path, const std::string &text)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

class WindowSettingsTest : public WindowFixture {
protected:
    app::TFormHlav &openWith(app::StartOptions options)
    {
        options.dialogs = &dialogs;
        options.runTimer = false;
        options.device = workPath(QStringLiteral("no-such-port"));
        window = std::make_unique<app::TFormHlav>(options);
        window->show();
        QApplication::processEvents();
        return *window;
    }

    void closeAndReopen()
    {
        window->close();
        window.reset();
        open();
    }

    QCheckBox *box(const char *name) { return window->findChild<QCheckBox *>(QLatin1String(name)); }
    std::uint8_t page() { return window->pageEditor().CurrentPage(); }
    std::optional<std::string> stored(const char *key)
    {
        return settings::LoadIniFile(settings::SettingsFile()).file.value("BASIC", key);
    }
};

constexpr const char *AllBoxes[] = {"CheckBoxExtMonitor", "CheckBoxAll_Servo", "CheckBoxAll_PolohaA",
                                    "CheckBoxAll_PolohaB"};

TEST_F(WindowSettingsTest, CloseAndReopenBringsBackWhatTheUserLeft)
{
    WriteText(settings::SettingsFile(), "; tuner's notes\n[Ports]\nCOM3=/dev/ttyACM7\n");
    open();
    window->setGeometry(QRect(40, 30, 900, 700));
    QApplication::processEvents();
    window->MenuCom1Click(3);
    window->MenuLanguageClick(lang::German);
    window->image()[StartLimiter] = 90;
    window->pageEditor().allFlags() = {0, 1, 0, 1, 1};
    dialogs.fileToSave = workPath(QStringLiteral("bike.ign"));
    window->MenuSaveClick();
    window->pageControl()->setCurrentIndex(pages::ServoPage);
    for (const char *name : AllBoxes) {
        ASSERT_FALSE(box(name)->isChecked()) << name;
        box(name)->setChecked(true);
    }
    const QRect geometry = window->geometry();
    const model::ConfigImage image = window->image();

    closeAndReopen();
    EXPECT_EQ(window->geometry(), geometry);
    EXPECT_EQ(window->portNumber(), 3);
    EXPECT_EQ(window->language(), lang::German);
    EXPECT_EQ(window->pageControl()->currentIndex(), pages::ServoPage);
    EXPECT_EQ(page(), pages::ServoPage);
    for (const char *name : AllBoxes)
        EXPECT_TRUE(box(name)->isChecked()) << name;
    EXPECT_EQ(window->image(), image);
    EXPECT_EQ(window->pageEditor().allFlags(), (model::AllFlags{0, 1, 0, 1, 1}));
    EXPECT_EQ(window->ruzneSheet()->fileName(), workPath(QStringLiteral("bike.ign")));

    // Nothing creeps: a second round writes the same file.
    const std::string first = ReadText(settings::SettingsFile());
    EXPECT_TRUE(first.starts_with("; tuner's notes\n[Ports]\nCOM3=/dev/ttyACM7\n")) << first;
    EXPECT_NE(first.find("PageControl1->ActivePageIndex=6\n"), std::string::npos) << first;
    closeAndReopen();
    EXPECT_EQ(window->geometry(), geometry);
    window->close();
    EXPECT_EQ(ReadText(settings::SettingsFile()), first);
}

TEST_F(WindowSettingsTest, CommandLineLanguageWinsOverTheStoredOne)
{
    WriteText(settings::SettingsFile(), "[BASIC]\nLanguage=1\n");
    app::StartOptions options;
    options.language = app::ParseCommandLine({QStringLiteral("FRENCH")}).language;
    openWith(options);
    EXPECT_EQ(window->language(), lang::French);
    window->close();
    EXPECT_EQ(stored("Language"), "2");
}

TEST_F(WindowSettingsTest, AStoredPageIndexOpensOnlyAPageThatShows)
{
    model::ConfigImage equalMaps{};
    {
        open();
        equalMaps = window->image();
        window.reset();
    }
    equalMaps[model::Offset::JetMode] = 2;
    const struct {
        const char *index;
        bool equalMaps;
        std::uint8_t opened;
    } cases[] = {
        {"258", false, pages::AdvancePage}, {"11", false, pages::AdvancePage}, {"-1", false, pages::AdvancePage},
        {"9", false, pages::GasPage},       {"10", false, pages::AdvancePage}, {"2", true, pages::AdvancePage},
        {"$2", false, pages::Inj23APage},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.index);
        WriteText(settings::SettingsFile(), std::string("[BASIC]\nPageControl1->ActivePageIndex=") + c.index + "\n");
        std::filesystem::remove(settings::SnapshotFile());
        if (c.equalMaps) {
            ASSERT_TRUE(settings::SaveSnapshot(settings::SnapshotFile(), equalMaps, {}));
        }
        open();
        EXPECT_EQ(page(), c.opened);
        EXPECT_EQ(window->pageControl()->currentIndex(), c.opened);
        EXPECT_EQ(window->pageEditor().MapBase(), pages::MapBaseOf(c.opened));
        window.reset();
    }
}

TEST_F(WindowSettingsTest, AStoredRectOffEveryScreenOrTooSmallKeepsTheCentredWindow)
{
    open();
    const QRect centred = window->geometry();
    window.reset();
    for (const char *rect : {"Left=5000\nTop=5000\nWidth=1011\nHeight=801\n", "Left=0\nTop=0\nWidth=100\nHeight=80\n"}) {
        WriteText(settings::SettingsFile(), std::string("[BASIC]\n") + rect);
        open();
        EXPECT_EQ(window->geometry(), centred) << rect;
        window.reset();
    }
}

TEST_F(WindowSettingsTest, AFailedSettingsWriteStillWritesTheSnapshot)
{
    // A folder where the file should be: neither readable nor replaceable.
    std::filesystem::create_directories(settings::SettingsFile());
    open();
    dialogs.messages.clear();
    window->image()[StartLimiter] = 90;
    window->close();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith(QStringLiteral("Open file error!")));
    EXPECT_TRUE(dialogs.messages[0].contains(QFile::decodeName(settings::SettingsFile().c_str())));

    model::ConfigImage restored{};
    model::AllFlags flags{};
    ASSERT_EQ(settings::RestoreSnapshot(settings::SnapshotFile(), restored, flags), settings::SnapshotRestore::Restored);
    EXPECT_EQ(restored[StartLimiter], 90);

    window.reset();
    std::filesystem::remove_all(settings::SettingsFile());
    std::filesystem::remove(settings::SnapshotFile());
    std::filesystem::create_directories(settings::SnapshotFile());
    open();
    dialogs.messages.clear();
    window->close();
    ASSERT_EQ(dialogs.messages.size(), 1) << "a snapshot that cannot be written is reported too";
    EXPECT_TRUE(dialogs.messages[0].contains(QFile::decodeName(settings::SnapshotFile().c_str())));
    EXPECT_TRUE(std::filesystem::is_regular_file(settings::SettingsFile()));
}

TEST_F(WindowSettingsTest, AShortSnapshotIsIgnoredWhole)
{
    open();
    const model::ConfigImage startUp = window->image();
    window.reset();
    std::string numbers;
    for (int i = 0; i < 150; ++i)
        numbers += "7 ";
    WriteText(settings::SnapshotFile(), numbers);
    open();
    EXPECT_EQ(window->image(), startUp);
}

TEST_F(WindowSettingsTest, TheMarkerWordShowsTheTestLabels)
{
    for (const auto &[marker, shown] : {std::pair{"", false}, {"x DIAG_UNLOCK y", true}, {"diag_unlock", false}}) {
        WriteText(settings::MarkerFile(), marker);
        open();
        EXPECT_EQ(window->findChild<QLabel *>(QStringLiteral("LabelTest8"))->isVisible(), shown) << marker;
        window.reset();
    }
}

}  // namespace
}  // namespace korvane::test
