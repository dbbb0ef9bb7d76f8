#include "ui/RuzneSheet.h"

#include "model/BikeTypes.h"
#include "ui/Colours.h"
#include "ui/EditorRegistry.h"
#include "ui/FormControls.h"
#include "ui/GestureSink.h"
#include "ui/MonitorView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace korvane::ui {
namespace {

using Wiring = FormControls::CheckWiring;
constexpr int RowHeight = FormControls::RowHeight;
constexpr int Pitch = 26;
constexpr int BoxPitch = 24;

// Three columns: editors, check boxes, model and unit information.
constexpr int LeftX = 10;
constexpr int LeftWidth = 340;
constexpr int CaptionWidth = 170;
constexpr int EditorX = 190;
constexpr int MiddleX = 365;
constexpr int MiddleWidth = 270;
constexpr int RightX = 650;
constexpr int RightWidth = 340;

constexpr int BikeListItems = 40;
const QColor ProgHnedWarning{255, 0, 0};

constexpr EditorRow LimiterRows[] = {
    {"LabelOmez1", "Omez1", "Start limiter [rpm]"},
    {"LabelOmez2", "Omez2", "Ignition Limiter [rpm]"},
    {"LabelOmez3", "Omez3", "Injection Limiter [rpm]"},
    {"LabelPilotLight", "PilotLight", "Gear Shift Light [rpm]"},
    {"LabelClutchTime", "ClutchTime", "Clutch master time [ms]"},
    {"LabelClutchPause", "ClutchPause", "Clutch master pause [ms]"},
};

struct CheckRow {
    const char *name;
    const char *caption;
    unsigned wiring;
};

// Fall sensor takes no mouse gesture: a click on it waits for the next one.
constexpr CheckRow ActivationRows[] = {
    {"CheckBoxAktBlok1", "Fall sensor", Wiring::EnterKey | Wiring::Registered},
    {"CheckBoxAktClutch", "Clutch master", Wiring::MouseUp | Wiring::EnterKey | Wiring::Registered},
    {"CheckBoxAktRpm", "Tacho/Lambda", Wiring::MouseUp | Wiring::Registered},
    {"CheckBoxAktLimiter1", "Start limiter", Wiring::MouseUp | Wiring::Registered},
    {"CheckBoxAktN2o", "Activation N2O", Wiring::MouseUp | Wiring::EnterKey | Wiring::Registered},
};

constexpr CheckRow DisplayRows[] = {
    {"CheckBoxTempDisplay", "Temperature instead of speed", Wiring::MouseUp | Wiring::EnterKey | Wiring::Registered},
    {"CheckBoxGearDisplay", "Gear instead of servo", Wiring::MouseUp | Wiring::EnterKey | Wiring::Registered},
};

[[nodiscard]] QString Utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

RuzneSheet::RuzneSheet(GestureSink &sink, EditorRegistry &registry, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet_Ruzne"));
    setWindowTitle(QStringLiteral("Other"));
    FormControls form(this, sink, registry);

    // Left column: limiters and the grouped editors.
    int top = 12;
    for (const EditorRow &row : LimiterRows) {
        form.label(this, row.label, QString::fromUtf8(row.caption), {LeftX, top, CaptionWidth, RowHeight});
        form.editor(this, QString::fromLatin1(row.name), {EditorX, top});
        top += Pitch;
    }

    const int inGroupEditorX = EditorX - LeftX;
    auto *cooling = form.group(this, "GroupBoxChlazeni", QStringLiteral("Cooling"), {LeftX, 172, LeftWidth, 52});
    form.label(cooling, "LabelChlazeni", QStringLiteral("[°C]"), {10, 22, 150, RowHeight});
    form.editor(cooling, QStringLiteral("Chlazeni"), {inGroupEditorX, 22});

    auto *tps = form.group(this, "GroupBoxTps", QStringLiteral("TPS"), {LeftX, 230, LeftWidth, 80});
    form.label(tps, "LabelTps0", QStringLiteral("0%  [mV]"), {10, 22, 150, RowHeight});
    form.editor(tps, QStringLiteral("Tps0"), {inGroupEditorX, 22});
    form.label(tps, "LabelTps100", QStringLiteral("100%  [mv]"), {10, 50, 150, RowHeight});
    form.editor(tps, QStringLiteral("Tps100"), {inGroupEditorX, 50});
    m_tps0 = new QPushButton(QStringLiteral("TPS 0 %"), tps);
    m_tps0->setObjectName(QStringLiteral("ButtonTps0"));
    m_tps0->setGeometry(250, 21, 82, 23);
    m_tps100 = new QPushButton(QStringLiteral("TPS 100 %"), tps);
    m_tps100->setObjectName(QStringLiteral("ButtonTps100"));
    m_tps100->setGeometry(250, 49, 82, 23);

    auto *rpm = form.group(this, "GroupBoxRpm", QStringLiteral("RPM"), {LeftX, 316, LeftWidth, 80});
    form.label(rpm, "LabelRpmPulsu", QStringLiteral("Pulses per revolution"), {10, 22, 160, RowHeight});
    form.editor(rpm, QStringLiteral("RpmPulsu"), {inGroupEditorX, 22});
    form.label(rpm, "LabelRpmKorekce", QStringLiteral("Correction"), {10, 50, 160, RowHeight});
    form.editor(rpm, QStringLiteral("RpmKorekce"), {inGroupEditorX, 50});

    // Middle column: check boxes.
    form.checkBox(this, "CheckBoxBlokEnable", QStringLiteral("Blocking enable"), {MiddleX, 12, MiddleWidth, RowHeight},
                  Wiring::MouseUp | Wiring::EnterKey | Wiring::Registered);
    m_progHned = form.checkBox(this, "CheckBoxProgHned", QStringLiteral("Programming after change"),
                               {MiddleX, 38, MiddleWidth, RowHeight}, Wiring::MouseUp);
    m_extMonitor = form.checkBox(this, "CheckBoxExtMonitor", QStringLiteral("Detailed representation"),
                                 {MiddleX, 64, MiddleWidth, RowHeight}, Wiring::MouseUp);

    auto *activation = form.group(this, "GroupBoxActivation", QStringLiteral("Activation by Switch on"),
                                  {MiddleX, 96, MiddleWidth, 150});
    top = 22;
    for (const CheckRow &row : ActivationRows) {
        form.checkBox(activation, row.name, QString::fromUtf8(row.caption), {10, top, MiddleWidth - 20, RowHeight},
                      row.wiring);
        top += BoxPitch;
    }
    auto *display = form.group(this, "GroupBoxDisplay", QStringLiteral("Display on Bike"),
                               {MiddleX, 254, MiddleWidth, 76});
    top = 22;
    for (const CheckRow &row : DisplayRows) {
        form.checkBox(display, row.name, QString::fromUtf8(row.caption), {10, top, MiddleWidth - 20, RowHeight},
                      row.wiring);
        top += BoxPitch;
    }

    // Right column: the model, the unit's firmware and the file.
    form.label(this, "LabelBike", QStringLiteral("Motorbike Type"), {RightX, 12, RightWidth, RowHeight});
    m_bikeList = new QComboBox(this);
    m_bikeList->setObjectName(QStringLiteral("ComboBoxBike"));
    m_bikeList->setGeometry(RightX, 36, 300, 24);
    m_bikeList->setEditable(false);
    m_bikeList->setMaxVisibleItems(BikeListItems);
    for (std::string_view text : model::BikeListTexts())
        m_bikeList->addItem(Utf8(text));
    // activated() is the user's pick only; showing a model never reaches the window.
    connect(m_bikeList, &QComboBox::activated, this, [&sink](int) { sink.ComboBoxBikeChange(); });
    form.takeEnter(m_bikeList);
    registry.addCombo("ComboBoxBike", m_bikeList);

    static constexpr const char *VersionNames[3] = {"LabelVerze1", "LabelVerze2", "LabelVerze3"};
    top = 80;
    for (int i = 0; i < 3; ++i) {
        m_version[i] = form.label(this, VersionNames[i], QString(), {RightX, top, RightWidth, RowHeight});
        top += BoxPitch;
    }
    form.label(this, "LabelPocetProgramovani", MonitorDesignText("LabelPocetProgramovani"),
               {RightX, 164, RightWidth, RowHeight});

    form.label(this, "LabelFile1", QStringLiteral("File:"), {RightX, 200, 40, RowHeight});
    m_name = QStringLiteral("----------");
    m_fileName = form.label(this, "LabelFile2", m_name, {RightX + 44, 200, RightWidth - 44, 63});
    m_fileName->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_fileName->setWordWrap(true);
}

void RuzneSheet::showVersion(const std::optional<model::VersionTexts> &texts)
{
    const model::VersionTexts shown = texts.value_or(model::VersionTexts{});
    SetLabelText(m_version[0], QString::fromStdString(shown.version));
    SetLabelText(m_version[1], QString::fromStdString(shown.date));
    SetLabelText(m_version[2], QString::fromStdString(shown.time));
}

void RuzneSheet::setFileName(const QString &name)
{
    m_name = name;
    SetLabelText(m_fileName, m_modified && !m_name.isEmpty() ? m_name + QLatin1Char('*') : m_name);
}

QString RuzneSheet::fileName() const
{
    return m_name;
}

void RuzneSheet::setFileModified(bool modified)
{
    m_modified = modified;
    setFileName(m_name);
}

void RuzneSheet::paintProgHned()
{
    SetBackground(m_progHned, m_progHned->isChecked() ? ProgHnedWarning : QColor());
}

}  // namespace korvane::ui
