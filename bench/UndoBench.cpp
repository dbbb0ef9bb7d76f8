// The safety net in the window, offscreen: undo of a step that changed a
// whole map, with the page shown again; File > History… opening on a folder
// of 1000 restore points, to its first paint; and the request times of a read
// against the simulated unit with and without its restore point written.

#include "../tests/tools/SimulatedUnit.h"

#include "app/TFormHlav.h"
#include "app/UndoController.h"
#include "history/PointFile.h"
#include "history/RestorePoints.h"
#include "model/BikeTypes.h"
#include "model/ValueLimits.h"
#include "pages/Pages.h"
#include "serial/SerialPort.h"
#include "settings/DataFolder.h"
#include "ui/HistoryDialog.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <chrono>
#include <fstream>
#include <vector>

namespace {

using namespace korvane;
using namespace std::chrono_literals;
using SteadyClock = std::chrono::steady_clock;

// The machine is shared: CPU time of this thread shows the work apart from
// the waiting for a core.
double ThreadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) * 1e-6;
}

double Median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// Shows a feature's dialog until it has painted once, then closes it.
struct PaintOnce : app::Dialogs {
    double lastMs = 0;
    int rowsCounted = 0;
    QElapsedTimer *clock = nullptr;
    void message(QWidget *, const QString &) override {}
    app::YesNoCancel askYesNoCancel(QWidget *, const QString &) override { return app::YesNoCancel::Cancel; }
    QString openFileName(QWidget *, const QString &) override { return {}; }
    QString saveFileName(QWidget *, const QString &) override { return {}; }
    bool openDocument(const QString &) override { return false; }
    void about(QWidget *, std::uint8_t) override {}
    void run(QDialog &dialog) override
    {
        // The offscreen screen is 800 pixels wide; on a real one every
        // column shows, the differences too.
        dialog.resize(1400, dialog.height());
        dialog.show();
        QApplication::processEvents();
        dialog.repaint();
        if (clock != nullptr)
            lastMs = static_cast<double>(clock->nsecsElapsed()) * 1e-6;
        if (const auto *history = qobject_cast<ui::HistoryDialog *>(&dialog))
            rowsCounted = history->rows()->countedRows();
        dialog.close();
    }
};

struct Window {
    QTemporaryDir config;
    QTemporaryDir data;
    PaintOnce dialogs;
    std::unique_ptr<app::TFormHlav> form;

    explicit Window(bool runTimer = false, const QString &dataHome = {})
    {
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        qputenv("XDG_DATA_HOME", (dataHome.isEmpty() ? data.path() : dataHome).toLocal8Bit());
        app::StartOptions options;
        options.runTimer = runTimer;
        options.device = config.filePath(QStringLiteral("no-port"));
        options.dialogs = &dialogs;
        form = std::make_unique<app::TFormHlav>(options);
        form->show();
        QApplication::processEvents();
    }
};

// A step that changed all 150 cells of the map on view; each iteration
// undoes and redoes it, each time with the page shown again.
void BM_UndoWholeMapStepWithRefresh(benchmark::State &state)
{
    Window window;
    window.form->pageControl()->setCurrentIndex(pages::Inj14APage);
    model::ConfigImage changed = window.form->image();
    for (std::size_t k = 0; k < model::MapCells; ++k)
        changed[model::Offset::Jet14AMap + k] = static_cast<std::uint8_t>(changed[model::Offset::Jet14AMap + k] + 1);
    window.form->ApplyEdit(QStringLiteral("whole map"), {}, changed);
    QApplication::processEvents();
    std::vector<double> millis;
    std::vector<double> cpu;
    for (auto _ : state) {
        for (QAction *action : {window.form->features().MenuUndo, window.form->features().MenuRedo}) {
            const auto start = SteadyClock::now();
            const double cpuStart = ThreadCpuMs();
            action->trigger();
            QApplication::processEvents();  // the repaint belongs to the undo
            cpu.push_back(ThreadCpuMs() - cpuStart);
            millis.push_back(std::chrono::duration<double, std::milli>(SteadyClock::now() - start).count());
        }
    }
    state.counters["median_ms"] = Median(millis);
    state.counters["median_cpu_ms"] = Median(cpu);
    state.counters["max_ms"] = *std::max_element(millis.begin(), millis.end());
    state.SetLabel("one undo and one redo per iteration, each with its repaint");
}
BENCHMARK(BM_UndoWholeMapStepWithRefresh)->Iterations(50)->Unit(benchmark::kMillisecond);

// Written directly, as the core's benchmark does: a thousand synced writes
// would take longer than the measurement.
void FillHistory(const std::filesystem::path &folder, const model::ConfigImage &base, int count)
{
    std::filesystem::create_directories(folder);
    const history::SystemTime newest = std::chrono::system_clock::now();
    for (int i = 0; i < count; ++i) {
        const history::SystemTime time = newest - 1h * i;
        const history::PointKind kind = i % 3 == 0 ? history::PointKind::Read : history::PointKind::Program;
        const std::filesystem::path path = folder / history::PointFileName(time, kind, 1);
        model::ConfigImage image = base;
        for (int k = 0; k <= i % 40; ++k)
            image[model::Offset::JetBMap + static_cast<std::size_t>(k)] += 2;
        std::ofstream(path, std::ios::binary) << history::PointFileText(image, false);
        settings::IniFile sidecar;
        history::StoreDetails(sidecar, {kind, time, i % 2 == 0, image[model::Offset::BikeType], "ABC05", 100 + i,
                                        "tune.ign", "note " + std::to_string(i)});
        std::ofstream(history::SidecarPath(path), std::ios::binary) << sidecar.text();
    }
}

void BM_HistoryDialogWithThousandPoints(benchmark::State &state)
{
    Window window;
    FillHistory(settings::HistoryFolder(), window.form->image(), 1000);
    QElapsedTimer clock;
    window.dialogs.clock = &clock;
    std::vector<double> cpu;
    for (auto _ : state) {
        clock.start();
        const double cpuStart = ThreadCpuMs();
        window.form->features().MenuHistory->trigger();
        cpu.push_back(ThreadCpuMs() - cpuStart);
        state.SetIterationTime(window.dialogs.lastMs * 1e-3);
    }
    state.counters["median_cpu_ms"] = Median(cpu);
    state.counters["rows_diffed"] = window.dialogs.rowsCounted;
    state.SetLabel("Ctrl+H to the dialog's first paint");
}
BENCHMARK(BM_HistoryDialogWithThousandPoints)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

// The serial port of the window, with the time of every request it writes.
class TimedPort final : public link::DevicePort {
public:
    serial::SerialPort port;
    std::vector<std::pair<SteadyClock::time_point, std::uint8_t>> requests;

    [[nodiscard]] bool isOpen() const override { return port.isOpen(); }
    [[nodiscard]] std::size_t bytesWaiting() override { return port.bytesWaiting(); }
    std::size_t read(std::span<std::uint8_t> buffer) override { return port.read(buffer); }
    void writeFrame(std::span<const std::uint8_t> frame) override
    {
        if (frame[0] != link::PollByte)
            requests.emplace_back(SteadyClock::now(), frame[0]);
        port.writeFrame(frame);
    }
};

// withPoint false: the data folder lies below a plain file, so the point
// cannot even be begun; true: it is written, off the user-interface thread.
void ReadTiming(benchmark::State &state, bool withPoint)
{
    QTemporaryDir scratch;
    const QString plainFile = scratch.filePath(QStringLiteral("plain"));
    std::ofstream(plainFile.toStdString()) << "x";
    test::SimulatedUnit unit;
    Window window(true, withPoint ? QString() : plainFile + QStringLiteral("/data"));
    TimedPort timed;
    if (!timed.port.OpenPort(QString::fromStdString(unit.path()))) {
        state.SkipWithError("the simulated unit's terminal did not open");
        return;
    }
    window.form->deviceLink().setPort(&timed);
    std::vector<double> spans;
    std::size_t frames = 0;
    for (auto _ : state) {
        timed.requests.clear();
        window.form->menu().MenuRead->trigger();
        QEventLoop loop;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, &loop, [&] {
            if (window.form->deviceLink().transferMode() == link::TransferMode::Idle)
                loop.quit();
        });
        watch.start(5);
        loop.exec();
        window.form->undo().waitForRestorePoints();
        frames = timed.requests.size();
        spans.push_back(
            std::chrono::duration<double>(timed.requests.back().first - timed.requests.front().first).count());
    }
    window.form->deviceLink().setPort(nullptr);
    std::sort(spans.begin(), spans.end());
    state.counters["frames"] = static_cast<double>(frames);
    state.counters["first_to_last_s"] = spans[spans.size() / 2];
    state.counters["max_first_to_last_s"] = spans.back();
}
BENCHMARK_CAPTURE(ReadTiming, without_restore_point, false)->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadTiming, with_restore_point, true)->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
