// The lambda direction advisor: each filter with its reason, the delay, the
// maps in use, the decision, the rails, the locks and the partner map.

#include "LogTestSupport.h"

#include "lang/LogTexts.h"
#include "logs/HitCounts.h"
#include "logs/LambdaAdvisor.h"
#include "pages/Pages.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace korvane::logs {
namespace {

using test::Engine;
using enum RejectReason;

std::vector<Engine> Repeat(const Engine &engine, int count)
{
    return std::vector<Engine>(static_cast<std::size_t>(count), engine);
}

std::vector<Engine> operator+(std::vector<Engine> a, const std::vector<Engine> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

void Feed(LambdaAdvisor &advisor, const model::ConfigImage &image, const std::vector<Engine> &frames)
{
    for (const Engine &engine : frames) {
        advisor.Add(image, link::DecodeMonitorNumbers(test::BuildFrame(engine)));
    }
}

struct FilterCase {
    const char *what;
    std::vector<Engine> frames;
    std::optional<RejectReason> last;  // the reason counted for the last frame; nullopt: taken
};

const Engine Warm{};
const Engine Cut{.injection = 0};

// The default image's axis has points at 3000 and 4000 rpm; rows at 20 and 30 %.
const FilterCase FilterCases[] = {
    {"clean", Repeat(Warm, 4), std::nullopt},
    {"under 1000 rpm", Repeat(Warm, 3) + Repeat({.rpm = 999}, 1), EngineStopped},
    {"no cell marked", Repeat(Warm, 3) + Repeat({.markerOff = true}, 1), NoCell},
    {"running under 60 s", Repeat(Warm, 3) + Repeat({.startTenths = 599}, 1), RunningShort},
    {"coolant at 69 C", Repeat(Warm, 3) + Repeat({.coolantByte = 169}, 1), CoolantCold},
    {"coolant sensor error", Repeat(Warm, 3) + Repeat({.coolantByte = 0}, 1), CoolantCold},
    {"throttle up 11 %", Repeat(Warm, 3) + Repeat({.throttle = 31}, 1), ThrottleJump},
    {"throttle up 10 %", Repeat({.throttle = 30}, 3) + Repeat({.throttle = 40}, 1), CellChanged},
    {"another column", Repeat(Warm, 3) + Repeat({.rpm = 4000}, 1), CellChanged},
    {"first frame of a log", Repeat(Warm, 1), CellChanged},
    {"fuel cut", Repeat(Warm, 3) + Repeat(Cut, 1), FuelCut},
    {"sensor resting at 450 mV", Repeat({.lambdaMv = 450}, 4), SensorNotReady},
    {"sensor has left its band", Repeat({.lambdaMv = 560}, 1) + Repeat({.lambdaMv = 450}, 3), std::nullopt},
    {"throttle row 60 %", Repeat({.throttle = 60}, 4), OutsideZone},
    {"IAP row 75 %", Repeat({.iap = 75, .throttleMaps = false}, 4), OutsideZone},
    {"IAP row 70 %", Repeat({.iap = 70, .throttleMaps = false}, 4), std::nullopt},
    {"30 % towards the next column", Repeat({.rpm = 3300}, 4), BetweenCells},
    {"20 % towards the next column", Repeat({.rpm = 3200}, 4), std::nullopt},
    {"30 % towards the next row", Repeat({.throttle = 23}, 4), BetweenCells},
    {"first frame after a fuel cut", Repeat(Warm, 3) + Repeat(Cut, 1) + Repeat(Warm, 1), Transient},
    {"third frame after a fuel cut", Repeat(Warm, 3) + Repeat(Cut, 1) + Repeat(Warm, 3), Transient},
    {"fourth frame after a fuel cut", Repeat(Warm, 3) + Repeat(Cut, 1) + Repeat(Warm, 4), std::nullopt},
    {"after a throttle jump", Repeat({.throttle = 5}, 2) + Repeat(Warm, 3), Transient},
};

TEST(LambdaAdvisor, EachFilterCountsItsReason)
{
    const model::ConfigImage image = test::TypeImage();
    for (const FilterCase &c : FilterCases) {
        LambdaAdvisor advisor({.delay = 0});
        Feed(advisor, image, std::vector<Engine>(c.frames.begin(), c.frames.end() - 1));
        const RejectCounts before = advisor.rejects();
        const std::uint64_t samples = advisor.samples();
        Feed(advisor, image, {c.frames.back()});
        for (std::size_t r = 0; r < RejectReasonCount; ++r) {
            const bool expected = c.last && static_cast<std::size_t>(*c.last) == r;
            EXPECT_EQ(advisor.rejects()[r] - before[r], expected ? 1u : 0u)
                << c.what << ": " << lang::RejectReasonText(static_cast<RejectReason>(r), 0);
        }
        EXPECT_EQ(advisor.samples() - samples, c.last ? 0u : 1u) << c.what;
    }
}

// Frames 0..9 in one cell; the voltage is rich until frame 4 and lean from 5.
TEST(LambdaAdvisor, TheVoltageOfFrameIPlusDelayBelongsToFrameI)
{
    const model::ConfigImage image = test::TypeImage();
    const auto frames = Repeat({.lambdaMv = 700}, 5) + Repeat({.lambdaMv = 200}, 5);
    const auto cell = *PlacementOf(image, MarkerValues(link::DecodeMonitorNumbers(test::BuildFrame(Warm)))).cells.begin();
    for (int delay = 0; delay <= 3; ++delay) {
        LambdaAdvisor advisor({.delay = delay});
        Feed(advisor, image, frames);
        advisor.EndOfLog();
        const CellEvidence &evidence = advisor.evidence(pages::Inj14APage, cell.row, cell.column);
        // Frame 0 has no previous frame; the last `delay` frames never get their voltage.
        EXPECT_EQ(evidence.samples, 9u - delay) << delay;
        EXPECT_EQ(evidence.lean, 5u) << delay;
        EXPECT_EQ(evidence.rich, 4u - delay) << delay;
        EXPECT_EQ(advisor.rejects()[static_cast<std::size_t>(LogEnded)], static_cast<std::uint64_t>(delay));
    }
}

struct MapsCase {
    std::uint8_t jetMode;
    bool throttleMaps;
    std::vector<std::uint8_t> pages;
};

TEST(LambdaAdvisor, SamplesGoToTheInjectionMapsInUse)
{
    const MapsCase cases[] = {
        {0, true, {pages::Inj14APage, pages::Inj23APage}},
        {1, true, {pages::Inj14APage}},
        {2, true, {pages::Inj14APage}},
        {0, false, {pages::InjIapPage}},
    };
    for (const MapsCase &c : cases) {
        const model::ConfigImage image = test::TypeImage(model::StartupBikeType, c.jetMode);
        LambdaAdvisor advisor;
        Feed(advisor, image, Repeat({.throttleMaps = c.throttleMaps}, 10));
        advisor.EndOfLog();
        std::vector<std::uint8_t> used;
        for (const CellAdvice &cell : Advise(advisor, image, image)) {
            used.push_back(cell.page);
            EXPECT_EQ(cell.evidence.samples, 8u);
        }
        EXPECT_EQ(used, c.pages) << "mode " << int{c.jetMode} << (c.throttleMaps ? " throttle" : " IAP");
    }
}

TEST(LambdaAdvisor, AdviceNeedsEightSamplesAndSeventyPercent)
{
    const std::pair<CellEvidence, Advice> cases[] = {
        {{7, 7, 0}, Advice::None},    {{8, 6, 0}, Advice::Richer}, {{10, 7, 0}, Advice::Richer},
        {{10, 6, 0}, Advice::None},   {{10, 0, 7}, Advice::Leaner}, {{10, 5, 5}, Advice::None},
    };
    for (const auto &[evidence, advice] : cases) {
        EXPECT_EQ(AdviceOf(evidence), advice) << evidence.samples << ' ' << evidence.lean << ' ' << evidence.rich;
    }
}

struct RailCase {
    int lambdaMv;  // 200 lean, 700 rich
    int value;
    int base;
    int newValue;
    bool railed;
};

TEST(LambdaAdvisor, StepsOfTwoPercentStayWithinTenPercentOfTheBase)
{
    const RailCase cases[] = {
        {200, 100, 100, 102, false}, {700, 100, 100, 98, false}, {200, 20, 20, 21, false},
        {200, 109, 100, 110, true},  {200, 112, 100, 112, true}, {700, 91, 100, 90, true},
        {200, 5, 5, 5, true},        {200, 250, 250, 250, true},
    };
    model::ConfigImage image = test::TypeImage();
    const auto cell = *PlacementOf(image, MarkerValues(link::DecodeMonitorNumbers(test::BuildFrame(Warm)))).cells.begin();
    const std::size_t offset = model::MapOfPage(pages::Inj14APage) + cell.row * model::MapColumns + cell.column;
    for (const RailCase &c : cases) {
        LambdaAdvisor advisor;
        Feed(advisor, image, Repeat({.lambdaMv = c.lambdaMv}, 12));
        model::ConfigImage base = image;
        image[offset] = static_cast<std::uint8_t>(c.value);
        base[offset] = static_cast<std::uint8_t>(c.base);
        const auto advice = Advise(advisor, image, base);
        ASSERT_EQ(advice.size(), 1u);
        EXPECT_EQ(advice[0].newValue, c.newValue) << c.value << " from " << c.base;
        EXPECT_EQ(advice[0].railed, c.railed) << c.value << " from " << c.base;

        CellSet locked;
        locked.set(pages::Inj14APage, cell.row, cell.column);
        const auto none = Advise(advisor, image, base, locked);
        EXPECT_TRUE(none[0].locked && none[0].advice == Advice::None && none[0].newValue == c.value);
    }
}

TEST(LambdaAdvisor, AppliedAdviceMovesTheInj23APartnerAsAnEditWould)
{
    // 14A cell 100 -> 102; its 23A partner holds 90.
    const std::pair<std::uint8_t, int> cases[] = {{0, 90}, {1, 92}, {2, 102}};
    for (const auto &[jetMode, partner] : cases) {
        model::ConfigImage image = test::TypeImage(model::StartupBikeType, jetMode);
        const std::size_t cell = model::MapOfPage(pages::Inj14APage) + 17;
        image[cell] = 100;
        image[cell + 150] = 90;
        const CellAdvice advice{pages::Inj14APage, 1, 2, {}, Advice::Richer, 100, 102};
        const model::ConfigImage applied = ApplyAdvice(image, {advice});
        EXPECT_EQ(applied[cell], 102);
        EXPECT_EQ(applied[cell + 150], partner) << "mode " << int{jetMode};
    }
}

TEST(LogTexts, EveryTextInEveryLanguageMenuItemsWithOneAccessKey)
{
    for (int id = 0; id < static_cast<int>(lang::LogTextId::Count); ++id) {
        for (std::uint8_t language = 0; language < 4; ++language) {
            const std::string_view text = lang::LogText(static_cast<lang::LogTextId>(id), language);
            EXPECT_FALSE(text.empty()) << id << ' ' << int{language};
            const bool menu = id >= static_cast<int>(lang::LogTextId::ReplayLogMenu) &&
                              id <= static_cast<int>(lang::LogTextId::LockCell);
            EXPECT_EQ(std::count(text.begin(), text.end(), '&'), menu ? 1 : 0) << text;
        }
    }
}

}  // namespace
}  // namespace korvane::logs
