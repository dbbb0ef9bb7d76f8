#include "ModelCommands.h"

#include "CliArgs.h"
#include "ImageFiles.h"
#include "ParameterReport.h"

#include "model/BikeTypes.h"
#include "model/ValueLimits.h"

#include <array>

namespace korvane::cli {

namespace {

constexpr std::array<OptionSpec, 1> OutputOption{{{"output", 'o', true}}};
constexpr std::array<OptionSpec, 2> NewOptions{{{"bike", '\0', true}, {"output", 'o', true}}};

int Report(const FileResult &result, CommandIo &io)
{
    if (!result.ok) {
        io.err << result.message << '\n';
        return ExitFailure;
    }
    return ExitSuccess;
}

}  // namespace

int RunNew(std::span<const std::string> args, CommandIo &io)
{
    const ParsedArgs parsed = ParseArgs(args, NewOptions);
    if (HandledHelp(parsed, "new", io)) {
        return ExitSuccess;
    }
    RequirePositional(parsed, 0, "");
    const int code = ParseIntInRange(parsed.required("bike"), 0, static_cast<int>(model::BikeCount) - 1,
                                     "--bike");
    const std::string &output = parsed.required("output");

    const model::ConfigImage image = DefaultImage(static_cast<std::uint8_t>(code));
    return Report(SaveParameterFile(output, image, false), io);
}

int RunConvert(std::span<const std::string> args, CommandIo &io)
{
    const ParsedArgs parsed = ParseArgs(args, OutputOption);
    if (HandledHelp(parsed, "convert", io)) {
        return ExitSuccess;
    }
    RequirePositional(parsed, 1, "input file IN.ign");
    const std::string &output = parsed.required("output");

    model::ConfigImage image = StartupImage();
    bool extMonitor = false;
    if (const FileResult loaded = LoadParameterFile(parsed.positional[0], image, extMonitor); !loaded.ok) {
        return Report(loaded, io);
    }
    model::NormaliseImage(image);
    return Report(SaveParameterFile(output, image, extMonitor), io);
}

int RunNormalise(std::span<const std::string> args, CommandIo &io)
{
    const ParsedArgs parsed = ParseArgs(args, OutputOption);
    if (HandledHelp(parsed, "normalise", io)) {
        return ExitSuccess;
    }
    RequirePositional(parsed, 1, "input file IN.snapshot");
    const std::string &output = parsed.required("output");

    model::ConfigImage image{};
    model::AllFlags flags{};
    const SnapshotLoad loaded = LoadSnapshot(parsed.positional[0], image, flags);
    if (!loaded.result.ok) {
        return Report(loaded.result, io);
    }
    const std::size_t expected = model::ImageSize + flags.size();
    if (loaded.numbers < expected) {
        io.err << "note: " << parsed.positional[0] << " holds " << loaded.numbers << " of " << expected
               << " numbers; the rest start from 0\n";
    }
    model::NormaliseImage(image);
    return Report(SaveSnapshot(output, image, flags), io);
}

int RunShow(std::span<const std::string> args, CommandIo &io)
{
    const ParsedArgs parsed = ParseArgs(args, {});
    if (HandledHelp(parsed, "show", io)) {
        return ExitSuccess;
    }
    RequirePositional(parsed, 1, "parameter file FILE.ign");

    model::ConfigImage image = StartupImage();
    bool extMonitor = false;
    if (const FileResult loaded = LoadParameterFile(parsed.positional[0], image, extMonitor); !loaded.ok) {
        return Report(loaded, io);
    }
    model::NormaliseImage(image);
    io.out << "File: " << parsed.positional[0] << '\n';
    PrintParameters(io.out, image, extMonitor);
    return ExitSuccess;
}

}  // namespace korvane::cli
