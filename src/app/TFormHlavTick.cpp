// The 55 ms tick, the status display and the port.

#include "app/TFormHlav.h"

#include "app/CompareController.h"
#include "app/LinkEvents.h"
#include "app/UndoController.h"
#include "app/RideLogController.h"

#include "lang/Texts.h"
#include "serial/PortOpener.h"
#include "ui/BarGauge.h"
#include "ui/Colours.h"
#include "ui/LiveDataArea.h"
#include "ui/MonitorView.h"
#include "ui/WidgetState.h"

#include <QAction>
#include <QLabel>

#include <algorithm>

namespace korvane::app {

void TFormHlav::Timer1Timer()
{
    // A message box or dialog opened by a handler runs its own event loop,
    // in which the timer goes on; a tick must not start inside another.
    if (m_inTick)
        return;
    m_inTick = true;
    m_undo->beforeTick();
    m_link.tick();
    // Taken once, for every controller that follows the link.
    const LinkEvents events = LinkEvents::Take(m_link);
    m_undo->afterTick(events);
    m_compare->linkEvents(events);
    ShowMonitor();
    ShowStatus();
    UpdateMarker();
    m_rideLogs->tick();
    m_compare->refresh();
    m_inTick = false;

    for (const lang::TextId id : m_link.takeMessages())
        QueueMessage(Text(id));
    ShowPendingMessages();
}

void TFormHlav::ShowMonitor()
{
    const std::optional<link::MonitorReadout> readout = m_link.takeMonitorReadout();
    if (!readout)
        return;
    m_monitorView->show(*readout);
    m_undo->monitorSeen(readout->numbers.programCount);
    UpdateVisibility();
    m_rideLogs->frameArrived(*readout);
}

void TFormHlav::ShowStatus()
{
    const link::StatusView &status = m_link.status();
    QString text = status.caption.empty() ? Text(status.text) : QString::fromStdString(status.caption);
    if (status.okSuffix)
        text += QStringLiteral(" OK");
    ui::SetLabelText(m_toolBar.LabelHlaseni, text);
    // The dated print header is longer than any status text; it gets the
    // room to the bar's end while it shows, the design width otherwise.
    QLabel *label = m_toolBar.LabelHlaseni;
    int width = ToolBar::StatusWidth;
    if (status.visible && !status.caption.empty() && label->parentWidget() != nullptr)
        width = std::clamp(label->sizeHint().width(), width, std::max(width, label->parentWidget()->width() - label->x()));
    if (label->width() != width)
        label->resize(width, label->height());
    ui::SetBackground(m_toolBar.LabelHlaseni, ui::ToQColor(status.colour));
    ui::SetShown(m_toolBar.LabelHlaseni, status.visible);
    m_toolBar.CGauge->setProgress(status.gauge);
    ui::SetShown(m_toolBar.CGauge, status.gaugeVisible);

    ui::SetShown(m_liveData->connectionLabel(), m_link.noConnectionVisible());
    ui::SetShown(m_liveData->versionLabel(), m_link.versionLabelVisible());
}

void TFormHlav::QueueMessage(const QString &text)
{
    m_pendingMessages.push_back(text);
}

void TFormHlav::ShowPendingMessages()
{
    // One message box at a time; messages raised while it is open follow it.
    if (m_showingMessages)
        return;
    m_showingMessages = true;
    while (!m_pendingMessages.empty()) {
        const QString text = m_pendingMessages.front();
        m_pendingMessages.pop_front();
        m_dialogs->message(this, text);
    }
    m_showingMessages = false;
}

QString TFormHlav::Text(lang::TextId id) const
{
    return QString::fromStdString(lang::MessageText(id, m_language));
}

void TFormHlav::OpenPort()
{
    if (!m_attachDevice.isEmpty())
        m_portMap.attach(m_portNumber, m_attachDevice);
    m_attachDevice.clear();
    const serial::OpenResult result = serial::OpenPort(m_port, m_portMap, m_portNumber);
    m_link.setPort(&m_port);
    if (const std::optional<QString> message = serial::OpenFailureMessage(result, m_language))
        QueueMessage(*message);
}

void TFormHlav::ClosePort()
{
    m_port.ClosePort();
}

void TFormHlav::CheckComMenu()
{
    for (std::size_t i = 0; i < m_menu.MenuComN.size(); ++i)
        m_menu.MenuComN[i]->setChecked(i + 1 == m_portNumber);
}

void TFormHlav::MenuCom1Click(int portNumber)
{
    m_rideLogs->portChanging();
    m_portNumber = static_cast<std::uint8_t>(portNumber);
    CheckComMenu();
    ClosePort();
    OpenPort();
    ShowPendingMessages();
}

void TFormHlav::MenuReadClick()
{
    m_link.MenuReadClick();
    if (m_link.takeFileNameCleared())
        SetFileName(QString());
    ShowStatus();
}

void TFormHlav::MenuVerifyClick()
{
    m_link.MenuVerifyClick();
    ShowStatus();
}

void TFormHlav::MenuProgramClick()
{
    // The backup read comes first; the link takes the page over when it
    // programs. Programming after change never reads first: it would read
    // the unit after every edit.
    if (m_undo->backupBeforeProgram())
        m_link.ProgramWithBackupClick();
    else
        m_link.MenuProgramClick();
    ShowStatus();
}

}  // namespace korvane::app
