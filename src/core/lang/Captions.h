#pragma once

// Captions and hints of the window's controls in four languages (English,
// German, French, Czech), UTF-8. Rows are keyed by the control's name as the
// window gives it (its object name); the window applies them generically.
// Texts are verbatim: blanks, ampersands and spelling included.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace korvane::lang {

enum class CaptionProperty : std::uint8_t {
    Caption,  // the text on the control (menu item, tab, label, box, button)
    Hint,     // tooltip and status-bar text
};

struct CaptionRow {
    std::string_view control;  // object name, e.g. "MenuRead", "TabSheet_Gas", "MapPage0"
    CaptionProperty property;
    std::array<std::string_view, 4> text;  // English, German, French, Czech
};

// Every caption and hint row, in the order they are applied. Controls that
// share a text still get one row each.
[[nodiscard]] std::span<const CaptionRow> CaptionTable();

// The caption or hint of control in language, if the table has a row for it.
// A language above 3 reads as English.
[[nodiscard]] const CaptionRow *FindCaption(std::string_view control, CaptionProperty property);
[[nodiscard]] std::string CaptionText(std::string_view control, CaptionProperty property,
                                      std::uint8_t language);

// A hint may carry a short part for the tooltip and a long part for the
// status bar, separated by '|'; without '|' both are the whole text.
struct HintParts {
    std::string tooltip;
    std::string statusTip;
};
[[nodiscard]] HintParts SplitHint(std::string_view hint);

// The window title, "Programming of Korvane unit" in English.
[[nodiscard]] std::string WindowTitle(std::uint8_t language);

// The items of the radio groups "RadioGroupPolohaA" and "RadioGroupPolohaB",
// in item-index order: "Beginning", "Centre", "End" in English.
[[nodiscard]] std::array<std::string_view, 3> PositionRefItems(std::uint8_t language);

}  // namespace korvane::lang
