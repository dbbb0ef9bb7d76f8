#pragma once

// The ride logs in the window: recording the live data, replaying a log as a
// unit, the trail and hit counts of the marker, and the lambda advisor.
// TFormHlav owns one and calls its hooks; what is decided lives in
// src/core/logs.
//
// Connections. A connection begins with the first frame after "No
// Connection" (or after the port was opened) and ends when "No Connection"
// shows, when the port changes (the COM menu, a replay starting or ending)
// or when the window closes. Each connection is one log file and one run of
// the advisor's filters (LambdaAdvisor::EndOfLog between them).
//
// Replay. File > Replay log… and --replay start korvane-unit-sim on the log
// and attach its terminal to the current COM number for as long as the
// replay lasts; "Replay" shows at the right of the status bar meanwhile.
// When the log is over (the unit stops answering and "No Connection"
// shows), the device the COM number had before is opened again, quietly: a
// port that was missing before the replay is missing after it, and says so
// by "No Connection". Choosing a port in the COM menu ends the replay too,
// and that port opens as usual.

#include "app/CellOverlay.h"
#include "app/FeatureMenus.h"
#include "app/SettingsGroup.h"
#include "app/SimulatedUnitProcess.h"
#include "history/HistorySettings.h"
#include "link/MonitorDecoder.h"
#include "logs/HitCounts.h"
#include "logs/LambdaAdvisor.h"
#include "logs/LogRecorder.h"
#include "logs/LogSettings.h"
#include "maptools/Sheets.h"
#include "model/ConfigImage.h"

#include <QObject>
#include <QString>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QLabel;

namespace korvane::app {

class TFormHlav;
class RideLogOverlay;

class RideLogController final : public QObject, public SettingsGroup {
    Q_OBJECT
public:
    explicit RideLogController(TFormHlav &window);
    ~RideLogController() override;

    // Hooks of the window.
    void frameArrived(const link::MonitorReadout &readout);  // a decoded frame, in the tick
    void tick();                                             // at the end of every tick
    void pageChanged();
    void portChanging();  // before the COM menu closes the port
    void windowClosing();
    void applyCaptions();
    // File > Replay log… and --replay: the log to play as the unit.
    void startReplay(const QString &path);
    void setReplaySpeed(double speed) { m_replaySpeed = speed; }

    // SettingsGroup: [Logs] and [Advisor].
    void loadSettings(const settings::IniFile &ini) override;
    void saveSettings(settings::IniFile &ini) const override;

    // The cell colours of the table for Hits and LambdaAdvice; null otherwise.
    [[nodiscard]] CellOverlay *overlay(CellColourChoice choice) const;
    // Locks against advice; only cells of Inj-14A, Inj-23A and Inj-IAP.
    bool toggleLock(int page, int row, int column);
    // L or "Lock cell" on a table's selection: locks it, or unlocks it when
    // every cell of it is locked already. False off the advised maps.
    bool toggleLocks(int page, const maptools::Selection &selection);
    [[nodiscard]] bool locked(int page, int row, int column) const;

    // What the overlays, the tooltips and tests read.
    [[nodiscard]] std::uint8_t language() const;
    [[nodiscard]] const logs::HitCounts &hits() const { return m_hits; }
    [[nodiscard]] const logs::LambdaAdvisor &advisor() const { return m_advisor; }
    // The advice for a cell of an advised map, when it has samples.
    [[nodiscard]] const logs::CellAdvice *adviceAt(int page, int row, int column) const;
    [[nodiscard]] bool adviceToApply() const { return m_adviceToApply; }
    [[nodiscard]] const logs::LogRecorder &recorder() const { return m_recorder; }
    [[nodiscard]] bool replaying() const { return m_replay != nullptr; }
    [[nodiscard]] QLabel *replayLabel() const { return m_replayLabel; }
    // The tooltip of a cell of the map page on view.
    [[nodiscard]] QString cellToolTip(int row, int column) const;
    // Tests drive the clock of the trail and of the recording.
    void setClock(std::function<logs::LogClock()> clock) { m_clock = std::move(clock); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setRecording(bool on);
    void resetHits();
    void applyAdvice();
    void endConnection();
    void endReplay(bool reopenPrevious);
    void refreshAdvice();
    // The newest Read restore point, looked for again when the history
    // folder changed (or always, forced).
    void refreshRailBase(bool force);
    [[nodiscard]] model::ConfigImage railBase(const model::ConfigImage &image) const;
    void paintTrail(double now);
    void reportErrors();

    TFormHlav &m_window;
    std::function<logs::LogClock()> m_clock = logs::LogClock::Now;

    logs::LogSettings m_logSettings;
    logs::LogRecorder m_recorder;
    bool m_connected = false;    // a frame came since the last end of a connection
    bool m_beginPending = true;  // the next frame begins a log

    logs::HitCounts m_hits;
    logs::Trail m_trail;

    logs::LambdaAdvisor m_advisor;
    logs::CellSet m_locked;
    history::Retention m_historyRetention;
    std::optional<model::ConfigImage> m_readBase;     // newest Read restore point
    std::uint8_t m_readBaseModel = 0;                 // of this motorcycle type
    bool m_railLooked = false;
    std::optional<model::ConfigImage> m_sessionBase;  // before the first advice of this run
    std::optional<std::filesystem::file_time_type> m_historyStamp;
    double m_nextHistoryLook = 0.0;
    std::vector<logs::CellAdvice> m_advice;
    std::array<std::array<std::int16_t, model::MapCells>, 5> m_adviceIndex{};  // into m_advice, -1 none
    model::ConfigImage m_advisedImage{};
    std::uint64_t m_advisedSamples = 0;
    bool m_adviceDirty = true;
    bool m_adviceToApply = false;
    bool m_historyErrorShown = false;
    std::optional<int> m_programCount;  // from the last frame, for the restore point

    std::unique_ptr<RideLogOverlay> m_hitsOverlay;
    std::unique_ptr<RideLogOverlay> m_adviceOverlay;

    std::unique_ptr<SimulatedUnitProcess> m_replay;
    QString m_deviceBeforeReplay;
    bool m_replaySawFrame = false;
    double m_replaySpeed = 1.0;
    QLabel *m_replayLabel = nullptr;
};

}  // namespace korvane::app
