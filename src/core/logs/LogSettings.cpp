#include "logs/LogSettings.h"

#include "settings/ProfileInteger.h"

#include <string>

namespace korvane::logs {

namespace {

constexpr std::uint64_t Megabyte = 1ULL << 20;

}  // namespace

int ReadSetting(const settings::IniFile &ini, const IntegerSetting &setting)
{
    const auto text = ini.value(setting.section, setting.key);
    if (!text) {
        return setting.fallback;
    }
    const std::int32_t value = settings::ParseProfileInteger(*text, setting.fallback);
    return value < setting.low || value > setting.high ? setting.fallback : value;
}

void WriteSetting(settings::IniFile &ini, const IntegerSetting &setting, int value)
{
    ini.setValue(setting.section, setting.key, std::to_string(value));
}

LogSettings ReadLogSettings(const settings::IniFile &ini)
{
    LogSettings read;
    read.record = ReadSetting(ini, RecordSetting) != 0;
    read.retention.keepDays = ReadSetting(ini, KeepDaysSetting);
    read.retention.maxBytes = static_cast<std::uint64_t>(ReadSetting(ini, MaxMegabytesSetting)) * Megabyte;
    return read;
}

void WriteLogSettings(settings::IniFile &ini, const LogSettings &settings)
{
    WriteSetting(ini, RecordSetting, settings.record ? 1 : 0);
    WriteSetting(ini, KeepDaysSetting, settings.retention.keepDays);
    WriteSetting(ini, MaxMegabytesSetting, static_cast<int>(settings.retention.maxBytes / Megabyte));
}

AdvisorSettings ReadAdvisorSettings(const settings::IniFile &ini)
{
    AdvisorSettings read;
    read.delay = ReadSetting(ini, DelaySetting);
    read.throttleZoneMax = ReadSetting(ini, ThrottleZoneSetting);
    read.iapZoneMax = ReadSetting(ini, IapZoneSetting);
    read.betweenCellsPercent = ReadSetting(ini, BetweenCellsSetting);
    return read;
}

}  // namespace korvane::logs
