#pragma once

// The eleven pages of the tab control, in tab order. The first five are the
// map pages that share one group of editors.

#include <cstddef>
#include <cstdint>

namespace korvane::pages {

enum Page : std::uint8_t {
    AdvancePage = 0,
    Inj14APage = 1,
    Inj23APage = 2,
    InjBPage = 3,
    InjIapPage = 4,
    PolohaPage = 5,
    ServoPage = 6,
    RuznePage = 7,
    KorekcePage = 8,
    GasPage = 9,
    LadeniPage = 10,
};

inline constexpr std::size_t PageCount = 11;
inline constexpr std::size_t MapPageCount = 5;

[[nodiscard]] constexpr bool IsMapPage(std::uint8_t page) { return page < MapPageCount; }
[[nodiscard]] constexpr bool IsPage(std::uint8_t page) { return page < PageCount; }
// The image offset of the map shown on a map page; defined for every page
// index as the window keeps it, meaningful on map pages only.
[[nodiscard]] constexpr std::uint16_t MapBaseOf(std::uint8_t page)
{
    return static_cast<std::uint16_t>(400 + 150 * page);
}

}  // namespace korvane::pages
