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
    return QStringLiteral(
        "Usage: korvane [ENGLISH|DEUTSCH|FRENCH|CESKY] [--device PATH] [--simulate]\n"
        "               [--replay LOG.csv [--speed X]]\n"
        "\n"
        "  ENGLISH ...     language of the window (first argument, exact spelling)\n"
        "  --device PATH   use PATH for the current COM port of this run\n"
        "  --simulate      start a simulated control unit and connect to it\n"
        "  --replay LOG    play the ride log LOG (*.csv) as the unit; \"Replay\" shows meanwhile\n"
        "  --speed X       with --replay: replay X times as fast (default 1)\n"
        "  --help          show this text\n");
}

}  // namespace korvane::app
