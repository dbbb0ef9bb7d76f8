#pragma once

// File > History…: the restore points, newest first, with Open, Compare and
// an editable note. The dialog only shows and asks; its owner loads or
// compares the point it names.

#include "ui/HistoryTableModel.h"

#include <QDialog>

class QPushButton;
class QTableView;

namespace korvane::ui {

class HistoryDialog final : public QDialog {
    Q_OBJECT
public:
    HistoryDialog(std::vector<history::RestorePoint> points, const model::ConfigImage &current, std::uint8_t language,
                  HistoryTableModel::NoteStore storeNote, QWidget *parent = nullptr);

    [[nodiscard]] QTableView *table() const { return m_table; }
    [[nodiscard]] HistoryTableModel *rows() const { return m_model; }
    [[nodiscard]] QPushButton *openButton() const { return m_open; }
    [[nodiscard]] QPushButton *compareButton() const { return m_compare; }
    [[nodiscard]] QPushButton *closeButton() const { return m_close; }
    // The point of the selected row; nullptr when none or when it is unreadable.
    [[nodiscard]] const history::RestorePoint *selectedPoint() const;

signals:
    // Both close the dialog first.
    void openPoint(const korvane::history::RestorePoint &point);
    void comparePoint(const korvane::history::RestorePoint &point);

private:
    void updateButtons();
    void finishWith(void (HistoryDialog::*signal)(const history::RestorePoint &));

    HistoryTableModel *m_model = nullptr;
    QTableView *m_table = nullptr;
    QPushButton *m_open = nullptr;
    QPushButton *m_compare = nullptr;
    QPushButton *m_close = nullptr;
};

}  // namespace korvane::ui
