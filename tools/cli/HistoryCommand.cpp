#include "HistoryCommand.h"

#include "CliArgs.h"
#include "DeviceCommands.h"

#include "history/PointFile.h"
#include "history/RestorePoints.h"
#include "lang/HistoryTexts.h"
#include "model/BikeTypes.h"
#include "model/SafeFile.h"
#include "settings/DataFolder.h"

#include <array>
#include <limits>
#include <vector>

namespace korvane::cli {

namespace {

using lang::HistoryTextId;

constexpr OptionSpec FolderOption{"folder", '\0', true};
constexpr std::array<OptionSpec, 3> ListOptions{{{"format", '\0', true}, FolderOption, {"lang", '\0', true}}};
constexpr std::array<OptionSpec, 2> ExportOptions{{{"output", 'o', true}, FolderOption}};

std::filesystem::path FolderOf(const ParsedArgs &parsed)
{
    const std::optional<std::string> folder = parsed.value("folder");
    return folder ? std::filesystem::path(*folder) : settings::HistoryFolder();
}

// The model as the list on the Other page names it, its alignment blanks
// folded; the bare code for a code the list does not know.
std::string ModelText(const std::optional<int> &model)
{
    if (!model) {
        return {};
    }
    const std::optional<int> item =
        *model >= 0 && *model <= 255 ? model::BikeTypeToCombo(static_cast<std::uint8_t>(*model)) : std::nullopt;
    if (!item) {
        return std::to_string(*model);
    }
    std::string text;
    for (char c : model::BikeListTexts()[static_cast<std::size_t>(*item)]) {
        if (c != ' ' || (!text.empty() && text.back() != ' ')) {
            text += c;
        }
    }
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

std::string KindText(const history::RestorePoint &point, std::uint8_t language)
{
    HistoryTextId id = HistoryTextId::KindOther;
    switch (point.kind) {
    case history::PointKind::Read: id = HistoryTextId::KindRead; break;
    case history::PointKind::Program:
        id = point.confirmed ? HistoryTextId::KindProgramConfirmed : HistoryTextId::KindProgram;
        break;
    case history::PointKind::Backup: id = HistoryTextId::KindBackup; break;
    case history::PointKind::Advice: id = HistoryTextId::KindAdvice; break;
    case history::PointKind::Other: break;
    }
    std::string text = lang::HistoryText(id, language);
    if (!point.readable) {
        text += ", " + lang::HistoryText(HistoryTextId::Unreadable, language);
    }
    return text;
}

using Row = std::array<std::string, 7>;

std::string CsvField(const std::string &text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + '"';
}

// One line per point in the text form: control characters become blanks.
std::string OneLine(std::string text)
{
    for (char &c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            c = ' ';
        }
    }
    return text;
}

// Characters, not bytes, so that accented columns line up.
std::size_t Width(const std::string &text)
{
    std::size_t width = 0;
    for (char c : text) {
        width += (static_cast<unsigned char>(c) & 0xC0u) != 0x80u;
    }
    return width;
}

void PrintText(std::ostream &out, const std::vector<Row> &rows)
{
    std::array<std::size_t, 7> widths{};
    for (const Row &row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            widths[i] = std::max(widths[i], Width(row[i]));
        }
    }
    for (const Row &row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            const std::string cell = OneLine(row[i]);
            if (i == 0) {
                line.append(widths[0] - Width(cell), ' ');  // numbers to the right
                line += cell;
            } else {
                line += "  " + cell;
                if (i + 1 < row.size()) {
                    line.append(widths[i] - Width(cell), ' ');
                }
            }
        }
        out << line << '\n';
    }
}

int RunList(std::span<const std::string> args, CommandIo &io)
{
    const ParsedArgs parsed = ParseArgs(args, ListOptions);
    if (HandledHelp(parsed, "history", io)) {
        return ExitSuccess;
    }
    RequirePositional(parsed, 0, "");
    const std::string format = parsed.value("format").value_or("text");
    if (format != "text" && format != "csv") {
        throw UsageError("--format must be text or csv, not '" + format + "'");
    }
    const std::uint8_t language = parsed.has("lang") ? ParseLanguageOption(*parsed.value("lang"))
                                                     : std::uint8_t{lang::English};
    const std::filesystem::path folder = FolderOf(parsed);

    const history::ListResult list = history::ListRestorePoints(folder);
    if (!list.ok) {
        io.err << "cannot read " << folder.string() << ": " << list.reason << '\n';
        return ExitUsage;
    }
    std::vector<Row> rows;
    for (std::size_t i = 0; i < list.points.size(); ++i) {
        const history::RestorePoint &point = list.points[i];
        rows.push_back({std::to_string(i + 1), history::LocalTimeText(point.time), KindText(point, language),
                        ModelText(point.model), point.firmware, point.note, point.path.string()});
    }

    if (format == "csv") {
        io.out << "number,time,kind,model,firmware,note,path\n";
        for (const Row &row : rows) {
            for (std::size_t i = 0; i < row.size(); ++i) {
                io.out << (i > 0 ? "," : "") << CsvField(row[i]);
            }
            io.out << '\n';
        }
        return ExitSuccess;
    }
    if (rows.empty()) {
        io.out << "No restore points in " << folder.string() << '\n';
        return ExitSuccess;
    }
    rows.insert(rows.begin(), Row{"#", lang::HistoryText(HistoryTextId::ColumnTime, language),
                                  lang::HistoryText(HistoryTextId::ColumnKind, language),
                                  lang::HistoryText(HistoryTextId::ColumnModel, language),
                                  lang::HistoryText(HistoryTextId::ColumnFirmware, language),
                                  lang::HistoryText(HistoryTextId::ColumnNote, language),
                                  lang::HistoryText(HistoryTextId::ColumnFile, language)});
    PrintText(io.out, rows);
    return ExitSuccess;
}

int RunExport(std::span<const std::string> args, CommandIo &io)
{
    const ParsedArgs parsed = ParseArgs(args, ExportOptions);
    if (HandledHelp(parsed, "history", io)) {
        return ExitSuccess;
    }
    RequirePositional(parsed, 1, "the number N of the restore point");
    const int number = ParseIntInRange(parsed.positional[0], 1, std::numeric_limits<int>::max(), "N");
    const std::string &output = parsed.required("output");
    const std::filesystem::path folder = FolderOf(parsed);

    const std::optional<history::RestorePoint> point =
        history::PointByNumber(folder, static_cast<std::size_t>(number));
    if (!point) {
        io.err << "no restore point " << number << " in " << folder.string() << '\n';
        return ExitUsage;
    }
    const history::LoadResult loaded = history::LoadRestorePoint(point->path);
    if (!loaded.ok) {
        io.err << loaded.error << '\n';
        return ExitUsage;
    }
    std::string error;
    if (!model::WriteFileAtomically(output, history::PointFileText(loaded.image, loaded.extMonitor), &error)) {
        io.err << error << '\n';
        return ExitFailure;
    }
    return ExitSuccess;
}

}  // namespace

int RunHistory(std::span<const std::string> args, CommandIo &io)
{
    if (args.empty()) {
        throw UsageError("give list or export");
    }
    const std::span<const std::string> rest = args.subspan(1);
    if (HandledHelp(ParseArgs(args.first(1), {}), "history", io)) {
        return ExitSuccess;
    }
    if (args[0] == "list") {
        return RunList(rest, io);
    }
    if (args[0] == "export") {
        return RunExport(rest, io);
    }
    throw UsageError("unknown history command '" + args[0] + "'; give list or export");
}

}  // namespace korvane::cli
