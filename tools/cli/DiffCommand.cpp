#include "DiffCommand.h"

#include "CliArgs.h"
#include "DeviceCommands.h"
#include "DiffSources.h"

#include "history/ParameterNames.h"
#include "lang/CompareTexts.h"
#include "lang/Texts.h"

#include <array>
#include <optional>

namespace korvane::cli {

namespace {

using history::DiffEntry;
using lang::CompareTextId;

constexpr std::array<OptionSpec, 3> DiffOptions{{{"format", '\0', true}, {"lang", '\0', true}, {"header", '\0', false}}};
constexpr int ExitDifferent = 1;

std::string Counted(int index)
{
    return index < 0 ? std::string() : std::to_string(index + 1);
}


}  // namespace

std::string CsvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + '"';
}

std::string DiffCsv(std::span<const DiffEntry> entries, std::uint8_t language)
{
    std::string csv = "page,parameter,row,column,a,b,delta\n";
    for (const DiffEntry &entry : entries) {
        csv += CsvField(history::PageName(entry.page, language)) + ',' + CsvField(entry.parameter) + ',' +
               Counted(entry.row) + ',' + Counted(entry.column) + ',' + CsvField(entry.a) + ',' + CsvField(entry.b) +
               ',' + (entry.hasDelta() ? std::to_string(entry.delta()) : std::string()) + '\n';
    }
    return csv;
}

std::string DiffText(std::span<const DiffEntry> entries, std::uint8_t language, const std::string &nameA,
                     const std::string &nameB)
{
    std::string text = "A: " + nameA + "\nB: " + nameB + "\n";
    if (entries.empty()) {
        return text + lang::CompareText(CompareTextId::NoDifferences, language) + '\n';
    }
    std::optional<std::uint8_t> page;
    for (const DiffEntry &entry : entries) {
        if (entry.page != page) {
            page = entry.page;
            text += '\n' + history::PageName(entry.page, language) + '\n';
        }
        text += "  " + entry.parameter + ": " + entry.a + " → " + entry.b;
        if (entry.hasDelta()) {
            text += " (" + entry.deltaText() + ')';
        }
        text += '\n';
    }
    return text + '\n' + lang::CompareText(CompareTextId::DifferenceCount, language, {std::to_string(entries.size())}) +
           '\n';
}

int RunDiff(std::span<const std::string> args, CommandIo &io)
{
    const ParsedArgs parsed = ParseArgs(args, DiffOptions);
    if (HandledHelp(parsed, "diff", io)) {
        return ExitSuccess;
    }
    RequirePositional(parsed, 2, "two parameter sets A and B");
    const std::string format = parsed.value("format").value_or("text");
    if (format != "text" && format != "csv") {
        throw UsageError("--format must be text or csv, not '" + format + "'");
    }
    const auto code = parsed.value("lang");
    const std::uint8_t language = code ? ParseLanguageOption(*code) : std::uint8_t{lang::English};

    // Both are tried, so that the user learns of every input that cannot be read.
    const auto a = LoadSet(parsed.positional[0], language, io);
    const auto b = LoadSet(parsed.positional[1], language, io);
    if (!a || !b) {
        return ExitUsage;
    }
    const auto entries = history::ImageDiff(a->image, b->image, {language, parsed.has("header")});
    io.out << (format == "csv" ? DiffCsv(entries, language) : DiffText(entries, language, a->name, b->name));
    return entries.empty() ? ExitSuccess : ExitDifferent;
}

}  // namespace korvane::cli
