#pragma once

// The one way table editing writes the image: the table's values go into the
// editor values of its page as the page's spin editors hold them, and the
// page's own take-over writes them. So every operation obeys the same rules
// as typing into the editors: only changed values are written, through the
// bindings; on Inj-14A the Jet 14-23 mode moves the Inj-23A partner by the
// same amount (Coupled) or makes it equal ("14 = 23"); in Coupled mode the
// Inj-23A table takes nothing.

#include "maptools/Sheets.h"
#include "model/ConfigImage.h"
#include "pages/PageEditor.h"

namespace korvane::maptools {

// An exact result num / den (den > 0), rounded only when it is stored.
struct Ratio {
    long long num = 0;
    long long den = 1;
};

// num / den to the nearest whole number, halves away from zero; den > 0.
[[nodiscard]] long long RoundHalfAway(long long num, long long den);

// Rounds value to the nearest multiple of the range's step (halves away from
// zero), then limits it to the range; limited tells whether that was needed.
[[nodiscard]] int Fit(Ratio value, const ValueRange &range, bool &limited);

class SheetEdit {
public:
    SheetEdit(const model::ConfigImage &image, SheetId sheet);
    SheetEdit(const SheetEdit &) = delete;
    SheetEdit &operator=(const SheetEdit &) = delete;

    [[nodiscard]] SheetId sheet() const { return m_sheet; }
    [[nodiscard]] int cell(CellPos cell) const { return m_cells[cell.row * ColumnCount + cell.column]; }
    [[nodiscard]] int axis(std::size_t column) const { return m_axis[column]; }

    // Stores value through Fit; returns whether the range limited it.
    bool setCell(CellPos cell, Ratio value);
    bool setAxis(std::size_t column, Ratio value);

    // The image after the take-over of everything set so far.
    [[nodiscard]] model::ConfigImage result();

private:
    model::ConfigImage m_image;
    SheetId m_sheet;
    ValueRange m_cellRange;
    ValueRange m_axisRange;
    pages::PageEditor m_editor;
    pages::PageValues m_values;
    int *m_cells = nullptr;  // into m_values
    int *m_axis = nullptr;
};

}  // namespace korvane::maptools
