#include "logs/LambdaAdvisor.h"

#include "lang/LogTexts.h"
#include "logs/HitCounts.h"
#include "pages/EditingTools.h"
#include "pages/JetMode.h"
#include "pages/Pages.h"

#include <algorithm>
#include <cstdlib>
#include <span>

namespace korvane::logs {

static_assert(static_cast<std::size_t>(lang::LogTextId::RejectLogEnded) -
                      static_cast<std::size_t>(lang::LogTextId::RejectEngineStopped) + 1 ==
                  RejectReasonCount,
              "one text per reject reason, in order");

namespace {

using pages::Inj14APage;
using pages::Inj23APage;
using pages::InjIapPage;

// True when value lies farther from the breakpoint at index than share % of
// the way to the breakpoint beyond it on its side. Past the last breakpoint
// the unit uses the end cell alone.
template <typename Axis>
bool BetweenPoints(const Axis &points, std::size_t index, int value, int share)
{
    const int at = points(index);
    int offset = 0;
    int span = 0;
    if (value > at && index + 1 < points.size) {
        offset = value - at;
        span = points(index + 1) - at;
    } else if (value < at && index > 0) {
        offset = at - value;
        span = at - points(index - 1);
    }
    return span > 0 && offset * 100 > share * span;
}

template <typename F>
struct Points {
    F at;
    std::size_t size;
    int operator()(std::size_t i) const { return at(i); }
};
template <typename F>
Points(F, std::size_t) -> Points<F>;

std::size_t CellIndex(const pages::MapCell &cell)
{
    return std::size_t{cell.row} * model::MapColumns + cell.column;
}

}  // namespace

bool AdvisedPage(std::uint8_t page)
{
    return page == Inj14APage || page == Inj23APage || page == InjIapPage;
}

Placement PlacementOf(const model::ConfigImage &image, const link::MonitorValues &values)
{
    Placement placement;
    const bool separate = pages::JetModeOf(image) == pages::JetMode::Separate;
    for (const std::uint8_t page : {Inj14APage, Inj23APage, InjIapPage}) {
        if (page == Inj23APage && !separate) {
            continue;
        }
        if (const auto cell = pages::ComputeMarker(image, values, page).cell; cell && placement.count < 2) {
            placement.pages[placement.count] = page;
            placement.cells[placement.count] = *cell;
            ++placement.count;
        }
    }
    return placement;
}

LambdaAdvisor::LambdaAdvisor(const AdvisorSettings &settings) : m_settings(settings)
{
    m_settings.delay = std::clamp(m_settings.delay, 0, 3);
}

void LambdaAdvisor::Add(const model::ConfigImage &image, const link::MonitorNumbers &frame)
{
    ++m_frames;
    const Placement placement = PlacementOf(image, MarkerValues(frame));
    if (frame.lambdaMv < ColdSensorLowMv || frame.lambdaMv > ColdSensorHighMv) {
        m_sensorReady = true;
    }
    const bool throttleJump =
        m_previous && std::abs(frame.throttlePercent - m_previous->throttle) > ThrottleJumpPercent;
    const bool fuelCut = frame.injectionUs[0] == 0 && frame.injectionUs[1] == 0;
    m_framesSinceEvent = throttleJump || fuelCut ? 0 : std::min(m_framesSinceEvent + 1, TransientFrames + 1);

    const auto reason = Judge(image, frame, placement, throttleJump, fuelCut);
    if (reason) {
        ++m_rejects[static_cast<std::size_t>(*reason)];
    }
    m_previous = Previous{frame.throttlePercent, placement};

    m_waiting.push_back(reason ? std::nullopt : std::optional<Placement>(placement));
    if (m_waiting.size() > static_cast<std::size_t>(m_settings.delay)) {
        if (const auto &waiting = m_waiting.front()) {
            Attribute(*waiting, frame.lambdaMv);
        }
        m_waiting.pop_front();
    }
}

std::optional<RejectReason> LambdaAdvisor::Judge(const model::ConfigImage &image, const link::MonitorNumbers &frame,
                                                 const Placement &placement, bool throttleJump, bool fuelCut) const
{
    using enum RejectReason;
    if (frame.rpm < AdvisorMinimumRpm) {
        return EngineStopped;
    }
    if (placement.count == 0) {
        return NoCell;
    }
    if (frame.startTenths < AdvisorMinimumRunTenths) {
        return RunningShort;
    }
    if (frame.coolantError || frame.coolantC < AdvisorMinimumCoolantC) {
        return CoolantCold;
    }
    if (throttleJump) {
        return ThrottleJump;
    }
    if (!m_previous || m_previous->placement != placement) {
        return CellChanged;
    }
    if (fuelCut) {
        return FuelCut;
    }
    if (!m_sensorReady) {
        return SensorNotReady;
    }
    const bool iap = placement.pages[0] == InjIapPage;
    const std::uint8_t row = placement.cells[0].row;
    if (iap ? pages::IapBreakpoints[row] > m_settings.iapZoneMax
            : pages::TpsBreakpoints[row] > m_settings.throttleZoneMax) {
        return OutsideZone;
    }
    for (std::uint8_t i = 0; i < placement.count; ++i) {
        const std::size_t axis = model::AxisOfMapPage(placement.pages[i]);
        const Points rpm{[&](std::size_t c) { return image[axis + c] * 100; }, model::MapColumns};
        const auto &breakpoints = placement.pages[i] == InjIapPage ? pages::IapBreakpoints : pages::TpsBreakpoints;
        const Points load{[&](std::size_t r) { return int{breakpoints[r]}; }, model::MapRows};
        const int loadValue = placement.pages[i] == InjIapPage ? frame.iapPercent : frame.throttlePercent;
        if (BetweenPoints(rpm, placement.cells[i].column, frame.rpm, m_settings.betweenCellsPercent) ||
            BetweenPoints(load, placement.cells[i].row, loadValue, m_settings.betweenCellsPercent)) {
            return BetweenCells;
        }
    }
    if (m_framesSinceEvent >= 1 && m_framesSinceEvent <= TransientFrames) {
        return Transient;
    }
    return std::nullopt;
}

void LambdaAdvisor::Attribute(const Placement &placement, int millivolts)
{
    ++m_samples;
    for (std::uint8_t i = 0; i < placement.count; ++i) {
        CellEvidence &cell = m_evidence[placement.pages[i]][CellIndex(placement.cells[i])];
        ++cell.samples;
        cell.lean += millivolts < LeanBelowMv ? 1 : 0;
        cell.rich += millivolts > RichAboveMv ? 1 : 0;
    }
}

void LambdaAdvisor::EndOfLog()
{
    for (const auto &waiting : m_waiting) {
        if (waiting) {
            ++m_rejects[static_cast<std::size_t>(RejectReason::LogEnded)];
        }
    }
    m_waiting.clear();
    m_previous.reset();
    m_sensorReady = false;
    m_framesSinceEvent = TransientFrames + 1;
}

void LambdaAdvisor::Reset()
{
    *this = LambdaAdvisor(m_settings);
}

const CellEvidence &LambdaAdvisor::evidence(std::uint8_t page, std::uint8_t row, std::uint8_t column) const
{
    static const CellEvidence none;
    if (page >= m_evidence.size() || row >= model::MapRows || column >= model::MapColumns) {
        return none;
    }
    return m_evidence[page][std::size_t{row} * model::MapColumns + column];
}

void CellSet::set(std::uint8_t page, std::uint8_t row, std::uint8_t column, bool on)
{
    if (page < m_cells.size() && row < model::MapRows && column < model::MapColumns) {
        m_cells[page].set(std::size_t{row} * model::MapColumns + column, on);
    }
}

bool CellSet::contains(std::uint8_t page, std::uint8_t row, std::uint8_t column) const
{
    return page < m_cells.size() && row < model::MapRows && column < model::MapColumns &&
           m_cells[page].test(std::size_t{row} * model::MapColumns + column);
}

Advice AdviceOf(const CellEvidence &evidence)
{
    if (evidence.samples < MinimumSamples) {
        return Advice::None;
    }
    const auto decisive = [&](std::uint32_t count) {
        return std::uint64_t{count} * 100 >= std::uint64_t{evidence.samples} * DecisiveSharePercent;
    };
    if (decisive(evidence.lean)) {
        return Advice::Richer;
    }
    return decisive(evidence.rich) ? Advice::Leaner : Advice::None;
}

int AdviceStep(int value)
{
    return std::max(1, (value * StepPercent + 50) / 100);
}

std::vector<CellAdvice> Advise(const LambdaAdvisor &advisor, const model::ConfigImage &image,
                               const model::ConfigImage &base, const CellSet &locked)
{
    std::vector<CellAdvice> list;
    for (const std::uint8_t page : {Inj14APage, Inj23APage, InjIapPage}) {
        const std::size_t map = model::MapOfPage(page);
        for (std::uint8_t row = 0; row < model::MapRows; ++row) {
            for (std::uint8_t column = 0; column < model::MapColumns; ++column) {
                const CellEvidence &evidence = advisor.evidence(page, row, column);
                if (evidence.samples == 0) {
                    continue;
                }
                const std::size_t offset = map + std::size_t{row} * model::MapColumns + column;
                CellAdvice cell{page, row, column, evidence, AdviceOf(evidence), image[offset], image[offset]};
                cell.locked = locked.contains(page, row, column);
                if (cell.locked) {
                    cell.advice = Advice::None;
                }
                const int value = cell.value;
                const int rail = base[offset] * RailPercent / 100;
                const int high = std::min<int>(base[offset] + rail, pages::MapCellCeiling);
                const int low = std::max(base[offset] - rail, 0);
                int target = value;
                if (cell.advice == Advice::Richer) {
                    target = value + AdviceStep(value);
                    cell.newValue = static_cast<std::uint8_t>(std::max(value, std::min(target, high)));
                } else if (cell.advice == Advice::Leaner) {
                    target = value - AdviceStep(value);
                    cell.newValue = static_cast<std::uint8_t>(std::min(value, std::max(target, low)));
                }
                cell.railed = cell.newValue != target;
                list.push_back(cell);
            }
        }
    }
    return list;
}

model::ConfigImage ApplyAdvice(const model::ConfigImage &image, const std::vector<CellAdvice> &advice)
{
    model::ConfigImage result = image;
    const pages::JetMode mode = pages::JetModeOf(image);
    constexpr std::size_t PartnerDistance = model::Offset::Jet23AMap - model::Offset::Jet14AMap;
    for (const CellAdvice &cell : advice) {
        if (!AdvisedPage(cell.page) || cell.row >= model::MapRows || cell.column >= model::MapColumns ||
            cell.newValue == cell.value) {
            continue;
        }
        const std::size_t offset = model::MapOfPage(cell.page) + std::size_t{cell.row} * model::MapColumns + cell.column;
        const int moved = cell.newValue - result[offset];
        result[offset] = cell.newValue;
        if (cell.page != Inj14APage) {
            continue;
        }
        std::uint8_t &partner = result[offset + PartnerDistance];
        if (mode == pages::JetMode::Coupled) {
            // Coupled maps keep their difference, as an edit keeps it.
            partner = static_cast<std::uint8_t>(std::clamp(partner + moved, 0, int{pages::MapCellCeiling}));
        } else if (mode == pages::JetMode::Equal) {
            partner = cell.newValue;
        }
    }
    return result;
}

}  // namespace korvane::logs
