#include "app/UndoController.h"

#include "app/Dialogs.h"
#include "app/LinkEvents.h"
#include "app/TFormHlav.h"
#include "history/ImageDiff.h"
#include "lang/HistoryTexts.h"
#include "model/BikeTypes.h"
#include "settings/DataFolder.h"
#include "ui/HistoryDialog.h"
#include "ui/RuzneSheet.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>

#include <algorithm>
#include <array>

namespace korvane::app {

namespace {

using lang::HistoryTextId;

QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Native(const std::filesystem::path &path)
{
    return QDir::toNativeSeparators(QFile::decodeName(path.c_str()));
}

struct GestureInfo {
    HistoryTextId label;
    const char *mergeAction;  // empty: the gesture never merges
};

constexpr std::array<GestureInfo, 19> Gestures{{
    {HistoryTextId::StepEdit, "take"},
    {HistoryTextId::StepPlus, "plus"},
    {HistoryTextId::StepMinus, "minus"},
    {HistoryTextId::StepColumnUp, "column-up"},
    {HistoryTextId::StepColumnDown, "column-down"},
    {HistoryTextId::StepPositionAMinus, "position-a-minus"},
    {HistoryTextId::StepPositionAPlus, "position-a-plus"},
    {HistoryTextId::StepPositionBMinus, "position-b-minus"},
    {HistoryTextId::StepPositionBPlus, "position-b-plus"},
    {HistoryTextId::StepServoMinus, "servo-minus"},
    {HistoryTextId::StepServoPlus, "servo-plus"},
    {HistoryTextId::StepTps0, "tps0"},
    {HistoryTextId::StepTps100, "tps100"},
    {HistoryTextId::StepJetMode, ""},
    {HistoryTextId::StepNew, ""},
    {HistoryTextId::StepOpen, ""},
    {HistoryTextId::StepModelChange, ""},
    {HistoryTextId::StepRestorePoint, ""},
    {HistoryTextId::StepRead, ""},
}};
static_assert(Gestures.size() == static_cast<std::size_t>(UndoGesture::Read) + 1);

const GestureInfo &Info(UndoGesture gesture)
{
    return Gestures[static_cast<std::size_t>(gesture)];
}

// A step's label holds its text in every language, apart by this character,
// so that the menu can follow a change of language; a label given in one
// language only (ApplyEdit) has no separator and reads the same in all.
constexpr char LanguageSeparator = '\x1f';

std::string LabelIn(const std::string &label, std::uint8_t language)
{
    std::size_t start = 0;
    for (std::uint8_t i = 0; i < language; ++i) {
        const std::size_t next = label.find(LanguageSeparator, start);
        if (next == std::string::npos)
            return label.substr(0, label.find(LanguageSeparator));
        start = next + 1;
    }
    return label.substr(start, label.find(LanguageSeparator, start) - start);
}

// "plus:553" or "take:550,700" or "column-up:403-538": the action and the
// offsets it changed, so only a repeat on the same cells merges.
std::string MergeKey(const char *action, const model::ConfigImage &before, const model::ConfigImage &after)
{
    std::string key = action;
    key += ':';
    std::size_t i = 0;
    bool first = true;
    while (i < model::ImageSize) {
        if (before[i] == after[i]) {
            ++i;
            continue;
        }
        std::size_t last = i;
        while (last + 1 < model::ImageSize && before[last + 1] != after[last + 1])
            ++last;
        if (!first)
            key += ',';
        key += std::to_string(i);
        if (last > i) {
            key += '-';
            key += std::to_string(last);
        }
        first = false;
        i = last + 1;
    }
    return key;
}

// Lets the window's Undo and Redo keys reach their actions while a line
// edit of the window has the focus: the edit would otherwise claim them for
// its own typing through the shortcut-override event. With nothing to undo
// the edit keeps them.
class UndoKeyFilter final : public QObject {
public:
    UndoKeyFilter(const QWidget &window, QList<QAction *> actions) : m_window(window), m_actions(std::move(actions)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        const auto *widget = qobject_cast<QWidget *>(watched);
        if (widget == nullptr || widget->window() != &m_window)
            return false;
        const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
        // Filtered without being accepted: the shortcut map then runs the action.
        return std::any_of(m_actions.begin(), m_actions.end(),
                           [&](const QAction *action) { return action->isEnabled() && action->shortcuts().contains(pressed); });
    }

private:
    const QWidget &m_window;
    QList<QAction *> m_actions;
};

}  // namespace

UndoGesture CurveGesture(pages::Curve curve, pages::Step step)
{
    const bool plus = step == pages::Step::Plus;
    switch (curve) {
    case pages::Curve::PositionA:
        return plus ? UndoGesture::PositionAPlus : UndoGesture::PositionAMinus;
    case pages::Curve::PositionB:
        return plus ? UndoGesture::PositionBPlus : UndoGesture::PositionBMinus;
    case pages::Curve::Servo:
        break;
    }
    return plus ? UndoGesture::ServoPlus : UndoGesture::ServoMinus;
}

UndoController::UndoController(TFormHlav &window, Dialogs &dialogs, MessageSink message)
    : m_window(window), m_dialogs(dialogs), m_message(std::move(message)),
      m_clock([] { return std::chrono::steady_clock::now(); })
{
    const FeatureMenus &f = window.features();
    f.MenuUndo->setEnabled(false);
    f.MenuRedo->setEnabled(false);
    connect(f.MenuUndo, &QAction::triggered, this, &UndoController::Undo);
    connect(f.MenuRedo, &QAction::triggered, this, &UndoController::Redo);
    connect(f.MenuHistory, &QAction::triggered, this, &UndoController::MenuHistoryClick);
    m_keyFilter = std::make_unique<UndoKeyFilter>(window, QList<QAction *>{f.MenuUndo, f.MenuRedo});
    qApp->installEventFilter(m_keyFilter.get());
}

UndoController::~UndoController()
{
    qApp->removeEventFilter(m_keyFilter.get());
}

UndoController::Recording::~Recording()
{
    m_owner.end();
}

UndoController::Recording UndoController::record(UndoGesture gesture)
{
    begin({gesture, std::nullopt, {}});
    return Recording(*this);
}

UndoController::Recording UndoController::record(const QString &label, const std::string &mergeKey)
{
    begin({UndoGesture::TakeOver, label.toStdString(), mergeKey});
    return Recording(*this);
}

void UndoController::begin(Pending pending)
{
    if (m_depth++ > 0)
        return;
    m_pending = std::move(pending);
    m_before = m_window.image();
}

void UndoController::end()
{
    if (--m_depth > 0)
        return;
    recordStep(m_pending, m_before, m_window.image());
}

std::string UndoController::describe(const Pending &pending, const model::ConfigImage &before,
                                     const model::ConfigImage &after) const
{
    if (pending.label)
        return *pending.label;
    std::string label;
    for (std::uint8_t language = 0; language < lang::LanguageCount; ++language) {
        if (language > 0)
            label += LanguageSeparator;
        std::string text;
        if (pending.gesture == UndoGesture::TakeOver)
            text = history::DescribeChange(before, after, language);
        else if (pending.gesture == UndoGesture::JetMode)
            text = lang::JetModeStepLabel(after[model::Offset::JetMode], language);
        if (text.empty())
            text = lang::HistoryText(Info(pending.gesture).label, language);
        label += text;
    }
    return label;
}

void UndoController::recordStep(const Pending &pending, const model::ConfigImage &before,
                                const model::ConfigImage &after)
{
    if (before == after)
        return;
    const history::ImageHistory::TimePoint now = m_clock();
    const char *action = Info(pending.gesture).mergeAction;
    std::string key = pending.label ? pending.mergeKey : *action ? MergeKey(action, before, after) : std::string();
    // The same rule as the history's, so that a merged step is labelled from
    // its first value to its last ("35 → 37", not "36 → 37").
    const bool merges = !key.empty() && key == m_lastKey && !m_history.CanRedo() && now >= m_lastTime &&
                        now - m_lastTime < history::ImageHistory::MergeWindow;
    std::string label = describe(pending, merges ? m_lastBefore : before, after);
    if (!merges)
        m_lastBefore = before;
    const std::size_t steps = m_history.UndoCount();
    m_history.Record(std::move(label), before, after, key, now);
    // A step merged back to no change has gone; nothing merges into it.
    m_lastKey = m_history.UndoCount() < steps ? std::string() : std::move(key);
    m_lastTime = now;
    updateTexts();
    updateEnabled();
}

void UndoController::beforeTick()
{
    // Only a transfer changes the image inside a tick.
    if (m_window.deviceLink().transferMode() != link::TransferMode::Idle)
        m_tickBefore = m_window.image();
    else
        m_tickBefore.reset();
}

void UndoController::afterTick(const LinkEvents &events)
{
    const model::ConfigImage &image = m_window.image();
    if (m_tickBefore && *m_tickBefore != image) {
        if (events.readArrived)
            recordStep({UndoGesture::Read, std::nullopt, {}}, *m_tickBefore, image);
        // A gesture waiting in a dialog while the tick ran keeps its own change only.
        if (m_depth > 0) {
            for (std::size_t i = 0; i < model::ImageSize; ++i)
                if ((*m_tickBefore)[i] != image[i])
                    m_before[i] = image[i];
        }
    }

    if (events.readArrived)
        writePoint(history::PointKind::Read, *events.readArrived);
    if (events.asideRead && events.asideRead->purpose == link::AsidePurpose::BackupProgram)
        writePoint(history::PointKind::Backup, events.asideRead->image);
    if (events.programStarted)
        writePoint(history::PointKind::Program, *events.programStarted, &m_programPoint);
    if (events.confirmed == link::TransferMode::Program && m_programPoint) {
        m_writer.confirm(*m_programPoint);
        m_programPoint.reset();
    }
    if (m_window.deviceLink().noConnectionVisible())
        m_programCount.reset();
    reportFailures();
    updateEnabled();
}

void UndoController::writePoint(history::PointKind kind, const model::ConfigImage &image,
                                std::optional<RestorePointWriter::Token> *token)
{
    history::NewPoint point;
    point.kind = kind;
    point.image = image;
    point.extMonitor = m_window.ruzneSheet()->extMonitor()->isChecked();
    point.time = std::chrono::system_clock::now();
    point.programCount = m_programCount;
    // Only what is sent comes from the file on view; a read or backup is the unit's.
    if (kind == history::PointKind::Program)
        point.source = m_window.ruzneSheet()->fileName().toStdString();
    RestorePointWriter::Token written =
        m_writer.write(settings::HistoryFolder(), std::move(point), m_settings.retention);
    if (token != nullptr)
        *token = std::move(written);
}

void UndoController::reportFailures()
{
    for (const RestorePointWriter::Failure &failure : m_writer.takeFailures()) {
        if (m_folderReported)
            continue;
        m_folderReported = true;
        m_message(Q(lang::HistoryText(HistoryTextId::FolderNotWritable, m_window.language(),
                                      Native(failure.folder).toStdString(), failure.reason)));
    }
}

void UndoController::Undo()
{
    if (m_depth > 0 || m_window.deviceLink().readingOrVerifying())
        return;
    install(m_history.Undo(m_window.image()));
}

void UndoController::Redo()
{
    if (m_depth > 0 || m_window.deviceLink().readingOrVerifying())
        return;
    install(m_history.Redo(m_window.image()));
}

void UndoController::install(std::optional<history::ImageHistory::Applied> applied)
{
    if (!applied)
        return;
    m_lastKey.clear();
    m_window.image() = applied->image;
    // An edit like any other: shown, and programmed when the user asked for that.
    m_window.RefreshAfterEdit();
    updateTexts();
    updateEnabled();
}

void UndoController::ApplyCaptions()
{
    updateTexts();
}

void UndoController::updateTexts()
{
    const std::uint8_t language = m_window.language();
    const FeatureMenus &f = m_window.features();
    f.MenuUndo->setText(Q(lang::UndoMenuText(LabelIn(m_history.UndoLabel(), language), language)));
    f.MenuRedo->setText(Q(lang::RedoMenuText(LabelIn(m_history.RedoLabel(), language), language)));
}

void UndoController::updateEnabled()
{
    const bool busy = m_window.deviceLink().readingOrVerifying();
    const bool undo = !busy && m_history.CanUndo();
    const bool redo = !busy && m_history.CanRedo();
    const FeatureMenus &f = m_window.features();
    if (undo != m_undoEnabled)
        f.MenuUndo->setEnabled(m_undoEnabled = undo);
    if (redo != m_redoEnabled)
        f.MenuRedo->setEnabled(m_redoEnabled = redo);
}

bool UndoController::backupBeforeProgram() const
{
    return m_window.features().MenuBackupBeforeProgram->isChecked();
}

void UndoController::MenuHistoryClick()
{
    // The point of a transfer just ended belongs in the list.
    m_writer.waitForDone();
    reportFailures();
    const std::uint8_t language = m_window.language();
    history::ListResult list = history::ListRestorePoints(settings::HistoryFolder());
    if (!list.ok)
        m_message(Q(lang::MessageText(lang::TextId::FileOpenError, language)) + QLatin1Char('\n') +
                  Native(settings::HistoryFolder()) + QLatin1Char('\n') + Q(list.reason));

    const auto storeNote = [this, language](const std::filesystem::path &point, const std::string &note) {
        const history::StoreResult stored = history::SetNote(point, note);
        if (!stored.ok)
            m_message(Q(lang::MessageText(lang::TextId::FileOpenError, language)) + QLatin1Char('\n') +
                      Q(stored.error));
        return stored.ok;
    };
    ui::HistoryDialog dialog(std::move(list.points), m_window.image(), language, storeNote, &m_window);
    connect(&dialog, &ui::HistoryDialog::openPoint, this, &UndoController::openPoint);
    connect(&dialog, &ui::HistoryDialog::comparePoint, this, [this, language](const history::RestorePoint &point) {
        emit compareRequested(*point.image, Q(history::LocalTimeText(point.time)) + QLatin1Char(' ') +
                                                ui::HistoryTableModel::KindName(point, language));
    });
    m_dialogs.run(dialog);
}

void UndoController::openPoint(const history::RestorePoint &point)
{
    if (!point.image)
        return;
    const Recording recording = record(UndoGesture::RestorePoint);
    // Like File > Open: the parameters, with the bytes derived from the
    // model; the header stays the one of the unit last talked to.
    model::ConfigImage &image = m_window.image();
    std::copy(point.image->bytes.begin() + model::BlockSize, point.image->bytes.end(),
              image.bytes.begin() + model::BlockSize);
    model::ApplyTypeSettings(image);
    m_window.ruzneSheet()->setFileName(QString());
    m_window.RefreshAfterEdit();
}

void UndoController::loadSettings(const settings::IniFile &ini)
{
    m_settings = history::ReadHistorySettings(ini);
    m_window.features().MenuBackupBeforeProgram->setChecked(m_settings.backupBeforeProgram);
}

void UndoController::saveSettings(settings::IniFile &ini) const
{
    history::HistorySettings values = m_settings;
    values.backupBeforeProgram = backupBeforeProgram();
    history::WriteHistorySettings(ini, values);
}

}  // namespace korvane::app
