// Full transfers against the simulated unit over a pseudo-terminal: read and
// program, each with its closing verify. The tick is the protocol's clock: at
// best one block per tick, so the time per operation is ticks x tick period,
// whatever the line could carry. The fast-tick runs show that.

#include "DeviceSession.h"
#include "ImageFiles.h"

#include "../tests/tools/SimulatedUnit.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

namespace {

using namespace korvane;
using namespace std::chrono_literals;

enum class Operation { Read, Program };

// Blocks 0..11 one per tick, then the closing verify of blocks 1..11.
constexpr std::uint64_t ExchangesPerOperation = model::BlockCount + (model::BlockCount - 1);

void Transfer(benchmark::State &state, Operation operation, std::chrono::milliseconds tick)
{
    test::SimulatedUnit unit;
    const model::ConfigImage programmed = cli::DefaultImage(3);
    std::uint64_t ticks = 0;
    std::uint64_t minTicks = 0;

    for (auto _ : state) {
        state.PauseTiming();
        cli::DeviceSession session(lang::English, tick);
        if (const auto failure = session.Open(unit.path())) {
            state.SkipWithError(failure->c_str());
            break;
        }
        if (operation == Operation::Program) {
            session.image() = programmed;
        }
        // The first request leaves on the tick whose time-out step brings the
        // counter (left from idle) to 4: one to four ticks after the command.
        const int waited = session.link().waitTicks();
        const auto firstSend = static_cast<std::uint64_t>(std::max(1, link::ResendTicks - waited));
        state.ResumeTiming();

        if (operation == Operation::Read) {
            session.link().MenuReadClick();
        } else {
            session.link().MenuProgramClick();
        }
        const bool finished = session.RunUntilIdle();

        state.PauseTiming();
        const link::StatusView &status = session.link().status();
        const bool ok = operation == Operation::Read
                            ? status.text == lang::TextId::Verifying && status.okSuffix
                            : session.link().programOk() && status.okSuffix;
        if (!finished || !ok) {
            state.SkipWithError("the transfer failed");
            break;
        }
        ticks += session.tickCount();
        minTicks = firstSend + ExchangesPerOperation;
        state.ResumeTiming();
    }
    state.counters["ticks"] = benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kAvgIterations);
    state.counters["min_ticks"] = static_cast<double>(minTicks);
    state.counters["tick_ms"] = static_cast<double>(tick.count());
}

}  // namespace

BENCHMARK_CAPTURE(Transfer, read_verify_tick55, Operation::Read, 55ms)
    ->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Transfer, program_verify_tick55, Operation::Program, 55ms)
    ->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Transfer, read_verify_tick5, Operation::Read, 5ms)
    ->Iterations(10)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Transfer, program_verify_tick5, Operation::Program, 5ms)
    ->Iterations(10)->UseRealTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
