#pragma once

// One table of table editing, a map or a curve of the image, as a Qt item
// model: cells in editor units, the horizontal header the table's
// engine-speed axis in rpm, the vertical header the row captions. It reads
// the image only through maptools and never writes it: a typed cell or axis
// point leaves as cellTyped / axisTyped, for the window to apply as an edit.
// refresh() compares with what is on view and reports only what changed, so
// a refresh that finds nothing new repaints nothing.

#include "TrailRings.h"

#include "maptools/Sheets.h"
#include "model/ConfigImage.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QString>
#include <QStringList>

#include <array>
#include <bitset>
#include <functional>
#include <optional>

namespace korvane::ui {

// What a cell shows besides its number. An invalid colour keeps the look of
// the spin editors.
struct CellLook {
    QColor background;
    QColor text;
    QString toolTip;
    QString sign;         // beside the value, e.g. the advice's "↑", so it reads in greyscale
    bool locked = false;  // held back from advice: a small padlock
    friend bool operator==(const CellLook &, const CellLook &) = default;
};
// The look of a cell holding value; one provider per colour mode.
using CellLookProvider = std::function<CellLook(maptools::SheetId sheet, maptools::CellPos cell, int value)>;
// A cell's tooltip where its look has none; asked only as the mouse rests.
using CellToolTipSource = std::function<QString(maptools::SheetId sheet, maptools::CellPos cell)>;

// Cells and axis points that differ from a compared image.
struct CompareMarks {
    std::bitset<model::MapCells> cells;  // row * 15 + column
    std::bitset<maptools::ColumnCount> axis;
    friend bool operator==(const CompareMarks &, const CompareMarks &) = default;
};

class MapTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role {
        MarkRole = Qt::UserRole + 1,  // bool: the live operating point (cells and both headers)
        CompareRole,                  // bool: differs from the compared image (cells and axis)
        SignRole,                     // QString: CellLook::sign
        LockRole,                     // bool: CellLook::locked
        TrailRole,                    // int: the marker's trail, 0..TrailBuckets - 1 or NoTrail
    };

    MapTableModel(const model::ConfigImage &image, maptools::SheetId sheet, QObject *parent = nullptr);

    [[nodiscard]] maptools::SheetId sheet() const { return m_sheet; }
    // Another table of the image: a reset that drops marks and compare marks.
    void setSheet(maptools::SheetId sheet);
    [[nodiscard]] bool readOnly() const { return m_readOnly; }
    [[nodiscard]] int value(maptools::CellPos cell) const { return m_values.at(indexOf(cell)); }
    [[nodiscard]] int axisValue(int column) const { return m_axis.at(static_cast<std::size_t>(column)); }

    // Reads the image again; reports the cells, headers and lock that changed.
    void refresh();
    void setRowCaptions(const QStringList &captions);
    void setLookProvider(CellLookProvider provider);
    void setToolTipSource(CellToolTipSource source) { m_toolTips = std::move(source); }
    // Asks the provider again for every cell, for looks that change while
    // the values stay (hit counts).
    void refreshLooks();
    void setMarks(const maptools::SheetMarks &marks);
    [[nodiscard]] const maptools::SheetMarks &marks() const { return m_marks; }
    void setCompareMarks(const CompareMarks &marks);
    // The trail of the live marker (TrailRings.h), as the grid has it.
    void setTrail(const TrailAges &ages);

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int role) override;

signals:
    void cellTyped(maptools::CellPos cell, int value);
    void axisTyped(int column, int rpm);
    // The marks of a header section changed, not its text. Unlike
    // headerDataChanged this lays nothing out again: the table repaints the
    // section and no more.
    void sectionMarksChanged(Qt::Orientation orientation, int section);

private:
    [[nodiscard]] static std::size_t indexOf(maptools::CellPos cell)
    {
        return cell.row * maptools::ColumnCount + cell.column;
    }
    [[nodiscard]] maptools::CellPos cellAt(std::size_t index) const
    {
        return {index / maptools::ColumnCount, index % maptools::ColumnCount};
    }
    [[nodiscard]] std::size_t cellCount() const;
    [[nodiscard]] CellLook lookOf(std::size_t index) const;
    void cellChanged(std::size_t index, int role);
    void sectionMarked(Qt::Orientation orientation, const std::optional<std::size_t> &section);
    void load();

    const model::ConfigImage &m_image;
    maptools::SheetId m_sheet;
    bool m_readOnly = false;
    std::array<int, model::MapCells> m_values{};
    std::array<int, maptools::ColumnCount> m_axis{};
    std::array<CellLook, model::MapCells> m_looks{};
    CellLookProvider m_lookProvider;
    CellToolTipSource m_toolTips;
    QStringList m_rowCaptions;
    maptools::SheetMarks m_marks;
    CompareMarks m_compare;
    TrailAges m_trail{};
};

}  // namespace korvane::ui
