#include "app/CommandLine.h"
#include "app/SignalCloser.h"
#include "app/SimulatedUnitProcess.h"
#include "app/TFormHlav.h"

#include "KorvaneVersion.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <exception>
#include <optional>

namespace {

// The answer to --help or --version; none when neither was asked for.
std::optional<int> PrintInformation(const korvane::app::CommandLine &commandLine)
{
    if (commandLine.help) {
        std::fputs(qPrintable(korvane::app::CommandLineHelp()), stdout);
        return 0;
    }
    if (commandLine.version) {
        std::printf("korvane %s\n", korvane::Version);
        return 0;
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char **argv)
{
    using namespace korvane::app;
    // Answered before the toolkit starts, so that they need no display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const std::optional<int> exitCode = PrintInformation(ParseCommandLine(arguments)))
        return *exitCode;

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvane"));
    QApplication::setOrganizationName(QStringLiteral("Korvane"));
    // Lets a Wayland desktop match the window to its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral("io.github.korvane.Korvane"));

    // Without the toolkit's own options, such as -platform.
    const CommandLine commandLine = ParseCommandLine(QApplication::arguments().mid(1));
    if (const std::optional<int> exitCode = PrintInformation(commandLine))
        return *exitCode;
    if (!commandLine.error.isEmpty()) {
        std::fprintf(stderr, "korvane: %s\n%s", qPrintable(commandLine.error), qPrintable(CommandLineHelp()));
        return 2;
    }

    try {
        SimulatedUnitProcess simulatedUnit;
        StartOptions options;
        options.language = commandLine.language;
        options.device = commandLine.device;
        options.replayLog = commandLine.replayLog;
        options.replaySpeed = commandLine.replaySpeed;
        if (commandLine.simulate) {
            if (!simulatedUnit.start()) {
                std::fprintf(stderr, "korvane: the simulated unit could not start: %s\n",
                             qPrintable(simulatedUnit.error()));
                return 1;
            }
            options.device = simulatedUnit.devicePath();
        }
        TFormHlav window(options);
        SignalCloser closer(window);
        window.show();
        return QApplication::exec();
    } catch (const std::exception &error) {
        QMessageBox::critical(nullptr, QStringLiteral("Korvane"), QString::fromLocal8Bit(error.what()));
        return 1;
    }
}
