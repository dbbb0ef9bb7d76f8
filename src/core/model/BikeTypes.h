#pragma once

#include "model/ConfigImage.h"
#include "model/DefaultTables.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace korvane::model {

inline constexpr std::size_t BikeCount = 29;
inline constexpr std::uint8_t StartupBikeType = 11;

// The list texts in list order, blanks included.
[[nodiscard]] std::span<const std::string_view, BikeCount> BikeListTexts();

// List item -> type code; nullopt when no item is selected (index out of range).
[[nodiscard]] std::optional<std::uint8_t> ComboToBikeType(int itemIndex);
// Type code -> list item; nullopt for a code above 28 (the list keeps its selection).
[[nodiscard]] std::optional<int> BikeTypeToCombo(std::uint8_t bikeType);

// Remembers the default set in force; a code above 28 keeps the previous one.
// A fresh selector holds the start-up type's set, so a set is always in force.
class DefaultSetSelector {
public:
    DefaultSetSelector();
    void SelectDefaultSet(std::uint8_t bikeType);
    [[nodiscard]] const DefaultSet &current() const { return *m_current; }

private:
    const DefaultSet *m_current;
};

// Fills the image with the defaults of image[BikeType], selecting the set first.
void BuildDefaults(ConfigImage &image, DefaultSetSelector &selector);

// TypeFlag (111) and TypeConstant (126) from BikeType.
void ApplyTypeSettings(ConfigImage &image);

}  // namespace korvane::model
