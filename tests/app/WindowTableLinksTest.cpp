// The table among the other features: the ride logs' colour modes and locks,
// the compare's marks, and its selection in the 3D view.

#include "WindowFixture.h"

#include "../core/link/FakePort.h"
#include "../core/logs/LogTestSupport.h"

#include "app/CompareController.h"
#include "app/RideLogController.h"
#include "app/RideLogOverlays.h"
#include "app/TableController.h"
#include "app/View3DController.h"
#include "model/ParameterFile.h"
#include "pages/Pages.h"
#include "ui/MapSurfaceView.h"
#include "ui/View3DWindow.h"

#include <QAction>
#include <QTabWidget>

#include <fstream>

namespace korvane::test {
namespace {

using logs::test::BuildFrame;
using logs::test::Engine;
using maptools::Selection;
using ui::MapTableModel;

class WindowTableLinksTest : public WindowFixture {
protected:
    ui::MapTableView &openTable(std::uint8_t page)
    {
        open();
        window->pageControl()->setCurrentIndex(page);
        window->features().MenuTableEditing->trigger();
        window->deviceLink().setPort(&m_port);
        return *window->table()->mapTable();
    }
    void feed(const Engine &engine, int count)
    {
        for (int i = 0; i < count; ++i) {
            m_port.queue(BuildFrame(engine));
            window->Timer1Timer();
        }
    }
    // On column 6 of the Inj-14A axis, where the advisor takes the engine.
    Engine onColumn6() const
    {
        Engine engine;
        engine.rpm = window->image()[model::AxisOfMapPage(pages::Inj14APage) + 6] * 100;
        return engine;
    }
    static QVariant at(const ui::MapTableView &view, maptools::CellPos cell, int role)
    {
        return view.model()->index(static_cast<int>(cell.row), static_cast<int>(cell.column)).data(role);
    }

private:
    link::test::FakePort m_port;
};

TEST_F(WindowTableLinksTest, HitsAndAdviceColourTheTableAndLSwitchesLocksOfTheSelection)
{
    ui::MapTableView &view = openTable(pages::Inj14APage);
    window->menu().Menu_Jet123Normal->trigger();
    QAction *hits = window->features().MenuColours[static_cast<int>(app::CellColourChoice::Hits)];
    QAction *advice = window->features().MenuColours[static_cast<int>(app::CellColourChoice::LambdaAdvice)];
    ASSERT_TRUE(hits->isEnabled() && advice->isEnabled());
    hits->trigger();
    feed(onColumn6(), 14);  // warm, steady and lean: "richer"
    const maptools::CellPos cell = view.tableModel()->marks().cell.value();
    EXPECT_TRUE(at(view, cell, Qt::BackgroundRole).isValid()) << "a visited cell";
    EXPECT_FALSE(at(view, {cell.row, (cell.column + 3) % 15}, Qt::BackgroundRole).isValid());
    EXPECT_EQ(at(view, cell, MapTableModel::TrailRole).toInt(), 0) << "the newest ring of the trail";
    window->features().MenuColours[static_cast<int>(app::CellColourChoice::ByValue)]->trigger();
    EXPECT_TRUE(at(view, cell, Qt::ToolTipRole).toString().startsWith(app::HitsText(14, 0)))
        << "the count in every colour mode";

    advice->trigger();
    EXPECT_EQ(at(view, cell, MapTableModel::SignRole).toString(), QStringLiteral("↑"));
    EXPECT_TRUE(at(view, cell, Qt::ToolTipRole).toString().contains(QStringLiteral("↑")));

    // L locks a selection, or unlocks it once all of it is locked; the
    // locked cell loses its advice.
    const Selection block{cell.row, cell.column > 0 ? cell.column - 1 : 0, cell.row + 1, cell.column};
    view.selectCells(block);
    view.setFocus();
    QTest::keyClick(&view, Qt::Key_L);
    for (const maptools::CellPos c : {maptools::CellPos{block.top, block.left}, maptools::CellPos{block.bottom, block.right}}) {
        EXPECT_TRUE(window->rideLogs().locked(pages::Inj14APage, int(c.row), int(c.column)));
        EXPECT_TRUE(at(view, c, MapTableModel::LockRole).toBool());
    }
    EXPECT_TRUE(at(view, cell, MapTableModel::SignRole).toString().isEmpty());
    window->rideLogs().toggleLock(pages::Inj14APage, int(block.top), int(block.left));  // partly locked now
    QTest::keyClick(&view, Qt::Key_L);
    EXPECT_TRUE(window->rideLogs().locked(pages::Inj14APage, int(block.top), int(block.left)));
    QTest::keyClick(&view, Qt::Key_L);
    EXPECT_FALSE(window->rideLogs().locked(pages::Inj14APage, int(block.bottom), int(block.right)));
    EXPECT_FALSE(at(view, cell, MapTableModel::LockRole).toBool());

    // The context menu's "Lock cell" only where advice is given.
    auto *lock = view.findChild<QAction *>(QStringLiteral("TableLockCell"));
    ASSERT_NE(lock, nullptr);
    EXPECT_TRUE(lock->isEnabled());
    EXPECT_EQ(lock->text(), QStringLiteral("&Lock cell"));
    window->pageControl()->setCurrentIndex(pages::AdvancePage);
    EXPECT_FALSE(lock->isEnabled());

    hits->trigger();
    window->close();
    open();
    EXPECT_EQ(window->table()->cellColours(), app::CellColourChoice::Hits) << "kept, with its look there at start";
}

TEST_F(WindowTableLinksTest, CompareMarksAndTheSelectionReachTheTableAndThe3DView)
{
    ui::MapTableView &view = openTable(pages::AdvancePage);
    model::ConfigImage other = window->image();
    other[model::Offset::AdvMap + 15 * 2 + 4] ^= 3;
    const QString path = workPath(QStringLiteral("other.ign"));
    {
        std::ofstream out(path.toStdString(), std::ios::binary);
        model::WriteParameterFile(out, other, false);
    }
    dialogs.fileToOpen = path;
    window->features().MenuCompareFile->trigger();
    EXPECT_TRUE(at(view, {2, 4}, MapTableModel::CompareRole).toBool());
    EXPECT_FALSE(at(view, {2, 5}, MapTableModel::CompareRole).toBool());
    window->compare().closeCompare();
    EXPECT_FALSE(at(view, {2, 4}, MapTableModel::CompareRole).toBool());

    const Selection block{1, 2, 3, 5};
    view.selectCells(block);
    const ui::MapSurfaceView &surface = *window->view3d()->view()->surface();
    EXPECT_EQ(surface.selection(), block);
    window->features().MenuTableEditing->trigger();
    EXPECT_EQ(surface.selection(), std::nullopt) << "the hidden table's selection is not on view";
    window->features().MenuTableEditing->trigger();
    EXPECT_EQ(surface.selection(), block);
    window->pageControl()->setCurrentIndex(pages::PolohaPage);
    window->table()->activeView()->selectCells(Selection{0, 0, 0, 3});
    EXPECT_EQ(surface.selection(), std::nullopt) << "a curve marks nothing on a map";
}

}  // namespace
}  // namespace korvane::test
