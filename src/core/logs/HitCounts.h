#pragma once

// Which map cells the engine really used: per cell of each map page, the
// number of frames whose live marker was on it (ComputeMarker, the rule that
// paints the cell green), and the trail of the last seconds for a fading
// outline. Both are fed one frame at a time: by the window as frames arrive,
// by `korvane-cli hits` from logs.

#include "link/MonitorDecoder.h"
#include "model/ConfigImage.h"
#include "pages/Marker.h"
#include "pages/Pages.h"

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace korvane::logs {

// The values ComputeMarker reads, from a frame's numbers.
[[nodiscard]] link::MonitorValues MarkerValues(const link::MonitorNumbers &numbers);

// The cell the marker puts on each map page for these values, if any.
using MarkedCells = std::array<std::optional<pages::MapCell>, pages::MapPageCount>;
[[nodiscard]] MarkedCells MarkedCellsOf(const model::ConfigImage &image, const link::MonitorValues &values);

class HitCounts {
public:
    using Page = std::array<std::uint32_t, model::MapCells>;  // row by row, as in the image

    // image: the one in use when the frame came (its axes place the column).
    void Add(const model::ConfigImage &image, const link::MonitorValues &values);
    void Reset();

    [[nodiscard]] std::uint32_t count(std::uint8_t page, std::uint8_t row, std::uint8_t column) const;
    [[nodiscard]] const Page &page(std::uint8_t page) const { return m_pages.at(page); }
    // The largest count on page, for scaling a shading.
    [[nodiscard]] std::uint32_t maximum(std::uint8_t page) const;
    [[nodiscard]] std::uint64_t frames() const { return m_frames; }

private:
    std::array<Page, pages::MapPageCount> m_pages{};
    std::uint64_t m_frames = 0;
};

inline constexpr double TrailSeconds = 5.0;

struct TrailCell {
    pages::MapCell cell;
    double age = 0.0;  // seconds since the marker last left it; 0: marked now
};

class Trail {
public:
    // seconds: a steady clock.
    void Add(double seconds, const MarkedCells &cells);
    void Reset() { m_entries.clear(); }
    // The cells of page marked in the last TrailSeconds before now, each once
    // with its youngest age, oldest first so that newer outlines paint over.
    [[nodiscard]] std::vector<TrailCell> cells(std::uint8_t page, double now) const;

private:
    struct Entry {
        double seconds;
        MarkedCells cells;
    };
    std::deque<Entry> m_entries;
};

}  // namespace korvane::logs
