#pragma once

// A map or curve of the image as a table that the keyboard drives like a
// spreadsheet. Arrows move, Shift+arrows and a mouse drag select a rectangle,
// Ctrl+Home goes to the first cell; a digit starts typing a value (Enter
// takes it and moves down, Escape drops it). Up from the first row moves onto
// the engine-speed axis above, whose points are typed the same way (or after
// a double-click on the header); Down or Escape returns to the cells.
//
// The operation keys are not decided here: the view reports them as
// commands, and the window computes, applies and reports each as an edit.
// Window shortcuts (undo, redo, F4, F5) are not claimed, so they keep working
// while the table has the focus.

#include "MapTableModel.h"

#include "maptools/Sheets.h"
#include "model/ConfigImage.h"

#include <QPointer>
#include <QTableView>

#include <optional>

class QLabel;
class QLineEdit;

namespace korvane::ui {

class MapCellDelegate;
class MapTableHeader;

enum class TableCommand {
    AddSteps,     // + and -: steps = 1 or -1; Shift on the keypad, or '_', 10 or -10
    Scale,        // *
    Set,          // =
    Interpolate,  // I
    Smooth,       // S
    Copy,         // Ctrl+C
    Paste,        // Ctrl+V
    Lock,         // L, for the cell locks of the ride logs
    Refused,      // typing into a read-only table
};

class MapTableView : public QTableView {
    Q_OBJECT
public:
    MapTableView(const model::ConfigImage &image, maptools::SheetId sheet, QWidget *parent = nullptr);

    [[nodiscard]] MapTableModel *tableModel() const { return m_model; }
    [[nodiscard]] maptools::SheetId sheet() const { return m_model->sheet(); }
    // Another table of the image; the cursor goes to the first cell.
    void setSheet(maptools::SheetId sheet);

    // The selected rectangle; the current cell when nothing is selected.
    [[nodiscard]] maptools::Selection selection() const;
    [[nodiscard]] maptools::CellPos currentCell() const;
    void selectCells(const maptools::Selection &selection);
    // The axis column the keyboard is on, while it is on the axis.
    [[nodiscard]] std::optional<int> axisCursor() const { return m_axisCursor; }
    void setCornerText(const QString &text);

signals:
    void command(korvane::ui::TableCommand command, int steps);
    void selectedCellsChanged();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void updateGeometries() override;

private:
    [[nodiscard]] static std::optional<std::pair<TableCommand, int>> CommandOf(const QKeyEvent &event);
    void moveTo(int row, int column);
    void axisKey(QKeyEvent *event);
    void setAxisCursor(std::optional<int> column);
    void openAxisEditor(int column, const QString &text);
    void closeAxisEditor(bool take);

    MapTableModel *m_model;
    MapCellDelegate *m_delegate;
    MapTableHeader *m_axisHeader;
    MapTableHeader *m_rowHeader;
    QLabel *m_corner;
    std::optional<int> m_axisCursor;
    QPointer<QLineEdit> m_axisEditor;
    int m_axisEditorColumn = 0;
};

}  // namespace korvane::ui
