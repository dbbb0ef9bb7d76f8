#pragma once

// The settings groups of the ride logs, [Logs] and [Advisor] in Korvane.ini.
// Numbers are read by the settings file's integer rule; a value that is not a
// number, or lies outside the key's range, gives the key's default.
//
//   [Logs]
//   Record=1          record live data (View > Record live data)
//   KeepDays=30       delete logs older than this; 0 keeps them whatever their age
//   MaxMegabytes=1024 delete the oldest logs beyond this; 0 sets no limit
//   [Advisor]
//   Delay=1                 the voltage of frame i + Delay belongs to the cell of frame i
//   ThrottleZoneMax=40      throttle rows up to this % are in the stoichiometric zone
//   IapZoneMax=70           IAP rows up to this % likewise
//   BetweenCellsPercent=25  how far towards the next breakpoint a sample may lie

#include "logs/LambdaAdvisor.h"
#include "logs/LogFolder.h"
#include "settings/IniFile.h"

#include <string_view>

namespace korvane::logs {

inline constexpr std::string_view LogsSection = "Logs";
inline constexpr std::string_view AdvisorSection = "Advisor";

struct IntegerSetting {
    std::string_view section;
    std::string_view key;
    int fallback;
    int low;
    int high;
};

inline constexpr IntegerSetting RecordSetting{LogsSection, "Record", 1, 0, 1};
inline constexpr IntegerSetting KeepDaysSetting{LogsSection, "KeepDays", 30, 0, 36500};
inline constexpr IntegerSetting MaxMegabytesSetting{LogsSection, "MaxMegabytes", 1024, 0, 1 << 24};
inline constexpr IntegerSetting DelaySetting{AdvisorSection, "Delay", 1, 0, 3};
inline constexpr IntegerSetting ThrottleZoneSetting{AdvisorSection, "ThrottleZoneMax", 40, 0, 100};
inline constexpr IntegerSetting IapZoneSetting{AdvisorSection, "IapZoneMax", 70, 0, 100};
inline constexpr IntegerSetting BetweenCellsSetting{AdvisorSection, "BetweenCellsPercent", 25, 0, 50};

[[nodiscard]] int ReadSetting(const settings::IniFile &ini, const IntegerSetting &setting);
void WriteSetting(settings::IniFile &ini, const IntegerSetting &setting, int value);

struct LogSettings {
    bool record = true;
    Retention retention;
    friend bool operator==(const LogSettings &, const LogSettings &) = default;
};

[[nodiscard]] LogSettings ReadLogSettings(const settings::IniFile &ini);
void WriteLogSettings(settings::IniFile &ini, const LogSettings &settings);

[[nodiscard]] AdvisorSettings ReadAdvisorSettings(const settings::IniFile &ini);

}  // namespace korvane::logs
