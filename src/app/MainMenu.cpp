#include "app/MainMenu.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

namespace korvane::app {

namespace {

QMenu *AddMenu(QMainWindow &window, const char *name, const QString &caption)
{
    QMenu *menu = window.menuBar()->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

QAction *AddItem(QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut = {})
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        // The shortcut must work whichever control has the focus.
        action->setShortcutContext(Qt::WindowShortcut);
    }
    return action;
}

QAction *AddCheckItem(QMenu *menu, QActionGroup *group, const char *name, const QString &caption)
{
    QAction *action = AddItem(menu, name, caption);
    action->setCheckable(true);
    group->addAction(action);
    return action;
}

// On the desktop the window was designed for, the menu bar takes Alt+letter
// first. Qt instead calls a menu and a button on the same letter ambiguous and
// only moves the focus between them, so such a button gives its letter up for
// as long as a menu uses it. Captions change with the language and menus may
// be added, so the letters are compared afresh whenever an Alt+key is about
// to be matched, before Qt looks for the shortcut.
class MenuBarFirst final : public QObject {
public:
    explicit MenuBarFirst(QMainWindow &window) : QObject(&window), m_window(window)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ShortcutOverride &&
            static_cast<QKeyEvent *>(event)->modifiers().testFlag(Qt::AltModifier)) {
            const auto *widget = qobject_cast<QWidget *>(watched);
            if (widget != nullptr && widget->window() == &m_window)
                YieldToMenus();
        }
        return false;
    }

private:
    void YieldToMenus()
    {
        QList<QKeySequence> menuKeys;
        for (const QAction *title : m_window.menuBar()->actions()) {
            const QKeySequence key = QKeySequence::mnemonic(title->text());
            if (!key.isEmpty())
                menuKeys << key;
        }
        for (QAbstractButton *button : m_window.findChildren<QAbstractButton *>()) {
            const QKeySequence own = QKeySequence::mnemonic(button->text());
            if (own.isEmpty())
                continue;
            if (menuKeys.contains(own)) {
                if (button->shortcut() == own) {
                    button->setShortcut(QKeySequence());
                    m_yielded << button;
                }
            } else if (m_yielded.contains(button) && button->shortcut().isEmpty()) {
                // The menu that took the letter is gone or renamed.
                button->setShortcut(own);
                m_yielded.removeAll(button);
            }
        }
        m_yielded.removeAll(nullptr);
    }

    QMainWindow &m_window;
    QList<QPointer<QAbstractButton>> m_yielded;
};

}  // namespace

void GiveMenuBarAccessKeysFirst(QMainWindow &window)
{
    new MenuBarFirst(window);
}

MainMenu BuildMainMenu(QMainWindow &window)
{
    MainMenu m;

    m.MenuFile = AddMenu(window, "MenuFile", QStringLiteral("&File"));
    m.MenuNew = AddItem(m.MenuFile, "MenuNew", QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    m.MenuFile->addSeparator();
    m.MenuOpen = AddItem(m.MenuFile, "MenuOpen", QStringLiteral("&Open"), QKeySequence(Qt::Key_F3));
    m.MenuFile->addSeparator();
    m.MenuSave = AddItem(m.MenuFile, "MenuSave", QStringLiteral("&Save"), QKeySequence(Qt::Key_F2));
    m.MenuFile->addSeparator();
    m.MenuPrint = AddItem(m.MenuFile, "MenuPrint", QStringLiteral("&Print"), QKeySequence(Qt::CTRL | Qt::Key_P));
    m.MenuFile->addSeparator();
    m.MenuExit = AddItem(m.MenuFile, "MenuExit", QStringLiteral("E&xit"));

    m.MenuCom = AddMenu(window, "MenuCom", QStringLiteral("&Com"));
    auto *comGroup = new QActionGroup(m.MenuCom);
    for (int n = 1; n <= 10; ++n) {
        // "Com &1" .. "Com 1&0": the last digit is the access key.
        const QString caption = n < 10 ? QStringLiteral("Com &%1").arg(n) : QStringLiteral("Com 1&0");
        const QByteArray name = "MenuCom" + QByteArray::number(n);
        m.MenuComN[static_cast<std::size_t>(n - 1)] = AddCheckItem(m.MenuCom, comGroup, name.constData(), caption);
    }

    m.MenuDevice = AddMenu(window, "MenuDevice", QStringLiteral("&Device"));
    m.MenuRead = AddItem(m.MenuDevice, "MenuRead", QStringLiteral("&Read"), QKeySequence(Qt::Key_F7));
    m.MenuVerify = AddItem(m.MenuDevice, "MenuVerify", QStringLiteral("&Verify"), QKeySequence(Qt::Key_F8));
    m.MenuProgram = AddItem(m.MenuDevice, "MenuProgram", QStringLiteral("&Program"), QKeySequence(Qt::Key_F9));

    m.Menu_Jet123Mode = AddMenu(window, "Menu_Jet123Mode", QStringLiteral("Jet 14-23"));
    auto *jetGroup = new QActionGroup(m.Menu_Jet123Mode);
    m.Menu_Jet123Normal = AddCheckItem(m.Menu_Jet123Mode, jetGroup, "Menu_Jet123Normal", QStringLiteral("Normal"));
    m.Menu_Jet123Coupled = AddCheckItem(m.Menu_Jet123Mode, jetGroup, "Menu_Jet123Coupled", QStringLiteral("Coupled"));
    m.Menu_Jet123Stejny = AddCheckItem(m.Menu_Jet123Mode, jetGroup, "Menu_Jet123Stejny", QStringLiteral("14 = 23"));

    m.MenuTools = AddMenu(window, "MenuTools", QStringLiteral("Tools"));
    m.MenuToolsMinus = AddItem(m.MenuTools, "MenuToolsMinus", QStringLiteral("Minus "), QKeySequence(Qt::Key_F4));
    m.MenuToolsPlus = AddItem(m.MenuTools, "MenuToolsPlus", QStringLiteral("Plus"), QKeySequence(Qt::Key_F5));

    m.MenuLanguage = AddMenu(window, "MenuLanguage", QStringLiteral("&Language"));
    auto *languageGroup = new QActionGroup(m.MenuLanguage);
    m.MenuLanguages[0] = AddCheckItem(m.MenuLanguage, languageGroup, "MenuEnglish", QStringLiteral("&English"));
    m.MenuLanguages[1] = AddCheckItem(m.MenuLanguage, languageGroup, "MenuGerman", QStringLiteral("&German"));
    m.MenuLanguages[2] = AddCheckItem(m.MenuLanguage, languageGroup, "MenuFrench", QStringLiteral("&Français"));
    m.MenuLanguages[3] = AddCheckItem(m.MenuLanguage, languageGroup, "MenuCzech", QStringLiteral("&Czech"));

    m.MenuHelp = AddMenu(window, "MenuHelp", QStringLiteral("&Help"));
    m.MenuContens = AddItem(m.MenuHelp, "MenuContens", QStringLiteral("&Contens"), QKeySequence(Qt::Key_F1));
    m.MenuAbout = AddItem(m.MenuHelp, "MenuAbout", QStringLiteral("&About..."));

    return m;
}

}  // namespace korvane::app
