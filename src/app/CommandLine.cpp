#include "app/CommandLine.h"

#include "lang/Texts.h"

namespace korvane::app {

namespace {

// --replay LOG.csv [--speed X]; false when argument is neither. A missing or
// wrong value sets result.error.
bool TakeReplayOption(const QStringList &arguments, qsizetype &i, CommandLine &result, bool &speedGiven)
{
    const QString &argument = arguments.at(i);
    const bool replay = argument == QLatin1String("--replay");
    if (!replay && argument != QLatin1String("--speed"))
        return false;
    if (i + 1 >= arguments.size() || arguments.at(i + 1).isEmpty()) {
        result.error = replay ? QStringLiteral("--replay needs a log file") : QStringLiteral("--speed needs a factor");
        return true;
    }
    const QString value = arguments.at(++i);
    if (replay) {
        result.replayLog = value;
        return true;
    }
    bool ok = false;
    const double speed = value.toDouble(&ok);
    if (!ok || !(speed > 0.0) || speed > 1000.0)
        result.error = QStringLiteral("--speed needs a positive factor, at most 1000");
    result.replaySpeed = speed;
    speedGiven = true;
    return true;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList &arguments)
{
    CommandLine result;
    // Only the very first argument may choose the language, compared exactly.
    if (!arguments.isEmpty())
        result.language = lang::LanguageFromArgument(arguments.first().toStdString());

    bool speedGiven = false;
    for (qsizetype i = result.language ? 1 : 0; i < arguments.size(); ++i) {
        if (TakeReplayOption(arguments, i, result, speedGiven)) {
            if (!result.error.isEmpty())
                return result;
            continue;
        }
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--simulate")) {
            result.simulate = true;
        } else if (argument == QLatin1String("--device")) {
            if (i + 1 >= arguments.size() || arguments.at(i + 1).isEmpty()) {
                result.error = QStringLiteral("--device needs a device path");
                return result;
            }
            result.device = arguments.at(++i);
        } else if (argument.startsWith(QLatin1String("--device="))) {
            result.device = argument.mid(9);
            if (result.device.isEmpty()) {
                result.error = QStringLiteral("--device needs a device path");
                return result;
            }
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            result.help = true;
        } else if (argument == QLatin1String("--version")) {
            result.version = true;
        } else if (i == 0 || argument.startsWith(QLatin1Char('-'))) {
            // A first argument that names no language is ignored, as it always was;
            // an unknown option is a mistake worth saying.
            if (argument.startsWith(QLatin1Char('-'))) {
                result.error = QStringLiteral("unknown option %1").arg(argument);
                return result;
            }
        }
    }
    if (speedGiven && result.replayLog.isEmpty())
        result.error = QStringLiteral("--speed needs --replay");
    else if (result.simulate && !result.replayLog.isEmpty())
        result.error = QStringLiteral("--replay and --simulate both start a unit; choose one");
    return result;
}

QString CommandLineHelp()
{
    // help2man makes the manual page from this text: "Options:" and "Files:"
    // start sections, and an entry's text continues from column 20.
    return QStringLiteral(
        "Usage: korvane [ENGLISH|DEUTSCH|FRENCH|CESKY] [--device PATH] [--simulate]\n"
        "               [--replay LOG.csv [--speed X]]\n"
        "  or:  korvane --help|--version\n"
        "Opens the window in which the parameters of a motorcycle engine control unit\n"
        "(ignition and fuel injection) are read, edited, programmed into the unit and\n"
        "verified, over a serial line at 57600 baud, 8N1.\n"
        "\n"
        "Language:\n"
        "  ENGLISH           English\n"
        "  DEUTSCH           German\n"
        "  FRENCH            French\n"
        "  CESKY             Czech\n"
        "The language word counts only as the first argument, spelt exactly so.\n"
        "Without it the window starts in the language it had at the last close.\n"
        "\n"
        "Options:\n"
        "  --device PATH     use the serial device PATH (e.g. /dev/ttyUSB0) for the\n"
        "                    current COM port during this run; the port map in the\n"
        "                    settings file stays as it is\n"
        "  --device=PATH     the same\n"
        "  --simulate        start korvane-unit-sim, a simulated unit, on a\n"
        "                    pseudo-terminal and connect to it, so that live data,\n"
        "                    Read, Verify and Program work without a unit\n"
        "  --replay LOG.csv  play the ride log LOG.csv as the unit: korvane-unit-sim\n"
        "                    answers with the logged frames, and \"Replay\" shows in\n"
        "                    the status bar for as long as it lasts\n"
        "  --speed X         with --replay: replay X times as fast (default 1)\n"
        "  -h, --help        show this text and exit\n"
        "  --version         show the version and exit\n"
        "\n"
        "Files:\n"
        "  $XDG_CONFIG_HOME/Korvane/Korvane.ini\n"
        "                    settings: window, COM port, language, last parameter\n"
        "                    file ([BASIC]) and the COM port map ([Ports]); without\n"
        "                    XDG_CONFIG_HOME the folder is ~/.config/Korvane/\n"
        "  $XDG_DATA_HOME/Korvane/history/, $XDG_DATA_HOME/Korvane/logs/\n"
        "                    restore points and ride logs; without XDG_DATA_HOME\n"
        "                    the folder is ~/.local/share/Korvane/\n"
        "  $XDG_CONFIG_HOME/Korvane/_Korvane.ini\n"
        "                    the parameters at the last close, where the next\n"
        "                    start begins\n"
        "  Korvane_en.pdf, Korvane_de.pdf, Korvane_fr.pdf, Korvane_cz.pdf\n"
        "                    the manual that F1 opens, from the working folder or\n"
        "                    else from ../share/korvane/manual/ beside the program\n");
}

}  // namespace korvane::app
