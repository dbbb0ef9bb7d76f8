#include "app/FeatureMenus.h"

#include "app/MainMenu.h"
#include "lang/HistoryTexts.h"
#include "lang/LogTexts.h"
#include "lang/MapToolsTexts.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace korvane::app {

namespace {

using lang::HistoryTextId;
using lang::LogTextId;
using lang::MapText;

QAction *NewItem(QObject *parent, const char *name, const QList<QKeySequence> &shortcuts = {})
{
    auto *action = new QAction(parent);
    action->setObjectName(QLatin1String(name));
    if (!shortcuts.isEmpty()) {
        action->setShortcuts(shortcuts);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    return action;
}

QAction *NewCheckItem(QObject *parent, const char *name, const QList<QKeySequence> &shortcuts = {})
{
    QAction *action = NewItem(parent, name, shortcuts);
    action->setCheckable(true);
    return action;
}

QMenu *NewMenu(QWidget *parent, const char *name)
{
    auto *menu = new QMenu(parent);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

// Inserts action into menu before the item named before, keeping the design's
// separators around it.
void InsertBefore(QMenu *menu, QAction *before, const QList<QAction *> &actions)
{
    for (QAction *action : actions)
        menu->insertAction(before, action);
    menu->insertSeparator(before);
}

QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

FeatureMenus BuildFeatureMenus(QMainWindow &window, const MainMenu &menu)
{
    FeatureMenus f;
    QMenuBar *bar = window.menuBar();

    // File: history and compare after Open, the sheet before Print, replay before Exit.
    f.MenuHistory = NewItem(menu.MenuFile, "MenuHistory", {QKeySequence(Qt::CTRL | Qt::Key_H)});
    f.MenuCompareFile = NewItem(menu.MenuFile, "MenuCompareFile");
    f.MenuCompareUnit = NewItem(menu.MenuFile, "MenuCompareUnit");
    f.MenuExportSheet = NewItem(menu.MenuFile, "MenuExportSheet");
    f.MenuReplayLog = NewItem(menu.MenuFile, "MenuReplayLog");
    InsertBefore(menu.MenuFile, menu.MenuSave, {f.MenuHistory, f.MenuCompareFile, f.MenuCompareUnit});
    InsertBefore(menu.MenuFile, menu.MenuPrint, {f.MenuExportSheet});
    InsertBefore(menu.MenuFile, menu.MenuExit, {f.MenuReplayLog});

    f.MenuEdit = NewMenu(bar, "MenuEdit");
    f.MenuUndo = NewItem(f.MenuEdit, "MenuUndo", {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    f.MenuRedo = NewItem(f.MenuEdit, "MenuRedo",
                         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    f.MenuChangesNotInUnit = NewItem(f.MenuEdit, "MenuChangesNotInUnit");
    f.MenuOptions = NewMenu(f.MenuEdit, "MenuOptions");
    f.MenuBackupBeforeProgram = NewCheckItem(f.MenuOptions, "MenuBackupBeforeProgram");
    f.MenuEdit->addAction(f.MenuUndo);
    f.MenuEdit->addAction(f.MenuRedo);
    f.MenuEdit->addSeparator();
    f.MenuEdit->addAction(f.MenuChangesNotInUnit);
    f.MenuEdit->addSeparator();
    f.MenuEdit->addMenu(f.MenuOptions);
    f.MenuOptions->addAction(f.MenuBackupBeforeProgram);
    bar->insertMenu(menu.MenuCom->menuAction(), f.MenuEdit);

    f.MenuView = NewMenu(bar, "MenuView");
    f.MenuTableEditing = NewCheckItem(f.MenuView, "MenuTableEditing", {QKeySequence(Qt::CTRL | Qt::Key_T)});
    f.MenuCellColours = NewMenu(f.MenuView, "MenuCellColours");
    auto *colourGroup = new QActionGroup(f.MenuCellColours);
    static const char *const colourNames[] = {"MenuColoursOff", "MenuColoursByValue", "MenuColoursHits",
                                              "MenuColoursLambdaAdvice"};
    for (std::size_t i = 0; i < f.MenuColours.size(); ++i) {
        f.MenuColours[i] = NewCheckItem(f.MenuCellColours, colourNames[i]);
        colourGroup->addAction(f.MenuColours[i]);
        f.MenuCellColours->addAction(f.MenuColours[i]);
    }
    f.MenuColours[0]->setChecked(true);
    f.Menu3DMap = NewCheckItem(f.MenuView, "Menu3DMap", {QKeySequence(Qt::Key_F6)});
    f.MenuRecordLiveData = NewCheckItem(f.MenuView, "MenuRecordLiveData");
    f.MenuResetHitCounts = NewItem(f.MenuView, "MenuResetHitCounts");
    f.MenuView->addAction(f.MenuTableEditing);
    f.MenuView->addMenu(f.MenuCellColours);
    f.MenuView->addAction(f.Menu3DMap);
    f.MenuView->addSeparator();
    f.MenuView->addAction(f.MenuRecordLiveData);
    f.MenuView->addAction(f.MenuResetHitCounts);
    bar->insertMenu(menu.MenuLanguage->menuAction(), f.MenuView);

    f.MenuApplyLambdaAdvice = NewItem(menu.MenuTools, "MenuApplyLambdaAdvice");
    menu.MenuTools->addSeparator();
    menu.MenuTools->addAction(f.MenuApplyLambdaAdvice);

    return f;
}

void ApplyFeatureCaptions(const FeatureMenus &f, std::uint8_t language)
{
    const auto history = [language](HistoryTextId id) { return Q(lang::HistoryText(id, language)); };
    const auto maps = [language](MapText id) { return Q(lang::MapToolsText(id, language)); };
    const auto logs = [language](LogTextId id) { return Q(lang::LogText(id, language)); };

    f.MenuHistory->setText(history(HistoryTextId::MenuHistory));
    f.MenuCompareFile->setText(history(HistoryTextId::MenuCompareFile));
    f.MenuCompareUnit->setText(history(HistoryTextId::MenuCompareUnit));
    f.MenuExportSheet->setText(history(HistoryTextId::MenuExportSheet));
    f.MenuReplayLog->setText(logs(LogTextId::ReplayLogMenu));

    f.MenuEdit->setTitle(history(HistoryTextId::MenuEdit));
    f.MenuUndo->setText(history(HistoryTextId::MenuUndo));
    f.MenuRedo->setText(history(HistoryTextId::MenuRedo));
    f.MenuChangesNotInUnit->setText(history(HistoryTextId::MenuChangesNotInUnit));
    f.MenuOptions->setTitle(history(HistoryTextId::MenuOptions));
    f.MenuBackupBeforeProgram->setText(history(HistoryTextId::MenuBackupBeforeProgram));

    f.MenuView->setTitle(maps(MapText::ViewMenu));
    f.MenuTableEditing->setText(maps(MapText::TableEditing));
    f.MenuCellColours->setTitle(maps(MapText::CellColours));
    const MapText colours[] = {MapText::ColoursOff, MapText::ColoursByValue, MapText::ColoursHits,
                               MapText::ColoursLambdaAdvice};
    for (std::size_t i = 0; i < f.MenuColours.size(); ++i)
        f.MenuColours[i]->setText(maps(colours[i]));
    f.Menu3DMap->setText(maps(MapText::Map3D));
    f.MenuRecordLiveData->setText(maps(MapText::RecordLiveData));
    f.MenuResetHitCounts->setText(maps(MapText::ResetHitCounts));

    f.MenuApplyLambdaAdvice->setText(logs(LogTextId::ApplyLambdaAdvice));
}

}  // namespace korvane::app
