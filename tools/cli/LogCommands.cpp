#include "LogCommands.h"

#include "CliArgs.h"
#include "DeviceCommands.h"
#include "ImageFiles.h"

#include "lang/LogTexts.h"
#include "logs/HitCounts.h"
#include "logs/LambdaAdvisor.h"
#include "logs/LogSettings.h"
#include "logs/RideLogReader.h"
#include "logs/RideLogWriter.h"
#include "model/BikeTypes.h"
#include "model/ValueLimits.h"
#include "pages/Pages.h"
#include "settings/ConfigFolder.h"

#include <array>
#include <cstdio>
#include <functional>

namespace korvane::cli {

namespace {

constexpr OptionSpec ImageOption{"image", '\0', true};
constexpr OptionSpec FormatOption{"format", '\0', true};
constexpr OptionSpec LangOption{"lang", '\0', true};
constexpr std::array<OptionSpec, 4> HitsOptions{{ImageOption, {"page", '\0', true}, FormatOption, LangOption}};
constexpr std::array<OptionSpec, 6> AdviseOptions{
    {ImageOption, {"base", '\0', true}, {"delay", '\0', true}, FormatOption, {"output", 'o', true}, LangOption}};

constexpr std::array<std::string_view, pages::MapPageCount> PageNames{"Advance", "Inj-14A", "Inj-23A", "Inj-B",
                                                                      "Inj-IAP"};

struct LoadedImage {
    model::ConfigImage image;
    bool extMonitor = false;
};

// As Open gives it after a fresh start; the type-dependent bytes follow the
// file's motorcycle type.
std::optional<LoadedImage> LoadImage(const std::string &path, CommandIo &io)
{
    LoadedImage loaded{StartupImage(), false};
    if (const FileResult result = LoadParameterFile(path, loaded.image, loaded.extMonitor); !result.ok) {
        io.err << result.message << '\n';
        return std::nullopt;
    }
    model::ApplyTypeSettings(loaded.image);
    model::NormaliseImage(loaded.image);
    return loaded;
}

bool CsvFormat(const ParsedArgs &parsed)
{
    const std::string format = parsed.value("format").value_or("text");
    if (format != "text" && format != "csv") {
        throw UsageError("--format must be text or csv, not '" + format + "'");
    }
    return format == "csv";
}

std::uint8_t LanguageOf(const ParsedArgs &parsed)
{
    const auto code = parsed.value("lang");
    return code ? ParseLanguageOption(*code) : std::uint8_t{0};
}

std::string ModelName(std::uint8_t code)
{
    std::string name = "model " + std::to_string(code);
    if (const auto item = model::BikeTypeToCombo(code)) {
        // The list pads its texts into columns; one blank reads better here.
        std::string text;
        for (const char c : model::BikeListTexts()[static_cast<std::size_t>(*item)]) {
            if (c != ' ' || (!text.empty() && text.back() != ' ')) {
                text += c;
            }
        }
        while (!text.empty() && text.back() == ' ') {
            text.pop_back();
        }
        name += " (" + text + ")";
    }
    return name;
}

void ReportSkipped(const std::string &path, const logs::LogSummary &summary, std::uint8_t language, CommandIo &io)
{
    if (summary.skippedTotal() == 0) {
        return;
    }
    io.err << path << ": " << summary.skippedTotal() << " rows skipped:";
    const char *separator = " ";
    for (std::size_t i = 0; i < logs::SkipReasonCount; ++i) {
        if (summary.skipped[i] != 0) {
            io.err << separator << summary.skipped[i] << ' '
                   << lang::SkipReasonText(static_cast<logs::SkipReason>(i), language);
            separator = ", ";
        }
    }
    io.err << '\n';
}

// Reads each log in turn into record, calling endOfLog after each. A log of
// another model than the image is refused: its cells would be another map's.
// Returns the exit code of a refusal, nullopt when all were read.
std::optional<int> ReadLogs(const std::vector<std::string> &paths, const model::ConfigImage &image,
                            std::uint8_t language, CommandIo &io,
                            const std::function<void(const logs::LogRecord &)> &record,
                            const std::function<void()> &endOfLog)
{
    const std::uint8_t imageModel = image[model::Offset::BikeType];
    for (const std::string &path : paths) {
        std::string error;
        const auto summary = logs::ReadRideLogFile(path, record, error);
        if (!summary) {
            io.err << error << '\n';
            return ExitUsage;
        }
        const logs::LogHeader &header = summary->header;
        if (header.model && *header.model != imageModel) {
            io.err << path << ": a log of " << ModelName(*header.model) << ", but the image is of "
                   << ModelName(imageModel) << '\n';
            return ExitUsage;
        }
        if (!header.model) {
            io.err << "note: " << path << " does not name its model; taken as " << ModelName(imageModel) << '\n';
        } else if (header.imageHash && *header.imageHash != logs::ImageHash(image)) {
            io.err << "note: " << path << " was recorded with other parameters (image "
                   << logs::HashText(*header.imageHash) << ")\n";
        }
        ReportSkipped(path, *summary, language, io);
        if (summary->records == 0) {
            io.err << "note: " << path << " holds no frames\n";
        }
        endOfLog();
    }
    return std::nullopt;
}

std::vector<std::string> RequireLogs(const ParsedArgs &parsed)
{
    if (parsed.positional.empty()) {
        throw UsageError("no log file given");
    }
    return parsed.positional;
}

int RowValue(std::uint8_t page, std::size_t row)
{
    return page == pages::InjIapPage ? pages::IapBreakpoints[row] : pages::TpsBreakpoints[row];
}

void PrintHits(const logs::HitCounts &hits, const model::ConfigImage &image, std::uint8_t page, bool csv,
               std::ostream &out)
{
    const std::size_t axis = model::AxisOfMapPage(page);
    if (csv) {
        out << "row,load_pct";
        for (std::size_t c = 0; c < model::MapColumns; ++c) {
            out << ',' << image[axis + c] * 100;
        }
        out << '\n';
    } else {
        out << PageNames[page] << ": " << hits.frames() << " frames\n" << (page == pages::InjIapPage ? "IAP" : "TPS");
        for (std::size_t c = 0; c < model::MapColumns; ++c) {
            char cell[16];
            std::snprintf(cell, sizeof cell, "%7d", image[axis + c] * 100);
            out << cell;
        }
        out << '\n';
    }
    for (std::uint8_t row = 0; row < model::MapRows; ++row) {
        if (csv) {
            out << int{row} << ',' << RowValue(page, row);
        } else {
            char label[16];
            std::snprintf(label, sizeof label, "%3d%%", RowValue(page, row));
            out << label;
        }
        for (std::uint8_t column = 0; column < model::MapColumns; ++column) {
            if (csv) {
                out << ',' << hits.count(page, row, column);
            } else {
                char cell[16];
                std::snprintf(cell, sizeof cell, "%7u", hits.count(page, row, column));
                out << cell;
            }
        }
        out << '\n';
    }
}

int Percent(std::uint32_t part, std::uint32_t whole)
{
    return whole == 0 ? 0 : static_cast<int>((std::uint64_t{part} * 200 + whole) / (2 * std::uint64_t{whole}));
}

void PrintAdvice(const std::vector<logs::CellAdvice> &advice, const model::ConfigImage &image, bool csv,
                 std::uint8_t language, std::ostream &out)
{
    if (csv) {
        out << "page,row,column,samples,lean_pct,rich_pct,advice,value,new_value\n";
    }
    for (const logs::CellAdvice &cell : advice) {
        const int lean = Percent(cell.evidence.lean, cell.evidence.samples);
        const int rich = Percent(cell.evidence.rich, cell.evidence.samples);
        if (csv) {
            const std::string_view word = cell.advice == logs::Advice::Richer   ? "richer"
                                          : cell.advice == logs::Advice::Leaner ? "leaner"
                                                                                : "";
            out << int{cell.page} << ',' << int{cell.row} << ',' << int{cell.column} << ',' << cell.evidence.samples
                << ',' << lean << ',' << rich << ',' << word << ',' << int{cell.value} << ',' << int{cell.newValue}
                << '\n';
            continue;
        }
        out << PageNames[cell.page] << ' ' << RowValue(cell.page, cell.row) << " % "
            << image[model::AxisOfMapPage(cell.page) + cell.column] * 100 << " rpm: " << cell.evidence.samples
            << " samples, " << lean << " % lean, " << rich << " % rich";
        if (cell.advice != logs::Advice::None) {
            const auto id = cell.advice == logs::Advice::Richer ? lang::LogTextId::Richer : lang::LogTextId::Leaner;
            out << ": " << lang::LogText(id, language) << ' ' << int{cell.value} << " -> " << int{cell.newValue};
            if (cell.railed) {
                out << " (10 % rail)";
            }
        }
        out << '\n';
    }
}

void PrintRejects(const logs::LambdaAdvisor &advisor, std::uint8_t language, std::ostream &err)
{
    err << advisor.frames() << " frames, " << advisor.samples() << " samples\n";
    for (std::size_t i = 0; i < logs::RejectReasonCount; ++i) {
        if (advisor.rejects()[i] != 0) {
            err << "rejected " << advisor.rejects()[i] << ": "
                << lang::RejectReasonText(static_cast<logs::RejectReason>(i), language) << '\n';
        }
    }
}

}  // namespace

int RunHits(std::span<const std::string> args, CommandIo &io)
{
    const ParsedArgs parsed = ParseArgs(args, HitsOptions);
    if (HandledHelp(parsed, "hits", io)) {
        return ExitSuccess;
    }
    const auto paths = RequireLogs(parsed);
    const auto page = static_cast<std::uint8_t>(
        ParseIntInRange(parsed.required("page"), 0, static_cast<int>(pages::MapPageCount) - 1, "--page"));
    const bool csv = CsvFormat(parsed);
    const std::uint8_t language = LanguageOf(parsed);
    const auto loaded = LoadImage(parsed.required("image"), io);
    if (!loaded) {
        return ExitUsage;
    }

    logs::HitCounts hits;
    const auto refused = ReadLogs(
        paths, loaded->image, language, io,
        [&](const logs::LogRecord &record) { hits.Add(loaded->image, logs::MarkerValues(record.numbers)); }, [] {});
    if (refused) {
        return *refused;
    }
    PrintHits(hits, loaded->image, page, csv, io.out);
    return ExitSuccess;
}

int RunAdvise(std::span<const std::string> args, CommandIo &io)
{
    const ParsedArgs parsed = ParseArgs(args, AdviseOptions);
    if (HandledHelp(parsed, "advise", io)) {
        return ExitSuccess;
    }
    const auto paths = RequireLogs(parsed);
    const bool csv = CsvFormat(parsed);
    const std::uint8_t language = LanguageOf(parsed);
    // The [Advisor] settings of the window, unless the command line says otherwise.
    logs::AdvisorSettings settings = logs::ReadAdvisorSettings(settings::LoadIniFile(settings::SettingsFile()).file);
    if (const auto delay = parsed.value("delay")) {
        settings.delay = ParseIntInRange(*delay, logs::DelaySetting.low, logs::DelaySetting.high, "--delay");
    }
    const auto loaded = LoadImage(parsed.required("image"), io);
    if (!loaded) {
        return ExitUsage;
    }
    std::optional<LoadedImage> base = loaded;
    if (const auto basePath = parsed.value("base")) {
        base = LoadImage(*basePath, io);
        if (!base) {
            return ExitUsage;
        }
        if (base->image[model::Offset::BikeType] != loaded->image[model::Offset::BikeType]) {
            io.err << *basePath << ": the base is of " << ModelName(base->image[model::Offset::BikeType])
                   << ", the image of " << ModelName(loaded->image[model::Offset::BikeType]) << '\n';
            return ExitUsage;
        }
    }

    logs::LambdaAdvisor advisor(settings);
    const auto refused = ReadLogs(
        paths, loaded->image, language, io,
        [&](const logs::LogRecord &record) { advisor.Add(loaded->image, record.numbers); },
        [&] { advisor.EndOfLog(); });
    if (refused) {
        return *refused;
    }
    const auto advice = logs::Advise(advisor, loaded->image, base->image);
    PrintAdvice(advice, loaded->image, csv, language, io.out);
    PrintRejects(advisor, language, io.err);

    if (const auto output = parsed.value("output")) {
        model::ConfigImage advised = logs::ApplyAdvice(loaded->image, advice);
        model::NormaliseImage(advised);
        if (const FileResult saved = SaveParameterFile(*output, advised, loaded->extMonitor); !saved.ok) {
            io.err << saved.message << '\n';
            return ExitFailure;
        }
    }
    return ExitSuccess;
}

}  // namespace korvane::cli
