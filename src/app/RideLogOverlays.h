#pragma once

// The two cell overlays of the ride logs and the texts of their tooltips,
// which the spin-editor grid shows as well.
//
// Hits: cells shaded by how many frames the marker put on them since the
// last reset, on the cividis ramp of the cell colours (scaled to the busiest
// cell of the page, dark to light, so it reads in greyscale), unvisited
// cells unshaded. Lambda advice: light blue with "↑" where the advice is
// richer, light red with "↓" where it is leaner, only where applying would
// change the value.

#include "app/CellOverlay.h"

#include <QString>

#include <cstdint>

namespace korvane::logs {
struct CellAdvice;
}

namespace korvane::app {

class RideLogController;

enum class RideLogLayer : std::uint8_t { Hits, LambdaAdvice };

class RideLogOverlay final : public CellOverlay {
    Q_OBJECT
public:
    RideLogOverlay(RideLogController &controller, RideLogLayer layer);

    [[nodiscard]] std::optional<QColor> background(int page, int row, int column) const override;
    [[nodiscard]] QString arrow(int page, int row, int column) const override;
    [[nodiscard]] QString toolTip(int page, int row, int column) const override;
    [[nodiscard]] bool lockable(int page) const override;
    [[nodiscard]] bool locked(int page, int row, int column) const override;
    bool toggleLock(int page, int row, int column) override;

private:
    RideLogController &m_controller;
    RideLogLayer m_layer;
};

// "Frames in this cell since the reset: 12".
[[nodiscard]] QString HitsText(std::uint32_t frames, std::uint8_t language);
// "↑ richer: 9 lambda samples: 89 % lean, 0 % rich", with the lock or the
// rail when they hold the advice back.
[[nodiscard]] QString AdviceText(const logs::CellAdvice &advice, std::uint8_t language);

}  // namespace korvane::app
