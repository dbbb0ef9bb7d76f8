#include "history/RestorePoints.h"

#include "history/PointFile.h"
#include "model/SafeFile.h"
#include "settings/IniFile.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace korvane::history {

namespace {

namespace fs = std::filesystem;

// The errno text at the end of a SafeFile message, which already names the file.
std::string Reason(const std::string &error)
{
    const std::size_t colon = error.rfind(": ");
    return colon == std::string::npos ? error : error.substr(colon + 2);
}

bool ReadWholeFile(const fs::path &path, std::string &text, std::string &error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path.string() + ": " + std::generic_category().message(errno);
        return false;
    }
    std::error_code sizeError;
    const std::uintmax_t size = fs::file_size(path, sizeError);
    text.resize(sizeError ? 0 : static_cast<std::size_t>(size));
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    // A file that grew since it was measured: take the rest too.
    text.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
        error = "cannot read " + path.string();
        return false;
    }
    return true;
}

// Claims a name no file has, by creating it empty with O_EXCL: two writers
// within one second, even in two processes, never get the same name.
std::optional<fs::path> ReserveName(const fs::path &folder, SystemTime time, PointKind kind, int &errorNumber)
{
    for (unsigned sequence = 1; sequence < 100000; ++sequence) {
        const fs::path path = folder / PointFileName(time, kind, sequence);
        std::error_code ignored;
        if (fs::exists(SidecarPath(path), ignored)) {
            continue;  // a sidecar left without its point must not be adopted
        }
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            (void)::close(fd);
            return path;
        }
        if (errno != EEXIST) {
            errorNumber = errno;
            return std::nullopt;
        }
    }
    errorNumber = EEXIST;
    return std::nullopt;
}

// The firmware text only where the header came from a unit.
std::string FirmwareOf(const model::ConfigImage &image)
{
    if (image[model::Offset::LayoutVersion] != model::SupportedLayoutVersion) {
        return {};
    }
    return model::DecodeHeader(image).version;
}

struct Listed {
    RestorePoint point;
    unsigned sequence = 1;
    fs::file_time_type modified;
};

Listed Describe(const fs::path &path)
{
    Listed listed;
    RestorePoint &point = listed.point;
    point.path = path;

    std::error_code timeError;
    listed.modified = fs::last_write_time(path, timeError);

    std::string text;
    std::string ignored;
    if (ReadWholeFile(path, text, ignored)) {
        PointFileContent content = ReadPointFile(text);
        point.readable = content.readable;
        if (content.readable) {
            point.image = content.image;
            point.extMonitor = content.extMonitor;
        }
    }

    const std::optional<ParsedName> name = ParsePointFileName(path.filename().string());
    if (name) {
        listed.sequence = name->sequence;
    }
    const settings::IniLoad sidecar = settings::LoadIniFile(SidecarPath(path));
    if (const std::optional<PointDetails> details = sidecar.ok ? ParseDetails(sidecar.file) : std::nullopt) {
        point.hasSidecar = true;
        point.time = details->time;
        point.kind = details->kind;
        point.confirmed = details->confirmed;
        point.model = details->model;
        point.firmware = details->firmware;
        point.programCount = details->programCount;
        point.source = details->source;
        point.note = details->note;
    } else if (name) {
        point.time = name->time;
        point.kind = name->kind;
    } else if (!timeError) {
        point.time = std::chrono::time_point_cast<SystemTime::duration>(
            std::chrono::file_clock::to_sys(listed.modified));
    }
    if (point.image && !point.model) {
        point.model = (*point.image)[model::Offset::BikeType];
    }
    if (point.image && !point.hasSidecar) {
        point.firmware = FirmwareOf(*point.image);
    }
    return listed;
}

bool IsPointFile(const fs::directory_entry &entry)
{
    std::error_code ignored;
    const std::string name = entry.path().filename().string();
    return name.ends_with(PointExtension) && !name.starts_with(".") && entry.is_regular_file(ignored);
}

StoreResult UpdateSidecar(const fs::path &pointFile, void (*change)(PointDetails &, std::string_view),
                          std::string_view value)
{
    std::error_code existsError;
    if (!fs::is_regular_file(pointFile, existsError)) {
        return {false, "no restore point " + pointFile.string()};
    }
    const fs::path sidecarPath = SidecarPath(pointFile);
    settings::IniLoad sidecar = settings::LoadIniFile(sidecarPath);
    if (!sidecar.ok) {
        return {false, sidecar.error};
    }
    std::optional<PointDetails> details = ParseDetails(sidecar.file);
    if (!details) {
        const Listed listed = Describe(pointFile);
        const RestorePoint &point = listed.point;
        details = PointDetails{point.kind, point.time, point.confirmed, point.model, point.firmware,
                               point.programCount, point.source, point.note};
    }
    change(*details, value);
    StoreDetails(sidecar.file, *details);
    std::string error;
    if (!model::WriteFileAtomically(sidecarPath, sidecar.file.text(), &error)) {
        return {false, error};
    }
    return {true, {}};
}

}  // namespace

WriteResult WriteRestorePoint(const fs::path &folder, const NewPoint &point, const Retention &retention)
{
    WriteResult result;
    result.folder = folder;

    std::error_code folderError;
    fs::create_directories(folder, folderError);
    if (folderError) {
        result.reason = folderError.message();
        return result;
    }
    int errorNumber = 0;
    const std::optional<fs::path> path = ReserveName(folder, point.time, point.kind, errorNumber);
    if (!path) {
        result.reason = std::generic_category().message(errorNumber);
        return result;
    }

    auto fail = [&](const std::string &error) {
        std::error_code ignored;
        fs::remove(*path, ignored);
        result.reason = Reason(error);
        return result;
    };

    std::string error;
    if (!model::WriteFileAtomically(*path, PointFileText(point.image, point.extMonitor), &error)) {
        return fail(error);
    }
    const PointDetails details{point.kind,
                               point.time,
                               false,
                               point.image[model::Offset::BikeType],
                               FirmwareOf(point.image),
                               point.programCount,
                               point.source,
                               point.note};
    settings::IniFile sidecar;
    StoreDetails(sidecar, details);
    if (!model::WriteFileAtomically(SidecarPath(*path), sidecar.text(), &error)) {
        return fail(error);
    }

    result.ok = true;
    result.path = *path;
    result.deleted = ApplyRetention(folder, retention, point.time);
    return result;
}

ListResult ListRestorePoints(const fs::path &folder)
{
    ListResult result;
    std::error_code error;
    if (!fs::exists(folder, error)) {
        return result;
    }
    std::vector<Listed> listed;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (IsPointFile(*it)) {
            listed.push_back(Describe(it->path()));
        }
    }
    if (error) {
        result.ok = false;
        result.reason = error.message();
    }
    std::sort(listed.begin(), listed.end(), [](const Listed &a, const Listed &b) {
        if (a.point.time != b.point.time) {
            return a.point.time > b.point.time;
        }
        if (a.sequence != b.sequence) {
            return a.sequence > b.sequence;
        }
        if (a.modified != b.modified) {
            return a.modified > b.modified;
        }
        return a.point.path > b.point.path;
    });
    result.points.reserve(listed.size());
    for (Listed &entry : listed) {
        result.points.push_back(std::move(entry.point));
    }
    return result;
}

std::optional<RestorePoint> PointByNumber(const fs::path &folder, std::size_t n)
{
    ListResult list = ListRestorePoints(folder);
    if (n == 0 || n > list.points.size()) {
        return std::nullopt;
    }
    return std::move(list.points[n - 1]);
}

LoadResult LoadRestorePoint(const fs::path &pointFile)
{
    LoadResult result;
    std::string text;
    if (!ReadWholeFile(pointFile, text, result.error)) {
        return result;
    }
    const PointFileContent content = ReadPointFile(text);
    if (!content.readable) {
        result.error = pointFile.string() + " is not a complete restore point";
        return result;
    }
    result.ok = true;
    result.image = content.image;
    result.extMonitor = content.extMonitor;
    return result;
}

StoreResult SetNote(const fs::path &pointFile, std::string_view note)
{
    return UpdateSidecar(pointFile, [](PointDetails &details, std::string_view value) { details.note = value; },
                         note);
}

StoreResult MarkConfirmed(const fs::path &pointFile)
{
    return UpdateSidecar(pointFile, [](PointDetails &details, std::string_view) { details.confirmed = true; }, {});
}

std::size_t ApplyRetention(const fs::path &folder, const Retention &retention, SystemTime now)
{
    // Names only: reading every point would slow down each read and program
    // run as the history grows. A file is opened only before it is deleted.
    struct Named {
        fs::path path;
        ParsedName name;
    };
    std::vector<Named> named;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (!IsPointFile(*it)) {
            continue;
        }
        if (const std::optional<ParsedName> name = ParsePointFileName(it->path().filename().string())) {
            named.push_back({it->path(), *name});
        }
    }
    std::sort(named.begin(), named.end(), [](const Named &a, const Named &b) {
        if (a.name.time != b.name.time) {
            return a.name.time > b.name.time;
        }
        return a.name.sequence > b.name.sequence;
    });

    const auto keepCount = static_cast<std::size_t>(std::max(1, retention.keepCount));
    const auto keepAge = std::chrono::hours(24) * std::max(0, retention.keepDays);
    std::size_t deleted = 0;
    for (std::size_t i = keepCount; i < named.size(); ++i) {
        if (now - named[i].name.time < keepAge) {
            continue;
        }
        std::string text;
        std::string ignored;
        if (!ReadWholeFile(named[i].path, text, ignored) || !ReadPointFile(text).readable) {
            continue;
        }
        std::error_code removeError;
        if (fs::remove(named[i].path, removeError)) {
            fs::remove(SidecarPath(named[i].path), removeError);
            ++deleted;
        }
    }
    return deleted;
}

}  // namespace korvane::history
