#pragma once

// korvane [ENGLISH|DEUTSCH|FRENCH|CESKY] [--device PATH] [--simulate]
// korvane --help | --version

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace korvane::app {

struct CommandLine {
    std::optional<std::uint8_t> language;  // from the first argument only, exact match
    QString device;                        // --device PATH, attached to the current COM number
    bool simulate = false;                 // --simulate: start a simulated unit on a pty
    bool help = false;
    bool version = false;
    QString error;                         // unknown option or missing value
};

// arguments without the program name.
[[nodiscard]] CommandLine ParseCommandLine(const QStringList &arguments);
[[nodiscard]] QString CommandLineHelp();

}  // namespace korvane::app
