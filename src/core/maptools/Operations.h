#pragma once

// The operations of table editing on a rectangle of cells. Each takes the
// image, changes a copy only through SheetEdit (so the editors' take-over
// rules and the Jet 14-23 partner rules hold) and returns the new image; the
// window then normalises it, shows it and records one undo step, as after
// any edit. An operation never half-happens: when it is refused the image
// comes back unchanged.
//
// Rounding, the same everywhere: a result is computed exactly, rounded to the
// nearest multiple of the editor's step (1 on the maps, 5 ° on the positions,
// 20 mV on the servo curve, 100 rpm on an axis), halves away from zero, then
// limited to the editor's range. Each cell the range had to limit counts in
// EditResult::limited ("k cells limited").

#include "maptools/Sheets.h"
#include "model/ConfigImage.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace korvane::maptools {

enum class EditStatus : std::uint8_t {
    Done,            // image holds the result (it may equal the input)
    Locked,          // the table is read-only (Inj-23A while Coupled)
    OutsideSheet,    // the selection, cell or column is not in the table
    InvalidValue,    // a scale that is not a finite percentage
    NotWholeNumber,  // paste: line and field name the first bad field
    DoesNotFit,      // paste: line and field name the first field outside the table
    NothingToPaste,  // paste: the text holds no field at all
};

struct EditResult {
    model::ConfigImage image;
    std::size_t limited = 0;
    EditStatus status = EditStatus::Done;
    std::size_t line = 0;   // paste errors, counted from 1
    std::size_t field = 0;

    [[nodiscard]] bool ok() const { return status == EditStatus::Done; }
};

// The line for the status bar: the error, "k cells limited", or "" after an
// operation that needed no limiting.
[[nodiscard]] std::string StatusText(const EditResult &result, std::uint8_t language);

// Every selected cell becomes value (a typed number is a one-cell Set).
[[nodiscard]] EditResult SetCells(const model::ConfigImage &image, SheetId sheet, const Selection &selection,
                                  int value);

// Every selected cell moves by steps x the editor's step (negative lowers).
// The window's + and - keys give 1 and -1, with Shift 10 and -10.
[[nodiscard]] EditResult AddSteps(const model::ConfigImage &image, SheetId sheet, const Selection &selection,
                                  int steps);

// Every selected cell becomes percent % of itself (103 raises by 3 %);
// percent is taken to 1/1000 %.
[[nodiscard]] EditResult ScaleCells(const model::ConfigImage &image, SheetId sheet, const Selection &selection,
                                    double percent);

// Every selected cell becomes 0.75 x itself + 0.25 x the mean of its 4
// neighbours that exist in the whole table (2 in a corner, 3 on an edge, 1 or
// 2 on a curve), all taken from before the operation. Neighbours outside the
// selection count too, so a smoothed block blends into its surroundings and a
// single cell can be smoothed; only selected cells change.
[[nodiscard]] EditResult SmoothCells(const model::ConfigImage &image, SheetId sheet, const Selection &selection);

// Linear interpolation on the real axes: across by the table's engine-speed
// axis in rpm, down by the row breakpoints in %. One row: between its first
// and last cell; one column: between its top and bottom cell; a rectangle:
// bilinear from its four corners. End and corner cells keep their values;
// a single cell stays as it is. Where the far end's axis value is not greater
// than the near end's, positions count as evenly spaced; an axis point beyond
// an end counts as that end.
[[nodiscard]] EditResult InterpolateCells(const model::ConfigImage &image, SheetId sheet,
                                          const Selection &selection);

// A typed column header: the axis point of column in rpm, to the nearest
// 100 rpm within 300..25000. Rising order is restored by the normalisation
// that follows, as for the spin editors.
[[nodiscard]] EditResult SetAxisPoint(const model::ConfigImage &image, SheetId sheet, std::size_t column, int rpm);

}  // namespace korvane::maptools
