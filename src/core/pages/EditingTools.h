#pragma once

// The tools that change the maps and curves in the image directly: minus and
// plus at the operating point or over a whole map, column steps, the curve
// step buttons, the throttle calibration and the Jet 14-23 modes. Each
// returns whether it acted, so the window refreshes only then.
//
// On the Inj-14A map the Inj-23A partner follows the Jet 14-23 mode: Coupled
// steps the partner cell by its own limits, "14 = 23" makes it equal. In
// Coupled mode nothing changes the Inj-23A map.

#include "link/MonitorDecoder.h"
#include "model/ConfigImage.h"
#include "model/Snapshot.h"
#include "pages/JetMode.h"
#include "pages/Marker.h"

#include <cstdint>

namespace korvane::pages {

enum class Step : std::int8_t { Minus = -1, Plus = 1 };

// Cells move within 0..250.
inline constexpr std::uint8_t MapCellCeiling = 250;

// True where the Coupled mode locks the map of page.
[[nodiscard]] bool MapLocked(const model::ConfigImage &image, std::uint8_t page);

// "-"/"+" on a map page: the whole map, or only the cell that is green now.
bool StepMap(model::ConfigImage &image, std::uint8_t page, Step step, bool wholeMap, const Marker &marker);
// A column spin button: the ten cells of column on the map of page.
bool StepMapColumn(model::ConfigImage &image, std::uint8_t page, std::uint8_t column, Step step);

enum class Curve : std::uint8_t { PositionA, PositionB, Servo };
// The second row of a curve: every column, or the operating-point column.
bool StepCurve(model::ConfigImage &image, Curve curve, Step step, bool all, std::uint8_t column);

// The "All" boxes the tools read besides the image.
struct ToolFlags {
    model::AllFlags maps{};
    bool polohaA = false;
    bool polohaB = false;
    bool servo = false;
};

// A curve's step buttons: its "All" box, else the operating-point column
// of the latest frame.
bool StepCurveAtOperatingPoint(model::ConfigImage &image, Curve curve, Step step, const ToolFlags &flags,
                               const link::MonitorValues &monitor);

// F4/F5 on page: positions A then B, the servo curve, or the map at the
// operating point of the latest frame. Other pages: nothing.
bool StepAtOperatingPoint(model::ConfigImage &image, std::uint8_t page, Step step, const ToolFlags &flags,
                          const link::MonitorValues &monitor);

// The live throttle sensor voltage as the 0 % or 100 % point; outside the
// editor's range (and before any frame, at 0 mV) nothing happens.
bool CalibrateTps0(model::ConfigImage &image, std::uint16_t millivolts);
bool CalibrateTps100(model::ConfigImage &image, std::uint16_t millivolts);

// Sets the mode; Coupled copies the Inj-14A axis onto Inj-23A, "14 = 23"
// the axis and the cells.
void ApplyJetMode(model::ConfigImage &image, JetMode mode);

}  // namespace korvane::pages
