// The window's 55 ms tick, offscreen: how long one tick takes with a decoded
// live-data frame on a map page (spin editors, the table of table editing with
// colour-graded cells, with the 3D map window open, and with the ride log
// recording and without), how many widgets a tick repaints when the values
// did not change, how long a repaint of the 3D surface takes, how long
// start-up takes to the first tick, how long a replay takes from its start to
// the first frame, and how much memory the running window holds; the tick
// and an edit with the compare panel open and its marks on the map.

#include "../tests/core/link/FakePort.h"
#include "../tests/core/logs/LogTestSupport.h"

#include "app/CompareController.h"
#include "app/RideLogController.h"
#include "app/TFormHlav.h"
#include "app/FeatureMenus.h"
#include "app/View3DController.h"
#include "ui/ComparePanel.h"
#include "link/Frames.h"
#include "pages/Pages.h"
#include "ui/View3DWindow.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <unistd.h>
#include <QElapsedTimer>
#include <QEvent>
#include <QAction>
#include <QTabWidget>
#include <QCheckBox>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <vector>

namespace {

using namespace korvane;

// A live-data frame of a running engine; varied gives a new engine speed.
link::Frame LiveFrame(std::uint16_t rpm)
{
    link::Frame frame{};
    frame[0] = link::MonitorByte;
    frame[1] = static_cast<std::uint8_t>(rpm & 0xFF);
    frame[2] = static_cast<std::uint8_t>(rpm >> 8);
    frame[51] = 40;   // throttle %
    frame[53] = 180;  // coolant 80 C
    frame[54] = 125;  // air 25 C
    frame[17] = 250;  // supply voltage raw
    frame[19] = 100;
    frame[61] = 1;
    frame[100] = model::SupportedLayoutVersion;
    frame[101] = link::CheckByte(std::span<const std::uint8_t>(frame.data(), 101));
    return frame;
}

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            if (qEnvironmentVariableIsSet("KORVANE_BENCH_PAINTS"))
                qInfo("paint %s %s", watched->metaObject()->className(), qPrintable(watched->objectName()));
        }
        return QObject::eventFilter(watched, event);
    }
};

struct Window {
    QTemporaryDir config;
    std::unique_ptr<app::TFormHlav> form;
    link::test::FakePort port;

    // mode: bit 0 View > Table editing with View > Cell colours > By value,
    // bit 1 the 3D map window open, bit 2 the compare panel open with marks
    // on 38 cells of the map.
    enum Mode { Spins = 0, Table = 1, View3D = 2, Compare = 4 };
    explicit Window(int mode = Spins)
    {
        // Settings, ride logs and restore points stay in the temporary folder.
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        qputenv("XDG_DATA_HOME", config.path().toLocal8Bit());
        app::StartOptions options;
        options.runTimer = false;
        options.device = config.filePath(QStringLiteral("no-port"));
        static struct Silent : app::Dialogs {
            void message(QWidget *, const QString &) override {}
            app::YesNoCancel askYesNoCancel(QWidget *, const QString &) override { return app::YesNoCancel::Cancel; }
            QString openFileName(QWidget *, const QString &) override { return {}; }
            QString saveFileName(QWidget *, const QString &) override { return {}; }
            bool openDocument(const QString &) override { return false; }
            void about(QWidget *, std::uint8_t) override {}
        } silent;
        options.dialogs = &silent;
        form = std::make_unique<app::TFormHlav>(options);
        form->show();
        form->pageControl()->setCurrentIndex(pages::Inj14APage);
        if (mode & Table) {
            form->features().MenuTableEditing->trigger();
            form->features().MenuColours[static_cast<int>(app::CellColourChoice::ByValue)]->trigger();
        }
        if (mode & View3D)
            form->features().Menu3DMap->trigger();
        if (mode & Compare)
            openCompare();
        QApplication::processEvents();
        form->deviceLink().setPort(&port);
    }

    // Compares with a set whose map on view differs in 40 cells, the
    // operating point's among them.
    void openCompare(bool changedOnly = true)
    {
        model::ConfigImage other = form->image();
        for (std::size_t cell = 0; cell < 150; cell += 4)
            other[model::Offset::Jet14AMap + cell] ^= 3;
        form->compare().compareWith(other, QStringLiteral("bench.ign"));
        if (!changedOnly)
            form->compare().panel()->changedOnlyBox()->click();
        QApplication::processEvents();
    }

    void tickWithFrame(const link::Frame &frame)
    {
        port.queue(frame);
        form->Timer1Timer();
    }
};

double Percentile(std::vector<double> samples, double fraction)
{
    std::sort(samples.begin(), samples.end());
    const auto index = static_cast<std::size_t>(fraction * static_cast<double>(samples.size() - 1));
    return samples[index];
}

// Per iteration: makes the input (untimed), times act on it, then lets the
// repaints it asked for run (untimed). Reports the median and the 99th
// percentile of act alone.
template <typename Make, typename Act>
void TimeEach(benchmark::State &state, Make make, Act act)
{
    std::vector<double> micros;
    for (auto _ : state) {
        const auto input = make();
        const auto start = std::chrono::steady_clock::now();
        act(input);
        micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["median_us"] = Percentile(micros, 0.5);
    state.counters["p99_us"] = Percentile(micros, 0.99);
}

// Engine speeds sweeping 1000..12000 rpm, a new one on every frame.
struct Sweep {
    std::uint16_t rpm = 1000;
    link::Frame next()
    {
        const link::Frame frame = LiveFrame(rpm);
        rpm = static_cast<std::uint16_t>(rpm >= 12000 ? 1000 : rpm + 37);
        return frame;
    }
};

// range(0): a Window::Mode.
void BM_TickWithFrameOnMapPage(benchmark::State &state)
{
    Window window(static_cast<int>(state.range(0)));
    Sweep sweep;
    TimeEach(state, [&sweep] { return sweep.next(); }, [&window](const link::Frame &frame) { window.tickWithFrame(frame); });
}
BENCHMARK(BM_TickWithFrameOnMapPage)->ArgName("mode")->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Arg(4)->Arg(7)->Iterations(2000)->Unit(benchmark::kMicrosecond);

// The same with View > Record live data off (0) and on (1): the difference of
// the medians is what recording costs a tick with a frame. The clock runs at
// the real pace of the frames, so the writes every 4 s are among the samples.
void BM_TickWithFrameRecording(benchmark::State &state)
{
    Window window;
    QAction *record = window.form->features().MenuRecordLiveData;
    if (record->isChecked() != (state.range(0) != 0))
        record->trigger();
    logs::LogClock clock = logs::LogClock::Now();
    window.form->rideLogs().setClock([&clock] { return clock; });
    Sweep sweep;
    TimeEach(
        state,
        [&] {
            clock.seconds += 0.33;
            clock.wall += std::chrono::milliseconds(330);
            return sweep.next();
        },
        [&window](const link::Frame &frame) { window.tickWithFrame(frame); });
    state.counters["rows"] = static_cast<double>(window.form->rideLogs().recorder().rows());
}
BENCHMARK(BM_TickWithFrameRecording)->Arg(0)->Arg(1)->Iterations(2000)->Unit(benchmark::kMicrosecond);

// File > Replay log… to the first replayed frame in the window, the window
// ticking at its own 55 ms: starting korvane-unit-sim, opening its terminal,
// and the first poll with its answer.
void BM_ReplayStartToFirstFrame(benchmark::State &state)
{
    Window window;
    const QString log = window.config.filePath(QStringLiteral("ride.csv"));
    std::ofstream(log.toStdString(), std::ios::binary)
        << logs::test::WriteLog(logs::test::Steady(logs::test::Engine{}, 30), model::StartupBikeType);
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        const std::uint64_t before = window.form->rideLogs().hits().frames();
        window.form->rideLogs().startReplay(log);
        QElapsedTimer tick;
        tick.start();
        while (window.form->rideLogs().hits().frames() == before && clock.elapsed() < 10000) {
            if (tick.elapsed() >= app::TFormHlav::TickMs) {
                tick.restart();
                window.form->Timer1Timer();
            }
            QApplication::processEvents();
            QThread::msleep(1);
        }
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
    }
}
BENCHMARK(BM_ReplayStartToFirstFrame)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_RepaintsOfUnchangedTicks(benchmark::State &state)
{
    Window window(static_cast<int>(state.range(0)));
    const link::Frame frame = LiveFrame(4321);
    for (int i = 0; i < 10; ++i) {
        window.tickWithFrame(frame);
        QApplication::processEvents();
    }
    PaintCounter counter;
    qApp->installEventFilter(&counter);
    std::int64_t ticks = 0;
    for (auto _ : state) {
        window.tickWithFrame(frame);
        QApplication::processEvents();
        ++ticks;
    }
    qApp->removeEventFilter(&counter);
    state.counters["repaints_per_tick"] = static_cast<double>(counter.paints) / static_cast<double>(ticks);
}
BENCHMARK(BM_RepaintsOfUnchangedTicks)->ArgName("mode")->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Arg(7)->Iterations(500);

// One full repaint of the 3D surface of the map on view, at the window's
// default size: what a tick that moves the operating point costs in paint.
void BM_PaintSurfaceOf3DView(benchmark::State &state)
{
    Window window(Window::View3D);
    window.tickWithFrame(LiveFrame(4321));
    QApplication::processEvents();
    QWidget *surface = window.form->view3d()->view()->current();
    QImage target(surface->size(), QImage::Format_ARGB32_Premultiplied);
    TimeEach(state, [] { return 0; }, [&](int) { surface->render(&target); });
}
BENCHMARK(BM_PaintSurfaceOf3DView)->Iterations(300)->Unit(benchmark::kMicrosecond);

// The operating point jumps to another column on every frame: the tick
// repaints the cells and axis edits that change colour and the live labels,
// not the 175 controls of the map (in table mode: the table and its axis
// header, each once, for the two cells and sections that change).
void BM_RepaintsWithMovingMarker(benchmark::State &state)
{
    Window window(static_cast<int>(state.range(0)));
    const link::Frame frames[] = {LiveFrame(2000), LiveFrame(6000)};
    for (int i = 0; i < 10; ++i) {
        window.tickWithFrame(frames[i % 2]);
        QApplication::processEvents();
    }
    PaintCounter counter;
    qApp->installEventFilter(&counter);
    std::int64_t ticks = 0;
    for (auto _ : state) {
        window.tickWithFrame(frames[ticks % 2]);
        QApplication::processEvents();
        ++ticks;
    }
    qApp->removeEventFilter(&counter);
    state.counters["repaints_per_tick"] = static_cast<double>(counter.paints) / static_cast<double>(ticks);
}
BENCHMARK(BM_RepaintsWithMovingMarker)->ArgName("mode")->Arg(0)->Arg(1)->Iterations(500);

// One edit with the panel open: the differences, the list and the marks
// follow. Argument 1: "changed only" (38 rows), 0: every parameter (~960
// rows), 2: no panel, for the edit's own cost.
void BM_EditWithComparePanel(benchmark::State &state)
{
    Window window;
    if (state.range(0) != 2)
        window.openCompare(state.range(0) != 0);
    std::uint8_t value = 0;
    TimeEach(
        state,
        [&] {
            model::ConfigImage changed = window.form->image();
            changed[model::Offset::Jet14AMap + 1] = static_cast<std::uint8_t>(100 + (value++ % 50));
            return changed;
        },
        [&window](const model::ConfigImage &changed) { window.form->ApplyEdit(QStringLiteral("bench"), {}, changed); });
}
BENCHMARK(BM_EditWithComparePanel)->Arg(2)->Arg(1)->Arg(0)->Iterations(200)->Unit(benchmark::kMicrosecond);

void BM_StartUpToFirstTick(benchmark::State &state)
{
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        Window window;
        window.form->Timer1Timer();
        QApplication::processEvents();
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
    }
}
BENCHMARK(BM_StartUpToFirstTick)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

double ResidentMiB()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

void BM_ResidentMemoryOfRunningWindow(benchmark::State &state)
{
    Window window;
    std::uint16_t rpm = 1000;
    for (auto _ : state) {
        window.tickWithFrame(LiveFrame(rpm += 50));
        QApplication::processEvents();
    }
    // Whole process; run this benchmark alone for the window's own figure.
    state.counters["rss_MiB"] = ResidentMiB();
}
BENCHMARK(BM_ResidentMemoryOfRunningWindow)->Iterations(200);

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
