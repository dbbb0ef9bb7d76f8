#include "DiffSources.h"

#include "CliArgs.h"
#include "DeviceCommands.h"
#include "DeviceSession.h"
#include "ImageFiles.h"
#include "StatusPrinter.h"

#include "history/RestorePoints.h"
#include "lang/CompareTexts.h"
#include "model/BikeTypes.h"
#include "model/ValueLimits.h"
#include "settings/DataFolder.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

namespace korvane::cli {

namespace {

constexpr std::string_view HistoryPrefix = "history:";
constexpr std::string_view DevicePrefix = "device:";

// As the program opens a file: the start-up set with the file read into it;
// the type bytes follow the file's model.
std::optional<LoadedSet> LoadFile(const std::string &path, std::uint8_t language, CommandIo &io)
{
    LoadedSet set{StartupImage(), path};
    bool extMonitor = false;
    if (const FileResult loaded = LoadParameterFile(path, set.image, extMonitor); !loaded.ok) {
        io.err << InLanguage(loaded.message, language) << '\n';
        return std::nullopt;
    }
    model::ApplyTypeSettings(set.image);
    model::NormaliseImage(set.image);
    return set;
}

std::optional<LoadedSet> LoadRestorePoint(const std::string &number, std::uint8_t language, CommandIo &io)
{
    const bool digits = !number.empty() && number.size() <= 6 &&
                        std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
    const int n = digits ? std::atoi(number.c_str()) : 0;
    if (n < 1) {
        throw UsageError("history:N needs the number of a restore point (1 is the newest), not '" + number + "'");
    }
    const std::filesystem::path folder = settings::HistoryFolder();
    const std::optional<history::RestorePoint> point = history::PointByNumber(folder, static_cast<std::size_t>(n));
    if (!point) {
        io.err << "history:" << n << ": no such restore point in " << folder.string() << '\n';
        return std::nullopt;
    }
    // A point holds the bytes exactly as read or sent, header included.
    const history::LoadResult loaded = history::LoadRestorePoint(point->path);
    if (!loaded.ok) {
        io.err << "history:" << n << ": " << loaded.error << '\n';
        return std::nullopt;
    }
    return LoadedSet{loaded.image, lang::CompareText(lang::CompareTextId::RestorePoint, language, {number}) + " (" +
                                       point->path.filename().string() + ")"};
}

// The frames of a read: blocks 0 to 11 and the closing verify. The set counts
// as read once block 11 has arrived; a closing verify that fails (a unit
// holding values out of range) is shown but does not make it unreadable.
std::optional<LoadedSet> ReadUnit(const std::string &device, std::uint8_t language, CommandIo &io)
{
    StopSignals stopSignals;
    DeviceSession session(language);
    if (const auto failure = session.Open(device)) {
        io.err << failure.value() << '\n';
        return std::nullopt;
    }
    session.link().MenuReadClick();
    StatusPrinter printer(io.err, io.err, language);
    bool complete = false;
    bool refused = false;
    const bool finished = session.RunUntilIdle([&] {
        printer.Show(session.link().status());
        complete = complete || session.link().transferMode() == link::TransferMode::Verify;
        for (const lang::TextId id : session.link().takeMessages()) {
            io.err << lang::MessageText(id, language) << '\n';
            refused = true;
        }
        if (const auto loss = session.takePortLoss()) {
            io.err << *loss << '\n';
        }
    });
    if (!finished || !complete || refused) {
        io.err << (finished ? "" : "Interrupted. ") << "The parameters of the unit on " << device
               << " could not be read.\n";
        return std::nullopt;
    }
    return LoadedSet{session.image(), lang::CompareText(lang::CompareTextId::Unit, language, {device})};
}

}  // namespace

std::optional<LoadedSet> LoadSet(const std::string &source, std::uint8_t language, CommandIo &io)
{
    if (source.starts_with(HistoryPrefix)) {
        return LoadRestorePoint(source.substr(HistoryPrefix.size()), language, io);
    }
    if (source.starts_with(DevicePrefix)) {
        const std::string device = source.substr(DevicePrefix.size());
        if (device.empty()) {
            throw UsageError("device: needs a serial device or COM1..COM10, e.g. device:/dev/ttyUSB0");
        }
        return ReadUnit(device, language, io);
    }
    return LoadFile(source, language, io);
}

}  // namespace korvane::cli
