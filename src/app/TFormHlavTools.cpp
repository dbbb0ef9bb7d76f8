// The editing tools and the live operating-point marker.

#include "app/TFormHlav.h"

#include "app/TableController.h"
#include "app/UndoController.h"
#include "app/View3DController.h"
#include "pages/Pages.h"
#include "ui/Colours.h"
#include "ui/KorekceSheet.h"
#include "ui/MapGroup.h"
#include "ui/NumericEditor.h"
#include "ui/PolohaSheet.h"
#include "ui/RuzneSheet.h"
#include "ui/ServoSheet.h"
#include "ui/SpinArrows.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace korvane::app {

namespace {

using Side = ui::PolohaSheet::Side;

const QColor Unmarked;  // the palette's own colour

QColor MarkColour(bool marked)
{
    return marked ? ui::MarkerGreen : Unmarked;
}

bool Is(const std::optional<std::uint8_t> &marked, int index)
{
    return marked && *marked == index;
}

}  // namespace

void TFormHlav::ConnectTools()
{
    const MainMenu &m = m_menu;
    connect(m.MenuToolsMinus, &QAction::triggered, this, &TFormHlav::MenuToolsMinusClick);
    connect(m.MenuToolsPlus, &QAction::triggered, this, &TFormHlav::MenuToolsPlusClick);
    connect(m.Menu_Jet123Normal, &QAction::triggered, this, &TFormHlav::Menu_Jet123NormalClick);
    connect(m.Menu_Jet123Coupled, &QAction::triggered, this, &TFormHlav::Menu_Jet123CoupledClick);
    connect(m.Menu_Jet123Stejny, &QAction::triggered, this, &TFormHlav::Menu_Jet123StejnyClick);

    connect(m_mapGroup, &ui::MapGroup::minusClicked, this, &TFormHlav::MenuToolsMinusClick);
    connect(m_mapGroup, &ui::MapGroup::plusClicked, this, &TFormHlav::MenuToolsPlusClick);
    connect(m_mapGroup, &ui::MapGroup::columnDownClicked, this, &TFormHlav::CSpinButtonDownClick_Uni);
    connect(m_mapGroup, &ui::MapGroup::columnUpClicked, this, &TFormHlav::CSpinButtonUpClick_Uni);

    connect(m_poloha->minusButton(Side::A), &QPushButton::clicked, this, &TFormHlav::ButtonMinusClick_PolohaA);
    connect(m_poloha->plusButton(Side::A), &QPushButton::clicked, this, &TFormHlav::ButtonPlusClick_PolohaA);
    connect(m_poloha->minusButton(Side::B), &QPushButton::clicked, this, &TFormHlav::ButtonMinusClick_PolohaB);
    connect(m_poloha->plusButton(Side::B), &QPushButton::clicked, this, &TFormHlav::ButtonPlusClick_PolohaB);
    connect(m_servo->minusButton(), &QPushButton::clicked, this, &TFormHlav::ButtonMinusClick_Servo);
    connect(m_servo->plusButton(), &QPushButton::clicked, this, &TFormHlav::ButtonPlusClick_Servo);
    connect(m_ruzne->tps0Button(), &QPushButton::clicked, this, &TFormHlav::ButtonTps0Click);
    connect(m_ruzne->tps100Button(), &QPushButton::clicked, this, &TFormHlav::ButtonTps100Click);
}

pages::ToolFlags TFormHlav::toolFlags() const
{
    pages::ToolFlags flags;
    flags.maps = m_editor.allFlags();
    flags.polohaA = m_poloha->allBox(Side::A)->isChecked();
    flags.polohaB = m_poloha->allBox(Side::B)->isChecked();
    flags.servo = m_servo->allBox()->isChecked();
    return flags;
}

void TFormHlav::MenuToolsMinusClick()
{
    StepOperatingPoint(pages::Step::Minus);
}

void TFormHlav::MenuToolsPlusClick()
{
    StepOperatingPoint(pages::Step::Plus);
}

void TFormHlav::StepOperatingPoint(pages::Step step)
{
    const auto recording = m_undo->record(step == pages::Step::Plus ? UndoGesture::Plus : UndoGesture::Minus);
    const std::uint8_t page = m_editor.CurrentPage();
    // The curve buttons take their page over first; the map tools do not,
    // so a value typed but not taken over gives way to the refresh.
    if (page == pages::PolohaPage || page == pages::ServoPage)
        TakePage();
    if (pages::StepAtOperatingPoint(m_image, page, step, toolFlags(), m_link.monitorValues()))
        RefreshAfterEdit();
}

void TFormHlav::CSpinButtonDownClick_Uni(int column)
{
    const auto step = m_undo->record(UndoGesture::ColumnDown);
    if (pages::StepMapColumn(m_image, m_editor.CurrentPage(), static_cast<std::uint8_t>(column), pages::Step::Minus))
        RefreshAfterEdit();
}

void TFormHlav::CSpinButtonUpClick_Uni(int column)
{
    const auto step = m_undo->record(UndoGesture::ColumnUp);
    if (pages::StepMapColumn(m_image, m_editor.CurrentPage(), static_cast<std::uint8_t>(column), pages::Step::Plus))
        RefreshAfterEdit();
}

void TFormHlav::StepCurve(pages::Curve curve, pages::Step step)
{
    const auto recording = m_undo->record(CurveGesture(curve, step));
    TakePage();
    pages::StepCurveAtOperatingPoint(m_image, curve, step, toolFlags(), m_link.monitorValues());
    RefreshAfterEdit();
}

void TFormHlav::ButtonMinusClick_PolohaA()
{
    StepCurve(pages::Curve::PositionA, pages::Step::Minus);
}

void TFormHlav::ButtonPlusClick_PolohaA()
{
    StepCurve(pages::Curve::PositionA, pages::Step::Plus);
}

void TFormHlav::ButtonMinusClick_PolohaB()
{
    StepCurve(pages::Curve::PositionB, pages::Step::Minus);
}

void TFormHlav::ButtonPlusClick_PolohaB()
{
    StepCurve(pages::Curve::PositionB, pages::Step::Plus);
}

void TFormHlav::ButtonMinusClick_Servo()
{
    StepCurve(pages::Curve::Servo, pages::Step::Minus);
}

void TFormHlav::ButtonPlusClick_Servo()
{
    StepCurve(pages::Curve::Servo, pages::Step::Plus);
}

void TFormHlav::ButtonTps0Click()
{
    const auto step = m_undo->record(UndoGesture::Tps0);
    if (pages::CalibrateTps0(m_image, m_link.monitorValues().throttleMv))
        RefreshAfterEdit();
}

void TFormHlav::ButtonTps100Click()
{
    const auto step = m_undo->record(UndoGesture::Tps100);
    if (pages::CalibrateTps100(m_image, m_link.monitorValues().throttleMv))
        RefreshAfterEdit();
}

void TFormHlav::Menu_Jet123NormalClick()
{
    ChooseJetMode(pages::JetMode::Separate);
}

void TFormHlav::Menu_Jet123CoupledClick()
{
    ChooseJetMode(pages::JetMode::Coupled);
}

void TFormHlav::Menu_Jet123StejnyClick()
{
    ChooseJetMode(pages::JetMode::Equal);
}

void TFormHlav::ChooseJetMode(pages::JetMode mode)
{
    const auto step = m_undo->record(UndoGesture::JetMode);
    m_mapGroup->hide();
    pages::ApplyJetMode(m_image, mode);
    // Like every tool: the copied axis is shown at once, so that the next
    // take-over cannot undo it, and the change is programmed if asked for.
    // "14 = 23" on the Inj-23A page: the refresh hides that tab, which
    // brings Inj-14A forward.
    RefreshAfterEdit();
    if (pages::IsMapPage(m_editor.CurrentPage()))
        m_mapGroup->show();
}

void TFormHlav::UpdateMarker()
{
    const std::uint8_t page = m_editor.CurrentPage();
    const pages::Marker marker = pages::ComputeMarker(m_image, m_link.monitorValues(), page);
    if (m_paintedMarker && m_paintedMarker->first == page && m_paintedMarker->second == marker)
        return;
    PaintMarker(marker);
    m_table->showMarker(marker);
    m_paintedMarker = std::make_pair(page, marker);
    m_view3d->showMarker(marker);
}

void TFormHlav::PaintMarker(const pages::Marker &marker)
{
    // Every group is painted, so a group left behind on another page loses
    // its mark; only colours that change cost a repaint.
    for (int i = 0; i < ui::MapGroup::Columns; ++i)
        m_mapGroup->axis(i)->setEditColour(MarkColour(Is(marker.axisColumn, i)));
    for (int j = 0; j < ui::MapGroup::Rows; ++j) {
        ui::SetBackground(m_mapGroup->rowLabel(j), MarkColour(Is(marker.rowLabel, j)));
        for (int i = 0; i < ui::MapGroup::Columns; ++i) {
            const bool marked = marker.cell && marker.cell->row == j && marker.cell->column == i;
            m_mapGroup->cell(j, i)->setEditColour(MarkColour(marked));
        }
    }
    for (int i = 0; i < ui::MapGroup::Columns; ++i) {
        for (const Side side : {Side::A, Side::B}) {
            const bool marked = Is(side == Side::A ? marker.polohaAColumn : marker.polohaBColumn, i);
            m_poloha->rpmEditor(side, i)->setEditColour(MarkColour(marked));
            m_poloha->degEditor(side, i)->setEditColour(MarkColour(marked));
        }
        m_servo->rpmEditor(i)->setEditColour(MarkColour(Is(marker.servoColumn, i)));
        m_servo->mvEditor(i)->setEditColour(MarkColour(Is(marker.servoColumn, i)));
    }
    for (int k = 0; k < ui::KorekceSheet::TemperatureRows; ++k) {
        m_korekce->korVoda(k)->setEditColour(MarkColour(Is(marker.coolantRow, k)));
        m_korekce->korVzduch(k)->setEditColour(MarkColour(Is(marker.airRow, k)));
    }
    const std::optional<std::uint8_t> step = marker.startStep;
    ui::SetBackground(m_korekce->startTimeZeroLabel(), MarkColour(Is(step, 0)));
    ui::SetBackground(m_korekce->lastStartCorrectionLabel(), MarkColour(Is(step, 4)));
    for (int k = 0; k < ui::KorekceSheet::StartSteps; ++k) {
        m_korekce->startTime(k)->setEditColour(MarkColour(Is(step, k + 1)));
        m_korekce->startCorrection(k)->setEditColour(MarkColour(Is(step, k)));
    }
}

}  // namespace korvane::app
