// Recording the simulated unit in the window, one log per connection, and
// replaying a log as the unit: the same frames in the same order, "Replay"
// in the status bar for as long as it lasts, a log refused with its name.

#include "WindowFixture.h"

#include "../tools/SimulatedUnit.h"

#include "app/CommandLine.h"
#include "app/RideLogController.h"
#include "logs/RideLogReader.h"
#include "settings/ConfigFolder.h"
#include "settings/IniFile.h"

#include <QAction>
#include <QLabel>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

namespace korvane::test {
namespace {

std::string ReadText(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The frames of a log, runs of one frame taken once: a poll that comes before
// the replay clock reaches the next frame gets the same one again.
std::vector<link::MonitorFrame> DistinctFrames(const std::filesystem::path &path)
{
    std::vector<link::MonitorFrame> frames;
    for (const logs::LogRecord &record : logs::ParseRideLog(ReadText(path)).records)
        if (record.frame && (frames.empty() || frames.back() != *record.frame))
            frames.push_back(*record.frame);
    return frames;
}

class WindowReplayTest : public WindowFixture {
protected:
    app::RideLogController &logs() { return window->rideLogs(); }
    [[nodiscard]] std::filesystem::path logsFolder() const { return dataPath(QStringLiteral("Korvane/logs")).toStdString(); }
    std::set<std::filesystem::path> logFiles() const
    {
        std::set<std::filesystem::path> files;
        std::error_code error;
        for (const auto &entry : std::filesystem::directory_iterator(logsFolder(), error))
            files.insert(entry.path());
        return files;
    }
    bool recordedRows(std::size_t rows)
    {
        return tickUntil([&] { return logs().recorder().recording() && logs().recorder().rows() >= rows; });
    }
    QLabel *replayLabel() const { return window->findChild<QLabel *>(QStringLiteral("LabelReplay")); }
};

TEST_F(WindowReplayTest, EachConnectionIsRecordedIntoALogOfItsOwnUntilRecordingIsSwitchedOff)
{
    SimulatedUnit unit;
    open(QString::fromStdString(unit.path()));
    ASSERT_TRUE(window->features().MenuRecordLiveData->isChecked()) << "on by default";
    ASSERT_TRUE(recordedRows(3));
    const std::filesystem::path first = logs().recorder().file();
    EXPECT_EQ(first.parent_path(), logsFolder());

    // Choosing the port again is a new connection.
    window->menu().MenuComN[window->portNumber() - 1]->trigger();
    ASSERT_TRUE(recordedRows(3));
    const std::filesystem::path second = logs().recorder().file();
    EXPECT_NE(second, first);
    EXPECT_EQ(logFiles(), (std::set<std::filesystem::path>{first, second}));

    window->features().MenuRecordLiveData->trigger();
    EXPECT_FALSE(logs().recorder().recording());
    for (const auto &file : {first, second}) {
        const logs::RideLog log = logs::ParseRideLog(ReadText(file));
        EXPECT_GE(log.records.size(), 3u) << file;
        EXPECT_EQ(log.summary.header.model, window->image()[model::Offset::BikeType]);
        EXPECT_EQ(log.summary.skippedTotal(), 0u);
    }
    const std::size_t rows = logs::ParseRideLog(ReadText(second)).records.size();
    const std::uint64_t framesBefore = logs().hits().frames();
    ASSERT_TRUE(tickUntil([&] { return logs().hits().frames() >= framesBefore + 3; }));
    EXPECT_EQ(logFiles().size(), 2u);
    EXPECT_EQ(logs::ParseRideLog(ReadText(second)).records.size(), rows);
    window->close();
    EXPECT_EQ(settings::LoadIniFile(settings::SettingsFile()).file.value("Logs", "Record"), "0");
}

TEST_F(WindowReplayTest, ARideReplayedAndRecordedAgainHoldsTheSameFramesWhileReplayShows)
{
    std::filesystem::path ride;
    {
        SimulatedUnit unit;
        open(QString::fromStdString(unit.path()));
        ASSERT_TRUE(recordedRows(12));
        ride = logs().recorder().file();
    }  // the unit is switched off: "No Connection" ends the log
    ASSERT_TRUE(tickUntil([&] { return !logs().recorder().recording(); }));
    const std::vector<link::MonitorFrame> frames = DistinctFrames(ride);
    ASSERT_GE(frames.size(), 6u);
    dialogs.messages.clear();

    // Slower than recorded, so that every frame is polled at least once.
    logs().setReplaySpeed(0.25);
    dialogs.fileToOpen = QString::fromStdString(ride.string());
    window->features().MenuReplayLog->trigger();
    ASSERT_TRUE(logs().replaying()) << dialogs.messages.join('\n').toStdString();
    EXPECT_TRUE(replayLabel()->isVisible());
    EXPECT_EQ(replayLabel()->text(), QStringLiteral("Replay"));
    ASSERT_TRUE(tickUntil([&] { return logs().recorder().recording(); }));
    const std::filesystem::path again = logs().recorder().file();
    EXPECT_NE(again, ride);

    ASSERT_TRUE(tickUntil([&] { return !logs().replaying(); }, 30000));
    EXPECT_FALSE(replayLabel()->isVisible());
    EXPECT_FALSE(logs().recorder().recording());
    const std::vector<link::MonitorFrame> replayed = DistinctFrames(again);
    EXPECT_TRUE(replayed == frames) << "replayed " << replayed.size() << " of " << frames.size() << ", first "
                                    << (std::mismatch(replayed.begin(), replayed.end(), frames.begin(), frames.end())
                                            .first - replayed.begin())
                                    << " the same";
    EXPECT_TRUE(dialogs.messages.isEmpty()) << "the port of before comes back quietly";
}

TEST_F(WindowReplayTest, ALogThatCannotBeReplayedIsRefusedWithItsName)
{
    const QString log = workPath(QStringLiteral("old monitor.csv"));
    std::ofstream(log.toStdString()) << "time,seconds,rpm\n2025-03-14T10:42:07.125Z,0.0,3000\n";
    app::StartOptions options;
    options.dialogs = &dialogs;
    options.runTimer = false;
    options.device = workPath(QStringLiteral("no-such-port"));
    options.replayLog = app::ParseCommandLine({QStringLiteral("--replay"), log}).replayLog;
    window = std::make_unique<app::TFormHlav>(options);
    window->show();
    QApplication::processEvents();
    EXPECT_FALSE(logs().replaying());
    EXPECT_FALSE(replayLabel()->isVisible());
    ASSERT_FALSE(dialogs.messages.isEmpty());
    EXPECT_TRUE(dialogs.messages.join('\n').contains(log)) << dialogs.messages.join('\n').toStdString();
}

TEST(CommandLine, ReplayTakesALogAndASpeed)
{
    const struct {
        QStringList arguments;
        const char *log;
        double speed;
        bool error;
    } cases[] = {
        {{"--replay", "ride.csv"}, "ride.csv", 1.0, false},
        {{"FRENCH", "--replay", "ride.csv", "--speed", "0.5"}, "ride.csv", 0.5, false},
        {{"--replay"}, "", 1.0, true},
        {{"--speed", "2"}, "", 2.0, true},
        {{"--replay", "ride.csv", "--speed", "0"}, "ride.csv", 0.0, true},
        {{"--replay", "ride.csv", "--simulate"}, "ride.csv", 1.0, true},
    };
    for (const auto &c : cases) {
        const app::CommandLine line = app::ParseCommandLine(c.arguments);
        EXPECT_EQ(line.replayLog, QLatin1String(c.log)) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(line.error.isEmpty(), !c.error) << c.arguments.join(' ').toStdString();
        if (!c.error) {
            EXPECT_EQ(line.replaySpeed, c.speed);
        }
    }
    EXPECT_TRUE(app::CommandLineHelp().contains(QStringLiteral("--replay")));
}

}  // namespace
}  // namespace korvane::test
