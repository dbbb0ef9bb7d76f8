#include "serial/PortMap.h"

#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

namespace korvane::serial {

namespace {

std::size_t Slot(int com)
{
    return static_cast<std::size_t>(com - PortMap::FirstCom);
}

QString SettingText(const QVariant& value)
{
    // QSettings splits an unquoted value at commas; a device path may hold one.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(',')).trimmed();
    return value.toString().trimmed();
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
    QSettings settings(iniFile, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("Ports"));
    for (int com = FirstCom; com <= LastCom; ++com) {
        const QString path = SettingText(settings.value(QStringLiteral("COM%1").arg(com)));
        if (!path.isEmpty())
            m_fromSettings[Slot(com)] = path;
    }
    settings.endGroup();
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

QString DefaultSettingsFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
           QStringLiteral("/Korvane.ini");
}

}  // namespace korvane::serial
