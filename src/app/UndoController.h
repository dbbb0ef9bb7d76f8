#pragma once

// The safety net of the window: undo and redo of the image (Edit menu), the
// restore points written around every read and program run, the option to
// back the unit up before programming, and File > History….
//
// Every change of the image by the user is one step. A gesture handler opens
// a Recording at its start; when the outermost one ends, the image before and
// after it make the step (nothing when no byte changed). A read is recorded
// from the tick, around the link replacing the image. Labels are made in all
// four languages when the step is recorded, so the menu follows a change of
// language; merge keys are the action and the offsets it changed, so a key
// held down on one cell makes one step.

#include "app/RestorePointWriter.h"
#include "app/SettingsGroup.h"
#include "history/HistorySettings.h"
#include "history/ImageHistory.h"
#include "model/ConfigImage.h"
#include "pages/EditingTools.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace korvane::history {
struct RestorePoint;
}

namespace korvane::app {

class Dialogs;
class TFormHlav;
struct LinkEvents;

enum class UndoGesture : std::uint8_t {
    TakeOver,  // editors taken into the image; labelled by what changed
    Plus,
    Minus,
    ColumnUp,
    ColumnDown,
    PositionAMinus,
    PositionAPlus,
    PositionBMinus,
    PositionBPlus,
    ServoMinus,
    ServoPlus,
    Tps0,
    Tps100,
    JetMode,
    New,
    Open,
    ModelChange,
    RestorePoint,
    Read,  // recorded by the tick, not by a handler
};

// The step of a position or servo button.
[[nodiscard]] UndoGesture CurveGesture(pages::Curve curve, pages::Step step);

class UndoController final : public QObject, public SettingsGroup {
    Q_OBJECT
public:
    using Clock = std::function<history::ImageHistory::TimePoint()>;
    using MessageSink = std::function<void(const QString &)>;

    // message queues a message box of the window.
    UndoController(TFormHlav &window, Dialogs &dialogs, MessageSink message);
    ~UndoController() override;

    // Open while a gesture changes the image; the outermost one records.
    class [[nodiscard]] Recording {
    public:
        ~Recording();
        Recording(const Recording &) = delete;
        Recording &operator=(const Recording &) = delete;

    private:
        friend class UndoController;
        explicit Recording(UndoController &owner) : m_owner(owner) {}
        UndoController &m_owner;
    };
    Recording record(UndoGesture gesture);
    // An edit computed as a whole (TFormHlav::ApplyEdit), with its own label.
    Recording record(const QString &label, const std::string &mergeKey);

    // The tick: around DeviceLink::tick(), with the events it left.
    void beforeTick();
    void afterTick(const LinkEvents &events);
    // The unit's programming count of each live-data frame.
    void monitorSeen(int programCount) { m_programCount = programCount; }

    void Undo();
    void Redo();
    // Undo and Redo texts in the window's language.
    void ApplyCaptions();
    // F9 reads the unit into a restore point before it programs.
    [[nodiscard]] bool backupBeforeProgram() const;
    void MenuHistoryClick();

    // SettingsGroup: [History].
    void loadSettings(const settings::IniFile &ini) override;
    void saveSettings(settings::IniFile &ini) const override;

    // For tests and measurements.
    [[nodiscard]] const history::ImageHistory &steps() const { return m_history; }
    void setClock(Clock clock) { m_clock = std::move(clock); }
    // Waits until every restore point asked for is written; failures are
    // reported by the next tick.
    void waitForRestorePoints() { m_writer.waitForDone(); }

signals:
    // The History dialog's Compare: the point's image, and a title naming the
    // point ("2026-12-08 13:22:05 Read"). For the compare panel to show.
    void compareRequested(const korvane::model::ConfigImage &other, const QString &title);

private:
    struct Pending {
        UndoGesture gesture = UndoGesture::TakeOver;
        std::optional<std::string> label;  // given with its merge key by ApplyEdit
        std::string mergeKey;
    };

    void begin(Pending pending);
    void end();
    void recordStep(const Pending &pending, const model::ConfigImage &before, const model::ConfigImage &after);
    [[nodiscard]] std::string describe(const Pending &pending, const model::ConfigImage &before,
                                       const model::ConfigImage &after) const;
    void install(std::optional<history::ImageHistory::Applied> applied);
    void writePoint(history::PointKind kind, const model::ConfigImage &image,
                    std::optional<RestorePointWriter::Token> *token = nullptr);
    void reportFailures();
    void updateTexts();
    void updateEnabled();
    void openPoint(const history::RestorePoint &point);

    TFormHlav &m_window;
    Dialogs &m_dialogs;
    MessageSink m_message;
    Clock m_clock;
    history::ImageHistory m_history;
    history::HistorySettings m_settings;

    // The gesture under way.
    int m_depth = 0;
    Pending m_pending;
    model::ConfigImage m_before{};

    // The last step, while later records may merge into it.
    std::string m_lastKey;
    history::ImageHistory::TimePoint m_lastTime{};
    model::ConfigImage m_lastBefore{};

    // The image before a tick that ran a transfer.
    std::optional<model::ConfigImage> m_tickBefore;

    RestorePointWriter m_writer;
    std::optional<RestorePointWriter::Token> m_programPoint;  // awaiting its closing verify
    std::optional<int> m_programCount;
    bool m_folderReported = false;

    bool m_undoEnabled = false;
    bool m_redoEnabled = false;
    std::unique_ptr<QObject> m_keyFilter;
};

}  // namespace korvane::app
