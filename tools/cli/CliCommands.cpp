#include "CliCommands.h"

#include "CliArgs.h"
#include "DeviceCommands.h"
#include "KorvaneVersion.h"
#include "ModelCommands.h"
#include "PrintCommand.h"

#include <array>
#include <exception>

namespace korvane::cli {

namespace {

constexpr std::string_view ProgramName = "korvane-cli";

const std::array CommandTable{
    Command{"new", "new --bike CODE -o FILE.ign",
            "Writes the default parameters of motorcycle type CODE (0..28) as a parameter file.", RunNew},
    Command{"convert", "convert IN.ign -o OUT.ign",
            "Reads a parameter file as the program opens it, repairs out-of-range values\n"
            "and writes it again in the program's own layout.",
            RunConvert},
    Command{"normalise", "normalise IN.snapshot -o OUT.snapshot",
            "Reads an image snapshot, repairs out-of-range values and writes the snapshot again.",
            RunNormalise},
    Command{"show", "show FILE.ign", "Prints the parameters of a parameter file in physical units.", RunShow},
    Command{"read", "read --device PATH|COMn -o FILE.ign [--lang en|de|fr|cz]",
            "Reads the unit's parameters, verifies them and saves them as a parameter file.\n"
            "The file is written only when the closing verify succeeded.",
            RunRead},
    Command{"program", "program --device PATH|COMn FILE.ign [--wait-saving] [--lang en|de|fr|cz]",
            "Programs the parameters of FILE.ign into the unit and verifies them.\n"
            "--wait-saving also waits until the unit has stored them.",
            RunProgram},
    Command{"verify", "verify --device PATH|COMn FILE.ign [--lang en|de|fr|cz]",
            "Compares the parameters of FILE.ign with those in the unit.", RunVerify},
    Command{"monitor", "monitor --device PATH|COMn --csv FILE|- [--seconds S] [--extended] [--lang en|de|fr|cz]",
            "Logs the unit's live data as CSV, one row per frame (about three a second),\n"
            "for S seconds or until interrupted. --extended adds the sensor voltages.",
            RunMonitor},
    Command{"print", "print FILE.ign -o OUT.pdf [--page N] [--lang en|de|fr|cz]",
            "Writes the printout of the window showing FILE.ign as a one-page PDF, dated now.\n"
            "N is the page in front: 0 Advance, 1 Inj-14A, 2 Inj-23A, 3 Inj-B, 4 Inj-IAP,\n"
            "5 Position, 6 Servo, 7 Other, 8 Corrections, 9 N2O (default 0).",
            RunPrint},
};

const Command *FindCommand(std::string_view name)
{
    for (const Command &command : CommandTable) {
        if (command.name == name) {
            return &command;
        }
    }
    return nullptr;
}

bool IsHelp(std::string_view arg) { return arg == "help" || arg == "--help" || arg == "-h"; }

}  // namespace

std::span<const Command> Commands() { return CommandTable; }

void PrintUsage(std::ostream &out)
{
    out << "Usage: " << ProgramName << " <command> [options]\n"
        << "  or:  " << ProgramName << " --help | --version\n\nCommands:\n";
    for (const Command &command : CommandTable) {
        out << "  " << command.synopsis << '\n';
    }
    out << "  help [COMMAND]\n\n"
        << "Run '" << ProgramName << " help COMMAND' or '" << ProgramName
        << " COMMAND --help' for what a command does.\n"
        << "Exit codes: 0 success, 1 failure, 2 wrong command line.\n";
}

void PrintCommandUsage(std::ostream &out, const Command &command)
{
    out << "Usage: " << ProgramName << ' ' << command.synopsis << "\n\n" << command.description << '\n';
}

int RunCli(std::span<const std::string> args, std::ostream &out, std::ostream &err)
{
    if (args.empty()) {
        err << ProgramName << ": no command given\n\n";
        PrintUsage(err);
        return ExitUsage;
    }

    if (args[0] == "--version") {
        if (args.size() > 1) {
            err << ProgramName << ": --version takes no arguments\n";
            return ExitUsage;
        }
        out << ProgramName << ' ' << Version << '\n';
        return ExitSuccess;
    }

    if (IsHelp(args[0])) {
        if (args.size() == 1) {
            PrintUsage(out);
            return ExitSuccess;
        }
        if (const Command *command = FindCommand(args[1]); command != nullptr && args.size() == 2) {
            PrintCommandUsage(out, *command);
            return ExitSuccess;
        }
        err << ProgramName << ": no such command '" << args[1] << "'\n";
        return ExitUsage;
    }

    const Command *command = FindCommand(args[0]);
    if (command == nullptr) {
        err << ProgramName << ": unknown command '" << args[0] << "'; run '" << ProgramName
            << " --help' for the list\n";
        return ExitUsage;
    }

    CommandIo io{out, err};
    try {
        return command->run(args.subspan(1), io);
    } catch (const UsageError &error) {
        err << ProgramName << ' ' << command->name << ": " << error.what() << "\nUsage: " << ProgramName << ' '
            << command->synopsis << '\n';
        return ExitUsage;
    } catch (const std::exception &error) {
        err << ProgramName << ' ' << command->name << ": " << error.what() << '\n';
        return ExitFailure;
    }
}

bool HandledHelp(const ParsedArgs &parsed, std::string_view name, CommandIo &io)
{
    if (!parsed.help) {
        return false;
    }
    for (const Command &command : Commands()) {
        if (command.name == name) {
            PrintCommandUsage(io.out, command);
        }
    }
    return true;
}

}  // namespace korvane::cli
