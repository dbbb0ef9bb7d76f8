// What the parameters and the page on view let the user see.

#include "app/TFormHlav.h"

#include "lang/Texts.h"
#include "pages/Pages.h"
#include "pages/Visibility.h"
#include "ui/Colours.h"
#include "ui/GasSheet.h"
#include "ui/MapGroup.h"
#include "ui/ServoSheet.h"
#include "ui/WidgetState.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

namespace korvane::app {

namespace {

// Built once: this runs after every live-data frame.
const QStringList &RowTexts(bool iapRows)
{
    static const auto build = [](bool iap) {
        QStringList rows;
        for (const std::string_view text : pages::MapRowTexts(iap))
            rows << QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
        return rows;
    };
    static const QStringList throttle = build(false);
    static const QStringList pressure = build(true);
    return iapRows ? pressure : throttle;
}

}  // namespace

void TFormHlav::FindFeatureWidgets()
{
    const auto find = [this](const char *name) {
        auto *widget = findChild<QWidget *>(QLatin1String(name));
        Q_ASSERT(widget != nullptr);
        return widget;
    };
    m_feature.gasGroup = find("GroupBoxGas");
    m_feature.retardGroup = find("GroupBoxRetard");
    m_feature.liveGear = find("LabelGear");
    m_feature.liveServoPoz = find("LabelServoPoz");
    m_feature.liveServoMer = find("LabelServoMer");
    m_feature.tempDisplay = find("CheckBoxTempDisplay");
    m_feature.gearDisplay = find("CheckBoxGearDisplay");
}

void TFormHlav::UpdateVisibility()
{
    const std::uint8_t page = m_editor.CurrentPage();
    const pages::Visibility v = pages::DeriveVisibility(m_image, page);

    // "14 = 23" arriving by a read or a file while Inj-23A is on view: bring
    // Inj-14A forward through a page change, which shows it and comes back
    // here, so no take-over writes one map's editors into another.
    if (!v.inj23ATab && m_pageControl->currentIndex() == pages::Inj23APage) {
        m_pageControl->setCurrentIndex(pages::Inj14APage);
        return;
    }

    QAction *const jetItems[] = {m_menu.Menu_Jet123Normal, m_menu.Menu_Jet123Coupled, m_menu.Menu_Jet123Stejny};
    QAction *checked = jetItems[static_cast<int>(v.jetMode)];
    if (!checked->isChecked())
        checked->setChecked(true);
    if (m_pageControl->isTabVisible(pages::Inj23APage) != v.inj23ATab)
        m_pageControl->setTabVisible(pages::Inj23APage, v.inj23ATab);

    ui::SetShown(m_servo->groupBox(), v.servoGroup);
    ui::SetShown(m_feature.gasGroup, v.n2oGroups);
    ui::SetShown(m_feature.retardGroup, v.n2oGroups);
    ui::SetShown(m_servo->gearLabel(), v.gearShown);
    ui::SetEnabled(m_feature.liveGear, v.gearShown);
    ui::SetEnabled(m_servo->enableBox(), v.servoEnableBox);
    ui::SetEnabled(m_feature.liveServoPoz, v.servoLiveLabels);
    ui::SetEnabled(m_feature.liveServoMer, v.servoLiveLabels);
    ui::SetEnabled(m_feature.tempDisplay, v.displayChoices.temperature);
    ui::SetEnabled(m_feature.gearDisplay, v.displayChoices.gear);

    m_mapGroup->setEditable(v.mapEditable);
    m_mapGroup->showJetMode(v.jetModeLabel, QString::fromLatin1(v.jetModeText.data(), v.jetModeText.size()),
                            ui::ToQColor(v.jetModeColour));
    m_mapGroup->setExtraVisible(v.mapExtra);
    if (v.mapExtra)
        m_mapGroup->setExtraCaption(Text(v.mapExtraCaption));
    m_mapGroup->setRowTexts(RowTexts(v.iapRows));

    if (m_pageControl->isTabVisible(pages::LadeniPage) != pages::Visibility::TuningTab)
        m_pageControl->setTabVisible(pages::LadeniPage, pages::Visibility::TuningTab);
}

}  // namespace korvane::app
