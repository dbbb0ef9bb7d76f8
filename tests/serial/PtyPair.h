#pragma once

// A pseudo-terminal standing in for the USB adapter and the unit behind it:
// the test holds the master, the port under test opens the slave path.

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace korvane::serial::test {

// QSerialPort's socket notifiers want an application object, as in the tool.
inline void EnsureCoreApplication()
{
    if (QCoreApplication::instance() != nullptr)
        return;
    static int argc = 1;
    static char name[] = "korvane_serial_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

class PtyPair {
public:
    PtyPair()
    {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
            return;
        const char* name = ::ptsname(m_master);
        if (name == nullptr)
            return;
        m_slavePath = QString::fromLocal8Bit(name);
        // Kept open so the test can look at the slave's input queue.
        m_slave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
        termios mode{};
        if (m_slave < 0 || ::tcgetattr(m_slave, &mode) != 0)
            return;
        ::cfmakeraw(&mode);
        m_valid = ::tcsetattr(m_slave, TCSANOW, &mode) == 0;
    }
    ~PtyPair()
    {
        if (m_slave >= 0)
            ::close(m_slave);
        unplug();
    }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    [[nodiscard]] bool valid() const { return m_valid; }
    [[nodiscard]] const QString& slavePath() const { return m_slavePath; }
    [[nodiscard]] int slaveFd() const { return m_slave; }

    // What the unit sends.
    bool send(const std::vector<std::uint8_t>& bytes) const
    {
        return ::write(m_master, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    }

    // What the unit received, waiting at most timeoutMs for count bytes.
    [[nodiscard]] std::vector<std::uint8_t> receive(std::size_t count, int timeoutMs) const
    {
        std::vector<std::uint8_t> bytes;
        std::uint8_t chunk[256];
        while (bytes.size() < count) {
            pollfd ready{m_master, POLLIN, 0};
            if (::poll(&ready, 1, timeoutMs) <= 0)
                break;
            const ssize_t got = ::read(m_master, chunk, sizeof chunk);
            if (got <= 0)
                break;
            bytes.insert(bytes.end(), chunk, chunk + got);
        }
        return bytes;
    }

    // Bytes in the slave's input queue, not yet taken by anyone.
    [[nodiscard]] int queuedForSlave() const
    {
        int count = -1;
        ::ioctl(m_slave, FIONREAD, &count);
        return count;
    }

    // The adapter is pulled out: the slave side hangs up.
    void unplug()
    {
        if (m_master >= 0)
            ::close(m_master);
        m_master = -1;
    }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
    bool m_valid = false;
};

inline std::vector<std::uint8_t> Pattern(std::size_t size, std::uint8_t seed)
{
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(seed + i * 7);
    return bytes;
}

}  // namespace korvane::serial::test
