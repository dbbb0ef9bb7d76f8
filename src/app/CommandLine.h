#pragma once

// korvane [ENGLISH|DEUTSCH|FRENCH|CESKY] [--device PATH] [--simulate]
// korvane --help | --version
//         [--replay LOG.csv [--speed X]]

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace korvane::app {

struct CommandLine {
    std::optional<std::uint8_t> language;  // from the first argument only, exact match
    QString device;                        // --device PATH, attached to the current COM number
    bool simulate = false;                 // --simulate: start a simulated unit on a pty
    // Ride logs: --replay LOG.csv plays the log as the unit; --speed X scales its clock.
    QString replayLog;
    double replaySpeed = 1.0;

    bool help = false;
    bool version = false;
    QString error;                         // unknown option or missing value
};

// arguments without the program name.
[[nodiscard]] CommandLine ParseCommandLine(const QStringList &arguments);
[[nodiscard]] QString CommandLineHelp();

}  // namespace korvane::app
