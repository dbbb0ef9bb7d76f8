#pragma once

// The compiled-in default parameter sets, one per motorcycle type code. Models
// that share a table point at the same array, so a correction reaches all of
// them at once.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace korvane::model {

inline constexpr std::uint8_t MaxBikeType = 28;
// The one type that shows the gear instead of the servo and carries a full
// 10 x 15 advance map instead of a single row.
inline constexpr std::uint8_t GearDisplayBikeType = 26;

inline constexpr std::size_t AdvanceRowWords = 15;
inline constexpr std::size_t AdvanceMapWords = 150;

// One default parameter set, in physical units (16-bit words).
struct DefaultSet {
    std::span<const std::uint16_t, 10> temperature;  // coolant 0..4, air 0..4 [%]
    std::span<const std::uint16_t, 31> servo;        // hysteresis [mV], 15 rpm, 15 mV
    std::span<const std::uint16_t, 15> speed;        // axis engine speeds [rpm]
    std::span<const std::uint16_t, 32> position;     // ref A, ref B, 15 pos A, 15 pos B [deg]
    std::span<const std::uint16_t> advance;          // one row (15) or a full map (150)
    std::array<std::uint16_t, 6> limits;             // TPS0, TPS100 [mV], start, ign, inj, shift [rpm]
    std::array<std::uint16_t, 5> misc;               // base adv, start inj, pulses, fall act, blocking
    std::span<const std::uint16_t, 150> mapB;        // JetBMap row by row
};

// The set of a type code; nullptr for a code above MaxBikeType.
[[nodiscard]] const DefaultSet *DefaultSetForCode(std::uint8_t bikeType);

}  // namespace korvane::model
