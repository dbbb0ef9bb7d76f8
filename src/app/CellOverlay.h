#pragma once

// What a feature lays over the cells of a map beyond their values: a
// background, an arrow, a tooltip and a lock. A table view asks per cell as
// it paints and asks again after `changed`. Pages are the map pages (0 the
// advance map .. 4 Inj-IAP), rows and columns as in the image, from 0;
// anything outside them gets nothing.
//
// The ride logs provide two: the hit counts (View > Cell colours > hits) and
// the lambda advice (> lambda advice); see RideLogController::overlay().

#include <QColor>
#include <QObject>
#include <QString>

#include <optional>

namespace korvane::app {

class CellOverlay : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // No value: the cell keeps the table's own background.
    [[nodiscard]] virtual std::optional<QColor> background(int page, int row, int column) const = 0;
    // Black or white, whichever reads better on background(); none with it.
    [[nodiscard]] std::optional<QColor> foreground(int page, int row, int column) const;
    // A mark to draw beside the value so that the meaning survives greyscale
    // ("↑" richer, "↓" leaner); empty for none.
    [[nodiscard]] virtual QString arrow(int page, int row, int column) const = 0;
    [[nodiscard]] virtual QString toolTip(int page, int row, int column) const = 0;

    // Cells the user locked against advice (the table shows them, `L` and
    // the context menu's "Lock cell" toggle them). Only the advised maps
    // (Inj-14A, Inj-23A, Inj-IAP) can be locked.
    [[nodiscard]] virtual bool lockable(int page) const = 0;
    [[nodiscard]] virtual bool locked(int page, int row, int column) const = 0;
    // False when the cell cannot be locked; emits changed otherwise.
    virtual bool toggleLock(int page, int row, int column) = 0;

signals:
    // Something on page may look different; -1: on every page.
    void changed(int page);
};

}  // namespace korvane::app
