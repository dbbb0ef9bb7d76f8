// The manual (F1) and the About box.

#include "app/TFormHlav.h"

#include <QAction>

namespace korvane::app {

void TFormHlav::ConnectHelpCommands()
{
    m_menu.MenuContens->setEnabled(false);
    m_menu.MenuAbout->setEnabled(false);
}

}  // namespace korvane::app
