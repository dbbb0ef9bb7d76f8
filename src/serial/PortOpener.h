#pragma once

// Opening the port chosen by its COM number (start-up and the COM menu).

#include "serial/PortMap.h"
#include "serial/SerialPort.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace korvane::serial {

enum class OpenOutcome {
    Opened,
    NotAttempted,  // number outside 1..10: no open, no message
    Failed         // the caller shows the "Com opening error!" message
};

struct OpenResult {
    OpenOutcome outcome = OpenOutcome::NotAttempted;
    QString device;  // the device tried, empty if none
    QString error;   // SerialPort::lastError() of a failed open
};

// For a number outside 1..10 the port is left as it is.
[[nodiscard]] OpenResult OpenPort(SerialPort& port, const PortMap& map, std::uint8_t portNumber);

// The message box text for a failed open in the given language; none otherwise.
[[nodiscard]] std::optional<QString> OpenFailureMessage(const OpenResult& result,
                                                        std::uint8_t language);

}  // namespace korvane::serial
