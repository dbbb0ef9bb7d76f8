// The ride logs in the window, fed frame by frame through a fake port with a
// clock the test sets: hit counts and the trail on the map grid, the lambda
// advice and its application, locked cells, and a logs folder that cannot
// be written.

#include "WindowFixture.h"

#include "../core/link/FakePort.h"
#include "../core/logs/LogTestSupport.h"
#include "../ui/PaintCounter.h"

#include "app/RideLogController.h"
#include "history/RestorePoints.h"
#include "lang/LogTexts.h"
#include "logs/HitCounts.h"
#include "pages/Pages.h"
#include "settings/ConfigFolder.h"
#include "settings/IniFile.h"
#include "ui/Colours.h"
#include "ui/MapGroup.h"
#include "ui/NumericEditor.h"

#include <QAction>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolTip>

#include <filesystem>
#include <fstream>

namespace korvane::test {
namespace {

using logs::test::BuildFrame;
using logs::test::Engine;

QString LogText(lang::LogTextId id)
{
    const std::string_view text = lang::LogText(id, 0);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Warm, steady and lean (Engine's defaults): enough frames for "richer".
constexpr int LeanFrames = 14;

class WindowRideLogTest : public WindowFixture {
protected:
    app::TFormHlav &openOnPage(std::uint8_t page)
    {
        open();
        window->pageControl()->setCurrentIndex(page);
        window->deviceLink().setPort(&port);
        window->rideLogs().setClock([this] { return clock; });
        dialogs.messages.clear();  // the start-up port has none
        return *window;
    }
    app::RideLogController &logs() { return window->rideLogs(); }
    ui::MapGroup *grid() const { return window->findChild<ui::MapGroup *>(QStringLiteral("GroupBoxMap")); }

    // One frame in one tick, at the clock's time.
    void feed(const Engine &engine)
    {
        port.queue(BuildFrame(engine));
        window->Timer1Timer();
    }
    void at(double seconds)
    {
        clock.seconds = seconds;
        clock.wall = std::chrono::system_clock::time_point(std::chrono::seconds(1767225600)) +
                     std::chrono::milliseconds(static_cast<int>(seconds * 1000));
    }
    // An engine on column of the Inj-14A axis, where the advisor takes it.
    Engine onColumn(int column) const
    {
        Engine engine;
        engine.rpm = window->image()[model::AxisOfMapPage(pages::Inj14APage) + column] * 100;
        return engine;
    }
    std::optional<pages::MapCell> greenCell() const
    {
        for (int r = 0; r < ui::MapGroup::Rows; ++r)
            for (int c = 0; c < ui::MapGroup::Columns; ++c)
                if (grid()->cell(r, c)->editColour() == ui::MarkerGreen)
                    return pages::MapCell{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(c)};
        return std::nullopt;
    }
    // The tooltip the cell's editor shows under the mouse.
    QString toolTipOf(const pages::MapCell &cell)
    {
        QLineEdit *edit = grid()->cell(cell.row, cell.column)->edit();
        QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), edit->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(edit, &help);
        const QString text = QToolTip::isVisible() ? QToolTip::text() : QString();
        // Gone at once, not after its fade, so the next question starts afresh.
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->inherits("QTipLabel"))
                top->close();
        return text;
    }
    void feedMany(const Engine &engine, int count)
    {
        for (int i = 0; i < count; ++i)
            feed(engine);
    }
    std::uint8_t trailAt(const pages::MapCell &cell) const
    {
        return grid()->trail()[std::size_t{cell.row} * ui::MapGroup::Columns + cell.column];
    }

    link::test::FakePort port;
    logs::LogClock clock;
};

TEST_F(WindowRideLogTest, HitCountsAndTheTrailFollowTheMarkerAndReset)
{
    openOnPage(pages::Inj14APage);
    std::vector<pages::MapCell> cells;
    const int columns[] = {2, 5, 9, 9};
    for (std::size_t i = 0; i < std::size(columns); ++i) {
        at(static_cast<double>(i));
        feed(onColumn(columns[i]));
        ASSERT_TRUE(greenCell());
        cells.push_back(*greenCell());
    }
    const pages::MapCell a = cells[0], b = cells[1], c = cells[2];
    ASSERT_TRUE(a != b && b != c && cells[3] == c);
    EXPECT_TRUE(toolTipOf(c).endsWith(QStringLiteral(": 2"))) << toolTipOf(c).toStdString();
    EXPECT_TRUE(toolTipOf(a).endsWith(QStringLiteral(": 1")));

    // A left at 1 s, B at 2 s, C is marked still: one-second buckets fade out.
    const struct {
        double now;
        std::uint8_t a, b, c;
    } steps[] = {{4.5, 3, 2, 0}, {6.2, ui::NoTrail, 4, 0}, {7.5, ui::NoTrail, ui::NoTrail, 0}};
    ui::test::PaintCounter paints;
    paints.watchTree(grid());
    ui::test::PaintCounter editorPaints;
    for (int r = 0; r < ui::MapGroup::Rows; ++r)
        for (int col = 0; col < ui::MapGroup::Columns; ++col)
            editorPaints.watchTree(grid()->cell(r, col));
    for (const auto &step : steps) {
        at(step.now);
        paints.settle();
        editorPaints.settle();
        window->Timer1Timer();
        EXPECT_EQ(trailAt(a), step.a) << step.now;
        EXPECT_EQ(trailAt(b), step.b) << step.now;
        EXPECT_EQ(trailAt(c), step.c) << step.now;
        EXPECT_GT(paints.paintsAfterFlush(), 0) << "a ring faded at " << step.now;
        EXPECT_EQ(editorPaints.paintsAfterFlush(), 0) << "the rings lie outside the editors";
        // The same moment again, no frame: nothing to repaint.
        paints.settle();
        window->Timer1Timer();
        EXPECT_EQ(paints.paintsAfterFlush(), 0) << step.now;
    }

    window->features().MenuResetHitCounts->trigger();
    EXPECT_EQ(logs().hits().frames(), 0u);
    EXPECT_TRUE(toolTipOf(c).isEmpty());
    EXPECT_EQ(trailAt(c), ui::NoTrail);
    feed(onColumn(9));
    // The advisor's evidence, which a reset of the hits keeps, follows the count.
    const QString hitsLine = toolTipOf(c).section(QLatin1Char('\n'), 0, 0);
    EXPECT_TRUE(hitsLine.endsWith(QStringLiteral(": 1"))) << hitsLine.toStdString();
    EXPECT_EQ(logs().overlay(app::CellColourChoice::Hits)->toolTip(pages::Inj14APage, c.row, c.column), hitsLine);
}

TEST_F(WindowRideLogTest, ApplyingAdviceKeepsARestorePointAndChangesExactlyTheAdvisedCellsInOneEdit)
{
    for (const bool historyWritable : {true, false}) {
        openOnPage(pages::Inj14APage);
        window->menu().Menu_Jet123Normal->trigger();
        const std::filesystem::path history = dataPath(QStringLiteral("Korvane/history")).toStdString();
        std::filesystem::remove_all(history);
        if (!historyWritable) {
            std::filesystem::create_directories(history.parent_path());
            std::ofstream(history) << "not a folder";
        }
        QAction *apply = window->features().MenuApplyLambdaAdvice;
        EXPECT_FALSE(apply->isEnabled());
        feedMany(onColumn(6), LeanFrames);
        ASSERT_TRUE(apply->isEnabled());

        const model::ConfigImage before = window->image();
        model::ConfigImage expected = before;
        int advised = 0;
        for (const std::uint8_t page : {pages::Inj14APage, pages::Inj23APage, pages::InjIapPage})
            for (int r = 0; r < ui::MapGroup::Rows; ++r)
                for (int col = 0; col < ui::MapGroup::Columns; ++col)
                    if (const logs::CellAdvice *a = logs().adviceAt(page, r, col); a && a->newValue != a->value) {
                        EXPECT_EQ(a->advice, logs::Advice::Richer);
                        EXPECT_EQ(logs().overlay(app::CellColourChoice::LambdaAdvice)->arrow(page, r, col),
                                  QStringLiteral("↑"));
                        expected[model::MapOfPage(page) + std::size_t(r) * 15 + std::size_t(col)] = a->newValue;
                        ++advised;
                    }
        EXPECT_EQ(advised, 2) << "one cell on Inj-14A, its twin on Inj-23A";
        const int edits = window->appliedEditCount();
        apply->trigger();
        EXPECT_EQ(window->appliedEditCount(), edits + 1);
        EXPECT_EQ(window->image(), expected);
        EXPECT_FALSE(apply->isEnabled()) << "the evidence went with the advice";
        EXPECT_EQ(logs().advisor().samples(), 0u);

        const history::ListResult points = history::ListRestorePoints(history);
        if (historyWritable) {
            ASSERT_EQ(points.points.size(), 1u);
            EXPECT_EQ(points.points[0].kind, history::PointKind::Advice);
            ASSERT_TRUE(points.points[0].image);
            EXPECT_TRUE(std::equal(before.bytes.begin() + 100, before.bytes.end(),
                                   points.points[0].image->bytes.begin() + 100));
            EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('\n').toStdString();
        } else {
            EXPECT_EQ(dialogs.messages.size(), 1) << "said once, and the advice applied all the same";
        }
        window.reset();
    }
}

TEST_F(WindowRideLogTest, LockedCellsGetNoAdviceAndStayLocked)
{
    openOnPage(pages::Inj14APage);
    window->menu().Menu_Jet123Normal->trigger();
    app::CellOverlay *overlay = logs().overlay(app::CellColourChoice::LambdaAdvice);
    at(0);
    feed(onColumn(6));
    const pages::MapCell cell = *greenCell();
    EXPECT_FALSE(overlay->toggleLock(pages::AdvancePage, cell.row, cell.column)) << "never advised";
    EXPECT_FALSE(overlay->toggleLock(pages::InjBPage, cell.row, cell.column));
    for (const std::uint8_t page : {pages::Inj14APage, pages::Inj23APage})
        EXPECT_TRUE(overlay->toggleLock(page, cell.row, cell.column));
    feedMany(onColumn(6), LeanFrames);

    for (const std::uint8_t page : {pages::Inj14APage, pages::Inj23APage}) {
        const logs::CellAdvice *advice = logs().adviceAt(page, cell.row, cell.column);
        ASSERT_NE(advice, nullptr);
        EXPECT_GE(advice->evidence.samples, 8u);
        EXPECT_TRUE(advice->locked);
        EXPECT_EQ(advice->newValue, advice->value);
        EXPECT_FALSE(overlay->background(page, cell.row, cell.column));
        EXPECT_TRUE(overlay->arrow(page, cell.row, cell.column).isEmpty());
    }
    EXPECT_FALSE(window->features().MenuApplyLambdaAdvice->isEnabled());
    EXPECT_TRUE(toolTipOf(cell).contains(LogText(lang::LogTextId::CellLocked)));

    window->close();
    const std::string kept = "1:" + std::to_string(cell.row) + ':' + std::to_string(cell.column) + ",2:" +
                             std::to_string(cell.row) + ':' + std::to_string(cell.column);
    EXPECT_EQ(settings::LoadIniFile(settings::SettingsFile()).file.value("Advisor", "Locked"), kept);
    window.reset();
    open();
    EXPECT_TRUE(logs().locked(pages::Inj23APage, cell.row, cell.column));
    EXPECT_TRUE(logs().overlay(app::CellColourChoice::Hits)->locked(pages::Inj14APage, cell.row, cell.column));
}

TEST_F(WindowRideLogTest, ALogsFolderThatCannotBeWrittenIsSaidOnceAndTheLiveDataGoesOn)
{
    std::filesystem::create_directories(dataPath(QString()).toStdString());
    std::ofstream(dataPath(QStringLiteral("Korvane")).toStdString()) << "a file where the folder should be";
    openOnPage(pages::Inj14APage);
    auto *rpm = window->findChild<QLabel *>(QStringLiteral("LabelRpm"));
    for (const int connection : {0, 1}) {
        for (const int speed : {2500, 3500}) {
            Engine engine;
            engine.rpm = speed;
            feed(engine);
            EXPECT_TRUE(rpm->text().contains(QString::number(speed))) << rpm->text().toStdString();
        }
        EXPECT_FALSE(logs().recorder().recording());
        ticks(2 * link::LinkWatchLimit);  // "No Connection": the next frame is another connection
        EXPECT_EQ(dialogs.messages.size(), 1) << connection;
    }
    EXPECT_TRUE(dialogs.messages.constFirst().startsWith(LogText(lang::LogTextId::FolderUnwritable)));
    EXPECT_EQ(logs().hits().frames(), 4u) << "the hit counts do not need the folder";
}

}  // namespace
}  // namespace korvane::test
