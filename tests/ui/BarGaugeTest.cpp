#include "ui/BarGauge.h"
#include "ui/Colours.h"

#include "PaintCounter.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace korvane::ui {
namespace {

TEST(BarGauge, ClampsProgressIntoItsRange)
{
    struct Case {
        int progress;
        int shown;
    };
    for (const Case c : {Case{-5, 0}, Case{0, 0}, Case{57, 57}, Case{100, 100}, Case{150, 100}}) {
        BarGauge gauge(QStringLiteral("CGaugeTest"), 100, Qt::blue);
        gauge.setProgress(c.progress);
        EXPECT_EQ(gauge.progress(), c.shown) << c.progress;
    }

    BarGauge gauge(QStringLiteral("CGaugeTest"), 100, Qt::blue);
    gauge.setProgress(80);
    gauge.setMaximum(11);
    EXPECT_EQ(gauge.progress(), 11) << "a lower maximum pulls the progress down";
}

TEST(BarGauge, RepaintsOnlyWhenProgressOrColourChange)
{
    BarGauge gauge(QStringLiteral("CGaugeTest"), 100, Qt::blue);
    gauge.resize(100, 10);
    gauge.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&gauge));
    test::PaintCounter counter;
    counter.watch(&gauge);
    gauge.setProgress(100);
    counter.settle();

    gauge.setProgress(100);
    gauge.setProgress(150);  // shown as 100 already
    gauge.setForeground(Qt::blue);
    EXPECT_EQ(counter.paintsAfterFlush(), 0);

    gauge.setProgress(-1);
    EXPECT_EQ(counter.paintsAfterFlush(), 1);
    gauge.setProgress(0);  // -1 was shown as 0 already
    EXPECT_EQ(counter.paintsAfterFlush(), 1);

    counter.settle();
    gauge.setForeground(Qt::yellow);
    EXPECT_EQ(counter.paintsAfterFlush(), 1);
}

// Counts palette changes, the trigger of every repaint a colour causes.
class PaletteChanges : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::PaletteChange)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

TEST(Colours, SettingTheSameColourTouchesNothing)
{
    QLabel label;
    PaletteChanges changes;
    label.installEventFilter(&changes);
    const QColor red = ToQColor(link::Colour::Red);

    EXPECT_TRUE(SetBackground(&label, red));
    EXPECT_FALSE(SetBackground(&label, red));
    EXPECT_EQ(changes.count, 1);
    EXPECT_EQ(label.palette().color(label.backgroundRole()), red);
    EXPECT_TRUE(label.autoFillBackground());

    // Normal is no colour of its own: the palette's face comes back.
    EXPECT_FALSE(ToQColor(link::Colour::Normal).isValid());
    EXPECT_TRUE(SetBackground(&label, ToQColor(link::Colour::Normal)));
    EXPECT_FALSE(SetBackground(&label, QColor()));
    EXPECT_EQ(changes.count, 2);
    EXPECT_EQ(label.palette().color(QPalette::Window), QApplication::palette(&label).color(QPalette::Window));

    EXPECT_TRUE(SetForeground(&label, Qt::blue));
    EXPECT_FALSE(SetForeground(&label, Qt::blue));
    EXPECT_EQ(changes.count, 3);

    EXPECT_TRUE(SetLabelText(&label, QStringLiteral("RPM = 0 ")));
    EXPECT_FALSE(SetLabelText(&label, QStringLiteral("RPM = 0 ")));
    QWidget notALabel;
    EXPECT_FALSE(SetLabelText(&notALabel, QStringLiteral("x")));
}

}  // namespace
}  // namespace korvane::ui
