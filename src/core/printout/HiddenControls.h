#pragma once

// The controls that the printout hides: spin buttons, tools, tool bar, logos
// and gauges, so that the sheet shows values only. By control name; a run of
// controls built in code counts its members.

#include <cstdint>
#include <span>
#include <string_view>

namespace korvane::printout {

struct HiddenControl {
    std::string_view name;
    std::uint8_t count = 1;  // members of a run (UpDownMapCell: 150), else 1
};

[[nodiscard]] std::span<const HiddenControl> PrintHiddenControls();

}  // namespace korvane::printout
