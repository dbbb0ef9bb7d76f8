#pragma once

// The serial line to the unit on QSerialPort: 57600 baud 8N1, no flow control,
// opened exclusively and used synchronously from the tick, with or without a
// running event loop. A device that disappears (USB adapter pulled) closes the
// port instead of failing every later call; OpenPort starts it again.

#include "link/DevicePort.h"

#include <QDeadlineTimer>
#include <QSerialPort>
#include <QString>

namespace korvane::serial {

class SerialPort final : public link::DevicePort {
public:
    static constexpr qint32 BaudRate = 57600;
    static constexpr qint64 InputQueueSize = 10000;
    // Upper bound for one frame to leave the port; a frame needs about 18 ms.
    static constexpr int WriteTimeoutMs = 200;

    SerialPort();
    ~SerialPort() override;
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // Closes any port held, then opens devicePath. False, with lastError()
    // set, when the device is missing, held by another program or not a
    // serial line.
    [[nodiscard]] bool OpenPort(const QString& devicePath);
    void ClosePort();

    [[nodiscard]] bool isOpen() const override;
    [[nodiscard]] std::size_t bytesWaiting() override;
    std::size_t read(std::span<std::uint8_t> buffer) override;
    void writeFrame(std::span<const std::uint8_t> frame) override;

    [[nodiscard]] const QString& devicePath() const { return m_devicePath; }
    // Why the last open failed or the port was lost; empty after a good open.
    [[nodiscard]] const QString& lastError() const { return m_lastError; }

private:
    void onPortError(QSerialPort::SerialPortError error);
    // Deals with an I/O failure the port reported; true if the port is gone.
    bool takeFailure();
    void failWithErrno(int error);
    void lose(const QString& reason);
    void pumpInput();
    void drainOutput(const QDeadlineTimer& deadline);
    void giveUpWrite(const QString& reason);

    QSerialPort m_port;
    QString m_devicePath;
    QString m_lastError;
    QSerialPort::SerialPortError m_pendingFailure = QSerialPort::NoError;
    QString m_pendingText;
};

}  // namespace korvane::serial
