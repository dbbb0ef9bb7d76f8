#include "app/CellOverlay.h"

#include "maptools/CellColours.h"

namespace korvane::app {

std::optional<QColor> CellOverlay::foreground(int page, int row, int column) const
{
    const std::optional<QColor> back = background(page, row, column);
    if (!back)
        return std::nullopt;
    const maptools::Rgb text = maptools::TextColourOn(
        {static_cast<std::uint8_t>(back->red()), static_cast<std::uint8_t>(back->green()),
         static_cast<std::uint8_t>(back->blue())});
    return QColor(text.r, text.g, text.b);
}

}  // namespace korvane::app
