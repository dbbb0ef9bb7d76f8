// ImageDiff of two full parameter sets: one that differs in every byte (every
// entry named, the worst case a compare panel meets) and one that differs in a
// single byte (the common case: the changes not yet in the unit). Target: under
// 1 ms each. DescribeChange is the label of one undo step.

#include "history/ImageDiff.h"

#include <benchmark/benchmark.h>

namespace {

using namespace korvane;

model::ConfigImage Filled(std::uint8_t seed)
{
    model::ConfigImage image;
    for (std::size_t i = 0; i < model::ImageSize; ++i) {
        image[i] = static_cast<std::uint8_t>(seed + i * 7);
    }
    return image;
}

void DiffEverywhere(benchmark::State &state)
{
    const model::ConfigImage a = Filled(1);
    const model::ConfigImage b = Filled(2);
    std::size_t entries = 0;
    for (auto _ : state) {
        const auto diff = history::ImageDiff(a, b, {0, true});
        entries = diff.size();
        benchmark::DoNotOptimize(diff.data());
    }
    state.counters["entries"] = static_cast<double>(entries);
}
BENCHMARK(DiffEverywhere)->Unit(benchmark::kMicrosecond);

void DiffOneByte(benchmark::State &state)
{
    const model::ConfigImage a = Filled(1);
    model::ConfigImage b = a;
    b[model::MapCell(model::Offset::Jet14AMap, 6, 7)] += 1;
    for (auto _ : state) {
        const auto diff = history::ImageDiff(a, b);
        benchmark::DoNotOptimize(diff.data());
    }
}
BENCHMARK(DiffOneByte)->Unit(benchmark::kMicrosecond);

void DescribeOneCell(benchmark::State &state)
{
    const model::ConfigImage a = Filled(1);
    model::ConfigImage b = a;
    b[model::MapCell(model::Offset::AdvMap, 7, 5)] += 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(history::DescribeChange(a, b, 0));
    }
}
BENCHMARK(DescribeOneCell)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
