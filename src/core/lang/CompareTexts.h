#pragma once

// Texts of the comparison of two parameter sets and of the tune sheet, four
// languages per row (English, German, French, Czech), UTF-8. Captions that the
// window already shows come from Captions.h; only the words around them live here.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace korvane::lang {

enum class CompareTextId : std::uint8_t {
    Byte,            // "byte %1": a byte that no editor shows
    Point,           // "Point %1": a point of a curve or axis, counted from 1
    Rpm,             // unit word after an engine speed
    Ticked,          // a check box that is ticked
    NotTicked,
    UnknownItem,     // "unknown (%1)": a byte no list item or menu choice stands for
    OtherBytes,      // group of the bytes that no editor shows
    PageChanges,     // "%1: %2 changes": undo label of several changes on one page
    Changes,         // "%1 changes": undo label of changes on several pages
    NoDifferences,
    DifferenceCount,  // "Differences: %1"
    SheetTitle,
    Firmware,
    Date,
    ComparedWith,
    Parameter,
    Value,
    OtherValue,
    Difference,
    Page,
    Unit,            // "unit on %1": a parameter set read from the unit
    RestorePoint,    // "restore point %1"
    Legend,          // how the tune sheet marks values that differ
    // The window's compare panel.
    PanelTitle,
    ChangedOnly,     // filter: only the parameters that differ
    TakeCaption,     // before the three buttons that take the other value
    TakeEntries,     // ... of the selected rows
    TakePage,        // ... of every difference on the selected row's page
    TakeAll,
    OtherValueTip,   // "Other value: %1", the tooltip of a marked editor
    Count
};

// The text of id in language; a language above 3 reads as English.
[[nodiscard]] std::string CompareText(CompareTextId id, std::uint8_t language);
// The same with %1, %2, ... replaced by the arguments in order.
[[nodiscard]] std::string CompareText(CompareTextId id, std::uint8_t language,
                                      std::initializer_list<std::string_view> arguments);

}  // namespace korvane::lang
