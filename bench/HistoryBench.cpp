// The safety net's core costs: listing a history folder of 1000 restore
// points (most of what the History dialog needs to open), loading one point,
// writing one (what a restore point adds after a read), and undoing a step
// that changed a whole map.

#include "history/ImageHistory.h"
#include "history/PointFile.h"
#include "history/RestorePoints.h"

#include "../tests/core/history/HistoryTestSupport.h"
#include "../tests/core/model/TempDir.h"

#include <benchmark/benchmark.h>

#include <fstream>

namespace {

using namespace korvane;
using namespace std::chrono_literals;

// Written directly, not through WriteRestorePoint: a thousand synced writes
// would take longer than the measurement.
void FillHistory(const std::filesystem::path &folder, int count, history::SystemTime newest)
{
    std::filesystem::create_directories(folder);
    for (int i = 0; i < count; ++i) {
        const history::SystemTime time = newest - 1h * i;
        const history::PointKind kind = i % 3 == 0 ? history::PointKind::Read : history::PointKind::Program;
        const std::filesystem::path path = folder / history::PointFileName(time, kind, 1);
        const model::ConfigImage image = history::test::UnitImage(static_cast<unsigned>(i));
        std::ofstream(path, std::ios::binary) << history::PointFileText(image, false);
        settings::IniFile sidecar;
        history::StoreDetails(sidecar, {kind, time, i % 2 == 0, image[model::Offset::BikeType], "ABC05", 100 + i,
                                        "tune.ign", "note " + std::to_string(i)});
        std::ofstream(history::SidecarPath(path), std::ios::binary) << sidecar.text();
    }
}

void BM_ListThousandPoints(benchmark::State &state)
{
    model::test::TempDir dir;
    FillHistory(dir.path(), 1000, std::chrono::system_clock::now());
    for (auto _ : state) {
        const history::ListResult list = history::ListRestorePoints(dir.path());
        if (list.points.size() != 1000 || !list.points.back().readable) {
            state.SkipWithError("the listing lost points");
            break;
        }
        benchmark::DoNotOptimize(list.points.data());
    }
}
BENCHMARK(BM_ListThousandPoints)->Unit(benchmark::kMillisecond);

void BM_LoadPoint(benchmark::State &state)
{
    model::test::TempDir dir;
    FillHistory(dir.path(), 1, std::chrono::system_clock::now());
    const std::filesystem::path path = history::ListRestorePoints(dir.path()).points.at(0).path;
    for (auto _ : state) {
        benchmark::DoNotOptimize(history::LoadRestorePoint(path));
    }
}
BENCHMARK(BM_LoadPoint)->Unit(benchmark::kMicrosecond);

// A new point in a folder that already holds the newest 200 of the last
// days and 800 older ones: the write plus the retention that follows it.
void BM_WriteRestorePoint(benchmark::State &state)
{
    model::test::TempDir dir;
    const history::SystemTime now = std::chrono::system_clock::now();
    FillHistory(dir.path(), 1000, now - 1min);
    history::NewPoint point;
    point.image = history::test::UnitImage(7);
    // Keep everything: each iteration then costs the same.
    const history::Retention keepAll{100000, 100000};
    int i = 0;
    for (auto _ : state) {
        point.time = now + 1s * i++;
        const history::WriteResult written = history::WriteRestorePoint(dir.path(), point, keepAll);
        if (!written.ok) {
            state.SkipWithError(written.reason.c_str());
            break;
        }
    }
}
BENCHMARK(BM_WriteRestorePoint)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_UndoWholeMapStep(benchmark::State &state)
{
    history::ImageHistory steps;
    const model::ConfigImage before = history::test::UnitImage(1);
    model::ConfigImage after = before;
    for (std::size_t k = 0; k < model::MapCells; ++k) {
        ++after[model::Offset::Jet14AMap + k];
    }
    steps.Record("Plus (F5)", before, after, {}, {});
    model::ConfigImage image = after;
    for (auto _ : state) {
        image = steps.Undo(image)->image;
        image = steps.Redo(image)->image;
        benchmark::DoNotOptimize(image.bytes.data());
    }
    state.SetLabel("one undo and one redo per iteration");
}
BENCHMARK(BM_UndoWholeMapStep)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
