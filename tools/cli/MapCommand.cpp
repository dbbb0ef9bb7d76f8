#include "MapCommand.h"

#include "CliArgs.h"
#include "DeviceCommands.h"
#include "ImageFiles.h"

#include "lang/Texts.h"
#include "maptools/ClipboardText.h"
#include "maptools/Operations.h"
#include "model/ValueLimits.h"
#include "pages/Pages.h"

#include <array>
#include <charconv>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <utility>

namespace korvane::cli {

namespace {

using maptools::EditResult;
using maptools::SheetId;

constexpr std::array<std::string_view, 7> Operations{"set", "add", "scale", "smooth", "interpolate", "copy", "paste"};

constexpr std::array<OptionSpec, 13> MapOptions{{
    {"page", '\0', true},
    {"curve", '\0', true},
    {"select", '\0', true},
    {"set", '\0', true},
    {"add", '\0', true},
    {"scale", '\0', true},
    {"smooth", '\0', false},
    {"interpolate", '\0', false},
    {"copy", '\0', false},
    {"paste", '\0', true},
    {"group", '\0', true},
    {"lang", '\0', true},
    {"output", 'o', true},
}};

SheetId SheetOf(const ParsedArgs &parsed)
{
    const int page = ParseIntInRange(parsed.required("page"), 0, pages::ServoPage, "--page");
    const std::optional<std::string> curve = parsed.value("curve");
    if ((page == pages::PolohaPage) != curve.has_value()) {
        throw UsageError(page == pages::PolohaPage ? "page 5 needs --curve A or B"
                                                   : "--curve belongs to page 5 only");
    }
    if (page != pages::PolohaPage) {
        return maptools::SheetsOfPage(static_cast<std::uint8_t>(page)).front();
    }
    if (*curve != "A" && *curve != "B") {
        throw UsageError("--curve must be A or B, not '" + *curve + "'");
    }
    return *curve == "A" ? SheetId::PositionA : SheetId::PositionB;
}

// "R:C" (1-based) within the table.
maptools::CellPos ParseCell(std::string_view text, SheetId sheet)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) {
        throw UsageError("--select takes ROW:COLUMN or ROW:COLUMN-ROW:COLUMN, not '" + std::string(text) + "'");
    }
    const int rows = static_cast<int>(maptools::RowCount(sheet));
    const int row = ParseIntInRange(text.substr(0, colon), 1, rows, "a --select row");
    const int column = ParseIntInRange(text.substr(colon + 1), 1, static_cast<int>(maptools::ColumnCount),
                                       "a --select column");
    return {static_cast<std::size_t>(row - 1), static_cast<std::size_t>(column - 1)};
}

maptools::Selection SelectionOf(const ParsedArgs &parsed, SheetId sheet)
{
    const std::optional<std::string> text = parsed.value("select");
    if (!text) {
        return maptools::WholeSheet(sheet);
    }
    const std::size_t dash = text->find('-');
    const std::string_view first = std::string_view(*text).substr(0, dash);
    const maptools::CellPos a = ParseCell(first, sheet);
    const maptools::CellPos b =
        dash == std::string::npos ? a : ParseCell(std::string_view(*text).substr(dash + 1), sheet);
    return maptools::Selection::Spanning(a, b);
}

std::string_view OperationOf(const ParsedArgs &parsed)
{
    std::string_view chosen;
    for (std::string_view operation : Operations) {
        if (parsed.has(operation)) {
            if (!chosen.empty()) {
                throw UsageError("choose one operation, not --" + std::string(chosen) + " and --" +
                                 std::string(operation));
            }
            chosen = operation;
        }
    }
    if (chosen.empty()) {
        throw UsageError("missing operation: --set, --add, --scale, --smooth, --interpolate, --copy or --paste");
    }
    return chosen;
}

double ParsePercent(const std::string &text)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 0 || value > 1000) {
        throw UsageError("--scale must be a percentage from 0 to 1000, not '" + text + "'");
    }
    return value;
}

char32_t GroupingOf(const ParsedArgs &parsed)
{
    const std::optional<std::string> group = parsed.value("group");
    if (!group) {
        return maptools::NoGrouping;
    }
    constexpr std::pair<std::string_view, char32_t> Named[] = {
        {"space", U' '}, {"nbsp", U'\u00A0'}, {"nnbsp", U'\u202F'}};
    for (const auto &[name, code] : Named) {
        if (*group == name) {
            return code;
        }
    }
    if (group->size() == 1 && !std::isdigit(static_cast<unsigned char>((*group)[0]))) {
        return static_cast<unsigned char>((*group)[0]);
    }
    throw UsageError("--group must be one character, space, nbsp or nnbsp, not '" + *group + "'");
}

std::string ReadPasteText(const std::string &source)
{
    std::ostringstream text;
    if (source == "-") {
        text << std::cin.rdbuf();
        return text.str();
    }
    std::error_code error;
    std::ifstream in(source, std::ios::binary);
    if (!in || std::filesystem::is_directory(source, error)) {
        throw UsageError("cannot read " + source);
    }
    text << in.rdbuf();
    return text.str();
}

EditResult Apply(std::string_view operation, const ParsedArgs &parsed, const model::ConfigImage &image,
                 SheetId sheet, const maptools::Selection &selection)
{
    if (operation == "set") {
        const int value = ParseIntInRange(*parsed.value("set"), -100000, 100000, "--set");
        return maptools::SetCells(image, sheet, selection, value);
    }
    if (operation == "add") {
        const int steps = ParseIntInRange(*parsed.value("add"), -1000, 1000, "--add");
        return maptools::AddSteps(image, sheet, selection, steps);
    }
    if (operation == "scale") {
        return maptools::ScaleCells(image, sheet, selection, ParsePercent(*parsed.value("scale")));
    }
    if (operation == "smooth") {
        return maptools::SmoothCells(image, sheet, selection);
    }
    if (operation == "interpolate") {
        return maptools::InterpolateCells(image, sheet, selection);
    }
    const std::string text = ReadPasteText(*parsed.value("paste"));
    return maptools::PasteText(image, sheet, {selection.top, selection.left}, text, GroupingOf(parsed));
}

}  // namespace

int RunMap(std::span<const std::string> args, CommandIo &io)
{
    const ParsedArgs parsed = ParseArgs(args, MapOptions);
    if (HandledHelp(parsed, "map", io)) {
        return ExitSuccess;
    }
    RequirePositional(parsed, 1, "parameter file FILE.ign");
    const SheetId sheet = SheetOf(parsed);
    const maptools::Selection selection = SelectionOf(parsed, sheet);
    const std::string_view operation = OperationOf(parsed);
    const std::optional<std::string> code = parsed.value("lang");
    const std::uint8_t language = code ? ParseLanguageOption(*code) : std::uint8_t{lang::English};
    if (operation == "copy" && parsed.has("output")) {
        throw UsageError("--copy writes to standard output; -o is not used");
    }
    if (parsed.has("group") && operation != "paste") {
        throw UsageError("--group belongs to --paste");
    }
    const std::string output = operation == "copy" ? std::string() : parsed.required("output");

    model::ConfigImage image = StartupImage();
    bool extMonitor = false;
    if (const FileResult loaded = LoadParameterFile(parsed.positional[0], image, extMonitor); !loaded.ok) {
        io.err << loaded.message << '\n';
        return ExitUsage;
    }
    model::NormaliseImage(image);
    if (operation == "copy") {
        io.out << maptools::CopyText(image, sheet, selection);
        return ExitSuccess;
    }

    EditResult result = Apply(operation, parsed, image, sheet, selection);
    const std::string status = maptools::StatusText(result, language);
    if (!result.ok()) {
        io.err << status << '\n';
        return ExitFailure;
    }
    model::NormaliseImage(result.image);
    if (const FileResult saved = SaveParameterFile(output, result.image, extMonitor); !saved.ok) {
        io.err << saved.message << '\n';
        return ExitFailure;
    }
    if (!status.empty()) {
        io.err << "note: " << status << '\n';
    }
    return ExitSuccess;
}

}  // namespace korvane::cli
