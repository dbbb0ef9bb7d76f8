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
    return result;
}

QString CommandLineHelp()
{
    // help2man makes the manual page from this text: "Options:" and "Files:"
    // start sections, and an entry's text continues from column 20.
    return QStringLiteral(
        "Usage: korvane [ENGLISH|DEUTSCH|FRENCH|CESKY] [--device PATH] [--simulate]\n"
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
        "  -h, --help        show this text and exit\n"
        "  --version         show the version and exit\n"
        "\n"
        "Files:\n"
        "  $XDG_CONFIG_HOME/Korvane/Korvane.ini\n"
        "                    settings: window, COM port, language, last parameter\n"
        "                    file ([BASIC]) and the COM port map ([Ports]); without\n"
        "                    XDG_CONFIG_HOME the folder is ~/.config/Korvane/\n"
        "  $XDG_CONFIG_HOME/Korvane/_Korvane.ini\n"
        "                    the parameters at the last close, where the next\n"
        "                    start begins\n"
        "  Korvane_en.pdf, Korvane_de.pdf, Korvane_fr.pdf, Korvane_cz.pdf\n"
        "                    the manual that F1 opens, from the working folder or\n"
        "                    else from ../share/korvane/manual/ beside the program\n");
}

}  // namespace korvane::app
