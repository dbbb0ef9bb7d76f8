#include "maptools/TableSettings.h"

#include "settings/ProfileInteger.h"

#include <string>

namespace korvane::maptools {

namespace {

int ReadInteger(const settings::IniFile &ini, std::string_view key, int fallback, int low, int high)
{
    const std::optional<std::string> text = ini.value(ViewSection, key);
    const int value = text ? settings::ParseProfileInteger(*text, fallback) : fallback;
    return value < low || value > high ? fallback : value;
}

}  // namespace

TableSettings ReadTableSettings(const settings::IniFile &ini)
{
    const TableSettings defaults;
    TableSettings values;
    values.tableEditing = ReadInteger(ini, TableEditingKey, defaults.tableEditing ? 1 : 0, 0, 1) != 0;
    values.cellColours = ReadInteger(ini, CellColoursKey, defaults.cellColours, 0, CellColourChoices - 1);
    return values;
}

void WriteTableSettings(settings::IniFile &ini, const TableSettings &values)
{
    ini.setValue(ViewSection, TableEditingKey, values.tableEditing ? "1" : "0");
    ini.setValue(ViewSection, CellColoursKey, std::to_string(values.cellColours));
}

}  // namespace korvane::maptools
