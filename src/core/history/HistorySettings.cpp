#include "history/HistorySettings.h"

#include "settings/ProfileInteger.h"

#include <limits>
#include <string>

namespace korvane::history {

namespace {

int ReadInteger(const settings::IniFile &ini, std::string_view key, int fallback, int lowest)
{
    const std::optional<std::string> text = ini.value(HistorySection, key);
    const int value = text ? settings::ParseProfileInteger(*text, fallback) : fallback;
    return value < lowest ? fallback : value;
}

}  // namespace

HistorySettings ReadHistorySettings(const settings::IniFile &ini)
{
    const HistorySettings defaults;
    HistorySettings values;
    values.retention.keepDays = ReadInteger(ini, KeepDaysKey, defaults.retention.keepDays, 0);
    values.retention.keepCount = ReadInteger(ini, KeepCountKey, defaults.retention.keepCount, 1);
    values.backupBeforeProgram = ReadInteger(ini, BackupBeforeProgramKey, 0, std::numeric_limits<int>::min()) != 0;
    return values;
}

void WriteHistorySettings(settings::IniFile &ini, const HistorySettings &values)
{
    ini.setValue(HistorySection, KeepDaysKey, std::to_string(values.retention.keepDays));
    ini.setValue(HistorySection, KeepCountKey, std::to_string(values.retention.keepCount));
    ini.setValue(HistorySection, BackupBeforeProgramKey, values.backupBeforeProgram ? "1" : "0");
}

}  // namespace korvane::history
