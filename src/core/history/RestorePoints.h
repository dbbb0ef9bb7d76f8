#pragma once

// The restore points: one *.ign file per point (see PointFile.h) and a sidecar
// *.meta beside it (see PointSidecar.h), in a folder the caller names (the
// window and korvane-cli use settings::HistoryFolder()). The folder is the
// truth: there is no index. A point whose sidecar is missing or broken is
// still listed, from its file name; a file the program did not write, or one
// cut short, is listed as unreadable and is never deleted or overwritten.
//
// Use by the window:
//   - after a read: WriteRestorePoint(folder, {Read, the blocks as received, ...});
//   - at the start of a program run: WriteRestorePoint(folder, {Program, image, ...}),
//     keeping the path; when its closing verify passes: MarkConfirmed(path);
//   - with "Back up the unit before programming": {Backup, the unit's image};
//   - before lambda advice is applied: {Advice, image}.
// Nothing here throws or shows anything: failures come back as a result with
// the folder and the reason, for one message per run of the program
// (lang::HistoryTextId::FolderNotWritable), and the transfer goes on.
//
// Every file is written atomically. A point is written whole or not at all:
// the *.ign first, then the sidecar; when the sidecar cannot be written the
// *.ign is removed again, so a full disk leaves no half point behind.
//
// Cost: writing a point is two synced files, tens of milliseconds on a slow
// disk, more than a tick. The functions share no state, so the window may
// run WriteRestorePoint off the user-interface thread, or write the read's
// point once the transfer is idle again (keeping the blocks as they arrived),
// so that no frame of a transfer waits for the disk. Listing reads every
// point (about 0.1 ms each) and hands back its image, so the History dialog
// can count the differences without reading the files again.

#include "history/HistorySettings.h"
#include "history/PointName.h"
#include "history/PointSidecar.h"
#include "model/ConfigImage.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace korvane::history {

struct NewPoint {
    PointKind kind = PointKind::Read;
    model::ConfigImage image{};        // exactly as read or sent, not normalised
    bool extMonitor = false;           // the check box, carried as EXT_MON like Save does
    SystemTime time;                   // names the file; "now" of the retention that follows
    std::optional<int> programCount;   // from the live data, when known
    std::string source;                // the parameter file the image came from, if any
    std::string note;
};

struct WriteResult {
    bool ok = false;
    std::filesystem::path path;    // the point's *.ign when ok
    std::filesystem::path folder;  // for the message when not ok
    std::string reason;            // the system's words ("Permission denied") when not ok
    std::size_t deleted = 0;       // old points removed by the retention
};

// Creates the folder when needed, writes the point under a name no other
// file has (suffix "-2", "-3" ... within one second), then applies retention.
// Model and firmware of the sidecar come from the image (type byte, header).
[[nodiscard]] WriteResult WriteRestorePoint(const std::filesystem::path &folder, const NewPoint &point,
                                            const Retention &retention = {});

struct RestorePoint {
    std::filesystem::path path;   // the *.ign
    SystemTime time;              // from the sidecar, else the name, else the file's modification time
    PointKind kind = PointKind::Other;
    bool confirmed = false;
    std::optional<int> model;     // from the sidecar, else the image
    std::string firmware;         // from the sidecar, else the image's header
    std::optional<int> programCount;
    std::string source;
    std::string note;
    bool hasSidecar = false;      // false: time and kind come from the file name
    bool readable = false;
    std::optional<model::ConfigImage> image;  // when readable, as LoadRestorePoint gives it
    bool extMonitor = false;
};

struct ListResult {
    bool ok = true;               // false only when the folder exists but cannot be read
    std::string reason;
    std::vector<RestorePoint> points;  // newest first: number N is points[N - 1]
};

// Every *.ign of the folder, newest first; a missing folder is an empty list.
// Points of the same time are ordered by their suffix, then by modification time.
[[nodiscard]] ListResult ListRestorePoints(const std::filesystem::path &folder);

// The point numbered n (1 = newest) as `history list` numbers it, for
// "history:N"; nullopt when there is no such point.
[[nodiscard]] std::optional<RestorePoint> PointByNumber(const std::filesystem::path &folder, std::size_t n);

struct LoadResult {
    bool ok = false;
    model::ConfigImage image{};
    bool extMonitor = false;
    std::string error;  // names the file when not ok
};

// The image of a point file, exactly as it was stored.
[[nodiscard]] LoadResult LoadRestorePoint(const std::filesystem::path &pointFile);

struct StoreResult {
    bool ok = false;
    std::string error;  // names the file when not ok
};

// Rewrite the sidecar of the point file (creating it from the file name and
// image when it is missing or broken); other lines of it are kept.
[[nodiscard]] StoreResult SetNote(const std::filesystem::path &pointFile, std::string_view note);
[[nodiscard]] StoreResult MarkConfirmed(const std::filesystem::path &pointFile);

// Deletes, with their sidecars, the readable points named by this program that
// are older than retention.keepDays before now and not among the newest
// retention.keepCount files named by this program (by the time in their
// names). Unreadable and foreign files stay. Returns how many points went.
// WriteRestorePoint calls it; it is public for tests.
std::size_t ApplyRetention(const std::filesystem::path &folder, const Retention &retention, SystemTime now);

}  // namespace korvane::history
