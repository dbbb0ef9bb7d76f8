#include "SheetCommand.h"

#include "CliArgs.h"
#include "DeviceCommands.h"
#include "DiffSources.h"
#include "GuiApplication.h"

#include "history/TuneSheet.h"
#include "lang/Texts.h"
#include "print/TuneSheetPdf.h"

#include <QDateTime>

#include <array>

namespace korvane::cli {

namespace {

constexpr std::array<OptionSpec, 3> SheetOptions{{{"output", 'o', true}, {"against", '\0', true}, {"lang", '\0', true}}};

}  // namespace

int RunSheet(std::span<const std::string> args, CommandIo &io)
{
    const ParsedArgs parsed = ParseArgs(args, SheetOptions);
    if (HandledHelp(parsed, "sheet", io)) {
        return ExitSuccess;
    }
    RequirePositional(parsed, 1, "parameter set FILE.ign");
    const std::string &output = parsed.required("output");
    const auto code = parsed.value("lang");
    const std::uint8_t language = code ? ParseLanguageOption(*code) : std::uint8_t{lang::English};

    const QuietPlatform quiet;
    // Before any read from the unit, which would make a plain core application.
    EnsureGuiApplication();
    const auto set = LoadSet(parsed.positional[0], language, io);
    const auto againstSpec = parsed.value("against");
    const auto against = againstSpec ? LoadSet(*againstSpec, language, io) : std::nullopt;
    if (!set || (againstSpec && !against)) {
        return ExitUsage;
    }

    history::SheetRequest request;
    request.image = set->image;
    request.name = set->name;
    if (against) {
        request.against = against->image;
        request.againstName = against->name;
    }
    request.date = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")).toStdString();
    request.language = language;
    const QString failure =
        print::WriteTuneSheetPdf(history::BuildTuneSheet(request), QString::fromStdString(output));
    if (!failure.isEmpty()) {
        io.err << failure.toStdString() << '\n';
        return ExitFailure;
    }
    return ExitSuccess;
}

}  // namespace korvane::cli
