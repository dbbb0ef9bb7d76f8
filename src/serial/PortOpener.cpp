#include "serial/PortOpener.h"

#include "lang/Texts.h"

namespace korvane::serial {

OpenResult OpenPort(SerialPort& port, const PortMap& map, std::uint8_t portNumber)
{
    OpenResult result;
    result.device = map.devicePath(portNumber);
    if (result.device.isEmpty())
        return result;
    if (port.OpenPort(result.device)) {
        result.outcome = OpenOutcome::Opened;
    } else {
        result.outcome = OpenOutcome::Failed;
        result.error = port.lastError();
    }
    return result;
}

std::optional<QString> OpenFailureMessage(const OpenResult& result, std::uint8_t language)
{
    if (result.outcome != OpenOutcome::Failed)
        return std::nullopt;
    return QString::fromStdString(lang::MessageText(lang::TextId::ComOpenError, language));
}

}  // namespace korvane::serial
