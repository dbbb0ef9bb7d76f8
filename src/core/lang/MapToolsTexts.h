#pragma once

// The texts of table editing: the View menu, the prompts of the table keys,
// the key legend and the status and error messages of the map operations.
// Four languages per row, UTF-8, like the message table.
//
// Access letters ('&'): the View menu takes a letter that no other menu and
// no tool-bar button uses in that language, nor the Edit menu (assumed to
// take E / B / É or E / Ú or A); its items take letters that are unique in the
// menu and also free of those; the colour choices are unique in their
// submenu. English Vie&w (W), German &Ansicht (A), French Aff&ichage (I),
// Czech Z&obrazení (O).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace korvane::lang {

enum class MapText {
    ViewMenu,
    TableEditing,        // Ctrl+T
    CellColours,         // submenu of the four choices below
    ColoursOff,
    ColoursByValue,
    ColoursHits,
    ColoursLambdaAdvice,
    Map3D,               // F6
    RecordLiveData,
    ResetHitCounts,
    ScalePrompt,         // asked by '*'
    SetPrompt,           // asked by '='
    KeyLegend1,          // the two lines of the key legend under the table
    KeyLegend2,
    OneCellLimited,      // status after an operation
    CellsLimited,        // %1 = count; Czech takes CellsLimitedFew for 2..4
    CellsLimitedFew,
    PasteNotWholeNumber,  // %1 = line, %2 = field, both counted from 1
    PasteDoesNotFit,      // %1 = line, %2 = field
    PasteNothing,
    MapLockedCoupled,     // Inj-23A while it follows Inj-14A
    // The 3D map window (View > 3D map).
    EngineSpeedAxis,
    ThrottleAxis,
    PressureAxis,         // the rows of Inj-IAP
    TemperatureAxis,
    NoMapOnPage,
    TurnHint,
    OperatingPoint,       // legend of the marks
    SelectionMark,
    Count
};

// The text of id in language; a language above 3 reads as English. Texts
// with %1 / %2 are returned unfilled.
[[nodiscard]] std::string_view MapToolsText(MapText id, std::uint8_t language);

// "%1 cells limited" with the right number form of the language filled in.
[[nodiscard]] std::string CellsLimitedText(std::size_t count, std::uint8_t language);

// A paste error naming the line and field (1-based) of the first bad field.
[[nodiscard]] std::string PasteErrorText(MapText id, std::size_t line, std::size_t field, std::uint8_t language);

// Replaces %1 and %2 in text by first and second.
[[nodiscard]] std::string FillIn(std::string_view text, std::string_view first, std::string_view second = {});

}  // namespace korvane::lang
