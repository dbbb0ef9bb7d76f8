#include "maptools/SheetEdit.h"

#include <algorithm>

namespace korvane::maptools {

long long RoundHalfAway(long long num, long long den)
{
    if (num < 0) {
        return -RoundHalfAway(-num, den);
    }
    return (2 * num + den) / (2 * den);
}

int Fit(Ratio value, const ValueRange &range, bool &limited)
{
    const long long step = std::max(range.step, 1);
    const long long rounded = step * RoundHalfAway(value.num, value.den * step);
    limited = rounded < range.min || rounded > range.max;
    return static_cast<int>(std::clamp<long long>(rounded, range.min, range.max));
}

SheetEdit::SheetEdit(const model::ConfigImage &image, SheetId sheet)
    : m_image(image), m_sheet(sheet), m_cellRange(CellRange(sheet)), m_axisRange(AxisRange(sheet))
{
    m_editor.SetCurrentPage(PageOf(sheet));
    m_values = m_editor.ShowPage(m_image);
    m_cells = &m_values.at(CellBinding(sheet).control);
    m_axis = &m_values.at(AxisBinding(sheet).control);
}

bool SheetEdit::setCell(CellPos cell, Ratio value)
{
    bool limited = false;
    m_cells[cell.row * ColumnCount + cell.column] = Fit(value, m_cellRange, limited);
    return limited;
}

bool SheetEdit::setAxis(std::size_t column, Ratio value)
{
    bool limited = false;
    m_axis[column] = Fit(value, m_axisRange, limited);
    return limited;
}

model::ConfigImage SheetEdit::result()
{
    model::ConfigImage taken = m_image;
    m_editor.TakePage(taken, m_values);
    return taken;
}

}  // namespace korvane::maptools
