// The printout of the window.

#include "app/TFormHlav.h"

#include "print/HeaderText.h"
#include "print/PagePrinter.h"
#include "print/PrintControls.h"
#include "print/PrintLayout.h"
#include "print/WindowPicture.h"
#include "ui/BarGauge.h"
#include "ui/Colours.h"
#include "ui/MapGroup.h"

#include <QAction>
#include <QDateTime>
#include <QLabel>
#include <QTabWidget>
#include <QToolButton>

#include <utility>

namespace korvane::app {

struct TFormHlav::PrintState {
    PrintTarget target = print::PrintOnDefaultPrinter;
    print::PrintLayout layout;
    bool printing = false;
};

void TFormHlav::ConnectPrintCommands()
{
    m_print = std::make_shared<PrintState>();
    connect(m_menu.MenuPrint, &QAction::triggered, this, &TFormHlav::SpeedButtonPrintClick);
    connect(m_toolBar.SpeedButtonPrint, &QToolButton::clicked, this, &TFormHlav::SpeedButtonPrintClick);
}

void TFormHlav::setPrintTarget(PrintTarget target)
{
    m_print->target = std::move(target);
}

bool TFormHlav::printing() const
{
    return m_print->printing;
}

void TFormHlav::SpeedButtonPrintClick()
{
    // A printer dialog of the platform may run events; one printout at a time.
    if (m_print->printing)
        return;

    m_link.ShowPrintHeader(print::PrintHeader(m_language, QDateTime::currentDateTime()).toStdString());
    ShowStatus();

    const QPalette normal = palette();
    QPalette white = normal;
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    m_print->printing = true;
    m_link.setPrinting(true);
    ApplyPrintLayout(true);

    const bool printed = m_print->target && m_print->target(print::ClientAreaPicture(*this));

    // Restored after a failure too: the window must not stay in the look of
    // its printout, with tabs and spin buttons gone.
    setPalette(normal);
    m_print->printing = false;
    m_link.setPrinting(false);
    ApplyPrintLayout(false);
    UpdateVisibility();

    if (!printed) {
        // The header would tell the user the page came out; the error shows
        // in its place, behind the message box too.
        m_link.ShowPrintFailure();
        ShowStatus();
        m_dialogs->message(this, Text(lang::TextId::PrintError));
    }
}

void TFormHlav::ApplyPrintLayout(bool printing)
{
    if (printing) {
        // The header line sits in the tool bar: the bar is emptied around it
        // and the line may take the room of the gauge.
        m_print->layout.hideControls(print::FindPrintHiddenControls(*this, m_registry),
                                     QList<QWidget *>{m_toolBar.LabelHlaseni, m_toolBar.CGauge});
        m_print->layout.hideOtherTabs(*m_pageControl);
        m_print->layout.fitText(*m_toolBar.LabelHlaseni);
        for (int row = 0; row < ui::MapGroup::Rows; ++row)
            ui::SetBackground(m_mapGroup->rowLabel(row), Qt::white);
        return;
    }
    // Tabs and controls get back what they had, so a tab that the parameters
    // or the design hide stays hidden.
    m_print->layout.restore();
    // The row labels carry the operating-point mark; paint it again.
    m_paintedMarker.reset();
    UpdateMarker();
}

}  // namespace korvane::app
