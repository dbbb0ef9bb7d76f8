// The manual (F1) and the About box.

#include "app/TFormHlav.h"

#include "about/ManualLocation.h"

#include <QAction>

namespace korvane::app {

void TFormHlav::ConnectHelpCommands()
{
    connect(m_menu.MenuContens, &QAction::triggered, this, &TFormHlav::MenuContensClick);
    connect(m_menu.MenuAbout, &QAction::triggered, this, &TFormHlav::MenuAboutClick);
}

void TFormHlav::MenuContensClick()
{
    const QString path = about::FindManual(Text(lang::TextId::ManualFile), about::ManualFolders());
    if (path.isEmpty() || !m_dialogs->openDocument(path)) {
        QueueMessage(Text(lang::TextId::ManualOpenError));
        ShowPendingMessages();
    }
}

void TFormHlav::MenuAboutClick()
{
    m_dialogs->about(this, m_language);
}

}  // namespace korvane::app
