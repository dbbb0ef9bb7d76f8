#pragma once

// The menu bar of the main window. Actions carry the names of the window's
// design, so captions and hints can be applied by name.

#include <QList>

#include <array>

class QAction;
class QMainWindow;
class QMenu;

namespace korvane::app {

struct MainMenu {
    QMenu *MenuFile = nullptr;
    QAction *MenuNew = nullptr;
    QAction *MenuOpen = nullptr;
    QAction *MenuSave = nullptr;
    QAction *MenuPrint = nullptr;
    QAction *MenuExit = nullptr;

    QMenu *MenuCom = nullptr;
    std::array<QAction *, 10> MenuComN{};  // MenuCom1 .. MenuCom10

    QMenu *MenuDevice = nullptr;
    QAction *MenuRead = nullptr;
    QAction *MenuVerify = nullptr;
    QAction *MenuProgram = nullptr;

    QMenu *Menu_Jet123Mode = nullptr;
    QAction *Menu_Jet123Normal = nullptr;
    QAction *Menu_Jet123Coupled = nullptr;
    QAction *Menu_Jet123Stejny = nullptr;

    QMenu *MenuTools = nullptr;
    QAction *MenuToolsMinus = nullptr;
    QAction *MenuToolsPlus = nullptr;

    QMenu *MenuLanguage = nullptr;
    std::array<QAction *, 4> MenuLanguages{};  // MenuEnglish, MenuGerman, MenuFrench, MenuCzech

    QMenu *MenuHelp = nullptr;
    QAction *MenuContens = nullptr;
    QAction *MenuAbout = nullptr;
};

// Builds the menus into the window's menu bar with their design captions,
// shortcuts and check marks; connects nothing.
[[nodiscard]] MainMenu BuildMainMenu(QMainWindow &window);

// Alt+letter opens the menu bar's menu before it reaches a button of the
// window with the same letter, in whatever language and with whatever menus
// the bar holds at the moment of the key. Lives as long as the window.
void GiveMenuBarAccessKeysFirst(QMainWindow &window);

}  // namespace korvane::app
