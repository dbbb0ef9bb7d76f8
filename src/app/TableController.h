#pragma once

// Table editing in the window. View > Table editing puts a table in place of
// the spin-editor grid of the map pages and of the position and servo curves
// (the grid stays the default and comes back as it was); View > Cell colours
// grades the tables' cells. A table's keys become core operations
// (maptools), each handed to TFormHlav::ApplyEdit as one undo step; what an
// operation limited or refused is shown in the status bar. Both choices are
// kept in the settings group [View].
//
// The live marker outlines its cell and headers in the table; the compare
// work hands over its differences (setCompareMarks), the ride logs their
// colour modes (setLookProvider) and take the L key (lockRequested), the 3D
// view follows selectionChanged.

#include "app/FeatureMenus.h"
#include "app/SettingsGroup.h"
#include "history/ImageDiff.h"
#include "lang/HistoryTexts.h"
#include "lang/MapToolsTexts.h"
#include "maptools/Operations.h"
#include "maptools/Sheets.h"
#include "pages/Marker.h"
#include "pages/Pages.h"
#include "ui/MapTableView.h"

#include <QObject>

#include <array>
#include <functional>
#include <span>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QStatusBar;

namespace korvane::ui {
class MapGroup;
class PolohaSheet;
class ServoSheet;
}  // namespace korvane::ui

namespace korvane::app {

class Dialogs;
class TFormHlav;

class TableController final : public QObject, public SettingsGroup {
    Q_OBJECT
public:
    // The window's parts that the tables stand in for.
    struct Parts {
        std::array<QWidget *, pages::MapPageCount> mapPages{};
        ui::MapGroup *mapGroup = nullptr;
        ui::PolohaSheet *poloha = nullptr;
        ui::ServoSheet *servo = nullptr;
        QStatusBar *statusBar = nullptr;
    };

    TableController(TFormHlav &window, Dialogs &dialogs, const Parts &parts);
    ~TableController() override;

    void loadSettings(const settings::IniFile &ini) override;
    void saveSettings(settings::IniFile &ini) const override;

    [[nodiscard]] bool tableEditing() const { return m_on; }
    [[nodiscard]] CellColourChoice cellColours() const { return m_colours; }

    // Hooks of the window: after ShowPage, after the marker of the page on
    // view changed, after the captions of a language.
    void showPage();
    void showMarker(const pages::Marker &marker);
    void applyLanguage();

    // The table the keyboard works in: the focused one, else the first on
    // the page on view; null outside table mode and on pages without tables.
    [[nodiscard]] ui::MapTableView *activeView() const;
    [[nodiscard]] ui::MapTableView *mapTable() const { return m_views[MapView]; }
    [[nodiscard]] QLabel *legend() const { return m_legend; }

    // The differences of a compare (ImageDiff of the image on view against
    // another); their cells and axis points get a corner mark.
    void setCompareMarks(std::span<const history::DiffEntry> entries);
    // The look of a colour mode beyond "by value"; enables its menu item.
    void setLookProvider(CellColourChoice choice, ui::CellLookProvider provider);
    // The tables whose cells L and the context menu's "Lock cell" may lock;
    // none before this is called.
    void setLockable(std::function<bool(maptools::SheetId)> lockable);
    // Tooltips of the cells in every colour mode (the ride logs' hit counts).
    void setToolTipSource(const ui::CellToolTipSource &source);
    // Asks the provider of the mode on view again (looks that change while
    // the values stay).
    void refreshLooks();

signals:
    void selectionChanged(korvane::maptools::SheetId sheet, korvane::maptools::Selection selection);
    // View > Table editing switched.
    void editingSwitched(bool on);
    // L in a table.
    void lockRequested(korvane::maptools::SheetId sheet, korvane::maptools::Selection selection);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum ViewIndex { MapView, PositionAView, PositionBView, ServoView, ViewCount };

    ui::MapTableView *makeView(maptools::SheetId sheet, QWidget *parent);
    void setTableEditing(bool on);
    void chooseColours(CellColourChoice choice);
    void applyLooks();
    void applyCompareMarks(ui::MapTableView *view) const;
    void placeTables();
    void placeMapTable(std::uint8_t page);
    void placeLegend(std::uint8_t page);
    void showCurveRows(bool shown);
    void updateLockAction();
    // The spin editor of the cell a table was on.
    void focusSpinEditor(maptools::SheetId sheet, maptools::CellPos cell);

    void runCommand(ui::MapTableView *view, ui::TableCommand command, int steps);
    void apply(lang::HistoryTextId label, const std::string &mergeKey, const maptools::EditResult &result);
    void showStatus(const std::string &text);
    [[nodiscard]] QString text(lang::MapText id) const;

    TFormHlav &m_window;
    Dialogs &m_dialogs;
    Parts m_parts;
    std::array<ui::MapTableView *, ViewCount> m_views{};
    QLabel *m_legend = nullptr;
    bool m_on = false;
    bool m_focusOnShow = false;
    CellColourChoice m_colours = CellColourChoice::Off;
    std::array<ui::CellLookProvider, 4> m_providers;
    std::vector<history::DiffEntry> m_compare;
    QAction *m_lockAction = nullptr;
    std::function<bool(maptools::SheetId)> m_lockable;
};

}  // namespace korvane::app
