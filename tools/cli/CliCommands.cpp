#include "CliCommands.h"

#include "CliArgs.h"
#include "DeviceCommands.h"
#include "DiffCommand.h"
#include "HistoryCommand.h"
#include "LogCommands.h"
#include "MapCommand.h"
#include "KorvaneVersion.h"
#include "ModelCommands.h"
#include "PrintCommand.h"
#include "SheetCommand.h"

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
    Command{"monitor",
            "monitor --device PATH|COMn --csv FILE|- [--seconds S] [--extended] [--image FILE.ign | --read-unit]\n"
            "          [--lang en|de|fr|cz]",
            "Logs the unit's live data as a ride log, one row per frame (about three a second),\n"
            "for S seconds or until interrupted. --extended adds the sensor voltages.\n"
            "The log begins with '#' lines naming the parameters in use: those of FILE.ign\n"
            "with --image, or the unit's own with --read-unit, which reads them first.",
            RunMonitor},
    Command{"print", "print FILE.ign -o OUT.pdf [--page N] [--lang en|de|fr|cz]",
            "Writes the printout of the window showing FILE.ign as a one-page PDF, dated now.\n"
            "N is the page in front: 0 Advance, 1 Inj-14A, 2 Inj-23A, 3 Inj-B, 4 Inj-IAP,\n"
            "5 Position, 6 Servo, 7 Other, 8 Corrections, 9 N2O (default 0).",
            RunPrint},
    Command{"map",
            "map FILE.ign --page N [--curve A|B] [--select R1:C1[-R2:C2]]\n"
            "      (--set V | --add K | --scale P | --smooth | --interpolate | --copy | --paste FILE|- [--group C])\n"
            "      [-o OUT.ign] [--lang en|de|fr|cz]",
            "Edits one table of FILE.ign as the table view does and writes the result to OUT.ign.\n"
            "N: 0 Advance, 1 Inj-14A, 2 Inj-23A, 3 Inj-B, 4 Inj-IAP (10 rows x 15 columns),\n"
            "5 Position with --curve A or B, 6 Servo (1 row x 15 columns). Values are in editor units.\n"
            "--select: two opposite corners, rows and columns counted from 1 (default: the whole table).\n"
            "--set V: every cell to V. --add K: K editor steps, negative lowers. --scale P: to P % of itself.\n"
            "--smooth: 0.75 x the cell + 0.25 x the mean of its neighbours. --interpolate: from the ends\n"
            "or corners along the real engine-speed axis and row breakpoints.\n"
            "--copy: prints the selection as tab-separated lines, no -o.\n"
            "--paste: writes the numbers of FILE (- for standard input) from the selection's first cell;\n"
            "--group C also accepts digit grouping by C (one character, space, nbsp or nnbsp).\n"
            "Results are rounded to the editor's step and limited to its range; limited cells are noted\n"
            "on standard error. Exit 1, writing nothing, when the table is locked (Inj-23A while Coupled)\n"
            "or the paste is refused; 2 for a wrong command line or an unreadable input file.",
            RunMap},
    Command{"history", "history list [--format text|csv] [--lang en|de|fr|cz] [--folder DIR]\n"
                       "  history export N -o FILE.ign [--folder DIR]",
            "Lists the restore points, newest first: number, time, kind, model, firmware,\n"
            "note and path. Number 1 is the newest; history:N names the same point elsewhere.\n"
            "export writes point N as a parameter file that keeps all 1200 bytes.\n"
            "DIR defaults to $XDG_DATA_HOME/Korvane/history (~/.local/share/Korvane/history).",
            RunHistory},
    Command{"diff", "diff A B [--format text|csv] [--lang en|de|fr|cz] [--header]",
            "Shows what differs between two parameter sets. A and B are each a parameter file,\n"
            "history:N (restore point N of 'history list', 1 the newest) or device:PATH|COMn\n"
            "(the unit, read as a read does; it is never programmed). Values are in the editors'\n"
            "units, B minus A as the difference. --header also compares the unit's header.\n"
            "CSV columns: page,parameter,row,column,a,b,delta; row and column count from 1.\n"
            "Exit codes: 0 equal, 1 different, 2 wrong command line or unreadable input.",
            RunDiff},
    Command{"sheet", "sheet FILE.ign -o OUT.pdf [--against B] [--lang en|de|fr|cz]",
            "Writes the tune sheet of a parameter set as a PDF (A4 landscape): every page the\n"
            "parameters show, maps and curves as tables with their axes, the other settings\n"
            "by caption. --against B lists what differs from B first and marks those values\n"
            "bold with B's beside them. FILE.ign and B may also be history:N or device:PATH|COMn.",
            RunSheet},
    Command{"hits", "hits LOG.csv... --image FILE.ign --page N [--format text|csv] [--lang en|de|fr|cz]",
            "Counts per cell of map page N (0 Advance, 1 Inj-14A, 2 Inj-23A, 3 Inj-B, 4 Inj-IAP)\n"
            "the frames of the ride logs whose live marker was on it, by the axes of FILE.ign.\n"
            "CSV: row,load_pct, then the 15 engine speeds of the page's axis.",
            RunHits},
    Command{"advise",
            "advise LOG.csv... --image FILE.ign [--base BASE.ign] [--delay D] [--format text|csv] [-o OUT.ign]\n"
            "          [--lang en|de|fr|cz]",
            "Says which way the lambda sensor of the ride logs wants each injection map cell\n"
            "of FILE.ign to go: richer or leaner by 2 %, where at least 8 clean samples agree\n"
            "to 70 %. No cell moves more than 10 % from its value in BASE.ign (default: FILE.ign\n"
            "itself; keep the original there when applying advice again). D: the frames by\n"
            "which the sensor lags, 0..3 (default 1, or Delay in [Advisor] of the settings).\n"
            "CSV: page,row,column,samples,lean_pct,rich_pct,advice,value,new_value.\n"
            "The frames rejected, by reason, go to standard error. -o writes the advised\n"
            "parameters. A log of another motorcycle type than FILE.ign is refused (exit 2).",
            RunAdvise},
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
