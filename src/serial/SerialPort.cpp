#include "serial/SerialPort.h"

#include <QMetaObject>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>

namespace korvane::serial {

namespace {

// A hung-up or removed tty fails every terminal ioctl with EIO, a live one
// answers; that tells a real loss from a read that merely came back empty.
int ProbeLine(int fd)
{
    termios mode{};
    return ::tcgetattr(fd, &mode) == 0 ? 0 : errno;
}

QString ErrnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool IsIoFailure(QSerialPort::SerialPortError error)
{
    return error == QSerialPort::ResourceError || error == QSerialPort::ReadError ||
           error == QSerialPort::WriteError;
}

}  // namespace

SerialPort::SerialPort()
{
    // With an event loop running, Qt reads in the background and reports a
    // vanished device only through this signal.
    QObject::connect(&m_port, &QSerialPort::errorOccurred, &m_port,
                     [this](QSerialPort::SerialPortError error) { onPortError(error); });
}

SerialPort::~SerialPort()
{
    ClosePort();
}

bool SerialPort::OpenPort(const QString& devicePath)
{
    ClosePort();
    m_devicePath = devicePath;
    m_lastError.clear();
    m_pendingFailure = QSerialPort::NoError;
    if (devicePath.isEmpty()) {
        m_lastError = QStringLiteral("No serial device given");
        return false;
    }

    m_port.setPortName(devicePath);
    m_port.setBaudRate(BaudRate);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port.open(QIODevice::ReadWrite)) {
        m_lastError = QStringLiteral("Cannot open %1: %2").arg(devicePath, m_port.errorString());
        m_pendingFailure = QSerialPort::NoError;
        return false;
    }
    // Qt's lock file and TIOCEXCL do not stop root nor programs that skip
    // lock files; an advisory lock on the device itself covers those.
    if (::flock(m_port.handle(), LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        m_port.close();
        m_lastError = error == EWOULDBLOCK
                          ? QStringLiteral("Cannot open %1: in use by another program").arg(devicePath)
                          : QStringLiteral("Cannot open %1: %2").arg(devicePath, ErrnoText(error));
        m_pendingFailure = QSerialPort::NoError;
        return false;
    }
    m_port.setReadBufferSize(InputQueueSize);
    // Whatever the unit sent before we listened belongs to no request of ours.
    m_port.clear(QSerialPort::Input);
    m_port.clearError();
    m_pendingFailure = QSerialPort::NoError;
    return true;
}

void SerialPort::ClosePort()
{
    if (m_port.isOpen())
        m_port.close();
    m_pendingFailure = QSerialPort::NoError;
}

bool SerialPort::isOpen() const
{
    return m_port.isOpen();
}

std::size_t SerialPort::bytesWaiting()
{
    if (!m_port.isOpen() || takeFailure())
        return 0;
    pumpInput();
    if (takeFailure())
        return 0;
    m_port.clearError();
    return static_cast<std::size_t>(m_port.bytesAvailable());
}

std::size_t SerialPort::read(std::span<std::uint8_t> buffer)
{
    if (!m_port.isOpen() || takeFailure() || buffer.empty())
        return 0;
    // Only Qt's buffer is read here, so this never waits.
    const qint64 count =
        m_port.read(reinterpret_cast<char*>(buffer.data()), static_cast<qint64>(buffer.size()));
    if (takeFailure())
        return 0;
    return count > 0 ? static_cast<std::size_t>(count) : 0;
}

void SerialPort::writeFrame(std::span<const std::uint8_t> frame)
{
    if (!m_port.isOpen() || takeFailure() || frame.empty())
        return;
    const QDeadlineTimer deadline(WriteTimeoutMs);
    const auto size = static_cast<qint64>(frame.size());
    if (m_port.write(reinterpret_cast<const char*>(frame.data()), size) != size) {
        if (!takeFailure())
            giveUpWrite(m_port.errorString());
        return;
    }
    // waitForBytesWritten can return early (input arrived, Qt's read buffer
    // full), so it is retried a few times within the deadline.
    for (int attempt = 0; attempt < 16 && m_port.bytesToWrite() > 0 && !deadline.hasExpired();
         ++attempt) {
        if (!m_port.waitForBytesWritten(static_cast<int>(deadline.remainingTime())) && takeFailure())
            return;
    }
    if (m_port.bytesToWrite() > 0) {
        giveUpWrite(QStringLiteral("write timed out"));
        return;
    }
    drainOutput(deadline);
}

void SerialPort::onPortError(QSerialPort::SerialPortError error)
{
    if (!IsIoFailure(error) || m_pendingFailure != QSerialPort::NoError || !m_port.isOpen())
        return;
    m_pendingFailure = error;
    m_pendingText = m_port.errorString();
    // Closing inside Qt's own notification is unsafe; the next turn of the
    // event loop (or our next call) does it.
    QMetaObject::invokeMethod(&m_port, [this] { takeFailure(); }, Qt::QueuedConnection);
}

bool SerialPort::takeFailure()
{
    if (m_pendingFailure == QSerialPort::NoError)
        return !m_port.isOpen();
    const QSerialPort::SerialPortError failure = m_pendingFailure;
    m_pendingFailure = QSerialPort::NoError;
    if (!m_port.isOpen())
        return true;
    const int lineError = ProbeLine(m_port.handle());
    if (failure != QSerialPort::ResourceError && lineError == 0) {
        m_port.clearError();  // a hiccup on a line that is still there
        return false;
    }
    // Qt reports an empty read of a hung-up line as an unknown read error;
    // the probe's errno says more.
    lose(failure == QSerialPort::ResourceError || lineError == 0 ? m_pendingText
                                                                  : ErrnoText(lineError));
    return true;
}

void SerialPort::failWithErrno(int error)
{
    if (ProbeLine(m_port.handle()) == 0)
        giveUpWrite(ErrnoText(error));
    else
        lose(ErrnoText(error));
}

void SerialPort::lose(const QString& reason)
{
    m_lastError = QStringLiteral("Connection on %1 lost: %2").arg(m_devicePath, reason);
    m_port.close();
    m_pendingFailure = QSerialPort::NoError;
}

void SerialPort::pumpInput()
{
    // Without a running event loop Qt only reads from the device when asked;
    // a zero wait polls without blocking. A few rounds catch data that came
    // in while the previous chunk was being copied.
    for (int round = 0; round < 4 && m_port.isOpen(); ++round) {
        if (m_port.bytesAvailable() >= InputQueueSize || !m_port.waitForReadyRead(0))
            break;
    }
}

void SerialPort::drainOutput(const QDeadlineTimer& deadline)
{
    // tcdrain has no time limit of its own; it is called only once the driver
    // queue is empty, leaving at most the adapter's small hardware FIFO.
    const int fd = m_port.handle();
    for (;;) {
        int queued = 0;
        if (::ioctl(fd, TIOCOUTQ, &queued) != 0) {
            failWithErrno(errno);
            return;
        }
        if (queued <= 0)
            break;
        if (deadline.hasExpired()) {
            giveUpWrite(QStringLiteral("output did not drain"));
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    int result = 0;
    do {
        result = ::tcdrain(fd);
    } while (result != 0 && errno == EINTR && !deadline.hasExpired());
    if (result != 0)
        failWithErrno(errno);
}

void SerialPort::giveUpWrite(const QString& reason)
{
    m_lastError = QStringLiteral("Write on %1 failed: %2").arg(m_devicePath, reason);
    // A half-sent frame must not trickle out later in front of the next one.
    m_port.clear(QSerialPort::Output);
    m_port.clearError();
}

}  // namespace korvane::serial
