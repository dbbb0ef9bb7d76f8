#pragma once

// The texts the live-data labels carry before the first frame (the window's
// design) and the placeholders put there while no unit is connected.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace korvane::lang {

struct DesignText {
    std::string_view label;  // object name, e.g. "LabelRpm"
    std::string_view text;
};

// Every live-data label with its design text, in the window's order.
[[nodiscard]] std::span<const DesignText> MonitorDesignTexts();

// The placeholder of label in language while "No Connection" shows, or
// nullopt for a label that keeps its text (e.g. "LabelRpm").
[[nodiscard]] std::optional<std::string> MonitorPlaceholder(std::string_view label, std::uint8_t language);

// Labels that have a placeholder, in the order they are set.
[[nodiscard]] std::span<const std::string_view> PlaceholderLabels();

}  // namespace korvane::lang
