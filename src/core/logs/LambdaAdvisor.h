#pragma once

// The lambda direction advisor. The unit reports a narrowband sensor: it says
// rich or lean, not by how much, so the advisor only says which way, by a
// small fixed step, and only where the evidence is clean.
//
// A frame is a sample of the injection map cells the unit uses at that moment
// (the throttle maps Inj-14A, and Inj-23A in Normal mode, or else Inj-IAP;
// never the advance map or Inj-B) when every filter passes; otherwise it is
// counted under the first reason, in the order of RejectReason. The voltage of
// frame i + delay belongs to the cell of frame i.
//
// Use, window or CLI alike:
//   LambdaAdvisor advisor(ReadAdvisorSettings(ini));
//   per frame:          advisor.Add(image, numbers);
//   at a log's or connection's end:  advisor.EndOfLog();
//   auto advice = Advise(advisor, image, baseImage, lockedCells);
//   image = ApplyAdvice(image, advice);   // then a restore point and one undo step
//   advisor.Reset();   // evidence gathered on the old values must not count twice

#include "link/MonitorDecoder.h"
#include "model/ConfigImage.h"
#include "pages/Marker.h"

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace korvane::logs {

struct AdvisorSettings {
    int delay = 1;                  // frames, 0..3
    int throttleZoneMax = 40;       // throttle rows up to this % are stoichiometric
    int iapZoneMax = 70;            // IAP rows up to this %
    int betweenCellsPercent = 25;   // farther towards the next breakpoint: between cells
    friend bool operator==(const AdvisorSettings &, const AdvisorSettings &) = default;
};

inline constexpr int AdvisorMinimumRpm = 1000;
inline constexpr int AdvisorMinimumRunTenths = 600;  // 60 s on the start counter
inline constexpr int AdvisorMinimumCoolantC = 70;
inline constexpr int ThrottleJumpPercent = 10;
inline constexpr int TransientFrames = 3;
inline constexpr int ColdSensorLowMv = 350;  // a cold sensor rests in this band
inline constexpr int ColdSensorHighMv = 550;
inline constexpr int LeanBelowMv = 400;
inline constexpr int RichAboveMv = 500;
inline constexpr std::uint32_t MinimumSamples = 8;
inline constexpr int DecisiveSharePercent = 70;
inline constexpr int StepPercent = 2;
inline constexpr int RailPercent = 10;

enum class RejectReason : std::uint8_t {
    EngineStopped,   // engine stopped or under 1000 rpm
    NoCell,          // the unit marks no map cell
    RunningShort,    // running under 60 s
    CoolantCold,     // coolant under 70 C or its sensor in error
    ThrottleJump,    // throttle moved more than 10 % since the previous frame
    CellChanged,     // another cell than the previous frame's (or no previous frame)
    FuelCut,         // injection time 0
    SensorNotReady,  // the voltage has not yet left the band of a cold sensor
    OutsideZone,     // row outside the stoichiometric zone
    BetweenCells,    // too far towards a neighbouring breakpoint
    Transient,       // within 3 frames after a fuel cut or a throttle jump
    LogEnded,        // the log ended before the delayed voltage came
    Count
};
inline constexpr std::size_t RejectReasonCount = static_cast<std::size_t>(RejectReason::Count);
using RejectCounts = std::array<std::uint64_t, RejectReasonCount>;

struct CellEvidence {
    std::uint32_t samples = 0;
    std::uint32_t lean = 0;  // under 400 mV
    std::uint32_t rich = 0;  // over 500 mV
};

// Inj-14A, Inj-23A and Inj-IAP: the maps advice can touch.
[[nodiscard]] bool AdvisedPage(std::uint8_t page);

// The cells of the injection maps in use for a frame's values: ComputeMarker
// on Inj-14A, Inj-23A (only while the maps are separate; coupled or equal it
// follows Inj-14A) and Inj-IAP.
struct Placement {
    std::array<std::uint8_t, 2> pages{};
    std::array<pages::MapCell, 2> cells{};
    std::uint8_t count = 0;
    friend bool operator==(const Placement &, const Placement &) = default;
};
[[nodiscard]] Placement PlacementOf(const model::ConfigImage &image, const link::MonitorValues &values);

class LambdaAdvisor {
public:
    explicit LambdaAdvisor(const AdvisorSettings &settings = {});

    // One frame; image: the one in use when it came.
    void Add(const model::ConfigImage &image, const link::MonitorNumbers &frame);
    // A log or a connection ended: what still waits for its delayed voltage
    // is dropped, and the sensor, the previous frame and the transients start
    // afresh.
    void EndOfLog();
    // Everything, evidence and counts too.
    void Reset();

    [[nodiscard]] const CellEvidence &evidence(std::uint8_t page, std::uint8_t row, std::uint8_t column) const;
    [[nodiscard]] const RejectCounts &rejects() const { return m_rejects; }
    [[nodiscard]] std::uint64_t frames() const { return m_frames; }
    [[nodiscard]] std::uint64_t samples() const { return m_samples; }
    [[nodiscard]] const AdvisorSettings &settings() const { return m_settings; }

private:
    [[nodiscard]] std::optional<RejectReason> Judge(const model::ConfigImage &image,
                                                    const link::MonitorNumbers &frame, const Placement &placement,
                                                    bool throttleJump, bool fuelCut) const;
    void Attribute(const Placement &placement, int millivolts);

    AdvisorSettings m_settings;
    std::array<std::array<CellEvidence, model::MapCells>, 5> m_evidence{};
    RejectCounts m_rejects{};
    std::uint64_t m_frames = 0;
    std::uint64_t m_samples = 0;

    // Since the log or connection began.
    struct Previous {
        int throttle = 0;
        Placement placement;
    };
    std::optional<Previous> m_previous;
    bool m_sensorReady = false;
    int m_framesSinceEvent = TransientFrames + 1;
    std::deque<std::optional<Placement>> m_waiting;  // the last `delay` frames, accepted ones with their cells
};

enum class Advice : std::uint8_t { None, Richer, Leaner };

// Which cells get no advice: those the user locked.
class CellSet {
public:
    void set(std::uint8_t page, std::uint8_t row, std::uint8_t column, bool on = true);
    [[nodiscard]] bool contains(std::uint8_t page, std::uint8_t row, std::uint8_t column) const;

private:
    std::array<std::bitset<model::MapCells>, 5> m_cells;
};

struct CellAdvice {
    std::uint8_t page = 0;
    std::uint8_t row = 0;
    std::uint8_t column = 0;
    CellEvidence evidence;
    Advice advice = Advice::None;
    std::uint8_t value = 0;     // in the image now
    std::uint8_t newValue = 0;  // after applying; value when there is nothing to do
    bool locked = false;        // locked: no advice
    bool railed = false;        // the full step would leave the 10 % rail of the base image
};

// The direction the evidence of one cell points to.
[[nodiscard]] Advice AdviceOf(const CellEvidence &evidence);
// 2 % of value, rounded, at least 1.
[[nodiscard]] int AdviceStep(int value);

// Every cell with samples, by page, row and column. base: the image whose
// values the rails are measured from (the base restore point).
[[nodiscard]] std::vector<CellAdvice> Advise(const LambdaAdvisor &advisor, const model::ConfigImage &image,
                                             const model::ConfigImage &base, const CellSet &locked = {});

// The image with every new value in place; on Inj-14A the Inj-23A partner
// follows the Jet 14-23 mode as an edit makes it.
[[nodiscard]] model::ConfigImage ApplyAdvice(const model::ConfigImage &image, const std::vector<CellAdvice> &advice);

}  // namespace korvane::logs
