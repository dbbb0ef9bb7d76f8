#pragma once

// The unit's parameter memory: 1200 bytes, block 0 the unit's own header,
// blocks 1..11 the parameters the tool reads and programs.

#include "SimFrame.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace korvane::unitsim {

using Memory = std::array<std::uint8_t, MemorySize>;

// Addresses the unit itself uses (header, and what the engine model reads).
namespace Field {
inline constexpr std::size_t FirmwareName = 0;  // 3 characters
inline constexpr std::size_t FirmwareNumber = 3;
inline constexpr std::size_t BuildDay = 4;
inline constexpr std::size_t BuildMonthCode = 5;
inline constexpr std::size_t BuildYear = 6;  // year - 2000
inline constexpr std::size_t BuildHour = 7;
inline constexpr std::size_t BuildMinute = 8;
inline constexpr std::size_t LayoutVersion = 10;
inline constexpr std::size_t FirmwareText = 16;
inline constexpr std::size_t FirmwareTextLength = 30;

inline constexpr std::size_t StartLimiter = 103;
inline constexpr std::size_t IgnitionLimiter = 104;
inline constexpr std::size_t ServoEnable = 112;
inline constexpr std::size_t Tps0Voltage = 122;    // x10 mV
inline constexpr std::size_t Tps100Voltage = 123;  // 2500 + x10 mV
inline constexpr std::size_t StartCorrTime = 140;  // 4 points, seconds
inline constexpr std::size_t ServoRpm = 220;
inline constexpr std::size_t ServoVolt = 235;      // x20 mV
inline constexpr std::size_t PosARpm = 250;
inline constexpr std::size_t PosAValue = 265;      // x5 degrees
inline constexpr std::size_t PosBRpm = 280;
inline constexpr std::size_t PosBValue = 295;
inline constexpr std::size_t AdvRpm = 310;
inline constexpr std::size_t Jet14ARpm = 325;
inline constexpr std::size_t Jet23ARpm = 340;
inline constexpr std::size_t JetBRpm = 355;
inline constexpr std::size_t JetIapRpm = 370;
inline constexpr std::size_t AdvMap = 400;
inline constexpr std::size_t Jet14AMap = 550;
inline constexpr std::size_t Jet23AMap = 700;
inline constexpr std::size_t JetBMap = 850;
inline constexpr std::size_t JetIapMap = 1000;
}  // namespace Field

inline constexpr std::size_t CurvePoints = 15;
inline constexpr std::size_t MapRows = 10;
inline constexpr std::size_t MapColumns = 15;
inline constexpr std::uint8_t DefaultLayoutVersion = 35;

struct HeaderInfo {
    std::string name = "KSU";  // first three characters are used
    std::uint8_t number = 12;
    std::uint8_t day = 14;
    std::string month = "Mar";  // English three-letter abbreviation
    std::uint8_t yearSince2000 = 5;
    std::uint8_t hour = 10;
    std::uint8_t minute = 42;
    std::uint8_t layoutVersion = DefaultLayoutVersion;
    std::string firmwareText;  // up to 30 characters; empty leaves byte 16 at 0
};

// Low byte of the sum of the character codes ("Jan" gives 25).
[[nodiscard]] std::uint8_t MonthCode(std::string_view abbreviation);
[[nodiscard]] Block BuildHeaderBlock(const HeaderInfo &header);
// Header block plus a parameter set of a 600 cc four-cylinder that already
// satisfies every value limit, so a read followed by a verify succeeds.
[[nodiscard]] Memory BuildDefaultMemory(const HeaderInfo &header);

[[nodiscard]] std::span<std::uint8_t, BlockSize> MemoryBlock(Memory &memory, std::size_t block);
[[nodiscard]] std::span<const std::uint8_t, BlockSize> MemoryBlock(const Memory &memory, std::size_t block);

// Exactly 1200 raw bytes; anything else is refused with a reason.
[[nodiscard]] std::optional<Memory> LoadMemoryFile(const std::string &path, std::string &error);

}  // namespace korvane::unitsim
