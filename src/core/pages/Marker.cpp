#include "pages/Marker.h"

#include "pages/Pages.h"

namespace korvane::pages {
namespace {

namespace Offset = model::Offset;

std::span<const std::uint8_t> Axis(const model::ConfigImage &image, std::size_t offset)
{
    return std::span<const std::uint8_t>(image.bytes).subspan(offset, model::CurvePoints);
}

// Rows of -10, 20, 50, 80, 110 degrees; from 125 degrees no row applies.
std::optional<std::uint8_t> TemperatureRow(std::uint8_t temperature)
{
    std::uint8_t k = 0;
    while (k < 5 && temperature >= 105 + 30 * k)
        ++k;
    return k < 5 ? std::optional<std::uint8_t>(k) : std::nullopt;
}

std::uint8_t StartStep(const model::ConfigImage &image, std::uint16_t counter)
{
    const int t2 = 2 * counter;  // tenths of a second, doubled for the midpoints
    const auto point = [&image](int k) { return 10 * image[Offset::StartCorrTime + k - 1]; };
    if (t2 <= point(1))
        return 0;
    std::uint8_t k = 1;
    while (k < 4 && point(k) + point(k + 1) <= t2)
        ++k;
    return k;
}

bool CellMarked(std::uint8_t page, const link::MonitorValues &monitor)
{
    if (monitor.rpm == 0 || monitor.mapMarkerOff != 0)
        return false;
    switch (page) {
    case InjIapPage:
        return monitor.throttleMapsInUse == 0;
    case Inj14APage:
    case Inj23APage:
    case InjBPage:
        return monitor.throttleMapsInUse != 0;
    default:
        return true;
    }
}

}  // namespace

std::uint8_t ColumnSearch(std::span<const std::uint8_t> axis, std::uint16_t rpm)
{
    std::size_t c = 0;
    while (c + 1 < axis.size() && (axis[c] + axis[c + 1]) * 100 <= 2 * static_cast<int>(rpm))
        ++c;
    return static_cast<std::uint8_t>(c);
}

std::uint8_t RowSearch(const std::array<std::uint8_t, 10> &breakpoints, int value)
{
    std::uint8_t r = 0;
    while (r < 9 && breakpoints[r] + breakpoints[r + 1] <= 2 * value)
        ++r;
    return r;
}

Marker ComputeMarker(const model::ConfigImage &image, const link::MonitorValues &monitor, std::uint8_t page)
{
    Marker marker;
    if (IsMapPage(page)) {
        marker.column = ColumnSearch(Axis(image, Offset::AdvRpm + model::CurvePoints * page), monitor.rpm);
        marker.tpsRow = RowSearch(TpsBreakpoints, monitor.throttlePercent);
        marker.iapRow = RowSearch(IapBreakpoints, monitor.iapPercent);
        const std::uint8_t row = page == InjIapPage ? marker.iapRow : marker.tpsRow;
        marker.rowLabel = row;
        if (monitor.rpm != 0)
            marker.axisColumn = marker.column;
        if (CellMarked(page, monitor))
            marker.cell = MapCell{row, marker.column};
        return marker;
    }
    switch (page) {
    case PolohaPage:
        marker.polohaAColumn = ColumnSearch(Axis(image, Offset::PosARpm), monitor.rpm);
        marker.polohaBColumn = ColumnSearch(Axis(image, Offset::PosBRpm), monitor.rpm);
        break;
    case ServoPage:
        marker.servoColumn = ColumnSearch(Axis(image, Offset::ServoRpm), monitor.rpm);
        break;
    case KorekcePage:
        marker.coolantRow = TemperatureRow(monitor.coolantTemp);
        marker.airRow = TemperatureRow(monitor.airTemp);
        marker.startStep = StartStep(image, monitor.startTimeCounter);
        break;
    default:
        break;
    }
    return marker;
}

}  // namespace korvane::pages
