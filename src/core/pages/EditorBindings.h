#pragma once

// Which editor of which page shows which image bytes, and how. One row per
// control (or per run of controls: a 15-point row, a 10 x 15 map). The map
// group is shared by the five map pages, so its controls have one row per map
// page. Ranges, steps and design values are those of the editors; the window
// builds its editors from this table.

#include "pages/Pages.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace korvane::pages {

enum class ControlKind : std::uint8_t {
    Numeric,  // edit field with spin control; value in editor units
    Check,    // 0 or 1
    Radio,    // item index 0..2, or -1 for no selection
    Combo,    // item index of the model list, or -1 for no selection
};

enum class Transform : std::uint8_t {
    Direct,     // byte = value; value = byte
    Divide,     // byte = value / factor; value = byte * factor
    AddOffset,  // byte = value + factor; value = byte - factor (factor may be negative)
    Tps100,     // byte = (value / 10 + 6) mod 256; value = byte * 10 + 2500
    Check,      // byte = ticked ? 1 : 0; ticked = byte != 0
    Radio,      // byte = item; item = min(byte, 2)
    BikeCombo,  // byte = type code of the list item; item = list item of the code, none if unknown
};

struct EditorBinding {
    std::string_view control;  // spin control, check box, radio group or list name
    std::uint8_t page;         // Page
    ControlKind kind;
    std::size_t offset;        // first image byte
    std::size_t count;         // consecutive bytes and editors: 1, 4, 5, 15 or 150
    Transform transform;
    int factor;                // Divide: divisor; AddOffset: added on take-over
    int min;                   // editor range (Numeric)
    int max;
    int step;
    int initial;               // value of the window design, before the first show
    // Created by the window at start-up rather than laid out in its form: the
    // map group, the position and servo rows and the temperature corrections.
    bool builtInCode = false;
};

// Every binding, pages in tab order, controls in take-over order.
[[nodiscard]] std::span<const EditorBinding> EditorBindings();
// The rows of one page, in table order.
[[nodiscard]] std::vector<const EditorBinding *> BindingsOfPage(std::uint8_t page);
// The row of control on page, or nullptr.
[[nodiscard]] const EditorBinding *FindBinding(std::uint8_t page, std::string_view control);
// Number of editor values of a page: the sum of its rows' counts.
[[nodiscard]] std::size_t ValueCountOfPage(std::uint8_t page);

// One byte through a binding, both ways. ImageToEditor clamps into the
// editor's range (Numeric) or to the list (Radio 0..2, Combo: -1 if unknown).
[[nodiscard]] int ImageToEditor(const EditorBinding &binding, std::uint8_t byte);
// nullopt-like: returns false when nothing is to be stored (Radio/Combo -1).
[[nodiscard]] bool EditorToImage(const EditorBinding &binding, int value, std::uint8_t &byte);

}  // namespace korvane::pages
