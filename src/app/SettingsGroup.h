#pragma once

// A settings group of a feature beyond the design's [BASIC] ([History],
// [View], [Logs], [Advisor]): read with the rest at start-up, written into
// the same file at close, through the same keeper.

namespace korvane::settings {
class IniFile;
}

namespace korvane::app {

class SettingsGroup {
public:
    virtual ~SettingsGroup() = default;
    virtual void loadSettings(const settings::IniFile &ini) = 0;
    virtual void saveSettings(settings::IniFile &ini) const = 0;
};

}  // namespace korvane::app
