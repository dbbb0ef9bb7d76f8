#pragma once

// The engine's operating point on the page in front of the user: which map
// cell, curve column, correction row and start-correction step the unit is
// using now. The window paints these green; the tools act on them.

#include "link/MonitorDecoder.h"
#include "model/ConfigImage.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace korvane::pages {

inline constexpr std::array<std::uint8_t, 10> TpsBreakpoints{0, 2, 5, 10, 20, 30, 40, 60, 80, 100};
inline constexpr std::array<std::uint8_t, 10> IapBreakpoints{30, 50, 60, 70, 75, 80, 85, 90, 95, 100};

// Nearest of 15 engine-speed points (bytes in 100 rpm); a midpoint goes up.
[[nodiscard]] std::uint8_t ColumnSearch(std::span<const std::uint8_t> axis, std::uint16_t rpm);
// Nearest of the 10 breakpoints; a midpoint goes up.
[[nodiscard]] std::uint8_t RowSearch(const std::array<std::uint8_t, 10> &breakpoints, int value);

struct MapCell {
    std::uint8_t row = 0;
    std::uint8_t column = 0;
    friend bool operator==(const MapCell &, const MapCell &) = default;
};

// What is green on the page shown; everything not named here is unmarked.
// Groups of other pages than the one shown stay empty.
struct Marker {
    // Operating-point positions of the current map.
    std::uint8_t column = 0;
    std::uint8_t tpsRow = 0;
    std::uint8_t iapRow = 0;

    // Map pages.
    std::optional<std::uint8_t> axisColumn;  // EditMapRpm
    std::optional<std::uint8_t> rowLabel;    // LabelMapRow
    std::optional<MapCell> cell;             // EditMapCell

    // Both rows of a curve column: positions A and B, servo.
    std::optional<std::uint8_t> polohaAColumn;
    std::optional<std::uint8_t> polohaBColumn;
    std::optional<std::uint8_t> servoColumn;

    // Corrections page.
    std::optional<std::uint8_t> coolantRow;  // EditKorVoda
    std::optional<std::uint8_t> airRow;      // EditKorVzduch
    // 0: LabelSyticCas0 + EditSyticKorekce0; 1..3: EditSyticCas<k> +
    // EditSyticKorekce<k>; 4: EditSyticCas4 + LabelSyticKorekce4.
    std::optional<std::uint8_t> startStep;

    friend bool operator==(const Marker &, const Marker &) = default;
};

// page: the index of the page shown. The values are those of the last frame
// received; they stay when the link drops, and so does the mark.
[[nodiscard]] Marker ComputeMarker(const model::ConfigImage &image, const link::MonitorValues &monitor,
                                   std::uint8_t page);

}  // namespace korvane::pages
