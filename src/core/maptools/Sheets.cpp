#include "maptools/Sheets.h"

#include "pages/EditingTools.h"
#include "pages/Pages.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

namespace korvane::maptools {
namespace {

struct SheetLayout {
    std::uint8_t page;
    std::string_view cellControl;
    std::string_view axisControl;
};

constexpr std::array<SheetLayout, SheetCount> Layouts{{
    {pages::AdvancePage, "UpDownMapCell", "UpDownMapRpm"},
    {pages::Inj14APage, "UpDownMapCell", "UpDownMapRpm"},
    {pages::Inj23APage, "UpDownMapCell", "UpDownMapRpm"},
    {pages::InjBPage, "UpDownMapCell", "UpDownMapRpm"},
    {pages::InjIapPage, "UpDownMapCell", "UpDownMapRpm"},
    {pages::PolohaPage, "UpDownPolohaA_Deg", "UpDownPolohaA_Rpm"},
    {pages::PolohaPage, "UpDownPolohaB_Deg", "UpDownPolohaB_Rpm"},
    {pages::ServoPage, "UpDownServo_mV", "UpDownServo_Rpm"},
}};

constexpr std::array<std::uint8_t, 1> CurveRow{0};

const SheetLayout &LayoutOf(SheetId sheet) { return Layouts.at(static_cast<std::size_t>(sheet)); }

bool IsMap(SheetId sheet) { return pages::IsMapPage(LayoutOf(sheet).page); }

struct Resolved {
    const pages::EditorBinding *cell;
    const pages::EditorBinding *axis;
};

const pages::EditorBinding &Find(std::uint8_t page, std::string_view control)
{
    const pages::EditorBinding *binding = pages::FindBinding(page, control);
    if (binding == nullptr) {
        throw std::logic_error("no binding " + std::string(control));
    }
    return *binding;
}

const Resolved &ResolvedOf(SheetId sheet)
{
    static const std::array<Resolved, SheetCount> resolved = [] {
        std::array<Resolved, SheetCount> table{};
        for (std::size_t i = 0; i < SheetCount; ++i) {
            table[i] = {&Find(Layouts[i].page, Layouts[i].cellControl), &Find(Layouts[i].page, Layouts[i].axisControl)};
        }
        return table;
    }();
    return resolved.at(static_cast<std::size_t>(sheet));
}

ValueRange RangeOf(const pages::EditorBinding &binding) { return {binding.min, binding.max, binding.step}; }

}  // namespace

Selection Selection::Spanning(CellPos a, CellPos b)
{
    return {std::min(a.row, b.row), std::min(a.column, b.column), std::max(a.row, b.row),
            std::max(a.column, b.column)};
}

std::span<const SheetId> SheetsOfPage(std::uint8_t page)
{
    const std::span<const SheetId> all(AllSheets);
    if (pages::IsMapPage(page)) {
        return all.subspan(page, 1);
    }
    if (page == pages::PolohaPage) {
        return all.subspan(static_cast<std::size_t>(SheetId::PositionA), 2);
    }
    if (page == pages::ServoPage) {
        return all.subspan(static_cast<std::size_t>(SheetId::Servo), 1);
    }
    return {};
}

std::uint8_t PageOf(SheetId sheet) { return LayoutOf(sheet).page; }

std::size_t RowCount(SheetId sheet) { return IsMap(sheet) ? model::MapRows : 1; }

Selection WholeSheet(SheetId sheet) { return {0, 0, RowCount(sheet) - 1, ColumnCount - 1}; }

bool Fits(SheetId sheet, const Selection &selection)
{
    return selection.top <= selection.bottom && selection.left <= selection.right &&
           selection.bottom < RowCount(sheet) && selection.right < ColumnCount;
}

const pages::EditorBinding &CellBinding(SheetId sheet) { return *ResolvedOf(sheet).cell; }
const pages::EditorBinding &AxisBinding(SheetId sheet) { return *ResolvedOf(sheet).axis; }
ValueRange CellRange(SheetId sheet) { return RangeOf(CellBinding(sheet)); }
ValueRange AxisRange(SheetId sheet) { return RangeOf(AxisBinding(sheet)); }

int CellValue(const model::ConfigImage &image, SheetId sheet, CellPos cell)
{
    const pages::EditorBinding &binding = CellBinding(sheet);
    return pages::ImageToEditor(binding, image[binding.offset + cell.row * ColumnCount + cell.column]);
}

int AxisValue(const model::ConfigImage &image, SheetId sheet, std::size_t column)
{
    const pages::EditorBinding &binding = AxisBinding(sheet);
    return pages::ImageToEditor(binding, image[binding.offset + column]);
}

std::span<const std::uint8_t> RowPositions(SheetId sheet)
{
    if (!IsMap(sheet)) {
        return CurveRow;
    }
    return sheet == SheetId::InjIap ? std::span<const std::uint8_t>(pages::IapBreakpoints)
                                    : std::span<const std::uint8_t>(pages::TpsBreakpoints);
}

bool IsReadOnly(const model::ConfigImage &image, SheetId sheet) { return pages::MapLocked(image, PageOf(sheet)); }

SheetMarks MarksOf(const pages::Marker &marker, SheetId sheet)
{
    SheetMarks marks;
    std::optional<std::uint8_t> column;
    switch (sheet) {
    case SheetId::PositionA:
        column = marker.polohaAColumn;
        break;
    case SheetId::PositionB:
        column = marker.polohaBColumn;
        break;
    case SheetId::Servo:
        column = marker.servoColumn;
        break;
    default:
        if (marker.cell) {
            marks.cell = CellPos{marker.cell->row, marker.cell->column};
        }
        marks.axisColumn = marker.axisColumn;
        marks.rowHeader = marker.rowLabel;
        return marks;
    }
    if (column) {
        marks.cell = CellPos{0, *column};
        marks.axisColumn = *column;
    }
    return marks;
}

}  // namespace korvane::maptools
