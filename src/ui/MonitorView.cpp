#include "ui/MonitorView.h"

#include "lang/MonitorTexts.h"
#include "ui/BarGauge.h"
#include "ui/Colours.h"

#include <QLabel>
#include <QWidget>

#include <algorithm>

namespace korvane::ui {
namespace {

using Readout = link::MonitorReadout;

struct LabelRow {
    const char *name;
    link::LabelView Readout::*view;
};

// LabelVersion is among them: its text and colour come with every frame,
// its visibility with the tick.
constexpr LabelRow LabelRows[] = {
    {"LabelRpm", &Readout::rpm},
    {"LabelPodtlak", &Readout::iap},
    {"LabelLambda", &Readout::lambda},
    {"LabelTpsMon", &Readout::tps},
    {"LabelMon_Ign", &Readout::advance},
    {"LabelMon_Jet_14A", &Readout::jet14A},
    {"LabelMon_Jet_23A", &Readout::jet23A},
    {"LabelMon_Jet_14B", &Readout::jet14B},
    {"LabelMon_Jet_23B", &Readout::jet23B},
    {"LabelMaxInjProcent", &Readout::maxInjection},
    {"LabelMon_PolohaA", &Readout::positionA},
    {"LabelMon_PolohaB", &Readout::positionB},
    {"LabelTlak", &Readout::manifoldPressure},
    {"LabelVoda", &Readout::coolant},
    {"LabelVzduch", &Readout::air},
    {"LabelNapeti", &Readout::voltage},
    {"LabelServoPoz", &Readout::servoDesired},
    {"LabelServoMer", &Readout::servoMeasured},
    {"LabelBlocking1", &Readout::fallSensor},
    {"LabelBlocking2", &Readout::blocking},
    {"LabelClutchMon", &Readout::clutch},
    {"LabelMonOmez1", &Readout::startLimiter},
    {"LabelTacho_Lambda", &Readout::tachoLambda},
    {"LabelClazeniMon", &Readout::cooling},
    {"LabelN2oEnable", &Readout::n2o},
    {"LabelKorVoda", &Readout::corrCoolant},
    {"LabelKorVzduch", &Readout::corrAir},
    {"LabelKorTlak", &Readout::corrPressure},
    {"LabelKorSytic", &Readout::corrStart},
    {"LabelKorNapeti", &Readout::corrVoltage},
    {"LabelVersion", &Readout::version},
    {"LabelGear", &Readout::gear},
    {"LabelPocetProgramovani", &Readout::programCount},
};

struct GaugeRow {
    const char *name;
    link::GaugeView Readout::*view;
};

constexpr GaugeRow GaugeRows[] = {
    {"CGaugeRpm", &Readout::rpmGauge},
    {"CGaugeLambda", &Readout::lambdaGauge},
    {"CGaugeTps", &Readout::tpsGauge},
    {"CGaugeDuty", &Readout::dutyGauge},
    {"CGaugeVoda", &Readout::coolantGauge},
};

[[nodiscard]] QString FromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void ShowLabel(QWidget *label, const link::LabelView &view)
{
    if (label == nullptr)
        return;
    SetLabelText(label, QString::fromStdString(view.text));
    SetBackground(label, ToQColor(view.colour));
}

}  // namespace

QString MonitorDesignText(std::string_view label)
{
    const auto texts = lang::MonitorDesignTexts();
    const auto row = std::find_if(texts.begin(), texts.end(),
                                   [&](const lang::DesignText &design) { return design.label == label; });
    return row == texts.end() ? QString() : FromView(row->text);
}

MonitorView::MonitorView(QWidget *root)
{
    for (const LabelRow &row : LabelRows)
        m_labels.push_back({root->findChild<QWidget *>(QString::fromLatin1(row.name)), row.view});
    for (const GaugeRow &row : GaugeRows)
        m_gauges.push_back({root->findChild<BarGauge *>(QString::fromLatin1(row.name)), row.view});
    for (std::size_t i = 0; i < m_tests.size(); ++i)
        m_tests[i] = root->findChild<QWidget *>(QStringLiteral("LabelTest%1").arg(i + 1));
    m_n2o = root->findChild<QWidget *>(QStringLiteral("LabelN2oEnable"));
    for (std::string_view name : lang::PlaceholderLabels())
        m_placeholders.emplace_back(name, root->findChild<QWidget *>(FromView(name)));
}

void MonitorView::show(const link::MonitorReadout &readout)
{
    // Shown or hidden before its text is written, as the unit's frame is read.
    if (m_n2o != nullptr && m_n2o->isHidden() == readout.n2oVisible)
        m_n2o->setVisible(readout.n2oVisible);

    for (const LabelSlot &slot : m_labels)
        ShowLabel(slot.label, readout.*slot.view);
    for (std::size_t i = 0; i < m_tests.size(); ++i)
        ShowLabel(m_tests[i], readout.test[i]);

    for (const GaugeSlot &slot : m_gauges) {
        if (slot.gauge == nullptr)
            continue;
        const link::GaugeView &view = readout.*slot.view;
        if (view.colour != link::Colour::Normal)
            slot.gauge->setForeground(ToQColor(view.colour));
        if (view.progress)
            slot.gauge->setProgress(*view.progress);
    }
}

void MonitorView::showPlaceholders(std::uint8_t language)
{
    for (const auto &[name, label] : m_placeholders) {
        if (label == nullptr)
            continue;
        if (const auto text = lang::MonitorPlaceholder(name, language))
            SetLabelText(label, QString::fromStdString(*text));
    }
}

}  // namespace korvane::ui
