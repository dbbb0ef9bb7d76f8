#pragma once

// The menus and items of the safety net, the table view and the ride logs:
// the Edit and View menus and the new items of File and Tools. Built once
// beside the design's menus, connected by the controllers that own them.

#include <QString>

#include <array>
#include <cstdint>

class QAction;
class QMainWindow;
class QMenu;

namespace korvane::app {

struct MainMenu;

struct FeatureMenus {
    // File, among the design's items.
    QAction *MenuHistory = nullptr;        // Ctrl+H
    QAction *MenuCompareFile = nullptr;
    QAction *MenuCompareUnit = nullptr;
    QAction *MenuExportSheet = nullptr;
    QAction *MenuReplayLog = nullptr;

    // Edit, between File and Com.
    QMenu *MenuEdit = nullptr;
    QAction *MenuUndo = nullptr;           // Ctrl+Z
    QAction *MenuRedo = nullptr;           // Ctrl+Y, Ctrl+Shift+Z
    QAction *MenuChangesNotInUnit = nullptr;
    QMenu *MenuOptions = nullptr;
    QAction *MenuBackupBeforeProgram = nullptr;  // checkable, kept in [History]

    // View, between Tools and Language.
    QMenu *MenuView = nullptr;
    QAction *MenuTableEditing = nullptr;   // Ctrl+T, checkable, kept in [View]
    QMenu *MenuCellColours = nullptr;
    std::array<QAction *, 4> MenuColours{};  // off, by value, hits, lambda advice; exclusive
    QAction *Menu3DMap = nullptr;          // F6, checkable
    QAction *MenuRecordLiveData = nullptr; // checkable, kept in [Logs]
    QAction *MenuResetHitCounts = nullptr;

    // Tools, after the design's items.
    QAction *MenuApplyLambdaAdvice = nullptr;
};

enum class CellColourChoice : std::uint8_t { Off = 0, ByValue = 1, Hits = 2, LambdaAdvice = 3 };

// Adds the menus to the window's menu bar around those of menu.
[[nodiscard]] FeatureMenus BuildFeatureMenus(QMainWindow &window, const MainMenu &menu);

// Captions in language; Undo and Redo get their bare texts (their owner adds
// the step's label after).
void ApplyFeatureCaptions(const FeatureMenus &menus, std::uint8_t language);

}  // namespace korvane::app
