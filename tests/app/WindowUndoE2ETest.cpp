// The safety net against the simulated unit over a pseudo-terminal: a read,
// F5 on the green cell, Ctrl+Z from a spin editor, and the read's restore point.

#include "WindowFixture.h"

#include "../tools/SimulatedUnit.h"

#include "app/UndoController.h"
#include "history/RestorePoints.h"
#include "model/BikeTypes.h"
#include "model/ValueLimits.h"
#include "pages/Pages.h"
#include "settings/DataFolder.h"
#include "settings/ConfigFolder.h"
#include "settings/SnapshotFile.h"
#include "ui/Colours.h"
#include "ui/MapGroup.h"
#include "ui/NumericEditor.h"

#include <QLineEdit>
#include <QTabWidget>

#include <fstream>

namespace korvane::test {
namespace {

using namespace std::chrono_literals;
using model::ConfigImage;

ConfigImage UnitMemory()
{
    ConfigImage image;
    image[model::Offset::BikeType] = 3;
    model::DefaultSetSelector selector;
    model::BuildDefaults(image, selector);
    image[model::Offset::StartLimiter] = 95;
    model::NormaliseImage(image);
    for (std::size_t i = 0; i < model::BlockSize; ++i)
        image[i] = 0;  // the unit puts its own header in
    return image;
}

class WindowUndoE2ETest : public WindowFixture {
protected:
    ui::MapGroup *mapGroup() const { return window->findChild<ui::MapGroup *>(QStringLiteral("GroupBoxMap")); }
    bool hasGreenCell() const
    {
        for (int j = 0; j < ui::MapGroup::Rows; ++j)
            for (int i = 0; i < ui::MapGroup::Columns; ++i)
                if (mapGroup()->cell(j, i)->editColour() == ui::MarkerGreen)
                    return true;
        return false;
    }
};

TEST_F(WindowUndoE2ETest, F5TwiceThenCtrlZTwiceGivesTheReadImageAndItsRestorePoint)
{
    const ConfigImage memory = UnitMemory();
    const QString memoryFile = workPath(QStringLiteral("unit.bin"));
    std::ofstream(memoryFile.toStdString(), std::ios::binary)
        .write(reinterpret_cast<const char *>(memory.bytes.data()), static_cast<std::streamsize>(memory.bytes.size()));
    SimulatedUnit unit({"--image", memoryFile.toStdString(), "--saving-ms", "300"});
    open(QString::fromStdString(unit.path()));
    auto now = std::chrono::steady_clock::now();
    window->undo().setClock([&now] { return now; });
    window->pageControl()->setCurrentIndex(pages::InjBPage);
    QApplication::setActiveWindow(window.get());
    QLineEdit *editor = mapGroup()->cell(0, 0)->edit();
    editor->setFocus();
    const ConfigImage beforeRead = window->image();
    ASSERT_TRUE(tickUntil([&] { return !window->deviceLink().noConnectionVisible(); }));

    QTest::keyClick(editor, Qt::Key_F7);
    ASSERT_TRUE(tickUntil([&] { return status() == QStringLiteral("Verify: OK"); })) << status().toStdString();
    const ConfigImage read = window->image();
    ASSERT_TRUE(std::equal(memory.bytes.begin() + model::BlockSize, memory.bytes.end(),
                           read.bytes.begin() + model::BlockSize));
    ASSERT_TRUE(tickUntil([&] { return hasGreenCell(); })) << "the engine never showed on the map";

    // No tick between the presses: the green cell stays where it is.
    QTest::keyClick(editor, Qt::Key_F5);
    now += 1500ms;
    QTest::keyClick(editor, Qt::Key_F5);
    now += 300ms;
    QTest::keyClick(editor, Qt::Key_F5);
    ASSERT_NE(window->image().bytes, read.bytes);
    EXPECT_EQ(window->undo().steps().UndoCount(), 3u) << "the read, then F5, then two presses within a second";

    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->image().bytes, read.bytes);
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->image().bytes, beforeRead.bytes) << "the third undoes the read itself";
    QTest::keyClick(editor, Qt::Key_Y, Qt::ControlModifier);
    ASSERT_EQ(window->image().bytes, read.bytes);

    window->undo().waitForRestorePoints();
    const std::vector<history::RestorePoint> points = history::ListRestorePoints(settings::HistoryFolder()).points;
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points[0].kind, history::PointKind::Read);
    ASSERT_TRUE(points[0].image);
    // The unit's memory: the parameters it was given and the header it reports.
    ConfigImage unitMemory = memory;
    std::copy_n(read.bytes.begin(), model::BlockSize, unitMemory.bytes.begin());
    EXPECT_EQ(points[0].image->bytes, unitMemory.bytes);
    EXPECT_TRUE(points[0].programCount.has_value()) << "the live data told the programming count";

    window->close();
    ConfigImage snapshot;
    model::AllFlags flags{};
    ASSERT_EQ(settings::RestoreSnapshot(settings::SnapshotFile(), snapshot, flags), settings::SnapshotRestore::Restored);
    EXPECT_EQ(snapshot.bytes, read.bytes);
}

}  // namespace
}  // namespace korvane::test
