#include "KorekceSheet.h"

#include "EditorRegistry.h"
#include "GestureSink.h"

#include <QGroupBox>
#include <QLabel>

namespace korvane::ui {

namespace {

constexpr auto Form = NumericEditor::Origin::Form;

// Starting corrections: a row of time points over a row of corrections.
constexpr int StartColumnLeft = 180;
constexpr int StartColumnPitch = 66;
constexpr int StartTimeTop = 24;
constexpr int StartCorrectionTop = 58;

// A fixed value standing where an edit would, its text where the edit's text is.
QLabel *AddValueLabel(QWidget *parent, const QString &name, const QString &text, int editLeft, int editTop)
{
    QLabel *label = AddLabel(parent, name, text, editLeft + 4, editTop);
    label->move(label->x(), editTop + (NumericEditor::RowHeight - label->height()) / 2);
    return label;
}

std::string Control(const QString &name)
{
    return (QStringLiteral("UpDown") + name).toStdString();
}

}  // namespace

KorekceSheet::KorekceSheet(GestureSink &sink, EditorRegistry &registry, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet_Korekce"));
    buildStartGroup(sink, registry);
    buildInjectionGroups(sink, registry);
    buildTemperatureGroup(sink, registry);
    buildLiveLabels();
}

void KorekceSheet::buildStartGroup(GestureSink &sink, EditorRegistry &registry)
{
    QGroupBox *group = AddGroup(this, QStringLiteral("GroupBoxSytic"), QStringLiteral("Starting Corrections"),
                                QRect(8, 6, 520, 92));
    AddLabel(group, QStringLiteral("LabelSyticCas"), QStringLiteral("Time [s]"), 10, StartTimeTop + 3,
             StartColumnLeft - 16);
    AddLabel(group, QStringLiteral("LabelSyticKorekce"), QStringLiteral("Corrections for -10°C [%]"), 10,
             StartCorrectionTop + 3, StartColumnLeft - 16);

    auto columnLeft = [](int column) { return StartColumnLeft + StartColumnPitch * column; };
    m_startTimeZero = AddValueLabel(group, QStringLiteral("LabelSyticCas0"), QStringLiteral("0"), columnLeft(0),
                                    StartTimeTop);
    for (int k = 1; k <= StartSteps; ++k) {
        const QString name = QStringLiteral("SyticCas") + QString::number(k);
        m_startTimes.append(AddEditor(group, name, Form, columnLeft(k), StartTimeTop, sink, registry, Control(name)));
    }
    for (int k = 0; k < StartSteps; ++k) {
        const QString name = QStringLiteral("SyticKorekce") + QString::number(k);
        m_startCorrections.append(
            AddEditor(group, name, Form, columnLeft(k), StartCorrectionTop, sink, registry, Control(name)));
    }
    m_lastCorrection = AddValueLabel(group, QStringLiteral("LabelSyticKorekce4"), QStringLiteral("100"),
                                     columnLeft(StartSteps), StartCorrectionTop);
}

void KorekceSheet::buildInjectionGroups(GestureSink &sink, EditorRegistry &registry)
{
    QGroupBox *akcel = AddGroup(this, QStringLiteral("GroupBoxAkcel"), QStringLiteral("Acceleration Injection"),
                                QRect(8, 106, 300, 92));
    AddLabel(akcel, QStringLiteral("LabelAkcelPrah"), QStringLiteral("Threshold [%/s]"), 10, 27, 150);
    m_akcelPrah = AddEditor(akcel, QStringLiteral("AkcelPrah"), Form, 180, 24, sink, registry, "UpDownAkcelPrah");
    AddLabel(akcel, QStringLiteral("LabelAkcelJet"), QStringLiteral("Size [us]"), 10, 61, 150);
    m_akcelJet = AddEditor(akcel, QStringLiteral("AkcelJet"), Form, 180, 58, sink, registry, "UpDownAkcelJet");

    QGroupBox *start = AddGroup(this, QStringLiteral("GroupBoxStartJet"), QStringLiteral("Start Injection"),
                                QRect(316, 106, 212, 92));
    AddLabel(start, QStringLiteral("LabelStartJet"), QStringLiteral("[ms]"), 10, 27, 80);
    m_startJet = AddEditor(start, QStringLiteral("StartJet"), Form, 100, 24, sink, registry, "UpDownStartJet");
}

void KorekceSheet::buildTemperatureGroup(GestureSink &sink, EditorRegistry &registry)
{
    QGroupBox *group = AddGroup(this, QStringLiteral("GroupBoxVodaVzduch"), QStringLiteral("Temperature Corrections"),
                                QRect(540, 6, 250, 258));
    AddLabel(group, QStringLiteral("LabelVoda2"), QStringLiteral("Coolant"), 85, 42, 78);
    AddLabel(group, QStringLiteral("LabelVzduch2"), QStringLiteral("Inlet Air"), 165, 42, 78);
    const char *const temperatures[TemperatureRows] = {"-10 °C", "20 °C", "50 °C", "80 °C", "110 °C"};
    for (int k = 0; k < TemperatureRows; ++k) {
        const int top = 65 + 39 * k;
        QLabel *label = AddLabel(group, QStringLiteral("LabelKorTeplota") + QString::number(k),
                                 QString::fromUtf8(temperatures[k]), 8, top, 68);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->move(label->x(), top + (NumericEditor::RowHeight - label->height()) / 2);
    }
    for (int k = 0; k < TemperatureRows; ++k) {
        m_voda.append(AddEditor(group, QStringLiteral("KorVoda") + QString::number(k), NumericEditor::Origin::BuiltInCode,
                                85, 65 + 39 * k, sink, registry, "UpDownKorVoda"));
    }
    for (int k = 0; k < TemperatureRows; ++k) {
        m_vzduch.append(AddEditor(group, QStringLiteral("KorVzduch") + QString::number(k),
                                  NumericEditor::Origin::BuiltInCode, 165, 65 + 39 * k, sink, registry,
                                  "UpDownKorVzduch"));
    }
}

void KorekceSheet::buildLiveLabels()
{
    const struct {
        const char *name;
        const char *text;
        QLabel *KorekceSheet::*member;
    } live[] = {
        {"LabelKorSytic", "Starting corr.= -- [%]", &KorekceSheet::m_liveSytic},
        {"LabelKorNapeti", "U correction= -- [us]", &KorekceSheet::m_liveNapeti},
        {"LabelKorVoda", "TW correction= -- [%]", &KorekceSheet::m_liveVoda},
        {"LabelKorVzduch", "AT correction= -- [%]", &KorekceSheet::m_liveVzduch},
        {"LabelKorTlak", "AP correction= -- [%]", &KorekceSheet::m_liveTlak},
    };
    int top = 214;
    for (const auto &row : live) {
        // Wide enough for the values the monitor writes in.
        this->*row.member = AddLabel(this, QString::fromLatin1(row.name), QString::fromLatin1(row.text), 16, top, 300);
        top += 22;
    }
}

}  // namespace korvane::ui
