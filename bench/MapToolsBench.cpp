// Table editing on a whole map: one interpolation (read the 150 cells and the
// axis, compute, take over through the editor bindings) and one paste of a
// copied map (parse 10 lines of 15 fields, then the same take-over). Both run
// on the user-interface thread after a key press; a copy is timed beside them.

#include "ImageFiles.h"

#include "maptools/ClipboardText.h"
#include "maptools/Operations.h"

#include <benchmark/benchmark.h>

namespace {

using namespace korvane;

model::ConfigImage StartImage()
{
    model::ConfigImage image = cli::DefaultImage(11);
    image[model::Offset::JetMode] = 1;  // Coupled: the partner map follows too
    return image;
}

void InterpolateWholeMap(benchmark::State &state)
{
    const model::ConfigImage image = StartImage();
    const maptools::Selection whole = maptools::WholeSheet(maptools::SheetId::Inj14A);
    for (auto _ : state) {
        maptools::EditResult result = maptools::InterpolateCells(image, maptools::SheetId::Inj14A, whole);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(InterpolateWholeMap)->Unit(benchmark::kMicrosecond);

void PasteWholeMap(benchmark::State &state)
{
    const model::ConfigImage image = StartImage();
    // With the grouping of a Czech or French desktop, as the window passes it.
    const std::string text =
        maptools::CopyText(image, maptools::SheetId::Advance, maptools::WholeSheet(maptools::SheetId::Advance));
    for (auto _ : state) {
        maptools::EditResult result = maptools::PasteText(image, maptools::SheetId::Inj14A, {0, 0}, text, U'\u00A0');
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(PasteWholeMap)->Unit(benchmark::kMicrosecond);

void CopyWholeMap(benchmark::State &state)
{
    const model::ConfigImage image = StartImage();
    for (auto _ : state) {
        std::string text =
            maptools::CopyText(image, maptools::SheetId::Inj14A, maptools::WholeSheet(maptools::SheetId::Inj14A));
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(CopyWholeMap)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
