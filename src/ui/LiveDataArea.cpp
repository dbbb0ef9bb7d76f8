#include "ui/LiveDataArea.h"

#include "link/Colour.h"
#include "ui/BarGauge.h"
#include "ui/Colours.h"
#include "ui/MonitorView.h"

#include <QFont>
#include <QLabel>

namespace korvane::ui {
namespace {

constexpr int Margin = 8;
constexpr int Gap = 12;
constexpr int LabelHeight = 20;
constexpr int RowPitch = 22;
constexpr int GaugeHeight = 10;
constexpr int GaugePitch = 14;
constexpr int GaugeMaximum = 100;

// Column widths fit the longest live texts in every language, e.g.
// "Temp de injection 14A= 30000 us" or "Startovací omezovač = ANO".
constexpr int EngineWidth = 205;
constexpr int InjectionWidth = 240;
constexpr int TemperatureWidth = 180;
constexpr int StatusWidth = 210;
constexpr int TestWidth = LiveDataArea::DesignWidth - Margin - 4 * Gap - EngineWidth - InjectionWidth -
                          TemperatureWidth - StatusWidth - Margin;

constexpr int BannerTop = 234;
constexpr int BannerHeight = 32;
// Room between a banner's text and its coloured edge; a longer text widens
// the banner rather than touching it.
constexpr int BannerPadding = 6;
constexpr int ConnectionWidth = 220;
// The version message is long in German and French; it takes the rest of the row.
constexpr int VersionWidth = LiveDataArea::DesignWidth - 2 * Margin - ConnectionWidth - Gap;

const QColor Purple{128, 0, 128};

QFont BannerFont(const QWidget *widget)
{
    QFont font = widget->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.4);
    return font;
}

}  // namespace

LiveDataArea::LiveDataArea(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("LiveDataArea"));
    resize(DesignWidth, DesignHeight);
    setMinimumSize(DesignWidth, DesignHeight);

    Column engine{Margin, EngineWidth, Margin};
    addLabel(engine, "LabelRpm");
    addGauge(engine, "CGaugeRpm", ToQColor(link::Colour::Fuchsia));
    addLabel(engine, "LabelTpsMon");
    addGauge(engine, "CGaugeTps", ToQColor(link::Colour::Desktop));
    addLabel(engine, "LabelLambda");
    addGauge(engine, "CGaugeLambda", ToQColor(link::Colour::Black));
    addLabel(engine, "LabelPodtlak");
    addLabel(engine, "LabelTlak");
    addLabel(engine, "LabelMon_Ign");
    addLabel(engine, "LabelGear");

    Column injection{engine.left + EngineWidth + Gap, InjectionWidth, Margin};
    addLabel(injection, "LabelMon_Jet_14A");
    addLabel(injection, "LabelMon_Jet_23A");
    addLabel(injection, "LabelMon_Jet_14B");
    addLabel(injection, "LabelMon_Jet_23B");
    addLabel(injection, "LabelMaxInjProcent");
    addGauge(injection, "CGaugeDuty", ToQColor(link::Colour::Blue));
    addLabel(injection, "LabelMon_PolohaA");
    addLabel(injection, "LabelMon_PolohaB");
    addLabel(injection, "LabelServoPoz");
    addLabel(injection, "LabelServoMer");

    Column temperature{injection.left + InjectionWidth + Gap, TemperatureWidth, Margin};
    addLabel(temperature, "LabelVoda");
    addGauge(temperature, "CGaugeVoda", ToQColor(link::Colour::Aqua));
    addLabel(temperature, "LabelVzduch");
    addLabel(temperature, "LabelNapeti");

    Column status{temperature.left + TemperatureWidth + Gap, StatusWidth, Margin};
    addLabel(status, "LabelBlocking1");
    addLabel(status, "LabelBlocking2");
    addLabel(status, "LabelClutchMon");
    addLabel(status, "LabelMonOmez1");
    addLabel(status, "LabelTacho_Lambda");
    addLabel(status, "LabelClazeniMon");
    addLabel(status, "LabelN2oEnable");

    Column tests{status.left + StatusWidth + Gap, TestWidth, Margin};
    for (std::size_t i = 0; i < m_tests.size(); ++i) {
        const QByteArray name = "LabelTest" + QByteArray::number(static_cast<int>(i) + 1);
        m_tests[i] = addLabel(tests, name.constData());
        m_tests[i]->hide();
    }

    m_connection = new QLabel(QStringLiteral("No Connection"), this);
    m_connection->setObjectName(QStringLiteral("LabelSpojeni"));
    m_connection->setGeometry(Margin, BannerTop, ConnectionWidth, BannerHeight);
    m_connection->setAlignment(Qt::AlignCenter);
    m_connection->setMargin(BannerPadding);
    m_connection->setFont(BannerFont(this));
    SetBackground(m_connection, ToQColor(link::Colour::Red));

    m_version = new QLabel(this);
    m_version->setObjectName(QStringLiteral("LabelVersion"));
    m_version->setGeometry(Margin + ConnectionWidth + Gap, BannerTop, VersionWidth, BannerHeight);
    m_version->setAlignment(Qt::AlignCenter);
    m_version->setMargin(BannerPadding);
    m_version->setFont(BannerFont(this));
    SetBackground(m_version, ToQColor(link::Colour::White));
    SetForeground(m_version, Purple);
    m_version->hide();
}

void LiveDataArea::setTestLabelsVisible(bool visible)
{
    for (QLabel *label : m_tests)
        label->setVisible(visible);
}

QLabel *LiveDataArea::addLabel(Column &column, const char *name)
{
    auto *label = new QLabel(MonitorDesignText(name), this);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(column.left, column.top, column.width, LabelHeight);
    label->setIndent(3);
    // Warning colours are backgrounds; a label without its own fill would not show them.
    label->setAutoFillBackground(true);
    column.top += RowPitch;
    return label;
}

BarGauge *LiveDataArea::addGauge(Column &column, const char *name, const QColor &foreground)
{
    auto *gauge = new BarGauge(QString::fromLatin1(name), GaugeMaximum, foreground, this);
    // Tucked under the label above it, so that the two read as one.
    column.top -= RowPitch - LabelHeight;
    gauge->setGeometry(column.left + 3, column.top, column.width - 6, GaugeHeight);
    column.top += GaugePitch;
    return gauge;
}

}  // namespace korvane::ui
