#include "app/RideLogController.h"

#include "app/RideLogOverlays.h"
#include "app/TFormHlav.h"
#include "app/TableController.h"
#include "history/RestorePoints.h"
#include "lang/HistoryTexts.h"
#include "lang/LogTexts.h"
#include "logs/AdviceRails.h"
#include "logs/LogSettings.h"
#include "logs/RideLogWriter.h"
#include "pages/Pages.h"
#include "serial/PortOpener.h"
#include "settings/DataFolder.h"
#include "ui/Colours.h"
#include "ui/MapGroup.h"
#include "ui/NumericEditor.h"
#include "ui/RuzneSheet.h"
#include "ui/WidgetState.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolTip>

#include <algorithm>
#include <chrono>

namespace korvane::app {

namespace {

// Restore points appear seldom; the folder is looked at no more often.
constexpr double HistoryLookSeconds = 1.0;
const QColor ReplayColour{255, 0, 255};  // fuchsia: a special mode

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString PathText(const std::filesystem::path &path)
{
    return QFile::decodeName(path.c_str());
}

bool Moves(const logs::CellAdvice &advice)
{
    return advice.advice != logs::Advice::None && advice.newValue != advice.value;
}

bool InMap(int page, int row, int column)
{
    return page >= 0 && page < static_cast<int>(pages::MapPageCount) && row >= 0 &&
           row < static_cast<int>(model::MapRows) && column >= 0 && column < static_cast<int>(model::MapColumns);
}

}  // namespace

RideLogController::RideLogController(TFormHlav &window)
    : m_window(window),
      m_recorder(logs::LogsFolder()),
      m_hitsOverlay(std::make_unique<RideLogOverlay>(*this, RideLogLayer::Hits)),
      m_adviceOverlay(std::make_unique<RideLogOverlay>(*this, RideLogLayer::LambdaAdvice))
{
    for (auto &page : m_adviceIndex)
        page.fill(-1);
    const FeatureMenus &f = window.features();
    f.MenuRecordLiveData->setChecked(true);
    connect(f.MenuRecordLiveData, &QAction::triggered, this, &RideLogController::setRecording);
    connect(f.MenuResetHitCounts, &QAction::triggered, this, &RideLogController::resetHits);
    connect(f.MenuApplyLambdaAdvice, &QAction::triggered, this, &RideLogController::applyAdvice);
    connect(f.MenuReplayLog, &QAction::triggered, this, [this] {
        const QString path = m_window.m_dialogs->openLogFileName(&m_window, PathText(logs::LogsFolder()));
        if (path.isEmpty())
            return;
        startReplay(path);
        m_window.ShowPendingMessages();
    });
    f.MenuApplyLambdaAdvice->setEnabled(false);

    // At the right of the status bar, away from the hints and from the
    // transfer status, for as long as a log plays the unit.
    m_replayLabel = new QLabel(window.statusBar());
    m_replayLabel->setObjectName(QStringLiteral("LabelReplay"));
    QFont bold = m_replayLabel->font();
    bold.setBold(true);
    m_replayLabel->setFont(bold);
    m_replayLabel->setAutoFillBackground(true);
    m_replayLabel->setContentsMargins(12, 0, 12, 0);
    ui::SetBackground(m_replayLabel, ReplayColour);
    ui::SetForeground(m_replayLabel, Qt::black);
    window.statusBar()->addPermanentWidget(m_replayLabel);
    m_replayLabel->hide();

    // Tooltips are made when asked for, so that no frame pays for them.
    for (int row = 0; row < ui::MapGroup::Rows; ++row) {
        for (int column = 0; column < ui::MapGroup::Columns; ++column)
            window.m_mapGroup->cell(row, column)->edit()->installEventFilter(this);
    }
}

RideLogController::~RideLogController() = default;

std::uint8_t RideLogController::language() const
{
    return m_window.language();
}

void RideLogController::frameArrived(const link::MonitorReadout &readout)
{
    const logs::LogClock now = m_clock();
    const model::ConfigImage &image = m_window.image();
    m_connected = true;
    if (m_replay)
        m_replaySawFrame = true;
    if (m_beginPending && m_recorder.enabled())
        m_recorder.Begin(logs::OriginOf(image, m_window.deviceLink().versionTexts(), now.wall), now);
    m_beginPending = false;
    m_recorder.Record(readout.frame, now);
    m_programCount = readout.numbers.programCount;

    m_hits.Add(image, readout.values);
    m_trail.Add(now.seconds, logs::MarkedCellsOf(image, readout.values));
    m_advisor.Add(image, readout.numbers);
    emit m_hitsOverlay->changed(-1);
}

void RideLogController::tick()
{
    const logs::LogClock now = m_clock();
    const bool noConnection = m_window.deviceLink().noConnectionVisible();
    if (m_connected && noConnection)
        endConnection();
    m_recorder.Tick(now);
    // A replay is over when its unit stops answering, as a unit switched off.
    if (m_replay && ((m_replaySawFrame && noConnection) || !m_replay->running()))
        endReplay(true);

    if (now.seconds >= m_nextHistoryLook) {
        m_nextHistoryLook = now.seconds + HistoryLookSeconds;
        refreshRailBase(false);
    }
    if (m_adviceDirty || m_advisor.samples() != m_advisedSamples || m_window.image() != m_advisedImage)
        refreshAdvice();
    paintTrail(now.seconds);
    reportErrors();
}

void RideLogController::pageChanged()
{
    paintTrail(m_clock().seconds);
}

void RideLogController::portChanging()
{
    endConnection();
    if (m_replay)
        endReplay(false);
}

void RideLogController::windowClosing()
{
    endConnection();
    if (m_replay) {
        m_replay->stop();
        m_replay.reset();
    }
}

void RideLogController::applyCaptions()
{
    ui::SetLabelText(m_replayLabel, FromUtf8(lang::LogText(lang::LogTextId::Replay, language())));
}

void RideLogController::endConnection()
{
    m_recorder.End();
    if (m_connected)
        m_advisor.EndOfLog();
    m_connected = false;
    m_beginPending = true;
}

void RideLogController::setRecording(bool on)
{
    m_logSettings.record = on;
    m_recorder.setEnabled(on);
    // Switched on with a unit answering: its next frame begins a log.
    m_beginPending = true;
}

void RideLogController::resetHits()
{
    m_hits.Reset();
    m_trail.Reset();
    paintTrail(m_clock().seconds);
    emit m_hitsOverlay->changed(-1);
}

// Replay ----------------------------------------------------------------

void RideLogController::startReplay(const QString &path)
{
    auto unit = std::make_unique<SimulatedUnitProcess>();
    QStringList switches{QStringLiteral("--replay"), path};
    if (m_replaySpeed != 1.0)
        switches << QStringLiteral("--speed") << QString::number(m_replaySpeed, 'g', 6);
    if (!unit->start(switches)) {
        m_window.QueueMessage(unit->error());
        return;
    }
    TFormHlav &w = m_window;
    endConnection();
    // A replay after a replay goes back to the device of before the first.
    if (!m_replay)
        m_deviceBeforeReplay = w.m_portMap.devicePath(w.m_portNumber);
    m_replay = std::move(unit);
    m_replaySawFrame = false;
    w.m_portMap.attach(w.m_portNumber, m_replay->devicePath());
    w.ClosePort();
    const serial::OpenResult opened = serial::OpenPort(w.m_port, w.m_portMap, w.m_portNumber);
    w.m_link.setPort(&w.m_port);
    if (const std::optional<QString> message = serial::OpenFailureMessage(opened, language())) {
        w.QueueMessage(*message);
        endReplay(true);
        return;
    }
    applyCaptions();
    ui::SetShown(m_replayLabel, true);
}

void RideLogController::endReplay(bool reopenPrevious)
{
    TFormHlav &w = m_window;
    endConnection();
    m_replay->stop();
    m_replay.reset();
    w.m_portMap.attach(w.m_portNumber, m_deviceBeforeReplay);
    if (reopenPrevious) {
        // Quietly: a port missing before the replay says so by "No Connection".
        w.ClosePort();
        static_cast<void>(serial::OpenPort(w.m_port, w.m_portMap, w.m_portNumber));
        w.m_link.setPort(&w.m_port);
    }
    ui::SetShown(m_replayLabel, false);
}

// Trail and tooltips ----------------------------------------------------

void RideLogController::paintTrail(double now)
{
    ui::TrailAges ages;
    ages.fill(ui::NoTrail);
    const std::uint8_t page = m_window.pageEditor().CurrentPage();
    if (pages::IsMapPage(page)) {
        for (const logs::TrailCell &cell : m_trail.cells(page, now)) {
            const int bucket = std::min(ui::TrailBuckets - 1, static_cast<int>(cell.age));
            ages[std::size_t{cell.cell.row} * model::MapColumns + cell.cell.column] = static_cast<std::uint8_t>(bucket);
        }
    }
    m_window.m_mapGroup->setTrail(ages);
    if (const TableController *table = m_window.table())
        table->mapTable()->tableModel()->setTrail(ages);
}

QString RideLogController::cellToolTip(int row, int column) const
{
    const int page = m_window.pageEditor().CurrentPage();
    if (!InMap(page, row, column))
        return {};
    QStringList lines;
    if (m_hits.frames() > 0) {
        lines << HitsText(m_hits.count(static_cast<std::uint8_t>(page), static_cast<std::uint8_t>(row),
                                       static_cast<std::uint8_t>(column)),
                          language());
    }
    if (const QString advice = m_adviceOverlay->toolTip(page, row, column); !advice.isEmpty())
        lines << advice;
    return lines.join(QLatin1Char('\n'));
}

bool RideLogController::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QObject::eventFilter(watched, event);
    for (int row = 0; row < ui::MapGroup::Rows; ++row) {
        for (int column = 0; column < ui::MapGroup::Columns; ++column) {
            QLineEdit *edit = m_window.m_mapGroup->cell(row, column)->edit();
            if (edit != watched)
                continue;
            const QString text = cellToolTip(row, column);
            if (text.isEmpty()) {
                QToolTip::hideText();
                event->ignore();
            } else {
                QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), text, edit);
            }
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void RideLogController::reportErrors()
{
    if (const std::optional<logs::RecorderError> error = m_recorder.takeError()) {
        m_window.QueueMessage(FromUtf8(lang::LogText(lang::LogTextId::FolderUnwritable, language())) +
                              PathText(error->path) + QStringLiteral(": ") + QString::fromStdString(error->reason));
    }
}

// Settings --------------------------------------------------------------

void RideLogController::loadSettings(const settings::IniFile &ini)
{
    m_logSettings = logs::ReadLogSettings(ini);
    m_recorder.setRetention(m_logSettings.retention);
    m_recorder.setEnabled(m_logSettings.record);
    const QSignalBlocker quiet(m_window.features().MenuRecordLiveData);
    m_window.features().MenuRecordLiveData->setChecked(m_logSettings.record);

    m_advisor = logs::LambdaAdvisor(logs::ReadAdvisorSettings(ini));
    m_locked = logs::ReadLockedCells(ini);
    m_historyRetention = history::ReadHistorySettings(ini).retention;
    m_adviceDirty = true;
}

void RideLogController::saveSettings(settings::IniFile &ini) const
{
    logs::WriteLogSettings(ini, m_logSettings);
    const logs::AdvisorSettings &advisor = m_advisor.settings();
    logs::WriteSetting(ini, logs::DelaySetting, advisor.delay);
    logs::WriteSetting(ini, logs::ThrottleZoneSetting, advisor.throttleZoneMax);
    logs::WriteSetting(ini, logs::IapZoneSetting, advisor.iapZoneMax);
    logs::WriteSetting(ini, logs::BetweenCellsSetting, advisor.betweenCellsPercent);
    logs::WriteLockedCells(ini, m_locked);
}

// Overlays and locks ----------------------------------------------------

CellOverlay *RideLogController::overlay(CellColourChoice choice) const
{
    switch (choice) {
    case CellColourChoice::Hits:
        return m_hitsOverlay.get();
    case CellColourChoice::LambdaAdvice:
        return m_adviceOverlay.get();
    default:
        return nullptr;
    }
}

bool RideLogController::locked(int page, int row, int column) const
{
    return InMap(page, row, column) && m_locked.contains(static_cast<std::uint8_t>(page),
                                                         static_cast<std::uint8_t>(row),
                                                         static_cast<std::uint8_t>(column));
}

bool RideLogController::toggleLock(int page, int row, int column)
{
    if (row < 0 || column < 0)
        return false;
    return toggleLocks(page, maptools::Selection::Cell({static_cast<std::size_t>(row), static_cast<std::size_t>(column)}));
}

bool RideLogController::toggleLocks(int page, const maptools::Selection &selection)
{
    if (!InMap(page, static_cast<int>(selection.bottom), static_cast<int>(selection.right)) ||
        !logs::AdvisedPage(static_cast<std::uint8_t>(page)))
        return false;
    bool allLocked = true;
    for (std::size_t row = selection.top; row <= selection.bottom; ++row)
        for (std::size_t column = selection.left; column <= selection.right; ++column)
            allLocked = allLocked && locked(page, static_cast<int>(row), static_cast<int>(column));
    for (std::size_t row = selection.top; row <= selection.bottom; ++row)
        for (std::size_t column = selection.left; column <= selection.right; ++column)
            m_locked.set(static_cast<std::uint8_t>(page), static_cast<std::uint8_t>(row),
                         static_cast<std::uint8_t>(column), !allLocked);
    refreshAdvice();
    emit m_hitsOverlay->changed(page);
    return true;
}

const logs::CellAdvice *RideLogController::adviceAt(int page, int row, int column) const
{
    if (!InMap(page, row, column))
        return nullptr;
    const std::int16_t index = m_adviceIndex[static_cast<std::size_t>(page)]
                                            [static_cast<std::size_t>(row) * model::MapColumns +
                                             static_cast<std::size_t>(column)];
    return index < 0 ? nullptr : &m_advice[static_cast<std::size_t>(index)];
}

// Advice ----------------------------------------------------------------

void RideLogController::refreshRailBase(bool force)
{
    const std::filesystem::path folder = settings::HistoryFolder();
    std::error_code error;
    const std::filesystem::file_time_type written = std::filesystem::last_write_time(folder, error);
    const std::optional<std::filesystem::file_time_type> stamp =
        error ? std::nullopt : std::optional<std::filesystem::file_time_type>(written);
    const std::uint8_t bikeType = m_window.image()[model::Offset::BikeType];
    if (!force && m_railLooked && stamp == m_historyStamp && bikeType == m_readBaseModel)
        return;
    m_railLooked = true;
    m_historyStamp = stamp;
    m_readBaseModel = bikeType;
    const std::optional<logs::RailBase> base = logs::NewestReadPoint(folder, bikeType);
    m_readBase = base ? std::optional<model::ConfigImage>(base->image) : std::nullopt;
    m_adviceDirty = true;
}

model::ConfigImage RideLogController::railBase(const model::ConfigImage &image) const
{
    if (m_readBase && (*m_readBase)[model::Offset::BikeType] == image[model::Offset::BikeType])
        return *m_readBase;
    if (m_sessionBase && (*m_sessionBase)[model::Offset::BikeType] == image[model::Offset::BikeType])
        return *m_sessionBase;
    return image;
}

void RideLogController::refreshAdvice()
{
    const model::ConfigImage &image = m_window.image();
    m_advice = logs::Advise(m_advisor, image, railBase(image), m_locked);
    for (auto &page : m_adviceIndex)
        page.fill(-1);
    for (std::size_t i = 0; i < m_advice.size(); ++i) {
        const logs::CellAdvice &cell = m_advice[i];
        m_adviceIndex[cell.page][std::size_t{cell.row} * model::MapColumns + cell.column] =
            static_cast<std::int16_t>(i);
    }
    m_advisedImage = image;
    m_advisedSamples = m_advisor.samples();
    m_adviceDirty = false;
    m_adviceToApply = std::any_of(m_advice.begin(), m_advice.end(), Moves);
    QAction *apply = m_window.features().MenuApplyLambdaAdvice;
    if (apply->isEnabled() != m_adviceToApply)
        apply->setEnabled(m_adviceToApply);
    emit m_adviceOverlay->changed(-1);
}

void RideLogController::applyAdvice()
{
    TFormHlav &w = m_window;
    // What is typed but not yet taken over counts, as for every tool.
    w.TakePage();
    refreshRailBase(true);
    const model::ConfigImage before = w.image();
    const std::vector<logs::CellAdvice> advice = logs::Advise(m_advisor, before, railBase(before), m_locked);
    if (std::none_of(advice.begin(), advice.end(), Moves)) {
        refreshAdvice();
        return;
    }

    history::NewPoint point;
    point.kind = history::PointKind::Advice;
    point.image = before;
    point.extMonitor = w.ruzneSheet()->extMonitor()->isChecked();
    point.time = std::chrono::system_clock::now();
    point.programCount = m_programCount;
    point.source = w.ruzneSheet()->fileName().toStdString();
    const history::WriteResult written = history::WriteRestorePoint(settings::HistoryFolder(), point, m_historyRetention);
    // The step can be undone, so a folder that takes no restore point does
    // not stop it; it is said once per run.
    if (!written.ok && !m_historyErrorShown) {
        m_historyErrorShown = true;
        w.QueueMessage(QString::fromStdString(lang::HistoryText(lang::HistoryTextId::FolderNotWritable, language(),
                                                                written.folder.string(), written.reason)));
    }
    if (!m_sessionBase)
        m_sessionBase = before;

    w.ApplyEdit(QString::fromStdString(lang::HistoryText(lang::HistoryTextId::StepLambdaAdvice, language())), "",
                logs::ApplyAdvice(before, advice));
    // Evidence gathered on the old values must not count twice.
    m_advisor.Reset();
    refreshAdvice();
    w.ShowPendingMessages();
}

}  // namespace korvane::app
