#pragma once

// What the 3D map window shows of the page on view: on a map page the map as
// a surface over its own engine-speed axis and row breakpoints; on the
// positions, servo and corrections pages their curves as line plots against
// their own axes; elsewhere a note. Values are in editor units, read through
// the editor bindings, and the marks follow the live marker of the page
// (pages::ComputeMarker), so the window shows what the editors show.
//
// The window redraws only when this content (or its view angle or the
// selection) changes: ContentOfPage is cheap, and equal content means an
// equal picture.

#include "maptools/Sheets.h"
#include "model/ConfigImage.h"
#include "pages/Marker.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace korvane::maptools {

struct SurfaceContent {
    SheetId sheet = SheetId::Advance;
    std::vector<int> values;        // RowCount x ColumnCount, row by row
    std::array<int, ColumnCount> rpm{};
    std::vector<int> rowPositions;  // throttle % or pressure %, first row first
    ValueRange range;               // the editors' range: the colour scale
    SheetMarks marks;
    std::string title;
    std::string columnAxis;
    std::string rowAxis;
    std::string valueUnit;          // "[°]" on the advance map, else empty (raw values)
    std::string turnHint;
    std::string pointLegend;
    std::string selectionLegend;

    [[nodiscard]] int value(std::size_t row, std::size_t column) const { return values[row * ColumnCount + column]; }
    friend bool operator==(const SurfaceContent &, const SurfaceContent &) = default;
};

struct PlotSeries {
    std::string name;
    std::vector<double> x;
    std::vector<double> y;
    std::optional<std::size_t> marked;  // the point of the operating point
    friend bool operator==(const PlotSeries &, const PlotSeries &) = default;
};

struct Plot {
    std::string title;
    std::string xAxis;
    std::string yAxis;
    std::vector<PlotSeries> series;
    std::string pointLegend;
    friend bool operator==(const Plot &, const Plot &) = default;
};

struct ViewContent {
    std::optional<SurfaceContent> surface;  // a map page
    std::vector<Plot> plots;                // the curve pages, top to bottom
    std::string note;                       // when there is neither
    friend bool operator==(const ViewContent &, const ViewContent &) = default;
};

// marker: the live marker of page (pages::ComputeMarker).
[[nodiscard]] ViewContent ContentOfPage(const model::ConfigImage &image, const pages::Marker &marker,
                                        std::uint8_t page, std::uint8_t language);

}  // namespace korvane::maptools
