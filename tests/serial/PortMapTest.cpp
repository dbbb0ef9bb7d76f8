#include "serial/PortMap.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace korvane::serial {
namespace {

QString WriteIni(const QTemporaryDir& dir, const QByteArray& text)
{
    const QString path = dir.filePath(QStringLiteral("Korvane.ini"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(text);
    return path;
}

TEST(PortMapTest, ComNumbersMapToUsbAdaptersByDefault)
{
    const PortMap map;
    EXPECT_EQ(map.devicePath(1), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(map.devicePath(4), QStringLiteral("/dev/ttyUSB3"));
    EXPECT_EQ(map.devicePath(10), QStringLiteral("/dev/ttyUSB9"));
}

TEST(PortMapTest, NumbersOutsideOneToTenHaveNoDevice)
{
    PortMap map;
    EXPECT_FALSE(map.attach(0, QStringLiteral("/dev/ttyS0")));
    EXPECT_FALSE(map.attach(11, QStringLiteral("/dev/ttyS0")));
    for (int com : {0, 11, -1, 255})
        EXPECT_TRUE(map.devicePath(com).isEmpty()) << com;
}

TEST(PortMapTest, SettingsFileOverridesSingleNumbers)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString ini = WriteIni(dir,
                                 "[BASIC]\n"
                                 "ComPort=3\n"
                                 "COM1=/dev/not-this-one\n"
                                 "\n"
                                 "[Ports]\n"
                                 "COM3=/dev/ttyACM0\n"
                                 "COM4=\n"
                                 "COM5=/dev/serial/by-id/usb-odd,name\n"
                                 "COM10=  /dev/ttyS1  \n"
                                 "COM11=/dev/ttyS2\n"
                                 "com2=/dev/lower-case-key\n");
    PortMap map;
    map.loadOverrides(ini);
    EXPECT_EQ(map.devicePath(1), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(map.devicePath(2), QStringLiteral("/dev/lower-case-key")) << "keys match in any letter case";
    EXPECT_EQ(map.devicePath(3), QStringLiteral("/dev/ttyACM0"));
    EXPECT_EQ(map.devicePath(4), QStringLiteral("/dev/ttyUSB3"));
    EXPECT_EQ(map.devicePath(5), QStringLiteral("/dev/serial/by-id/usb-odd,name"));
    EXPECT_EQ(map.devicePath(10), QStringLiteral("/dev/ttyS1"));
    EXPECT_TRUE(map.devicePath(11).isEmpty());
}

TEST(PortMapTest, MissingSettingsFileKeepsTheDefaults)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    PortMap map;
    map.loadOverrides(dir.filePath(QStringLiteral("absent.ini")));
    for (int com = PortMap::FirstCom; com <= PortMap::LastCom; ++com)
        EXPECT_EQ(map.devicePath(com), PortMap::DefaultDevicePath(com));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("absent.ini"))));
}

TEST(PortMapTest, AttachedDeviceWinsOverSettingsAndDefault)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString ini = WriteIni(dir, "[Ports]\nCOM2=/dev/ttyACM1\nCOM3=/dev/ttyACM2\n");
    PortMap map;
    EXPECT_TRUE(map.attach(2, QStringLiteral("/dev/pts/7")));
    EXPECT_FALSE(map.attach(3, QString()));
    map.loadOverrides(ini);  // read after the command line, still loses to it
    EXPECT_EQ(map.devicePath(2), QStringLiteral("/dev/pts/7"));
    EXPECT_EQ(map.devicePath(3), QStringLiteral("/dev/ttyACM2"));
    EXPECT_EQ(map.devicePath(1), QStringLiteral("/dev/ttyUSB0"));
}

}  // namespace
}  // namespace korvane::serial
