#pragma once

// The rows of the History dialog: one restore point per row, newest first,
// as history::ListRestorePoints gives them. The number of differences from
// the current image is counted when a row is first shown, so that a folder
// of a thousand points opens at once.

#include "history/RestorePoints.h"
#include "model/ConfigImage.h"

#include <QAbstractTableModel>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace korvane::ui {

class HistoryTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { TimeColumn, KindColumn, ModelColumn, FirmwareColumn, NoteColumn, DifferencesColumn, FileColumn,
                  ColumnCount };

    // Stores an edited note; false when it could not be written.
    using NoteStore = std::function<bool(const std::filesystem::path &point, const std::string &note)>;

    HistoryTableModel(std::vector<history::RestorePoint> points, const model::ConfigImage &current,
                      std::uint8_t language, NoteStore storeNote, QObject *parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

    [[nodiscard]] const history::RestorePoint &point(int row) const { return m_points.at(static_cast<std::size_t>(row)); }
    // "Read", "Program, confirmed" ... in language.
    [[nodiscard]] static QString KindName(const history::RestorePoint &point, std::uint8_t language);
    // Rows whose differences have been counted so far.
    [[nodiscard]] int countedRows() const;

private:
    [[nodiscard]] QString text(const history::RestorePoint &point, int column, int row) const;
    [[nodiscard]] int differences(int row) const;

    std::vector<history::RestorePoint> m_points;
    model::ConfigImage m_current;
    std::uint8_t m_language;
    NoteStore m_storeNote;
    mutable std::vector<int> m_differences;  // -1 until counted
};

}  // namespace korvane::ui
