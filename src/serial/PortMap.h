#pragma once

// Which Linux device each of COM1..COM10 stands for. By default COMn is
// /dev/ttyUSB{n-1}, since USB serial adapters are what tuners plug in. The
// settings file may name another device per COM number (section "Ports", keys
// "COM1".."COM10"), and a run may attach a COM number to any device
// (--device), which wins over both.

#include "settings/IniFile.h"

#include <QString>

#include <array>

namespace korvane::serial {

class PortMap {
public:
    static constexpr int FirstCom = 1;
    static constexpr int LastCom = 10;

    [[nodiscard]] static bool IsComNumber(int com) { return com >= FirstCom && com <= LastCom; }
    [[nodiscard]] static QString DefaultDevicePath(int com);

    // Takes the "Ports" overrides of the INI file; a missing file, key or an
    // empty value leaves that number as it was.
    void loadOverrides(const QString& iniFile);
    void loadOverrides(const settings::IniFile& ini);
    // False (and nothing changes) for a number outside 1..10 or an empty path.
    bool attach(int com, const QString& devicePath);

    // Empty for a number outside 1..10: such a port is never opened.
    [[nodiscard]] QString devicePath(int com) const;

private:
    std::array<QString, LastCom> m_fromSettings;
    std::array<QString, LastCom> m_attached;
};

}  // namespace korvane::serial
