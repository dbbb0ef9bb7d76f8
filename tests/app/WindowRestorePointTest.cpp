// Restore points written by the window around program runs, the option to
// back the unit up first, and a history folder that cannot be written.

#include "UnitRig.h"
#include "WindowFixture.h"

#include "app/UndoController.h"
#include "history/RestorePoints.h"
#include "settings/ConfigFolder.h"
#include "settings/DataFolder.h"

#include <QAction>
#include <QPushButton>

#include <fstream>

namespace korvane::test {
namespace {

using link::Frame;
using model::ConfigImage;

Frame Request(std::uint8_t code, const ConfigImage *image = nullptr)
{
    Frame frame{};
    frame[0] = code;
    if (image != nullptr) {
        const auto block = image->block(code & 0x3F);
        std::copy(block.begin(), block.end(), frame.begin() + 1);
    }
    link::test::SealFrame(frame);
    return frame;
}

class WindowRestorePointTest : public WindowFixture {
protected:
    std::vector<history::RestorePoint> points() const
    {
        window->undo().waitForRestorePoints();
        return history::ListRestorePoints(settings::HistoryFolder()).points;
    }
    static const history::RestorePoint *Find(const std::vector<history::RestorePoint> &points, history::PointKind kind)
    {
        const auto found = std::find_if(points.begin(), points.end(), [&](const auto &p) { return p.kind == kind; });
        return found == points.end() ? nullptr : &*found;
    }
};

TEST_F(WindowRestorePointTest, ProgramRunsWriteAConfirmedPointAndTheBackupReadsTheUnitFirst)
{
    struct Case {
        bool backup;
        bool byKey;  // F9, else the Program button
    };
    for (const Case c : {Case{false, false}, Case{true, true}}) {
        SCOPED_TRACE(c.backup);
        open();
        UnitRig unit(*window);
        if (c.backup)
            window->features().MenuBackupBeforeProgram->trigger();
        const ConfigImage unitBefore = unit.unit.memory;
        const ConfigImage sent = window->image();
        ASSERT_NE(sent.bytes, unitBefore.bytes);
        if (c.byKey) {
            QApplication::setActiveWindow(window.get());
            QTest::keyClick(window.get(), Qt::Key_F9);
        } else {
            window->toolBar().ButtonProgram->click();
        }
        ASSERT_TRUE(unit.tickUntilIdle());
        EXPECT_TRUE(window->deviceLink().programOk());

        std::vector<Frame> expected;
        if (c.backup)
            for (std::uint8_t k = 0; k < model::BlockCount; ++k)
                expected.push_back(Request(link::ReadBase + k));
        for (std::uint8_t k = 0; k < model::BlockCount; ++k)
            expected.push_back(Request(k, &sent));
        for (std::uint8_t k = 1; k < model::BlockCount; ++k)
            expected.push_back(Request(link::ReadBase + k, &window->image()));
        EXPECT_EQ(unit.requests(), expected) << "a program run's frames, after the read only when asked for";

        const std::vector<history::RestorePoint> written = points();
        ASSERT_EQ(written.size(), c.backup ? 2u : 1u);
        const history::RestorePoint *program = Find(written, history::PointKind::Program);
        ASSERT_NE(program, nullptr);
        EXPECT_TRUE(program->confirmed) << "its closing verify passed";
        EXPECT_EQ(program->image->bytes, sent.bytes);
        if (c.backup) {
            const history::RestorePoint *backup = Find(written, history::PointKind::Backup);
            ASSERT_NE(backup, nullptr);
            EXPECT_EQ(backup->image->bytes, unitBefore.bytes);
            EXPECT_FALSE(backup->confirmed);
        }
        window.reset();
        std::filesystem::remove_all(settings::HistoryFolder());
    }
}

TEST_F(WindowRestorePointTest, BackupOptionIsKeptInTheHistoryGroup)
{
    open();
    EXPECT_FALSE(window->features().MenuBackupBeforeProgram->isChecked()) << "off by default";
    window->features().MenuBackupBeforeProgram->trigger();
    window->close();
    std::ifstream ini(settings::SettingsFile());
    const std::string text{std::istreambuf_iterator<char>(ini), {}};
    EXPECT_NE(text.find("[History]"), std::string::npos) << text;
    EXPECT_NE(text.find("BackupBeforeProgram=1"), std::string::npos) << text;
    EXPECT_NE(text.find("KeepCount=200"), std::string::npos) << text;
    open();
    EXPECT_TRUE(window->features().MenuBackupBeforeProgram->isChecked());
}

TEST_F(WindowRestorePointTest, AFolderThatCannotBeWrittenIsReportedOnceAndTheReadGoesOn)
{
    const QString plainFile = dataPath(QStringLiteral("not-a-folder"));
    std::ofstream(plainFile.toStdString()) << "x";
    qputenv("XDG_DATA_HOME", (plainFile + QStringLiteral("/data")).toLocal8Bit());
    open();
    UnitRig unit(*window);
    dialogs.messages.clear();  // the window's own port does not exist
    for (int run = 0; run < 2; ++run) {
        window->menu().MenuRead->trigger();
        ASSERT_TRUE(unit.tickUntilIdle());
        EXPECT_EQ(status(), QStringLiteral("Verify: OK"));
        EXPECT_TRUE(std::equal(unit.unit.memory.bytes.begin(), unit.unit.memory.bytes.end(),
                               window->image().bytes.begin()));
        window->undo().waitForRestorePoints();
        unit.ticks(1);
    }
    ASSERT_EQ(dialogs.messages.size(), 1) << dialogs.messages.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(dialogs.messages[0].contains(QFile::decodeName(settings::HistoryFolder().c_str())))
        << dialogs.messages[0].toStdString();
}

}  // namespace
}  // namespace korvane::test
