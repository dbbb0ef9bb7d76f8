#pragma once

// The group [History] of the settings file:
//
//     [History]
//     KeepDays=30             restore points of the last 30 days are all kept
//     KeepCount=200           and always the newest 200, whatever their age
//     BackupBeforeProgram=0   1: read the unit into a restore point before F9
//
// Numbers follow the settings file's integer rule; a missing key, a value
// that is no number, a negative KeepDays or a KeepCount below 1 gives the
// default (the point just written is always kept).

#include "settings/IniFile.h"

#include <string_view>

namespace korvane::history {

inline constexpr std::string_view HistorySection = "History";
inline constexpr std::string_view KeepDaysKey = "KeepDays";
inline constexpr std::string_view KeepCountKey = "KeepCount";
inline constexpr std::string_view BackupBeforeProgramKey = "BackupBeforeProgram";

// Which restore points survive a new one.
struct Retention {
    int keepDays = 30;
    int keepCount = 200;
    friend bool operator==(const Retention &, const Retention &) = default;
};

struct HistorySettings {
    Retention retention;
    bool backupBeforeProgram = false;
    friend bool operator==(const HistorySettings &, const HistorySettings &) = default;
};

[[nodiscard]] HistorySettings ReadHistorySettings(const settings::IniFile &ini);
void WriteHistorySettings(settings::IniFile &ini, const HistorySettings &values);

}  // namespace korvane::history
