#include "serial/PortMap.h"

#include <QFile>

namespace korvane::serial {

namespace {

std::size_t Slot(int com)
{
    return static_cast<std::size_t>(com - PortMap::FirstCom);
}

}  // namespace

QString PortMap::DefaultDevicePath(int com)
{
    if (!IsComNumber(com))
        return {};
    return QStringLiteral("/dev/ttyUSB%1").arg(com - 1);
}

void PortMap::loadOverrides(const QString& iniFile)
{
    loadOverrides(settings::LoadIniFile(QFile::encodeName(iniFile).toStdString()).file);
}

void PortMap::loadOverrides(const settings::IniFile& ini)
{
    for (int com = FirstCom; com <= LastCom; ++com) {
        const std::optional<std::string> path = ini.value("Ports", "COM" + std::to_string(com));
        if (path && !path->empty())
            m_fromSettings[Slot(com)] = QFile::decodeName(path->c_str());
    }
}

bool PortMap::attach(int com, const QString& devicePath)
{
    if (!IsComNumber(com) || devicePath.isEmpty())
        return false;
    m_attached[Slot(com)] = devicePath;
    return true;
}

QString PortMap::devicePath(int com) const
{
    if (!IsComNumber(com))
        return {};
    if (!m_attached[Slot(com)].isEmpty())
        return m_attached[Slot(com)];
    if (!m_fromSettings[Slot(com)].isEmpty())
        return m_fromSettings[Slot(com)];
    return DefaultDevicePath(com);
}

}  // namespace korvane::serial
