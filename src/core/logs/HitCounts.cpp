#include "logs/HitCounts.h"

#include <algorithm>

namespace korvane::logs {

link::MonitorValues MarkerValues(const link::MonitorNumbers &numbers)
{
    link::MonitorValues values;
    values.rpm = static_cast<std::uint16_t>(numbers.rpm);
    values.throttlePercent = static_cast<std::uint8_t>(numbers.throttlePercent);
    values.iapPercent = static_cast<std::uint8_t>(numbers.iapPercent);
    values.mapMarkerOff = numbers.mapMarkerOff ? 1 : 0;
    values.throttleMapsInUse = numbers.throttleMapsInUse ? 1 : 0;
    values.lambdaMv = static_cast<std::uint16_t>(numbers.lambdaMv);
    values.startTimeCounter = static_cast<std::uint16_t>(numbers.startTenths);
    values.coolantTemp = static_cast<std::uint8_t>(numbers.coolantError ? 180 : numbers.coolantC + 100);
    values.airTemp = static_cast<std::uint8_t>(numbers.airError ? 0 : numbers.airC + 100);
    values.throttleMv = static_cast<std::uint16_t>(numbers.throttleMv);
    values.savingCountdown = static_cast<std::uint16_t>(numbers.savingCountdown);
    return values;
}

MarkedCells MarkedCellsOf(const model::ConfigImage &image, const link::MonitorValues &values)
{
    MarkedCells cells;
    for (std::uint8_t page = 0; page < pages::MapPageCount; ++page) {
        cells[page] = pages::ComputeMarker(image, values, page).cell;
    }
    return cells;
}

void HitCounts::Add(const model::ConfigImage &image, const link::MonitorValues &values)
{
    const MarkedCells cells = MarkedCellsOf(image, values);
    for (std::size_t page = 0; page < cells.size(); ++page) {
        if (const auto &cell = cells[page]) {
            ++m_pages[page][std::size_t{cell->row} * model::MapColumns + cell->column];
        }
    }
    ++m_frames;
}

void HitCounts::Reset()
{
    m_pages = {};
    m_frames = 0;
}

std::uint32_t HitCounts::count(std::uint8_t page, std::uint8_t row, std::uint8_t column) const
{
    if (page >= m_pages.size() || row >= model::MapRows || column >= model::MapColumns) {
        return 0;
    }
    return m_pages[page][std::size_t{row} * model::MapColumns + column];
}

std::uint32_t HitCounts::maximum(std::uint8_t page) const
{
    return page < m_pages.size() ? *std::max_element(m_pages[page].begin(), m_pages[page].end()) : 0;
}

void Trail::Add(double seconds, const MarkedCells &cells)
{
    m_entries.push_back({seconds, cells});
    // An entry's cell stays marked until the next entry comes.
    while (m_entries.size() > 1 && m_entries[1].seconds < seconds - TrailSeconds) {
        m_entries.pop_front();
    }
}

std::vector<TrailCell> Trail::cells(std::uint8_t page, double now) const
{
    std::vector<TrailCell> trail;
    if (page >= pages::MapPageCount) {
        return trail;
    }
    // Newest first, so the first age found for a cell is its youngest; a
    // marker holds its cell until the next frame, so the age runs from then.
    double leftAt = now;
    for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it) {
        const double markedUntil = leftAt;
        leftAt = it->seconds;
        const auto &cell = it->cells[page];
        const double age = std::max(0.0, now - markedUntil);
        if (!cell || age > TrailSeconds || it->seconds > now) {
            continue;
        }
        const bool seen = std::any_of(trail.begin(), trail.end(), [&](const TrailCell &t) { return t.cell == *cell; });
        if (!seen) {
            trail.push_back({*cell, age});
        }
    }
    std::reverse(trail.begin(), trail.end());
    return trail;
}

}  // namespace korvane::logs
