// The ride logs' costs: recording one frame on the tick (median and 99th
// percentile, flushes included at their real pace), `korvane-cli advise` over
// a one-hour log, and the replay's start: loading a log until the first poll
// has its answer.

#include "CliCommands.h"
#include "ImageFiles.h"
#include "ReplayLog.h"
#include "UnitSimulator.h"

#include "logs/LogRecorder.h"
#include "logs/RideLogWriter.h"

#include "../tests/core/logs/LogTestSupport.h"
#include "../tests/core/model/TempDir.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

using namespace korvane;

// One hour at three frames a second.
constexpr std::size_t HourFrames = 11000;

// A ride that wanders over the cells, warm, the sensor switching.
std::vector<link::MonitorFrame> Ride(std::size_t count)
{
    std::vector<link::MonitorFrame> frames;
    for (std::size_t i = 0; i < count; ++i) {
        logs::test::Engine engine;
        engine.rpm = 2000 + static_cast<int>((i / 20) % 60) * 100;
        engine.throttle = static_cast<int>((i / 45) % 5) * 10;
        engine.lambdaMv = i % 7 < 4 ? 180 : 720;
        engine.startTenths = static_cast<int>(std::min<std::size_t>(3 * i + 600, 60000));
        frames.push_back(logs::test::BuildFrame(engine));
    }
    return frames;
}

struct HourLog {
    model::test::TempDir dir;
    std::string log = (dir / "hour.csv").string();
    std::string image = (dir / "bike.ign").string();

    HourLog()
    {
        std::ofstream(log, std::ios::binary) << logs::test::WriteLog(Ride(HourFrames), model::StartupBikeType);
        static_cast<void>(cli::SaveParameterFile(image, cli::DefaultImage(model::StartupBikeType), false));
        // The settings looked up are this folder's, not the user's.
        ::setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
    }
};

void BM_RecordFrame(benchmark::State &state)
{
    model::test::TempDir dir;
    logs::LogRecorder recorder(dir / "logs");
    const auto frames = Ride(64);
    logs::LogClock clock = logs::LogClock::Now();
    recorder.Begin(logs::UnknownOrigin(clock.wall), clock);
    std::vector<double> micros;
    std::size_t i = 0;
    for (auto _ : state) {
        // The tick's pace: a frame every 0.33 s, so a write every 13th frame.
        clock.seconds += 0.33;
        clock.wall += std::chrono::milliseconds(330);
        const auto start = std::chrono::steady_clock::now();
        recorder.Record(frames[i++ % frames.size()], clock);
        const auto spent = std::chrono::steady_clock::now() - start;
        const double us = std::chrono::duration<double, std::micro>(spent).count();
        micros.push_back(us);
        state.SetIterationTime(us / 1e6);
    }
    state.counters["rows"] = static_cast<double>(recorder.rows());
    recorder.End();
    std::sort(micros.begin(), micros.end());
    if (!micros.empty()) {
        state.counters["median_us"] = micros[micros.size() / 2];
        state.counters["p99_us"] = micros[micros.size() * 99 / 100];
    }
}
BENCHMARK(BM_RecordFrame)->UseManualTime()->Iterations(20000);

void BM_AdviseOneHourLog(benchmark::State &state)
{
    const HourLog hour;
    for (auto _ : state) {
        std::ostringstream out;
        std::ostringstream err;
        const int code = cli::RunCli(std::vector<std::string>{"advise", hour.log, "--image", hour.image, "--format",
                                                              "csv"},
                                     out, err);
        if (code != 0) {
            state.SkipWithError(err.str().c_str());
            break;
        }
        benchmark::DoNotOptimize(out.str().size());
    }
    state.counters["frames"] = static_cast<double>(HourFrames);
}
BENCHMARK(BM_AdviseOneHourLog)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ReplayStartToFirstFrame(benchmark::State &state)
{
    const HourLog hour;
    const unitsim::Memory memory = unitsim::BuildDefaultMemory(unitsim::HeaderInfo{});
    unitsim::Frame poll{};
    poll[0] = unitsim::PollRequest;
    unitsim::SealFrame(poll);
    for (auto _ : state) {
        std::string error;
        auto replay = unitsim::ReplayLog::Load(hour.log, error);
        if (!replay) {
            state.SkipWithError(error.c_str());
            break;
        }
        unitsim::UnitSimulator unit(memory, unitsim::FaultSwitches{});
        unit.setReplay(std::move(*replay));
        unit.feed(poll, 0);
        const auto answer = unit.takeOutput(0);
        if (answer.size() != unitsim::FrameSize) {
            state.SkipWithError("no answer to the first poll");
            break;
        }
    }
}
BENCHMARK(BM_ReplayStartToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
