#include "ui/BarGauge.h"
#include "ui/Colours.h"
#include "ui/LiveDataArea.h"
#include "ui/MonitorView.h"

#include "lang/MonitorTexts.h"
#include "link/Frames.h"
#include "link/MonitorDecoder.h"

#include "PaintCounter.h"

#include <QLabel>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <span>

namespace korvane::ui {
namespace {

using link::Frame;

void Put16(Frame &frame, std::size_t at, std::uint16_t value)
{
    frame[at] = static_cast<std::uint8_t>(value & 0xFF);
    frame[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

// A plausible running engine; tests change single bytes.
Frame RunningFrame()
{
    Frame frame{};
    frame[0] = link::MonitorByte;
    Put16(frame, 1, 6000);   // rpm
    Put16(frame, 3, 500);    // manifold pressure raw
    Put16(frame, 5, 1000);   // 100.0 kPa
    Put16(frame, 7, 500);    // intake pressure raw
    Put16(frame, 9, 400);    // throttle raw
    Put16(frame, 11, 150);   // lambda raw
    Put16(frame, 17, 250);   // supply raw: 13.4 V
    Put16(frame, 19, 100);   // injection 14A
    frame[51] = 40;          // throttle %
    frame[53] = 180;         // coolant 80 C
    frame[54] = 125;         // air 25 C
    frame[63] = 1;           // servo in order
    Put16(frame, 93, 1000);  // voltage correction 0
    frame[100] = 0x23;
    frame[101] = link::CheckByte(std::span(frame).first(101));
    return frame;
}

link::MonitorInputs Inputs(bool n2oEnabled = false, std::uint8_t language = 0, bool extended = false)
{
    link::MonitorInputs inputs;
    inputs.ignitionLimiter = 120;
    inputs.servoEnable = 1;
    inputs.n2oEnabled = n2oEnabled;
    inputs.language = language;
    inputs.extendedMonitor = extended;
    return inputs;
}

QLabel *Label(const QWidget &root, const char *name)
{
    auto *label = root.findChild<QLabel *>(QString::fromLatin1(name));
    EXPECT_NE(label, nullptr) << name;
    return label;
}

// The area with the labels of the pages around it, as in the window.
struct Window {
    QWidget root;
    LiveDataArea *area = new LiveDataArea(&root);
    QLabel *programCount = new QLabel(&root);
    Window()
    {
        programCount->setObjectName(QStringLiteral("LabelPocetProgramovani"));
        auto *layout = new QVBoxLayout(&root);
        layout->addWidget(area);
        layout->addWidget(programCount);
    }
};

TEST(LiveDataArea, CarriesEveryMonitorControlWithItsDesign)
{
    LiveDataArea area;
    EXPECT_EQ(area.objectName(), QStringLiteral("LiveDataArea"));
    EXPECT_EQ(area.size(), QSize(1011, 275));

    const QStringList elsewhere{"LabelKorVoda", "LabelKorVzduch", "LabelKorTlak", "LabelKorSytic",
                                "LabelKorNapeti", "LabelPocetProgramovani"};
    for (const lang::DesignText &design : lang::MonitorDesignTexts()) {
        const QString name = QString::fromLatin1(design.label.data(), static_cast<qsizetype>(design.label.size()));
        auto *label = area.findChild<QLabel *>(name);
        if (elsewhere.contains(name)) {
            EXPECT_EQ(label, nullptr) << name.toStdString();
            continue;
        }
        ASSERT_NE(label, nullptr) << name.toStdString();
        EXPECT_EQ(label->text().toStdString(), std::string(design.text));
        EXPECT_TRUE(label->autoFillBackground()) << name.toStdString();
        EXPECT_EQ(label->isHidden(), name.startsWith("LabelTest") || name == "LabelVersion") << name.toStdString();
    }

    struct GaugeCase {
        const char *name;
        link::Colour colour;
    };
    for (const GaugeCase c : {GaugeCase{"CGaugeRpm", link::Colour::Fuchsia}, {"CGaugeLambda", link::Colour::Black},
                              {"CGaugeTps", link::Colour::Desktop}, {"CGaugeDuty", link::Colour::Blue},
                              {"CGaugeVoda", link::Colour::Aqua}}) {
        auto *gauge = area.findChild<BarGauge *>(QString::fromLatin1(c.name));
        ASSERT_NE(gauge, nullptr) << c.name;
        EXPECT_EQ(gauge->maximum(), 100);
        EXPECT_EQ(gauge->foreground(), ToQColor(c.colour)) << c.name;
    }

    QLabel *connection = area.connectionLabel();
    EXPECT_EQ(connection->objectName(), QStringLiteral("LabelSpojeni"));
    EXPECT_EQ(connection->text(), QStringLiteral("No Connection"));
    EXPECT_EQ(connection->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_TRUE(connection->font().bold());
    EXPECT_EQ(area.versionLabel()->palette().color(QPalette::Window), QColor(255, 255, 255));
    EXPECT_EQ(area.versionLabel()->palette().color(QPalette::WindowText), QColor(128, 0, 128));
}

TEST(LiveDataArea, LongestLiveTextsFitWithoutOverlap)
{
    Frame frame{};
    frame[0] = link::MonitorByte;
    for (std::size_t at : {1u, 3u, 5u, 7u, 9u, 11u, 13u, 15u, 29u, 27u, 31u})
        Put16(frame, at, at == 1 ? 25000 : (at == 27 || at == 29 ? 4980 : 1006));
    for (std::size_t i = 0; i < 4; ++i)
        Put16(frame, 19 + 2 * i, 1000);
    for (std::size_t i = 0; i < 8; ++i)
        Put16(frame, 33 + 2 * i, 65535);
    Put16(frame, 71, 60);
    Put16(frame, 81, 720);
    Put16(frame, 83, 720);
    frame[51] = 100;
    frame[52] = 100;
    frame[53] = 250;
    frame[54] = 250;
    frame[97] = 6;
    frame[100] = 0x23;
    for (std::size_t at : {55u, 58u, 59u, 64u, 66u, 70u})
        frame[at] = 1;

    LiveDataArea area;
    MonitorView view(&area);
    const QList<QWidget *> controls = area.findChildren<QWidget *>();
    for (std::uint8_t language = 0; language < 4; ++language) {
        for (bool yes : {false, true}) {
            for (std::size_t at : {55u, 58u, 59u, 64u, 66u, 70u})
                frame[at] = yes ? 1 : 0;
            frame[100] = yes ? 0 : 0x23;  // with the version mismatch message
            view.show(link::DecodeMonitorFrame(frame, Inputs(true, language, true)));
            for (QLabel *label : area.findChildren<QLabel *>()) {
                const int needed = label->fontMetrics().horizontalAdvance(label->text()) + label->indent();
                EXPECT_LE(needed, label->contentsRect().width())
                    << label->objectName().toStdString() << ": " << label->text().toStdString();
            }
        }
    }
    for (QWidget *control : controls) {
        EXPECT_TRUE(area.rect().contains(control->geometry())) << control->objectName().toStdString();
        for (QWidget *other : controls) {
            if (other != control && control->parentWidget() == other->parentWidget()) {
                EXPECT_FALSE(control->geometry().intersects(other->geometry()))
                    << control->objectName().toStdString() << " / " << other->objectName().toStdString();
            }
        }
    }
}

TEST(MonitorView, ShowsReadoutAndRepaintsOnlyWhatChanged)
{
    Window window;
    MonitorView view(&window.root);
    window.root.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window.root));

    Frame frame = RunningFrame();
    frame[53] = 0;  // coolant sensor fault
    frame[101] = link::CheckByte(std::span(frame).first(101));
    const link::MonitorReadout readout = link::DecodeMonitorFrame(frame, Inputs(true));
    view.show(readout);

    QLabel *coolant = Label(*window.area, "LabelVoda");
    EXPECT_EQ(coolant->text(), QStringLiteral("TW= error"));
    EXPECT_EQ(coolant->palette().color(QPalette::Window), QColor(255, 0, 0));
    auto *coolantGauge = window.area->findChild<BarGauge *>(QStringLiteral("CGaugeVoda"));
    EXPECT_EQ(coolantGauge->progress(), 80);
    EXPECT_EQ(coolantGauge->foreground(), QColor(255, 0, 0));
    EXPECT_EQ(Label(*window.area, "LabelRpm")->text(), QStringLiteral("RPM = 6000 "));
    EXPECT_EQ(window.area->findChild<BarGauge *>(QStringLiteral("CGaugeRpm"))->progress(), 50);
    EXPECT_TRUE(Label(*window.area, "LabelN2oEnable")->isVisible());
    EXPECT_EQ(window.programCount->text(), QStringLiteral("Number of Programing= 0"));

    test::PaintCounter counter;
    counter.watchTree(&window.root);
    counter.settle();
    view.show(readout);
    EXPECT_EQ(counter.paintsAfterFlush(), 0) << "an unchanged frame repaints nothing";

    // The sensor recovers: text and colour go back to normal, the rest stays still.
    view.show(link::DecodeMonitorFrame(RunningFrame(), Inputs(false)));
    EXPECT_GT(counter.paintsAfterFlush(), 0);
    EXPECT_EQ(coolant->text(), QStringLiteral("TW= 80 °C"));
    EXPECT_EQ(coolant->palette().color(QPalette::Window), QApplication::palette(coolant).color(QPalette::Window));
    EXPECT_EQ(coolantGauge->foreground(), QColor(0, 255, 255));
    EXPECT_FALSE(Label(*window.area, "LabelN2oEnable")->isVisible());
}

TEST(MonitorView, PlaceholdersFollowTheLanguage)
{
    Window window;
    MonitorView view(&window.root);
    view.show(link::DecodeMonitorFrame(RunningFrame(), Inputs()));
    view.showPlaceholders(1);
    EXPECT_EQ(Label(*window.area, "LabelMon_Ign")->text(), QStringLiteral("Vorzündung= --- [°]"));
    EXPECT_EQ(Label(*window.area, "LabelRpm")->text(), QStringLiteral("RPM = 6000 ")) << "keeps its last value";
    EXPECT_EQ(window.programCount->text().toStdString(),
              *lang::MonitorPlaceholder("LabelPocetProgramovani", 1));
}

}  // namespace
}  // namespace korvane::ui
