#include "app/CommandLine.h"

#include "lang/Texts.h"

namespace korvane::app {

CommandLine ParseCommandLine(const QStringList &arguments)
{
    CommandLine result;
    // Only the very first argument may choose the language, compared exactly.
    if (!arguments.isEmpty())
        result.language = lang::LanguageFromArgument(arguments.first().toStdString());

    for (qsizetype i = result.language ? 1 : 0; i < arguments.size(); ++i) {
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
    return result;
}

QString CommandLineHelp()
{
    return QStringLiteral(
        "Usage: korvane [ENGLISH|DEUTSCH|FRENCH|CESKY] [--device PATH] [--simulate]\n"
        "\n"
        "  ENGLISH ...     language of the window (first argument, exact spelling)\n"
        "  --device PATH   use PATH for the current COM port of this run\n"
        "  --simulate      start a simulated control unit and connect to it\n"
        "  --help          show this text\n");
}

}  // namespace korvane::app
