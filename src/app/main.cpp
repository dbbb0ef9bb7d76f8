#include "app/CommandLine.h"
#include "app/SignalCloser.h"
#include "app/SimulatedUnitProcess.h"
#include "app/TFormHlav.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <exception>

int main(int argc, char **argv)
{
    using namespace korvane::app;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvane"));
    QApplication::setOrganizationName(QStringLiteral("Korvane"));

    const CommandLine commandLine = ParseCommandLine(QApplication::arguments().mid(1));
    if (commandLine.help) {
        std::fputs(qPrintable(CommandLineHelp()), stdout);
        return 0;
    }
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
