#pragma once

// The tables of table editing: what a table view shows of a page's editable
// numbers and how to read them. All values are in editor units (degrees,
// raw injection values, rpm, mV), read through the editor bindings, so a
// table shows exactly what the spin editors would show.
//
// Layout, one table per map and per curve:
//   map pages    10 rows x 15 columns; rows are the throttle breakpoints
//                (Inj-IAP: the pressure breakpoints), columns the map's own
//                engine-speed axis, whose 15 points are the editable column
//                headers.
//   curves       1 row x 15 columns: the curve's second row (position angle
//                or servo voltage); the curve's rpm row is the editable column
//                header, like a map's axis. The positions page has two tables
//                (A above B), the servo page one.
// So every table is a grid of cells under an engine-speed axis, and the
// operations treat maps and curves alike. Rows and columns count from 0 here;
// texts for the user (paste errors, the command line) count from 1.
//
// A table model over this folder: SheetsOfPage(CurrentPage) gives its tables;
// rowCount RowCount, columnCount ColumnCount; data CellValue; the horizontal
// header AxisValue, the vertical one RowPositions (the row captions of the
// spin-editor grid); everything read-only while IsReadOnly. Every change -
// setData (SetCells on Selection::Cell), setHeaderData (SetAxisPoint), the
// keys (Operations.h) and paste (ClipboardText.h) - returns an EditResult:
// when ok() the window adopts result.image and runs RefreshAfterEdit (one
// undo step), and shows StatusText in either case. Colours: CellColours.h;
// the green outline: MarksOf(pages::ComputeMarker(...)).

#include "model/ConfigImage.h"
#include "pages/EditorBindings.h"
#include "pages/Marker.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace korvane::maptools {

enum class SheetId : std::uint8_t { Advance, Inj14A, Inj23A, InjB, InjIap, PositionA, PositionB, Servo };
inline constexpr std::size_t SheetCount = 8;
inline constexpr std::array<SheetId, SheetCount> AllSheets{SheetId::Advance,   SheetId::Inj14A,    SheetId::Inj23A,
                                                           SheetId::InjB,      SheetId::InjIap,    SheetId::PositionA,
                                                           SheetId::PositionB, SheetId::Servo};

// The tables on a page in top-to-bottom order: one on a map page, A and B on
// the positions page, one on the servo page, none elsewhere.
[[nodiscard]] std::span<const SheetId> SheetsOfPage(std::uint8_t page);
[[nodiscard]] std::uint8_t PageOf(SheetId sheet);

// An editor's range and step in editor units.
struct ValueRange {
    int min = 0;
    int max = 0;
    int step = 1;
    friend bool operator==(const ValueRange &, const ValueRange &) = default;
};

struct CellPos {
    std::size_t row = 0;
    std::size_t column = 0;
    friend bool operator==(const CellPos &, const CellPos &) = default;
};

// A rectangle of cells, corners included.
struct Selection {
    std::size_t top = 0;
    std::size_t left = 0;
    std::size_t bottom = 0;
    std::size_t right = 0;

    [[nodiscard]] static Selection Cell(CellPos cell) { return {cell.row, cell.column, cell.row, cell.column}; }
    // Any two opposite corners, in any order.
    [[nodiscard]] static Selection Spanning(CellPos a, CellPos b);
    [[nodiscard]] std::size_t rows() const { return bottom - top + 1; }
    [[nodiscard]] std::size_t columns() const { return right - left + 1; }
    [[nodiscard]] bool contains(CellPos cell) const
    {
        return cell.row >= top && cell.row <= bottom && cell.column >= left && cell.column <= right;
    }
    friend bool operator==(const Selection &, const Selection &) = default;
};

[[nodiscard]] std::size_t RowCount(SheetId sheet);                  // 10 or 1
inline constexpr std::size_t ColumnCount = model::MapColumns;      // 15 for every table
[[nodiscard]] Selection WholeSheet(SheetId sheet);
// The selection lies inside the table and top <= bottom, left <= right.
[[nodiscard]] bool Fits(SheetId sheet, const Selection &selection);

// The bindings behind the cells and the column headers.
[[nodiscard]] const pages::EditorBinding &CellBinding(SheetId sheet);
[[nodiscard]] const pages::EditorBinding &AxisBinding(SheetId sheet);
[[nodiscard]] ValueRange CellRange(SheetId sheet);  // e.g. advance 0..60 step 1, positions 0..720 step 5
[[nodiscard]] ValueRange AxisRange(SheetId sheet);  // 300..25000 rpm, step 100

[[nodiscard]] int CellValue(const model::ConfigImage &image, SheetId sheet, CellPos cell);
[[nodiscard]] int AxisValue(const model::ConfigImage &image, SheetId sheet, std::size_t column);

// The position of each row for interpolating down: throttle % or pressure %
// on the maps, a single 0 on a curve.
[[nodiscard]] std::span<const std::uint8_t> RowPositions(SheetId sheet);

// The Coupled mode makes Inj-23A follow Inj-14A: its table takes no edits
// (cells and headers read-only) while the mode lasts.
[[nodiscard]] bool IsReadOnly(const model::ConfigImage &image, SheetId sheet);

// What the live marker paints green in this table, from the marker of the
// page on view (pages::ComputeMarker). On a curve the whole column is marked:
// its header and its cell, as the spin editors mark both rows.
struct SheetMarks {
    std::optional<CellPos> cell;
    std::optional<std::size_t> axisColumn;  // column header
    std::optional<std::size_t> rowHeader;   // row header (maps only)
    friend bool operator==(const SheetMarks &, const SheetMarks &) = default;
};
[[nodiscard]] SheetMarks MarksOf(const pages::Marker &marker, SheetId sheet);

}  // namespace korvane::maptools
