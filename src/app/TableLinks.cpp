#include "app/TableLinks.h"

#include "app/CellOverlay.h"
#include "app/CompareController.h"
#include "app/RideLogController.h"
#include "app/TableController.h"
#include "app/View3DController.h"
#include "logs/LambdaAdvisor.h"
#include "pages/Pages.h"

namespace korvane::app {

namespace {

using maptools::SheetId;

bool IsMap(SheetId sheet)
{
    return pages::IsMapPage(maptools::PageOf(sheet));
}

ui::CellLookProvider OverlayLook(const CellOverlay &overlay)
{
    return [&overlay](SheetId sheet, maptools::CellPos cell, int) {
        ui::CellLook look;
        if (!IsMap(sheet))
            return look;
        const int page = maptools::PageOf(sheet);
        const auto row = static_cast<int>(cell.row);
        const auto column = static_cast<int>(cell.column);
        if (const std::optional<QColor> background = overlay.background(page, row, column)) {
            look.background = *background;
            look.text = overlay.foreground(page, row, column).value_or(QColor(Qt::black));
        }
        look.toolTip = overlay.toolTip(page, row, column);
        look.sign = overlay.arrow(page, row, column);
        look.locked = overlay.lockable(page) && overlay.locked(page, row, column);
        return look;
    };
}

}  // namespace

void LinkTable(TableController &table, RideLogController &rideLogs, CompareController &compare,
               View3DController &view3d)
{
    for (const CellColourChoice choice : {CellColourChoice::Hits, CellColourChoice::LambdaAdvice}) {
        const CellOverlay *overlay = rideLogs.overlay(choice);
        table.setLookProvider(choice, OverlayLook(*overlay));
        // Hits change with every frame: only the mode on view asks again.
        QObject::connect(overlay, &CellOverlay::changed, &table, [&table, choice] {
            if (table.cellColours() == choice)
                table.refreshLooks();
        });
    }
    table.setToolTipSource([&rideLogs](SheetId sheet, maptools::CellPos cell) {
        // The map table always shows the page on view, whose tooltips these are.
        return IsMap(sheet) ? rideLogs.cellToolTip(static_cast<int>(cell.row), static_cast<int>(cell.column))
                            : QString();
    });
    table.setLockable([](SheetId sheet) { return IsMap(sheet) && logs::AdvisedPage(maptools::PageOf(sheet)); });
    QObject::connect(&table, &TableController::lockRequested, &rideLogs,
                     [&rideLogs](SheetId sheet, const maptools::Selection &selection) {
                         rideLogs.toggleLocks(maptools::PageOf(sheet), selection);
                     });
    QObject::connect(&compare, &CompareController::changed, &table,
                     [&table, &compare] { table.setCompareMarks(compare.entries()); });
    // The hidden table keeps a selection too; the 3D view shows only the one
    // on view.
    const auto showSelection = [&table, &view3d] {
        const ui::MapTableView *map = table.mapTable();
        view3d.setSelection(table.activeView() == map ? std::optional(map->selection()) : std::nullopt);
    };
    QObject::connect(&table, &TableController::selectionChanged, &view3d, showSelection);
    QObject::connect(&table, &TableController::editingSwitched, &view3d, showSelection);
}

}  // namespace korvane::app
