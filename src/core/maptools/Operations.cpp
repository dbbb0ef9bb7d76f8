#include "maptools/Operations.h"

#include "lang/MapToolsTexts.h"
#include "maptools/SheetEdit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace korvane::maptools {
namespace {

using lang::MapText;

// Refuses what no operation may do: a locked table or a selection outside it.
bool Refused(const model::ConfigImage &image, SheetId sheet, const Selection &selection, EditResult &result)
{
    result.image = image;
    if (IsReadOnly(image, sheet)) {
        result.status = EditStatus::Locked;
    } else if (!Fits(sheet, selection)) {
        result.status = EditStatus::OutsideSheet;
    }
    return !result.ok();
}

// Sets every selected cell to what newValue gives for it, from the values as
// they were before the operation.
template <typename NewValue>
EditResult ForEachCell(const model::ConfigImage &image, SheetId sheet, const Selection &selection,
                       NewValue newValue)
{
    EditResult result;
    if (Refused(image, sheet, selection, result)) {
        return result;
    }
    SheetEdit edit(image, sheet);
    std::vector<std::pair<CellPos, Ratio>> values;
    values.reserve(selection.rows() * selection.columns());
    for (std::size_t row = selection.top; row <= selection.bottom; ++row) {
        for (std::size_t column = selection.left; column <= selection.right; ++column) {
            const CellPos cell{row, column};
            if (const std::optional<Ratio> value = newValue(edit, cell)) {
                values.emplace_back(cell, *value);
            }
        }
    }
    for (const auto &[cell, value] : values) {
        result.limited += edit.setCell(cell, value) ? 1 : 0;
    }
    result.image = edit.result();
    return result;
}

// Where position i lies between the ends first and last: num / den in 0..1.
Ratio AxisWeight(const std::vector<long long> &positions, std::size_t first, std::size_t last, std::size_t i)
{
    if (first == last) {
        return {0, 1};
    }
    const long long near = positions[first];
    const long long far = positions[last];
    if (far <= near) {
        return {static_cast<long long>(i - first), static_cast<long long>(last - first)};
    }
    return {std::clamp(positions[i], near, far) - near, far - near};
}

}  // namespace

std::string StatusText(const EditResult &result, std::uint8_t language)
{
    switch (result.status) {
    case EditStatus::Done:
        return result.limited == 0 ? std::string() : lang::CellsLimitedText(result.limited, language);
    case EditStatus::Locked:
        return std::string(lang::MapToolsText(MapText::MapLockedCoupled, language));
    case EditStatus::NotWholeNumber:
        return lang::PasteErrorText(MapText::PasteNotWholeNumber, result.line, result.field, language);
    case EditStatus::DoesNotFit:
        return lang::PasteErrorText(MapText::PasteDoesNotFit, result.line, result.field, language);
    case EditStatus::NothingToPaste:
        return std::string(lang::MapToolsText(MapText::PasteNothing, language));
    case EditStatus::OutsideSheet:
    case EditStatus::InvalidValue:
        break;  // the window never asks for these; the command line words its own
    }
    return {};
}

EditResult SetCells(const model::ConfigImage &image, SheetId sheet, const Selection &selection, int value)
{
    return ForEachCell(image, sheet, selection,
                       [&](const SheetEdit &, CellPos) { return std::optional<Ratio>({value, 1}); });
}

EditResult AddSteps(const model::ConfigImage &image, SheetId sheet, const Selection &selection, int steps)
{
    const long long delta = static_cast<long long>(steps) * CellRange(sheet).step;
    return ForEachCell(image, sheet, selection, [&](const SheetEdit &edit, CellPos cell) {
        return std::optional<Ratio>({edit.cell(cell) + delta, 1});
    });
}

EditResult ScaleCells(const model::ConfigImage &image, SheetId sheet, const Selection &selection, double percent)
{
    constexpr double Largest = 1e9;  // far beyond any useful scale, small enough to stay exact
    if (!std::isfinite(percent) || std::fabs(percent) > Largest) {
        EditResult result{image};
        result.status = EditStatus::InvalidValue;
        return result;
    }
    const long long thousandths = std::llround(percent * 1000);
    return ForEachCell(image, sheet, selection, [&](const SheetEdit &edit, CellPos cell) {
        return std::optional<Ratio>({edit.cell(cell) * thousandths, 100'000});
    });
}

EditResult SmoothCells(const model::ConfigImage &image, SheetId sheet, const Selection &selection)
{
    const std::size_t rows = RowCount(sheet);
    return ForEachCell(image, sheet, selection, [&](const SheetEdit &edit, CellPos cell) {
        long long sum = 0;
        long long count = 0;
        const auto add = [&](std::size_t row, std::size_t column) {
            sum += edit.cell({row, column});
            ++count;
        };
        if (cell.row > 0) add(cell.row - 1, cell.column);
        if (cell.row + 1 < rows) add(cell.row + 1, cell.column);
        if (cell.column > 0) add(cell.row, cell.column - 1);
        if (cell.column + 1 < ColumnCount) add(cell.row, cell.column + 1);
        // 0.75 v + 0.25 sum / count, kept exact until it is rounded.
        return std::optional<Ratio>({3 * count * edit.cell(cell) + sum, 4 * count});
    });
}

EditResult InterpolateCells(const model::ConfigImage &image, SheetId sheet, const Selection &selection)
{
    std::vector<long long> across(ColumnCount);
    for (std::size_t column = 0; column < ColumnCount; ++column) {
        across[column] = AxisValue(image, sheet, column);
    }
    const std::span<const std::uint8_t> rowPositions = RowPositions(sheet);
    const std::vector<long long> down(rowPositions.begin(), rowPositions.end());

    const std::size_t top = selection.top;
    const std::size_t bottom = selection.bottom;
    const std::size_t left = selection.left;
    const std::size_t right = selection.right;
    return ForEachCell(image, sheet, selection, [&](const SheetEdit &edit, CellPos cell) -> std::optional<Ratio> {
        const bool endRow = cell.row == top || cell.row == bottom;
        const bool endColumn = cell.column == left || cell.column == right;
        if (endRow && endColumn) {
            return std::nullopt;  // the ends and corners give the values
        }
        const Ratio t = AxisWeight(across, left, right, cell.column);
        const Ratio u = AxisWeight(down, top, bottom, cell.row);
        const long long topValue = (t.den - t.num) * edit.cell({top, left}) + t.num * edit.cell({top, right});
        const long long bottomValue =
            (t.den - t.num) * edit.cell({bottom, left}) + t.num * edit.cell({bottom, right});
        return Ratio{(u.den - u.num) * topValue + u.num * bottomValue, t.den * u.den};
    });
}

EditResult SetAxisPoint(const model::ConfigImage &image, SheetId sheet, std::size_t column, int rpm)
{
    EditResult result;
    if (Refused(image, sheet, WholeSheet(sheet), result)) {
        return result;
    }
    if (column >= ColumnCount) {
        result.status = EditStatus::OutsideSheet;
        return result;
    }
    SheetEdit edit(image, sheet);
    result.limited = edit.setAxis(column, {rpm, 1}) ? 1 : 0;
    result.image = edit.result();
    return result;
}

}  // namespace korvane::maptools
