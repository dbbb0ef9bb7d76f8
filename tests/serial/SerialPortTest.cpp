#include "serial/SerialPort.h"

#include "PtyPair.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryFile>

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <thread>

#include <sys/file.h>

namespace korvane::serial {
namespace {

using test::Pattern;
using test::PtyPair;

constexpr std::size_t FrameSize = 102;

// Bytes crossing a pty arrive asynchronously, so poll the port for up to a
// second until at least `expected` are waiting.
std::size_t WaitForBytes(SerialPort& port, std::size_t expected)
{
    QElapsedTimer clock;
    clock.start();
    std::size_t waiting = port.bytesWaiting();
    while (waiting < expected && clock.elapsed() < 1000) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        waiting = port.bytesWaiting();
    }
    return waiting;
}

std::vector<std::uint8_t> ReadAll(SerialPort& port, std::size_t count)
{
    std::vector<std::uint8_t> bytes(count);
    bytes.resize(port.read(bytes));
    return bytes;
}

class SerialPortTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::EnsureCoreApplication(); }
    void SetUp() override { ASSERT_TRUE(m_pty.valid()); }

    PtyPair m_pty;
};

TEST_F(SerialPortTest, OpensTheLineAs57600EightNoneOneWithoutFlowControl)
{
    // Leave the line in a mode that differs in every respect.
    termios mode{};
    ASSERT_EQ(::tcgetattr(m_pty.slaveFd(), &mode), 0);
    mode.c_cflag = (mode.c_cflag & ~CSIZE) | CS7 | PARENB | CSTOPB | CRTSCTS;
    mode.c_iflag |= IXON | IXOFF;
    ASSERT_EQ(::cfsetspeed(&mode, B9600), 0);
    ASSERT_EQ(::tcsetattr(m_pty.slaveFd(), TCSANOW, &mode), 0);

    SerialPort port;
    ASSERT_TRUE(port.OpenPort(m_pty.slavePath())) << port.lastError().toStdString();
    EXPECT_TRUE(port.isOpen());
    EXPECT_TRUE(port.lastError().isEmpty());

    ASSERT_EQ(::tcgetattr(m_pty.slaveFd(), &mode), 0);
    EXPECT_EQ(::cfgetispeed(&mode), B57600);
    EXPECT_EQ(::cfgetospeed(&mode), B57600);
    EXPECT_EQ(mode.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(mode.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(mode.c_iflag & (IXON | IXOFF), 0u);
    EXPECT_EQ(mode.c_lflag & (ICANON | ECHO), 0u);
}

TEST_F(SerialPortTest, PollsWithoutWaitingAndReadsWhatArrived)
{
    SerialPort port;
    ASSERT_TRUE(port.OpenPort(m_pty.slavePath()));

    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(port.bytesWaiting(), 0u);
    EXPECT_LT(clock.elapsed(), 200) << "an idle poll must not wait";

    const auto frame = Pattern(FrameSize, 0xB0);
    ASSERT_TRUE(m_pty.send(frame));
    ASSERT_EQ(WaitForBytes(port, FrameSize), FrameSize);
    EXPECT_EQ(ReadAll(port, FrameSize), frame);
    EXPECT_EQ(port.bytesWaiting(), 0u);
    EXPECT_TRUE(port.isOpen());
}

TEST_F(SerialPortTest, ReadTakesNoMoreThanTheBufferAndLeavesTheRestQueued)
{
    SerialPort port;
    ASSERT_TRUE(port.OpenPort(m_pty.slavePath()));
    const auto first = Pattern(FrameSize, 1);
    const auto second = Pattern(FrameSize, 99);
    auto both = first;
    both.insert(both.end(), second.begin(), second.end());
    ASSERT_TRUE(m_pty.send(both));

    ASSERT_EQ(WaitForBytes(port, 2 * FrameSize), 2 * FrameSize);
    EXPECT_EQ(ReadAll(port, FrameSize), first);
    EXPECT_EQ(port.bytesWaiting(), FrameSize);
    EXPECT_EQ(ReadAll(port, 15000), second);
    EXPECT_EQ(port.read({}), 0u);
}

TEST_F(SerialPortTest, InputFromBeforeTheOpenIsDiscarded)
{
    ASSERT_TRUE(m_pty.send(Pattern(50, 3)));
    QElapsedTimer clock;
    clock.start();
    while (m_pty.queuedForSlave() < 50 && clock.elapsed() < 1000)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_EQ(m_pty.queuedForSlave(), 50);

    SerialPort port;
    ASSERT_TRUE(port.OpenPort(m_pty.slavePath()));
    EXPECT_EQ(m_pty.queuedForSlave(), 0);
    EXPECT_EQ(port.bytesWaiting(), 0u);

    const auto frame = Pattern(FrameSize, 4);
    ASSERT_TRUE(m_pty.send(frame));
    ASSERT_EQ(WaitForBytes(port, FrameSize), FrameSize);
    EXPECT_EQ(ReadAll(port, 15000), frame);
}

TEST_F(SerialPortTest, WriteFrameHandsTheWholeFrameToTheLine)
{
    SerialPort port;
    ASSERT_TRUE(port.OpenPort(m_pty.slavePath()));
    const auto frame = Pattern(FrameSize, 0x31);
    QElapsedTimer clock;
    clock.start();
    port.writeFrame(frame);
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(m_pty.receive(FrameSize, 1000), frame);
    EXPECT_TRUE(port.isOpen());
    EXPECT_TRUE(port.lastError().isEmpty());
}

TEST_F(SerialPortTest, DeviceIsOpenedExclusively)
{
    SerialPort first;
    SerialPort second;
    ASSERT_TRUE(first.OpenPort(m_pty.slavePath()));
    EXPECT_FALSE(second.OpenPort(m_pty.slavePath()));
    EXPECT_FALSE(second.isOpen());
    EXPECT_FALSE(second.lastError().isEmpty());
    EXPECT_EQ(second.bytesWaiting(), 0u);

    // The refused open must not have disturbed the holder.
    const auto frame = Pattern(FrameSize, 8);
    ASSERT_TRUE(m_pty.send(frame));
    ASSERT_EQ(WaitForBytes(first, FrameSize), FrameSize);
    EXPECT_EQ(ReadAll(first, FrameSize), frame);

    first.ClosePort();
    EXPECT_FALSE(first.isOpen());
    EXPECT_TRUE(second.OpenPort(m_pty.slavePath())) << second.lastError().toStdString();
}

TEST_F(SerialPortTest, DeviceLockedByAnotherProgramIsRefused)
{
    ASSERT_EQ(::flock(m_pty.slaveFd(), LOCK_EX | LOCK_NB), 0);
    SerialPort port;
    EXPECT_FALSE(port.OpenPort(m_pty.slavePath()));
    EXPECT_FALSE(port.isOpen());
    EXPECT_TRUE(port.lastError().contains(m_pty.slavePath()));

    ASSERT_EQ(::flock(m_pty.slaveFd(), LOCK_UN), 0);
    EXPECT_TRUE(port.OpenPort(m_pty.slavePath())) << port.lastError().toStdString();
}

TEST_F(SerialPortTest, OpeningAnUnusableDeviceFailsWithAReason)
{
    QTemporaryFile plainFile;
    ASSERT_TRUE(plainFile.open());
    const QString missing = QStringLiteral("/dev/korvane-no-such-tty");
    for (const QString& path : {missing, plainFile.fileName(), QString()}) {
        SerialPort port;
        EXPECT_FALSE(port.OpenPort(path)) << path.toStdString();
        EXPECT_FALSE(port.isOpen());
        EXPECT_FALSE(port.lastError().isEmpty());
        EXPECT_TRUE(port.lastError().contains(path));
        // A port that never opened answers every call without effect.
        EXPECT_EQ(port.bytesWaiting(), 0u);
        std::array<std::uint8_t, FrameSize> buffer{};
        EXPECT_EQ(port.read(buffer), 0u);
        port.writeFrame(buffer);
        port.ClosePort();
    }
}

TEST_F(SerialPortTest, ReopeningOnAnotherDeviceReleasesTheFirst)
{
    PtyPair other;
    ASSERT_TRUE(other.valid());
    SerialPort port;
    ASSERT_TRUE(port.OpenPort(m_pty.slavePath()));
    ASSERT_TRUE(port.OpenPort(other.slavePath()));
    EXPECT_EQ(port.devicePath(), other.slavePath());

    SerialPort previous;
    EXPECT_TRUE(previous.OpenPort(m_pty.slavePath())) << previous.lastError().toStdString();

    const auto frame = Pattern(FrameSize, 12);
    port.writeFrame(frame);
    EXPECT_EQ(other.receive(FrameSize, 1000), frame);
}

// A pulled USB adapter: the slave hangs up while the port is open.
class UnpluggedPortTest : public SerialPortTest {
protected:
    void SetUp() override
    {
        SerialPortTest::SetUp();
        ASSERT_TRUE(m_port.OpenPort(m_pty.slavePath()));
        m_pty.unplug();
        m_clock.start();
    }

    void ExpectLostQuietly()
    {
        EXPECT_FALSE(m_port.isOpen());
        EXPECT_TRUE(m_port.lastError().contains(m_pty.slavePath()))
            << m_port.lastError().toStdString();
        // Once lost, every call is a quick no-op.
        std::array<std::uint8_t, FrameSize> buffer{};
        EXPECT_EQ(m_port.bytesWaiting(), 0u);
        EXPECT_EQ(m_port.read(buffer), 0u);
        m_port.writeFrame(buffer);
        EXPECT_LT(m_clock.elapsed(), 1000) << "a lost device must not stall the tick";
    }

    SerialPort m_port;
    QElapsedTimer m_clock;
};

TEST_F(UnpluggedPortTest, PollNoticesTheLossAndClosesThePort)
{
    EXPECT_EQ(m_port.bytesWaiting(), 0u);
    ExpectLostQuietly();
}

TEST_F(UnpluggedPortTest, WriteNoticesTheLossAndClosesThePort)
{
    m_port.writeFrame(Pattern(FrameSize, 5));
    ExpectLostQuietly();
}

TEST_F(UnpluggedPortTest, EventLoopNoticesTheLossAndClosesThePort)
{
    while (m_port.isOpen() && m_clock.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    ExpectLostQuietly();
}

TEST_F(UnpluggedPortTest, OpenPortStartsAgainOnANewDevice)
{
    EXPECT_EQ(m_port.bytesWaiting(), 0u);
    ASSERT_FALSE(m_port.isOpen());

    PtyPair replugged;
    ASSERT_TRUE(replugged.valid());
    ASSERT_TRUE(m_port.OpenPort(replugged.slavePath())) << m_port.lastError().toStdString();
    EXPECT_TRUE(m_port.lastError().isEmpty());
    const auto frame = Pattern(FrameSize, 0xB0);
    ASSERT_TRUE(replugged.send(frame));
    ASSERT_EQ(WaitForBytes(m_port, FrameSize), FrameSize);
    EXPECT_EQ(ReadAll(m_port, FrameSize), frame);
}

TEST_F(SerialPortTest, DataReadByTheEventLoopCountsAsWaiting)
{
    SerialPort port;
    ASSERT_TRUE(port.OpenPort(m_pty.slavePath()));
    const auto frame = Pattern(FrameSize, 21);
    ASSERT_TRUE(m_pty.send(frame));
    // Let the bytes reach the device, then let Qt's notifier take them off.
    QElapsedTimer clock;
    clock.start();
    while (m_pty.queuedForSlave() < static_cast<int>(FrameSize) && clock.elapsed() < 1000)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    while (m_pty.queuedForSlave() != 0 && clock.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_EQ(m_pty.queuedForSlave(), 0);
    EXPECT_EQ(WaitForBytes(port, FrameSize), FrameSize);
    EXPECT_EQ(ReadAll(port, 15000), frame);
}

}  // namespace
}  // namespace korvane::serial
