#pragma once

// A small, deterministic engine: every value is a function of the time since
// the unit started and of its parameter memory, so tests can predict ranges.

#include "SimFrame.h"
#include "SimMemory.h"

#include <cstdint>

namespace korvane::unitsim {

inline constexpr std::uint64_t RpmSweepMs = 20000;       // idle to top and back
inline constexpr std::uint64_t ThrottleSweepMs = 7000;   // 0..100..0 %
inline constexpr std::uint64_t LambdaSweepMs = 1300;
inline constexpr std::uint64_t WarmUpMs = 60000;         // coolant 20 -> 90 C
inline constexpr std::uint64_t GearStepMs = 5000;
inline constexpr std::uint16_t BatteryRaw = 251;         // 1226 mV x 11 = 13.5 V

struct EngineState {
    std::uint16_t rpm = 0;
    std::uint8_t throttlePercent = 0;
    std::uint8_t iapPercent = 0;
    std::uint8_t mapRow = 0;     // throttle row of the operating point
    std::uint8_t mapColumn = 0;  // engine-speed column on the advance axis
    std::uint16_t manifoldRaw = 0;
    std::uint16_t manifoldDeciKpa = 0;
    std::uint16_t iapRaw = 0;
    std::uint16_t throttleRaw = 0;
    std::uint16_t lambdaRaw = 0;
    int coolantC = 0;
    std::uint16_t coolantRaw = 0;
    int airC = 0;
    std::uint16_t airRaw = 0;
    std::uint16_t batteryRaw = BatteryRaw;
    std::uint16_t injection14A = 0;  // units of 30 us
    std::uint16_t injection23A = 0;
    std::uint16_t injection14B = 0;
    std::uint16_t injection23B = 0;
    std::uint16_t servoMeasuredMv = 0;
    std::uint16_t servoDesiredMv = 0;
    std::uint16_t advance = 0;  // degrees
    std::uint16_t positionA = 0;
    std::uint16_t positionB = 0;
    std::uint16_t coolantCorrection = 0;  // 0.1 %
    std::uint16_t startCorrection = 0;    // 0.1 %
    std::uint16_t startTenths = 0;  // 0.1 s since the start
    std::uint8_t gear = 1;
    std::uint16_t test1 = 0;
};

[[nodiscard]] EngineState EngineAt(std::uint64_t elapsedMs, const Memory &memory);

// What the unit adds to the engine values in every monitor frame.
struct UnitStatus {
    std::uint16_t programmingCount = 0;
    std::uint16_t savingCountdown = 0;
    std::uint8_t layoutVersion = DefaultLayoutVersion;
    bool servoEnabled = true;
};

[[nodiscard]] Frame BuildMonitorFrame(const EngineState &engine, const UnitStatus &status);

// Monitor frame offsets.
namespace Monitor {
inline constexpr std::size_t Rpm = 1;
inline constexpr std::size_t ManifoldRaw = 3;
inline constexpr std::size_t ManifoldDeciKpa = 5;
inline constexpr std::size_t IapRaw = 7;
inline constexpr std::size_t ThrottleRaw = 9;
inline constexpr std::size_t LambdaRaw = 11;
inline constexpr std::size_t CoolantRaw = 13;
inline constexpr std::size_t AirRaw = 15;
inline constexpr std::size_t BatteryRaw = 17;
inline constexpr std::size_t Injection14A = 19;
inline constexpr std::size_t Injection23A = 21;
inline constexpr std::size_t Injection14B = 23;
inline constexpr std::size_t Injection23B = 25;
inline constexpr std::size_t ServoMeasured = 27;
inline constexpr std::size_t ServoDesired = 29;
inline constexpr std::size_t ProgrammingCount = 31;
inline constexpr std::size_t Test1 = 33;  // 8 words
inline constexpr std::size_t StartTenths = 49;
inline constexpr std::size_t ThrottlePercent = 51;
inline constexpr std::size_t IapPercent = 52;
inline constexpr std::size_t Coolant = 53;  // C + 100
inline constexpr std::size_t Air = 54;      // C + 100
inline constexpr std::size_t StartLimiterActive = 55;
inline constexpr std::size_t MapMarkerOff = 60;
inline constexpr std::size_t ThrottleMapsInUse = 61;
inline constexpr std::size_t ServoInOrder = 63;
inline constexpr std::size_t TachoMode = 65;
inline constexpr std::size_t Advance = 71;
inline constexpr std::size_t PositionA = 81;
inline constexpr std::size_t PositionB = 83;
inline constexpr std::size_t CoolantCorrection = 85;
inline constexpr std::size_t AirCorrection = 87;
inline constexpr std::size_t ManifoldCorrection = 89;
inline constexpr std::size_t StartCorrection = 91;
inline constexpr std::size_t VoltageCorrection = 93;  // us + 1000
inline constexpr std::size_t SavingCountdown = 95;
inline constexpr std::size_t Gear = 97;
inline constexpr std::size_t LayoutVersion = 100;
}  // namespace Monitor

}  // namespace korvane::unitsim
