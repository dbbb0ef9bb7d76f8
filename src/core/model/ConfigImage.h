#pragma once

// The unit's parameter memory as the tool holds it: 1200 bytes in 12 blocks of
// 100. Every field is one byte; curves and maps are runs of consecutive bytes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace korvane::model {

inline constexpr std::size_t ImageSize = 1200;
inline constexpr std::size_t BlockSize = 100;
inline constexpr std::size_t BlockCount = 12;
inline constexpr std::uint8_t SupportedLayoutVersion = 35;  // 0x23

struct ConfigImage {
    std::array<std::uint8_t, ImageSize> bytes{};

    std::uint8_t &operator[](std::size_t offset) { return bytes[offset]; }
    std::uint8_t operator[](std::size_t offset) const { return bytes[offset]; }

    [[nodiscard]] std::span<std::uint8_t, BlockSize> block(std::size_t b)
    {
        return std::span<std::uint8_t, BlockSize>(bytes.data() + b * BlockSize, BlockSize);
    }
    [[nodiscard]] std::span<const std::uint8_t, BlockSize> block(std::size_t b) const
    {
        return std::span<const std::uint8_t, BlockSize>(bytes.data() + b * BlockSize, BlockSize);
    }

    friend bool operator==(const ConfigImage &, const ConfigImage &) = default;
};

// Field offsets. Scales are the factor between the shown value and the byte.
namespace Offset {
// Block 0: header, written by the unit only.
inline constexpr std::size_t FirmwareName = 0;  // 3 characters
inline constexpr std::size_t FirmwareNumber = 3;
inline constexpr std::size_t BuildDay = 4;
inline constexpr std::size_t BuildMonthCode = 5;
inline constexpr std::size_t BuildYear = 6;
inline constexpr std::size_t BuildHour = 7;
inline constexpr std::size_t BuildMinute = 8;
inline constexpr std::size_t LayoutVersion = 10;
inline constexpr std::size_t FirmwareText = 16;  // 30 bytes, 16..45
inline constexpr std::size_t FirmwareTextLength = 30;

// Block 1: scalar settings.
inline constexpr std::size_t BikeType = 100;
inline constexpr std::size_t PulsesPerRev = 102;
inline constexpr std::size_t StartLimiter = 103;      // x100 rpm
inline constexpr std::size_t IgnitionLimiter = 104;   // x100 rpm
inline constexpr std::size_t ClutchTime = 105;        // x10 ms
inline constexpr std::size_t ShiftLight = 107;        // x100 rpm
inline constexpr std::size_t BaseAdvance = 108;       // degrees
inline constexpr std::size_t ServoHysteresis = 109;   // x5 mV
inline constexpr std::size_t ActTachoLambda = 110;    // flag
inline constexpr std::size_t TypeFlag = 111;          // derived from BikeType
inline constexpr std::size_t ServoEnable = 112;       // flag
inline constexpr std::size_t BlockingEnable = 113;    // flag
inline constexpr std::size_t IapToTps = 114;          // %
inline constexpr std::size_t N2oEnable = 115;         // flag
inline constexpr std::size_t ActFallSensor = 116;     // flag
inline constexpr std::size_t ClutchPause = 117;       // x10 ms
inline constexpr std::size_t ActClutch = 118;         // flag
inline constexpr std::size_t RpmCorrection = 119;     // correction + 100
inline constexpr std::size_t ActN2o = 120;            // flag
inline constexpr std::size_t ActStartLimiter = 121;   // flag
inline constexpr std::size_t Tps0Voltage = 122;       // x10 mV
inline constexpr std::size_t Tps100Voltage = 123;     // 2500 + x10 mV
inline constexpr std::size_t AccelThreshold = 124;    // x10 %/s
inline constexpr std::size_t AccelSize = 125;         // x50 us
inline constexpr std::size_t TypeConstant = 126;      // derived from BikeType
inline constexpr std::size_t PositionARef = 127;      // 0 beginning, 1 centre, 2 end
inline constexpr std::size_t StartInjection = 128;    // ms
inline constexpr std::size_t WarningTemp = 129;       // degrees C
inline constexpr std::size_t N2o1 = 130;              // %
inline constexpr std::size_t N2o2 = 131;              // %
inline constexpr std::size_t N2oBuildUp = 132;        // x100 ms
inline constexpr std::size_t N2oDelay = 133;          // x100 ms
inline constexpr std::size_t Retard1 = 134;           // degrees
inline constexpr std::size_t Retard2 = 135;           // degrees
inline constexpr std::size_t RetardBuildUp = 136;     // x100 ms
inline constexpr std::size_t RetardDelay = 137;       // x100 ms
inline constexpr std::size_t JetMode = 138;           // 0 separate, 1 coupled, 2 "14 = 23"
inline constexpr std::size_t PositionBRef = 139;
inline constexpr std::size_t StartCorrTime = 140;     // 4 bytes, seconds
inline constexpr std::size_t StartCorrValue = 144;    // 4 bytes, percent - 100
inline constexpr std::size_t GearDisplay = 149;       // flag
inline constexpr std::size_t TempDisplay = 150;       // flag
inline constexpr std::size_t TuneLambda = 151;        // x10
inline constexpr std::size_t TuneHyster = 152;        // x10
inline constexpr std::size_t TuneRpm = 153;           // x10
inline constexpr std::size_t TuneTps = 154;
inline constexpr std::size_t TuneTime = 155;          // x100
inline constexpr std::size_t InjectionLimiter = 156;  // x100 rpm
inline constexpr std::size_t CoolantCorr = 190;       // 5 bytes, %
inline constexpr std::size_t AirCorr = 195;           // 5 bytes, %

// Blocks 2 and 3: 15-point curves and map axes.
inline constexpr std::size_t ServoRpm = 220;   // x100 rpm
inline constexpr std::size_t ServoVolt = 235;  // x20 mV
inline constexpr std::size_t PosARpm = 250;    // x100 rpm
inline constexpr std::size_t PosAValue = 265;  // x5 degrees
inline constexpr std::size_t PosBRpm = 280;    // x100 rpm
inline constexpr std::size_t PosBValue = 295;  // x5 degrees
inline constexpr std::size_t AdvRpm = 310;     // x100 rpm
inline constexpr std::size_t Jet14ARpm = 325;
inline constexpr std::size_t Jet23ARpm = 340;
inline constexpr std::size_t JetBRpm = 355;
inline constexpr std::size_t JetIapRpm = 370;

// Blocks 4..11: five maps of 10 throttle rows x 15 speed columns.
inline constexpr std::size_t AdvMap = 400;
inline constexpr std::size_t Jet14AMap = 550;
inline constexpr std::size_t Jet23AMap = 700;
inline constexpr std::size_t JetBMap = 850;
inline constexpr std::size_t JetIapMap = 1000;
}  // namespace Offset

inline constexpr std::size_t CurvePoints = 15;
inline constexpr std::size_t MapRows = 10;
inline constexpr std::size_t MapColumns = 15;
inline constexpr std::size_t MapCells = MapRows * MapColumns;
inline constexpr std::size_t MapPageCount = 5;
inline constexpr std::size_t StartCorrPoints = 4;
inline constexpr std::size_t TempCorrPoints = 5;

// Map page p shows the axis at AxisOfMapPage(p) and the cells at MapOfPage(p).
[[nodiscard]] constexpr std::size_t AxisOfMapPage(std::size_t page) { return Offset::AdvRpm + 15 * page; }
[[nodiscard]] constexpr std::size_t MapOfPage(std::size_t page) { return Offset::AdvMap + 150 * page; }
[[nodiscard]] constexpr std::size_t MapCell(std::size_t mapBase, std::size_t row, std::size_t column)
{
    return mapBase + MapColumns * row + column;
}

// Throttle position of each map row, in percent.
inline constexpr std::array<int, MapRows> MapRowThrottle{0, 2, 5, 10, 20, 30, 40, 60, 80, 100};

namespace Scale {
inline constexpr int Rpm = 100;
inline constexpr int ClutchMs = 10;
inline constexpr int ServoHysteresisMv = 5;
inline constexpr int TpsMv = 10;
inline constexpr int Tps100OffsetMv = 2500;
inline constexpr int AccelThreshold = 10;
inline constexpr int AccelSizeUs = 50;
inline constexpr int N2oRetardMs = 100;
inline constexpr int ServoVoltMv = 20;
inline constexpr int PositionDegrees = 5;
inline constexpr int RpmCorrectionOffset = 100;
inline constexpr int StartCorrOffset = 100;
inline constexpr int Tune10 = 10;
inline constexpr int TuneTime = 100;
}  // namespace Scale

// The three texts shown for the unit's firmware, rebuilt from block 0.
struct VersionTexts {
    std::string version;
    std::string date;
    std::string time;
    friend bool operator==(const VersionTexts &, const VersionTexts &) = default;
};

[[nodiscard]] VersionTexts DecodeHeader(const ConfigImage &image);

// " 1" .. "12" for a known month code, "00" for any other.
[[nodiscard]] std::string MonthText(std::uint8_t code);

}  // namespace korvane::model
