#include "pages/EditingTools.h"

#include "pages/Pages.h"

#include <algorithm>

namespace korvane::pages {
namespace {

namespace Offset = model::Offset;

constexpr std::size_t PartnerDistance = Offset::Jet23AMap - Offset::Jet14AMap;

struct Limits {
    std::uint8_t low;
    std::uint8_t high;
};

void StepByte(std::uint8_t &byte, Step step, Limits limits)
{
    if (step == Step::Minus && byte > limits.low)
        --byte;
    else if (step == Step::Plus && byte < limits.high)
        ++byte;
}

// Steps one cell of the map at base and, on Inj-14A, its partner.
void StepCell(model::ConfigImage &image, std::size_t base, JetMode partnerMode, std::size_t k, Step step)
{
    constexpr Limits cellLimits{0, MapCellCeiling};
    std::uint8_t &cell = image[base + k];
    StepByte(cell, step, cellLimits);
    if (partnerMode == JetMode::Coupled)
        StepByte(image[base + PartnerDistance + k], step, cellLimits);
    else if (partnerMode == JetMode::Equal)
        image[base + PartnerDistance + k] = cell;
}

JetMode PartnerMode(const model::ConfigImage &image, std::uint8_t page)
{
    return page == Inj14APage ? JetModeOf(image) : JetMode::Separate;
}

}  // namespace

bool MapLocked(const model::ConfigImage &image, std::uint8_t page)
{
    return page == Inj23APage && JetModeOf(image) == JetMode::Coupled;
}

bool StepMap(model::ConfigImage &image, std::uint8_t page, Step step, bool wholeMap, const Marker &marker)
{
    if (!IsMapPage(page) || MapLocked(image, page))
        return false;
    const std::size_t base = MapBaseOf(page);
    const JetMode partner = PartnerMode(image, page);
    if (wholeMap) {
        for (std::size_t k = 0; k < model::MapCells; ++k)
            StepCell(image, base, partner, k, step);
        return true;
    }
    // Only the cell painted green right now; none is green while the engine
    // stands or the unit is not using this map.
    if (!marker.cell)
        return false;
    StepCell(image, base, partner, std::size_t{marker.cell->row} * model::MapColumns + marker.cell->column, step);
    return true;
}

bool StepMapColumn(model::ConfigImage &image, std::uint8_t page, std::uint8_t column, Step step)
{
    if (!IsMapPage(page) || column >= model::MapColumns || MapLocked(image, page))
        return false;
    const std::size_t base = MapBaseOf(page);
    const JetMode partner = PartnerMode(image, page);
    for (std::size_t row = 0; row < model::MapRows; ++row)
        StepCell(image, base, partner, row * model::MapColumns + column, step);
    return true;
}

bool StepCurve(model::ConfigImage &image, Curve curve, Step step, bool all, std::uint8_t column)
{
    std::size_t offset = Offset::ServoVolt;
    Limits limits{1, 249};  // 20..4980 mV
    if (curve != Curve::Servo) {
        offset = curve == Curve::PositionA ? Offset::PosAValue : Offset::PosBValue;
        limits = {0, 240};  // 5-degree units
    }
    if (all) {
        for (std::size_t i = 0; i < model::CurvePoints; ++i)
            StepByte(image[offset + i], step, limits);
        return true;
    }
    if (column >= model::CurvePoints)
        return false;
    StepByte(image[offset + column], step, limits);
    return true;
}

bool StepCurveAtOperatingPoint(model::ConfigImage &image, Curve curve, Step step, const ToolFlags &flags,
                               const link::MonitorValues &monitor)
{
    if (curve == Curve::Servo) {
        const Marker marker = ComputeMarker(image, monitor, ServoPage);
        return StepCurve(image, curve, step, flags.servo, marker.servoColumn.value_or(0));
    }
    const Marker marker = ComputeMarker(image, monitor, PolohaPage);
    if (curve == Curve::PositionA)
        return StepCurve(image, curve, step, flags.polohaA, marker.polohaAColumn.value_or(0));
    return StepCurve(image, curve, step, flags.polohaB, marker.polohaBColumn.value_or(0));
}

bool StepAtOperatingPoint(model::ConfigImage &image, std::uint8_t page, Step step, const ToolFlags &flags,
                          const link::MonitorValues &monitor)
{
    switch (page) {
    case PolohaPage:
        StepCurveAtOperatingPoint(image, Curve::PositionA, step, flags, monitor);
        StepCurveAtOperatingPoint(image, Curve::PositionB, step, flags, monitor);
        return true;
    case ServoPage:
        return StepCurveAtOperatingPoint(image, Curve::Servo, step, flags, monitor);
    default:
        break;
    }
    if (!IsMapPage(page))
        return false;
    return StepMap(image, page, step, flags.maps[page] != 0, ComputeMarker(image, monitor, page));
}

bool CalibrateTps0(model::ConfigImage &image, std::uint16_t millivolts)
{
    if (millivolts < 300 || millivolts > 2500)
        return false;
    image[Offset::Tps0Voltage] = static_cast<std::uint8_t>(millivolts / 10);
    return true;
}

bool CalibrateTps100(model::ConfigImage &image, std::uint16_t millivolts)
{
    if (millivolts < 2500 || millivolts > 4900)
        return false;
    image[Offset::Tps100Voltage] = static_cast<std::uint8_t>(millivolts / 10 - 250);
    return true;
}

void ApplyJetMode(model::ConfigImage &image, JetMode mode)
{
    image[Offset::JetMode] = static_cast<std::uint8_t>(mode);
    if (mode == JetMode::Separate)
        return;
    auto bytes = image.bytes.begin();
    std::copy_n(bytes + Offset::Jet14ARpm, model::CurvePoints, bytes + Offset::Jet23ARpm);
    if (mode == JetMode::Equal)
        std::copy_n(bytes + Offset::Jet14AMap, model::MapCells, bytes + Offset::Jet23AMap);
}

}  // namespace korvane::pages
