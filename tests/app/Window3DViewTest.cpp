// View > 3D map: the tool window beside the main one, by real keys.

#include "WindowFixture.h"

#include "../core/link/FakePort.h"
#include "../ui/PaintCounter.h"

#include "app/View3DController.h"
#include "link/Frames.h"
#include "maptools/Sheets.h"
#include "pages/Pages.h"
#include "ui/CurvePlotView.h"
#include "ui/MapSurfaceView.h"
#include "ui/View3DWindow.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

namespace korvane::test {
namespace {

// A live-data frame of an engine at rpm and 40 % throttle on the throttle maps.
link::Frame LiveFrame(std::uint16_t rpm)
{
    link::Frame frame{};
    frame[0] = link::MonitorByte;
    frame[1] = static_cast<std::uint8_t>(rpm & 0xFF);
    frame[2] = static_cast<std::uint8_t>(rpm >> 8);
    frame[51] = 40;
    frame[61] = 1;
    frame[100] = model::SupportedLayoutVersion;
    frame[101] = link::CheckByte(std::span<const std::uint8_t>(frame.data(), 101));
    return frame;
}

class Window3DViewTest : public WindowFixture {
protected:
    [[nodiscard]] ui::View3DWindow *view() const { return window->view3d()->view(); }
    [[nodiscard]] QAction *item() const { return window->features().Menu3DMap; }
    [[nodiscard]] ui::MapSurfaceView *surface() const { return view()->surface(); }

    // F6 where the keyboard focus is in that window, as a user presses it.
    void pressF6(QWidget *inWindow)
    {
        QApplication::setActiveWindow(inWindow);
        QWidget *focused = QApplication::focusWidget();
        QTest::keyClick(focused != nullptr && focused->window() == inWindow ? focused : inWindow, Qt::Key_F6);
        QApplication::processEvents();
    }

    void tickWithFrame(std::uint16_t rpm)
    {
        port.queue(LiveFrame(rpm));
        window->Timer1Timer();
    }

    link::test::FakePort port;
};

TEST_F(Window3DViewTest, F6OpensAndClosesTheWindowAndTheItemFollows)
{
    open();
    EXPECT_FALSE(item()->isChecked());
    EXPECT_FALSE(view()->isVisible());
    // With the focus in a spin editor of the map, as it mostly is.
    QApplication::setActiveWindow(window.get());
    window->findChild<QWidget *>(QStringLiteral("GroupBoxMap"))->findChild<QLineEdit *>()->setFocus();
    ASSERT_NE(qobject_cast<QLineEdit *>(QApplication::focusWidget()), nullptr);
    pressF6(window.get());
    EXPECT_TRUE(item()->isChecked());
    EXPECT_TRUE(view()->isVisible());
    EXPECT_TRUE(view()->isWindow());
    EXPECT_FALSE(view()->isModal());
    pressF6(window.get());
    EXPECT_FALSE(item()->isChecked());
    EXPECT_FALSE(view()->isVisible());

    // Closed by its own frame or by F6 inside it, the item goes off too.
    pressF6(window.get());
    ASSERT_TRUE(view()->isVisible());
    view()->close();
    EXPECT_FALSE(item()->isChecked());
    pressF6(window.get());
    ASSERT_TRUE(view()->isVisible());
    pressF6(view());
    EXPECT_FALSE(view()->isVisible());
    EXPECT_FALSE(item()->isChecked());
}

TEST_F(Window3DViewTest, OpenPlacementAndAngleSurviveARestart)
{
    open();
    pressF6(window.get());
    const QRect placed(60, 50, 600, 460);
    view()->setGeometry(placed);
    QTest::keyClick(surface(), Qt::Key_Left);
    QTest::keyClick(surface(), Qt::Key_Down);
    const maptools::ViewAngle turned = surface()->angle();
    ASSERT_NE(turned, maptools::DefaultViewAngle);
    window->close();
    window.reset();

    open();
    EXPECT_TRUE(item()->isChecked());
    EXPECT_TRUE(view()->isVisible());
    EXPECT_EQ(view()->geometry(), placed);
    EXPECT_EQ(surface()->angle(), turned);

    view()->close();
    window->close();
    window.reset();
    open();
    EXPECT_FALSE(item()->isChecked());
    EXPECT_FALSE(view()->isVisible());
}

TEST_F(Window3DViewTest, ItFollowsThePageOnView)
{
    open();
    item()->trigger();
    struct Case {
        int page;
        QWidget *(*pane)(ui::View3DWindow *);
        std::size_t plots;
    };
    const auto surfacePane = [](ui::View3DWindow *v) -> QWidget * { return v->surface(); };
    const auto plotPane = [](ui::View3DWindow *v) -> QWidget * { return v->plots(); };
    const auto notePane = [](ui::View3DWindow *v) -> QWidget * { return v->note(); };
    for (const Case c : {Case{pages::Inj14APage, surfacePane, 0}, Case{pages::PolohaPage, plotPane, 1},
                         Case{pages::InjIapPage, surfacePane, 0}, Case{pages::ServoPage, plotPane, 1},
                         Case{pages::RuznePage, notePane, 0}, Case{pages::KorekcePage, plotPane, 2},
                         Case{pages::AdvancePage, surfacePane, 0}, Case{pages::GasPage, notePane, 0}}) {
        SCOPED_TRACE(c.page);
        window->pageControl()->setCurrentIndex(c.page);
        EXPECT_EQ(view()->current(), c.pane(view()));
        if (pages::IsMapPage(static_cast<std::uint8_t>(c.page))) {
            EXPECT_EQ(maptools::PageOf(surface()->content().sheet), c.page);
        }
        if (c.plots != 0) {
            EXPECT_EQ(view()->plots()->plots().size(), c.plots);
        }
        if (view()->current() == view()->note()) {
            EXPECT_FALSE(view()->note()->text().isEmpty());
        }
    }
}

TEST_F(Window3DViewTest, ItRepaintsOnlyWhenTheMapOrTheMarkedPointChanges)
{
    open();
    window->deviceLink().setPort(&port);
    item()->trigger();
    for (int i = 0; i < 3; ++i)
        tickWithFrame(4000);
    ui::test::PaintCounter counter;
    counter.watchTree(view());
    counter.settle();

    for (int i = 0; i < 5; ++i)
        tickWithFrame(4000);
    EXPECT_EQ(counter.paintsAfterFlush(), 0) << "unchanged ticks";

    tickWithFrame(9000);
    EXPECT_EQ(counter.paintsAfterFlush(), 1) << "the operating point moved";
    ASSERT_TRUE(surface()->content().marks.cell.has_value());

    counter.settle();
    model::ConfigImage edited = window->image();
    edited[model::Offset::JetBMap + 7] ^= 1;  // a map not on view
    window->ApplyEdit(QStringLiteral("B"), {}, edited);
    EXPECT_EQ(counter.paintsAfterFlush(), 0) << "another map changed";

    edited[model::Offset::AdvMap + 20] ^= 1;
    window->ApplyEdit(QStringLiteral("cell"), {}, edited);
    EXPECT_EQ(counter.paintsAfterFlush(), 1) << "a cell of the map on view changed";
    window->deviceLink().setPort(nullptr);
}

TEST_F(Window3DViewTest, ArrowKeysTurnTheViewWithOneRepaintEach)
{
    open();
    item()->trigger();
    ui::test::PaintCounter counter;
    counter.watchTree(view());
    const maptools::ViewAngle start = maptools::DefaultViewAngle;
    struct Case {
        Qt::Key key;
        maptools::ViewAngle from;
        maptools::ViewAngle to;
    };
    const int step = ui::MapSurfaceView::AngleStep;
    for (const Case c : {Case{Qt::Key_Left, start, {start.yaw + step, start.pitch}},
                         Case{Qt::Key_Right, start, {start.yaw - step, start.pitch}},
                         Case{Qt::Key_Up, start, {start.yaw, start.pitch - step}},
                         Case{Qt::Key_Down, start, {start.yaw, start.pitch + step}},
                         Case{Qt::Key_Home, {10, 70}, start},
                         Case{Qt::Key_Left, {maptools::MaxYaw, 40}, {maptools::MaxYaw, 40}},
                         Case{Qt::Key_Up, {0, maptools::MinPitch}, {0, maptools::MinPitch}}}) {
        SCOPED_TRACE(testing::Message() << c.key << " from " << c.from.yaw << "/" << c.from.pitch);
        surface()->setAngle(c.from);
        counter.settle();
        QTest::keyClick(surface(), c.key);
        EXPECT_EQ(surface()->angle(), c.to);
        EXPECT_EQ(counter.paintsAfterFlush(), c.to == c.from ? 0 : 1);
    }
}

}  // namespace
}  // namespace korvane::test
