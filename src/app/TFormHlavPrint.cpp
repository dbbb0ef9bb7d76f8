// The printout of the window.

#include "app/TFormHlav.h"

#include <QAction>
#include <QToolButton>

namespace korvane::app {

void TFormHlav::ConnectPrintCommands()
{
    m_menu.MenuPrint->setEnabled(false);
    m_toolBar.SpeedButtonPrint->setEnabled(false);
}

}  // namespace korvane::app
