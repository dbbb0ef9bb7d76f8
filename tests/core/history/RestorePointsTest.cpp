#include "history/RestorePoints.h"

#include "history/PointFile.h"
#include "HistoryTestSupport.h"
#include "model/ParameterFile.h"

#include "../model/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvane::history {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using model::test::ReadWholeFile;
using model::test::TempDir;
using model::test::WriteWholeFile;
using test::Local;
using test::UnitImage;

const SystemTime Noon = Local(2026, 12, 8, 13, 22, 5);

NewPoint Point(PointKind kind, SystemTime time, unsigned seed = 1)
{
    NewPoint point;
    point.kind = kind;
    point.time = time;
    point.image = UnitImage(seed);
    return point;
}

std::vector<std::string> Names(const ListResult &list)
{
    std::vector<std::string> names;
    for (const RestorePoint &point : list.points) {
        names.push_back(point.path.filename().string());
    }
    return names;
}

TEST(RestorePoints, APointGivesBackEveryByteAndOpensAsAParameterFile)
{
    TempDir dir;
    NewPoint point = Point(PointKind::Read, Noon);
    point.programCount = 17;
    point.source = "race.ign";
    const WriteResult written = WriteRestorePoint(dir.path(), point);
    ASSERT_TRUE(written.ok) << written.reason;
    EXPECT_EQ(written.path, dir / "2026-12-08_13-22-05_read.ign");

    const LoadResult loaded = LoadRestorePoint(written.path);
    ASSERT_TRUE(loaded.ok) << loaded.error;
    EXPECT_EQ(loaded.image, point.image);

    // Any reader of parameter files gets the fields and skips the rest.
    std::istringstream in(ReadWholeFile(written.path));
    model::ConfigImage opened{};
    bool extMonitor = true;
    ASSERT_TRUE(model::ReadParameterFile(in, opened, extMonitor));
    EXPECT_EQ(opened[model::Offset::AdvMap + 77], point.image[model::Offset::AdvMap + 77]);
    EXPECT_FALSE(extMonitor);

    const ListResult list = ListRestorePoints(dir.path());
    ASSERT_EQ(list.points.size(), 1u);
    const RestorePoint &listed = list.points[0];
    EXPECT_TRUE(listed.readable);
    EXPECT_TRUE(listed.hasSidecar);
    EXPECT_EQ(listed.kind, PointKind::Read);
    EXPECT_EQ(listed.time, Noon);
    EXPECT_EQ(listed.model, point.image[model::Offset::BikeType]);
    EXPECT_EQ(listed.firmware, model::DecodeHeader(point.image).version);
    EXPECT_EQ(listed.programCount, 17);
    EXPECT_EQ(listed.source, "race.ign");
    EXPECT_EQ(listed.image, point.image);
}

TEST(RestorePoints, PointsOfOneSecondNeverOverwriteEachOther)
{
    TempDir dir;
    std::vector<fs::path> paths;
    for (unsigned i = 0; i < 3; ++i) {
        const WriteResult written = WriteRestorePoint(dir.path(), Point(PointKind::Program, Noon + 300ms, i));
        ASSERT_TRUE(written.ok) << written.reason;
        paths.push_back(written.path);
    }
    // A sidecar left alone claims its name too.
    WriteWholeFile(dir / "2026-12-08_13-22-05_read.meta", "[RestorePoint]\n");
    const WriteResult read = WriteRestorePoint(dir.path(), Point(PointKind::Read, Noon, 9));
    ASSERT_TRUE(read.ok);

    EXPECT_EQ(paths[0].filename(), "2026-12-08_13-22-05_program.ign");
    EXPECT_EQ(paths[1].filename(), "2026-12-08_13-22-05_program-2.ign");
    EXPECT_EQ(paths[2].filename(), "2026-12-08_13-22-05_program-3.ign");
    EXPECT_EQ(read.path.filename(), "2026-12-08_13-22-05_read-2.ign");
    for (unsigned i = 0; i < 3; ++i) {
        EXPECT_EQ(LoadRestorePoint(paths[i]).image, UnitImage(i)) << i;
    }
    EXPECT_EQ(Names(ListRestorePoints(dir.path())),
              (std::vector<std::string>{"2026-12-08_13-22-05_program-3.ign", "2026-12-08_13-22-05_program-2.ign",
                                        "2026-12-08_13-22-05_program.ign", "2026-12-08_13-22-05_read-2.ign"}));
}

TEST(RestorePoints, ListingStandsOnTheFilesNotOnTheSidecars)
{
    TempDir dir;
    const SystemTime day = Local(2026, 5, 4, 10, 0, 0);
    NewPoint noted = Point(PointKind::Backup, day + 1h);
    noted.note = "before the new pipe";
    ASSERT_TRUE(WriteRestorePoint(dir.path(), noted).ok);
    const fs::path missing = WriteRestorePoint(dir.path(), Point(PointKind::Read, day + 2h, 2)).path;
    const fs::path broken = WriteRestorePoint(dir.path(), Point(PointKind::Advice, day + 3h, 3)).path;
    const fs::path truncated = WriteRestorePoint(dir.path(), Point(PointKind::Read, day + 4h, 4)).path;
    fs::remove(SidecarPath(missing));
    WriteWholeFile(SidecarPath(broken), "[RestorePoint]\nKind=sideways\nTime=yesterday\n");
    const std::string whole = ReadWholeFile(truncated);
    WriteWholeFile(truncated, whole.substr(0, whole.size() - 200));  // cut inside the stored bytes
    WriteWholeFile(dir / "notes.ign", "Not a parameter file at all.\n");
    fs::last_write_time(dir / "notes.ign", fs::file_time_type::clock::now() - 24h * 365 * 3);

    const ListResult list = ListRestorePoints(dir.path());
    ASSERT_TRUE(list.ok);
    ASSERT_EQ(list.points.size(), 5u);
    const std::vector<std::string> names = Names(list);
    EXPECT_EQ(names[0], truncated.filename());
    EXPECT_EQ(names[1], broken.filename());
    EXPECT_EQ(names[2], missing.filename());
    EXPECT_EQ(names[4], "notes.ign");

    EXPECT_FALSE(list.points[0].readable);
    EXPECT_EQ(list.points[0].kind, PointKind::Read);

    EXPECT_FALSE(list.points[1].hasSidecar);
    EXPECT_EQ(list.points[1].kind, PointKind::Advice);
    EXPECT_EQ(list.points[1].time, day + 3h);
    EXPECT_TRUE(list.points[1].readable);

    EXPECT_FALSE(list.points[2].hasSidecar);
    EXPECT_EQ(list.points[2].model, UnitImage(2)[model::Offset::BikeType]);

    EXPECT_EQ(list.points[3].note, "before the new pipe");
    EXPECT_EQ(list.points[3].kind, PointKind::Backup);

    EXPECT_FALSE(list.points[4].readable);
    EXPECT_EQ(list.points[4].kind, PointKind::Other);
    EXPECT_FALSE(LoadRestorePoint(list.points[4].path).ok);
    EXPECT_NE(LoadRestorePoint(truncated).error.find(truncated.string()), std::string::npos);

    ASSERT_TRUE(PointByNumber(dir.path(), 2));
    EXPECT_EQ(PointByNumber(dir.path(), 2)->path, broken);
    EXPECT_FALSE(PointByNumber(dir.path(), 6));
    EXPECT_FALSE(PointByNumber(dir.path(), 0));
}

TEST(RestorePoints, AnEditedPointFileReadsItsEditedFields)
{
    const model::ConfigImage image = UnitImage(5);
    std::string text = PointFileText(image, true);
    const PointFileContent asWritten = ReadPointFile(text);
    ASSERT_TRUE(asWritten.readable);
    EXPECT_EQ(asWritten.image, image);
    EXPECT_TRUE(asWritten.extMonitor);

    // The sum only saves time: without it the file reads the same.
    const PointFileContent withoutSum = ReadPointFile(text.substr(0, text.rfind("RAW_SUM")));
    ASSERT_TRUE(withoutSum.readable);
    EXPECT_EQ(withoutSum.image, image);
    EXPECT_TRUE(withoutSum.extMonitor);

    // BIKE is the second key; a person changes its value by hand.
    const std::size_t bike = text.find("BIKE");
    text.replace(bike + 13, 5, "    3");
    const PointFileContent edited = ReadPointFile(text);
    ASSERT_TRUE(edited.readable);
    EXPECT_EQ(edited.image[model::Offset::BikeType], 3);
    EXPECT_EQ(edited.image[model::Offset::ActClutch], 1) << "read from the file's flag, as Open would";
    EXPECT_TRUE(edited.extMonitor);
    EXPECT_EQ(edited.image[0], image[0]) << "the header comes from the stored bytes";
}

TEST(RestorePoints, NotesAndConfirmationRewriteOnlyTheSidecar)
{
    TempDir dir;
    const fs::path path = WriteRestorePoint(dir.path(), Point(PointKind::Program, Noon)).path;
    const std::string pointText = ReadWholeFile(path);
    const std::string note = " two lines\nwith \\ and \t and [brackets] ;not a comment ";
    ASSERT_TRUE(SetNote(path, note).ok);
    ASSERT_TRUE(MarkConfirmed(path).ok);
    EXPECT_EQ(ReadWholeFile(path), pointText);

    const RestorePoint listed = ListRestorePoints(dir.path()).points.at(0);
    EXPECT_EQ(listed.note, note);
    EXPECT_TRUE(listed.confirmed);
    EXPECT_EQ(listed.time, Noon);

    // Without a sidecar the name tells enough to write a new one.
    fs::remove(SidecarPath(path));
    ASSERT_TRUE(MarkConfirmed(path).ok);
    const RestorePoint rebuilt = ListRestorePoints(dir.path()).points.at(0);
    EXPECT_TRUE(rebuilt.hasSidecar);
    EXPECT_TRUE(rebuilt.confirmed);
    EXPECT_EQ(rebuilt.kind, PointKind::Program);

    EXPECT_FALSE(SetNote(dir / "gone.ign", "x").ok);
}

TEST(RestorePoints, RetentionKeepsRecentDaysAndNewestCountButNeverStrangeFiles)
{
    TempDir dir;
    const SystemTime now = Local(2026, 12, 8, 12, 0, 0);
    const Retention none{0, 1000000};
    // Ten points a day apart going back from now: days 0..9.
    for (int day = 0; day < 10; ++day) {
        ASSERT_TRUE(WriteRestorePoint(dir.path(), Point(PointKind::Read, now - 24h * day - 1min), none).ok);
    }
    // An old truncated point and an old stranger.
    const fs::path old = WriteRestorePoint(dir.path(), Point(PointKind::Read, now - 24h * 40), none).path;
    WriteWholeFile(old, ReadWholeFile(old).substr(0, 500));
    WriteWholeFile(dir / "mine.ign", "TREMOLAX_KEY 35 BIKE 3");
    fs::last_write_time(dir / "mine.ign", fs::file_time_type::clock::now() - 24h * 400);

    // Keep three days and at least five points: days 0..4 stay.
    EXPECT_EQ(ApplyRetention(dir.path(), {3, 5}, now), 5u);
    std::vector<std::string> names = Names(ListRestorePoints(dir.path()));
    ASSERT_EQ(names.size(), 7u);
    EXPECT_EQ(names[4], PointFileName(now - 24h * 4 - 1min, PointKind::Read, 1));
    EXPECT_EQ(names[5], old.filename());
    EXPECT_EQ(names[6], "mine.ign");
    EXPECT_FALSE(fs::exists(SidecarPath(dir / PointFileName(now - 24h * 5 - 1min, PointKind::Read, 1))));

    // Keep seven days and at least two: nothing more goes.
    EXPECT_EQ(ApplyRetention(dir.path(), {7, 2}, now), 0u);

    // A new point applies the retention it is given.
    const WriteResult written = WriteRestorePoint(dir.path(), Point(PointKind::Program, now), {1, 2});
    ASSERT_TRUE(written.ok);
    EXPECT_EQ(written.deleted, 4u);
    EXPECT_EQ(Names(ListRestorePoints(dir.path())).size(), 4u);
}

TEST(RestorePoints, AFolderThatCannotBeWrittenGivesTheReasonAndLeavesNothing)
{
    TempDir dir;
    // Under a regular file no folder can be made, whoever runs the test.
    WriteWholeFile(dir / "plain", "x");
    const WriteResult underFile = WriteRestorePoint(dir / "plain" / "history", Point(PointKind::Read, Noon));
    EXPECT_FALSE(underFile.ok);
    EXPECT_EQ(underFile.folder, dir / "plain" / "history");
    EXPECT_FALSE(underFile.reason.empty());

    // A disk that fills up while the point is written: files may grow to
    // 4000 bytes only, a point needs more.
    const fs::path full = dir / "full";
    rlimit before{};
    ::getrlimit(RLIMIT_FSIZE, &before);
    rlimit small = before;
    small.rlim_cur = 4000;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    const WriteResult cut = WriteRestorePoint(full, Point(PointKind::Read, Noon));
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(cut.ok);
    EXPECT_EQ(cut.reason, "File too large");
    EXPECT_TRUE(fs::is_empty(full)) << "no point, no temporary file";

    // A read-only folder refuses whoever is not root; root is refused nothing.
    if (::geteuid() != 0) {
        const fs::path locked = dir / "locked";
        fs::create_directory(locked);
        ::chmod(locked.c_str(), 0500);
        const WriteResult denied = WriteRestorePoint(locked, Point(PointKind::Read, Noon));
        ::chmod(locked.c_str(), 0700);
        EXPECT_FALSE(denied.ok);
        EXPECT_EQ(denied.reason, "Permission denied");
        EXPECT_TRUE(fs::is_empty(locked));
    }
}

}  // namespace
}  // namespace korvane::history
