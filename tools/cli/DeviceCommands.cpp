#include "DeviceCommands.h"

#include "CliArgs.h"
#include "DeviceSession.h"
#include "ImageFiles.h"
#include "StatusPrinter.h"

#include "lang/Texts.h"
#include "logs/RideLogWriter.h"
#include "model/BikeTypes.h"
#include "model/ValueLimits.h"

#include <array>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>

namespace korvane::cli {

namespace {

using lang::TextId;

constexpr OptionSpec DeviceOption{"device", '\0', true};
constexpr OptionSpec LangOption{"lang", '\0', true};

constexpr std::array<OptionSpec, 3> ReadOptions{{DeviceOption, LangOption, {"output", 'o', true}}};
constexpr std::array<OptionSpec, 3> ProgramOptions{{DeviceOption, LangOption, {"wait-saving", '\0', false}}};
constexpr std::array<OptionSpec, 2> VerifyOptions{{DeviceOption, LangOption}};
constexpr std::array<OptionSpec, 7> MonitorOptions{{DeviceOption,
                                                    LangOption,
                                                    {"csv", '\0', true},
                                                    {"seconds", '\0', true},
                                                    {"extended", '\0', false},
                                                    {"image", '\0', true},
                                                    {"read-unit", '\0', false}}};

// Without a first saving report within this many ticks (about 3 s, nine
// polls) the unit is taken not to report its saving at all.
constexpr std::uint64_t SavingStartTicks = 55;
// A unit that is still saving after this long (about 60 s) is not waited for.
constexpr std::uint64_t SavingLimitTicks = 1100;

std::uint8_t LanguageOf(const ParsedArgs &parsed)
{
    const auto code = parsed.value("lang");
    return code ? ParseLanguageOption(*code) : std::uint8_t{lang::English};
}

// Header bytes come from the unit and may hold anything.
std::string Printable(const std::string &text)
{
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        shown += byte >= 0x20 && byte < 0x7F ? c : '?';
    }
    return shown;
}

// Runs an operation already started on the link until it ends, printing the
// status as it changes and the message boxes as they come. False when the
// run was interrupted.
bool RunOperation(DeviceSession &session, StatusPrinter &printer, CommandIo &io, std::vector<TextId> &messages)
{
    bool versionShown = false;
    const bool finished = session.RunUntilIdle([&] {
        printer.Show(session.link().status());
        for (const TextId id : session.link().takeMessages()) {
            io.err << lang::MessageText(id, session.language()) << '\n';
            messages.push_back(id);
        }
        if (const auto &version = session.link().versionTexts(); version && !versionShown) {
            versionShown = true;
            io.out << "Unit: " << Printable(version->version) << ' ' << Printable(version->date) << ' '
                   << Printable(version->time) << '\n';
        }
        if (const auto loss = session.takePortLoss()) {
            io.err << *loss << '\n';
        }
    });
    if (!finished) {
        io.err << "Interrupted.\n";
    }
    return finished;
}

struct DeviceRun {
    ParsedArgs parsed;
    std::uint8_t language = lang::English;
};

// Parses the command line; nullopt when help was printed.
std::optional<DeviceRun> Parse(std::span<const std::string> args, std::span<const OptionSpec> options,
                               std::string_view name, std::size_t positional, std::string_view what, CommandIo &io)
{
    DeviceRun run{ParseArgs(args, options), lang::English};
    if (HandledHelp(run.parsed, name, io)) {
        return std::nullopt;
    }
    RequirePositional(run.parsed, positional, what);
    static_cast<void>(run.parsed.required("device"));
    run.language = LanguageOf(run.parsed);
    return run;
}

bool OpenDevice(DeviceSession &session, const ParsedArgs &parsed, CommandIo &io)
{
    if (const auto failure = session.Open(parsed.required("device"))) {
        io.err << *failure << '\n';
        return false;
    }
    return true;
}

// The image a fresh start builds, with the file read into it as Open does.
// The file does not carry the two type-dependent bytes; they follow its
// motorcycle type, as they would after the next start.
std::optional<model::ConfigImage> ImageFromFile(const std::string &path, std::uint8_t language, CommandIo &io)
{
    model::ConfigImage image = StartupImage();
    bool extMonitor = false;
    if (const FileResult loaded = LoadParameterFile(path, image, extMonitor); !loaded.ok) {
        io.err << InLanguage(loaded.message, language) << '\n';
        return std::nullopt;
    }
    model::ApplyTypeSettings(image);
    model::NormaliseImage(image);
    return image;
}

bool VerifiedOk(const link::StatusView &status)
{
    return status.text == TextId::Verifying && status.okSuffix && status.colour == link::Colour::Normal;
}

// After a program run: follows the unit's saving countdown until it has run out.
int WaitForSaving(DeviceSession &session, StatusPrinter &printer, CommandIo &io)
{
    const std::uint64_t start = session.tickCount();
    bool seen = false;
    while (!StopRequested()) {
        session.Tick();
        printer.Show(session.link().status());
        const std::uint64_t elapsed = session.tickCount() - start;
        const bool saving = session.link().savingCountdown() > 0;
        seen = seen || saving;
        if (seen && !saving) {
            return ExitSuccess;
        }
        if (const auto loss = session.takePortLoss()) {
            io.err << *loss << '\n';
            return ExitFailure;
        }
        if (!seen && elapsed >= SavingStartTicks) {
            io.out << "The unit reported no saving.\n";
            return ExitSuccess;
        }
        if (elapsed >= SavingLimitTicks) {
            io.err << "The unit is still saving; not waiting any longer.\n";
            return ExitFailure;
        }
    }
    io.err << "Interrupted while the unit was saving.\n";
    return ExitFailure;
}

double ParseSeconds(const std::string &text)
{
    errno = 0;
    char *end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || errno != 0 || end != text.c_str() + text.size() || !std::isfinite(value) || value <= 0.0 ||
        value > 1e7) {
        throw UsageError("--seconds must be a positive number of seconds, not '" + text + "'");
    }
    return value;
}

}  // namespace

std::string InLanguage(const std::string &message, std::uint8_t language)
{
    const std::pair<std::string_view, TextId> known[] = {{UnmatchedVersionText, TextId::FileVersionMismatch},
                                                         {OpenFileErrorText, TextId::FileOpenError}};
    for (const auto &[english, id] : known) {
        if (message.starts_with(english)) {
            return lang::MessageText(id, language) + message.substr(english.size());
        }
    }
    return message;
}

std::uint8_t ParseLanguageOption(std::string_view code)
{
    constexpr std::array<std::string_view, lang::LanguageCount> Codes{"en", "de", "fr", "cz"};
    for (std::size_t i = 0; i < Codes.size(); ++i) {
        if (Codes[i] == code) {
            return static_cast<std::uint8_t>(i);
        }
    }
    throw UsageError("--lang must be en, de, fr or cz, not '" + std::string(code) + "'");
}

int RunRead(std::span<const std::string> args, CommandIo &io)
{
    const auto run = Parse(args, ReadOptions, "read", 0, "", io);
    if (!run) {
        return ExitSuccess;
    }
    const std::string &output = run->parsed.required("output");

    StopSignals stopSignals;
    DeviceSession session(run->language);
    if (!OpenDevice(session, run->parsed, io)) {
        return ExitFailure;
    }
    session.link().MenuReadClick();
    StatusPrinter printer(io.out, io.err, run->language);
    std::vector<TextId> messages;
    if (!RunOperation(session, printer, io, messages) || !messages.empty() || !VerifiedOk(session.link().status())) {
        return ExitFailure;
    }
    // Save writes what it shows: the normalised image, without the extended-monitor tick.
    model::NormaliseImage(session.image());
    if (const FileResult saved = SaveParameterFile(output, session.image(), false); !saved.ok) {
        io.err << InLanguage(saved.message, run->language) << '\n';
        return ExitFailure;
    }
    return ExitSuccess;
}

namespace {

enum class FileOperation { Program, Verify };

// Loads FILE.ign as Open does, then programs it into the unit or verifies the
// unit against it.
int RunFileOperation(std::span<const std::string> args, std::span<const OptionSpec> options, std::string_view name,
                     FileOperation operation, CommandIo &io)
{
    const auto run = Parse(args, options, name, 1, "parameter file FILE.ign", io);
    if (!run) {
        return ExitSuccess;
    }
    const auto image = ImageFromFile(run->parsed.positional[0], run->language, io);
    if (!image) {
        return ExitFailure;
    }

    StopSignals stopSignals;
    DeviceSession session(run->language);
    if (!OpenDevice(session, run->parsed, io)) {
        return ExitFailure;
    }
    session.image() = *image;
    if (operation == FileOperation::Program) {
        session.link().MenuProgramClick();
    } else {
        session.link().MenuVerifyClick();
    }
    StatusPrinter printer(io.out, io.err, run->language);
    std::vector<TextId> messages;
    if (!RunOperation(session, printer, io, messages) || !messages.empty()) {
        return ExitFailure;
    }
    if (operation == FileOperation::Verify) {
        return VerifiedOk(session.link().status()) ? ExitSuccess : ExitFailure;
    }
    // The closing verify clears the flag when it fails.
    if (!session.link().programOk() || !session.link().status().okSuffix) {
        return ExitFailure;
    }
    return run->parsed.has("wait-saving") ? WaitForSaving(session, printer, io) : ExitSuccess;
}

}  // namespace

int RunProgram(std::span<const std::string> args, CommandIo &io)
{
    return RunFileOperation(args, ProgramOptions, "program", FileOperation::Program, io);
}

int RunVerify(std::span<const std::string> args, CommandIo &io)
{
    return RunFileOperation(args, VerifyOptions, "verify", FileOperation::Verify, io);
}

int RunMonitor(std::span<const std::string> args, CommandIo &io)
{
    const auto run = Parse(args, MonitorOptions, "monitor", 0, "", io);
    if (!run) {
        return ExitSuccess;
    }
    const std::string &csvPath = run->parsed.required("csv");
    const auto seconds = run->parsed.value("seconds");
    const double limit = seconds ? ParseSeconds(*seconds) : 0.0;
    const bool extended = run->parsed.has("extended");
    const auto imagePath = run->parsed.value("image");
    const bool readUnit = run->parsed.has("read-unit");
    if (imagePath && readUnit) {
        throw UsageError("--image and --read-unit both name the parameters in use; give one");
    }
    // The log's head names the parameters in use when they are known.
    std::optional<model::ConfigImage> inUse;
    if (imagePath) {
        inUse = ImageFromFile(*imagePath, run->language, io);
        if (!inUse) {
            return ExitFailure;
        }
    }

    StopSignals stopSignals;
    DeviceSession session(run->language);
    if (!OpenDevice(session, run->parsed, io)) {
        return ExitFailure;
    }
    if (readUnit) {
        // Standard output may be the log itself: the read reports on standard error.
        CommandIo readIo{io.err, io.err};
        session.link().MenuReadClick();
        StatusPrinter printer(io.err, io.err, run->language);
        std::vector<TextId> messages;
        if (!RunOperation(session, printer, readIo, messages) || !messages.empty() ||
            !VerifiedOk(session.link().status())) {
            return ExitFailure;
        }
        inUse = session.image();
    }
    std::ofstream file;
    if (csvPath != "-") {
        errno = 0;
        file.open(csvPath, std::ios::binary | std::ios::trunc);
        if (!file) {
            io.err << lang::MessageText(TextId::FileOpenError, run->language) << ' ' << csvPath << ": "
                   << (errno != 0 ? std::strerror(errno) : "cannot be created") << '\n';
            return ExitFailure;
        }
    }
    std::ostream &csv = csvPath == "-" ? io.out : file;

    // The decoder reads a few parameters (limiter, servo, N2O); the start-up ones will do.
    session.image() = inUse.value_or(StartupImage());
    session.setExtendedMonitor(extended);

    const auto started = std::chrono::system_clock::now();
    const logs::LogOrigin origin = inUse ? logs::OriginOf(*inUse, session.link().versionTexts(), started)
                                         : logs::UnknownOrigin(started);
    csv << logs::LogHead(origin, extended) << std::flush;
    const auto start = std::chrono::steady_clock::now();
    const auto end = seconds ? start + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                           std::chrono::duration<double>(limit))
                             : std::chrono::steady_clock::time_point::max();
    std::uint64_t rows = 0;
    bool connected = false;
    bool noConnectionReported = false;
    bool mismatchReported = false;
    while (!StopRequested() && std::chrono::steady_clock::now() < end) {
        session.Tick();
        link::DeviceLink &link = session.link();
        if (const auto readout = link.takeMonitorReadout()) {
            const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            std::string row;
            logs::AppendRow(row, readout->numbers, &readout->frame,
                            logs::IsoTimestamp(std::chrono::system_clock::now()), elapsed, extended);
            csv << row << std::flush;
            ++rows;
            if (readout->versionMismatch != mismatchReported) {
                mismatchReported = readout->versionMismatch;
                if (mismatchReported) {
                    io.err << readout->version.text << '\n';
                }
            }
        }
        // "No Connection" shows from the first tick; it is news only once the
        // unit had its chance to answer, or after it had answered.
        if (!link.noConnectionVisible()) {
            connected = true;
            noConnectionReported = false;
        } else if (!noConnectionReported && (connected || session.tickCount() >= link::LinkWatchLimit)) {
            noConnectionReported = true;
            io.err << "No Connection\n";
        }
        if (const auto loss = session.takePortLoss()) {
            io.err << *loss << '\n';
        }
    }
    csv << std::flush;
    if (rows == 0) {
        io.err << "No live data received.\n";
        return ExitFailure;
    }
    return ExitSuccess;
}

}  // namespace korvane::cli
