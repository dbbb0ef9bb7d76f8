#pragma once

// Table editing's keys of the group [View] of the settings file:
//
//     [View]
//     TableEditing=0   1: maps and curves are edited as tables (View > Table editing)
//     CellColours=0    cell colours in table mode: 0 off, 1 by value, 2 hits,
//                      3 lambda advice
//
// Numbers follow the settings file's integer rule; a missing key or a value
// that is no number or lies outside its range gives the default.

#include "settings/IniFile.h"

#include <cstdint>
#include <string_view>

namespace korvane::maptools {

inline constexpr std::string_view ViewSection = "View";
inline constexpr std::string_view TableEditingKey = "TableEditing";
inline constexpr std::string_view CellColoursKey = "CellColours";
inline constexpr int CellColourChoices = 4;

struct TableSettings {
    bool tableEditing = false;
    int cellColours = 0;
    friend bool operator==(const TableSettings &, const TableSettings &) = default;
};

[[nodiscard]] TableSettings ReadTableSettings(const settings::IniFile &ini);
void WriteTableSettings(settings::IniFile &ini, const TableSettings &values);

}  // namespace korvane::maptools
