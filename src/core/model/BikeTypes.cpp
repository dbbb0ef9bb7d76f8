#include "model/BikeTypes.h"

#include <algorithm>

namespace korvane::model {
namespace {

// List texts in list order; the image holds the type code of ItemCodes, not the item index.
constexpr std::array<std::string_view, BikeCount> ListTexts{
    "Aprilia RSV MILLE               98-",
    "Ducati 996",
    "HD V-rod",
    "Honda CBR 600 F               01-02",
    "Honda CBR 600 RR            03-04",
    "Honda CBR 600 RR            05-",
    "Honda CBR 900 RR            00-",
    "Honda CBR 1000 RR          04-",
    "Honda CBR 1100 XX               ",
    "Honda VTR 1000 SP-1       01-02",
    "Kawasaki  ZX 6R PCE        02",
    "Kawasaki  ZX6RR              03 ",
    "Kawasaki  ZX6RR              04 ",
    "Kawasaki  ZX10 R              04   ",
    "Kawasaki  ZX12 R              00-01",
    "Kawasaki  ZX12 R              02-",
    "Suzuki GSX-R600               01-03",
    "Suzuki GSX-R600               04   ",
    "Suzuki GSX-R750               00-03",
    "Suzuki GSX-R750               04",
    "Suzuki GSX-R1000             01-02",
    "Suzuki GSX-R1000             03",
    "Suzuki GSX-R1000             05",
    "Suzuki GSX-1300               ",
    "Suzuki TL 1000 R               98-",
    "Suzuki TL 1000 S               ",
    "Yamaha YZF-R1                 02-03",
    "Yamaha YZF-R1                 04-05",
    "Yamaha YZF-R6                 03-",
};

constexpr std::array<std::uint8_t, BikeCount> ItemCodes{
    0, 1, 24, 2, 3, 28, 4, 21, 22, 5, 6, 7, 19, 8, 9,
    10, 11, 20, 12, 23, 13, 14, 26, 15, 16, 25, 17, 27, 18,
};

constexpr std::array<std::uint8_t, StartCorrPoints> DefaultStartCorrTime{5, 10, 15, 20};
constexpr std::array<std::uint8_t, StartCorrPoints> DefaultStartCorrValue{150, 50, 30, 10};  // % - 100
constexpr std::uint8_t DefaultInjectionCell = 100;

constexpr std::uint8_t LowByte(unsigned value) { return static_cast<std::uint8_t>(value & 0xFFu); }
constexpr std::uint8_t Scaled(unsigned value, unsigned factor) { return LowByte(value / factor); }

void WriteCurve(ConfigImage &image, std::size_t offset, std::span<const std::uint16_t> words,
                unsigned factor)
{
    for (std::size_t i = 0; i < words.size(); ++i) {
        image[offset + i] = Scaled(words[i], factor);
    }
}

void WriteConstants(ConfigImage &image, std::uint8_t bikeType)
{
    std::copy(DefaultStartCorrTime.begin(), DefaultStartCorrTime.end(),
              image.bytes.begin() + Offset::StartCorrTime);
    std::copy(DefaultStartCorrValue.begin(), DefaultStartCorrValue.end(),
              image.bytes.begin() + Offset::StartCorrValue);
    for (std::size_t map : {Offset::Jet14AMap, Offset::Jet23AMap, Offset::JetIapMap}) {
        std::fill_n(image.bytes.begin() + map, MapCells, DefaultInjectionCell);
    }

    image[Offset::WarningTemp] = 90;
    image[Offset::AccelThreshold] = 30;
    image[Offset::AccelSize] = 84;
    image[Offset::RpmCorrection] = Scale::RpmCorrectionOffset;  // no correction
    image[Offset::JetMode] = 1;                                 // coupled
    image[Offset::IapToTps] = 5;
    image[Offset::ClutchTime] = 10;
    image[Offset::ClutchPause] = 50;

    image[Offset::N2oEnable] = 0;
    image[Offset::N2o1] = 20;
    image[Offset::N2o2] = 60;
    image[Offset::N2oDelay] = 20;
    image[Offset::N2oBuildUp] = 30;
    image[Offset::Retard1] = 0;
    image[Offset::Retard2] = 0;
    image[Offset::RetardDelay] = 20;
    image[Offset::RetardBuildUp] = 30;

    const bool gearDisplay = bikeType == GearDisplayBikeType;
    image[Offset::ServoEnable] = gearDisplay ? 0 : 1;
    image[Offset::GearDisplay] = gearDisplay ? 1 : 0;
    image[Offset::TempDisplay] = 0;

    image[Offset::TuneLambda] = 80;
    image[Offset::TuneHyster] = 5;
    image[Offset::TuneRpm] = 10;
    image[Offset::TuneTps] = 1;
    image[Offset::TuneTime] = 10;

    image[Offset::ActStartLimiter] = 1;
    image[Offset::ActClutch] = 1;
    image[Offset::ActTachoLambda] = 1;
    image[Offset::ActN2o] = 1;
}

void WriteAdvance(ConfigImage &image, std::uint8_t bikeType, std::span<const std::uint16_t> advance)
{
    if (bikeType == GearDisplayBikeType && advance.size() == AdvanceMapWords) {
        WriteCurve(image, Offset::AdvMap, advance, 1);
        return;
    }
    // Any other code takes one row for all throttle positions. A code above 28
    // keeps the previous set and reads its table as a single row, so after a
    // code-26 set only the first row of that full map is used.
    const auto row = advance.first(AdvanceRowWords);
    for (std::size_t r = 0; r < MapRows; ++r) {
        WriteCurve(image, MapCell(Offset::AdvMap, r, 0), row, 1);
    }
}

void WriteTables(ConfigImage &image, std::uint8_t bikeType, const DefaultSet &set)
{
    WriteCurve(image, Offset::CoolantCorr, set.temperature.first<TempCorrPoints>(), 1);
    WriteCurve(image, Offset::AirCorr, set.temperature.last<TempCorrPoints>(), 1);

    WriteCurve(image, Offset::ServoRpm, set.servo.subspan<1, CurvePoints>(), Scale::Rpm);
    WriteCurve(image, Offset::ServoVolt, set.servo.subspan<16, CurvePoints>(), Scale::ServoVoltMv);

    for (std::size_t axis : {Offset::AdvRpm, Offset::Jet14ARpm, Offset::Jet23ARpm, Offset::JetBRpm,
                             Offset::JetIapRpm, Offset::PosARpm, Offset::PosBRpm}) {
        WriteCurve(image, axis, set.speed, Scale::Rpm);
    }

    WriteCurve(image, Offset::PosAValue, set.position.subspan<2, CurvePoints>(), Scale::PositionDegrees);
    WriteCurve(image, Offset::PosBValue, set.position.subspan<17, CurvePoints>(), Scale::PositionDegrees);

    WriteAdvance(image, bikeType, set.advance);
    WriteCurve(image, Offset::JetBMap, set.mapB, 1);

    image[Offset::ServoHysteresis] = Scaled(set.servo[0], Scale::ServoHysteresisMv);
    image[Offset::PositionARef] = LowByte(set.position[0]);
    image[Offset::PositionBRef] = LowByte(set.position[1]);

    image[Offset::Tps0Voltage] = Scaled(set.limits[0], Scale::TpsMv);
    image[Offset::Tps100Voltage] =
        LowByte(static_cast<unsigned>((set.limits[1] - Scale::Tps100OffsetMv) / Scale::TpsMv));
    image[Offset::StartLimiter] = Scaled(set.limits[2], Scale::Rpm);
    image[Offset::IgnitionLimiter] = Scaled(set.limits[3], Scale::Rpm);
    image[Offset::InjectionLimiter] = Scaled(set.limits[4], Scale::Rpm);
    image[Offset::ShiftLight] = Scaled(set.limits[5], Scale::Rpm);

    image[Offset::BaseAdvance] = LowByte(set.misc[0]);
    image[Offset::StartInjection] = LowByte(set.misc[1]);
    image[Offset::PulsesPerRev] = LowByte(set.misc[2]);
    image[Offset::ActFallSensor] = LowByte(set.misc[3]);
    image[Offset::BlockingEnable] = LowByte(set.misc[4]);
}

[[nodiscard]] std::uint8_t TypeConstantFor(std::uint8_t bikeType)
{
    switch (bikeType) {
    case 0: case 16: case 25:
        return 75;
    case 1: case 2: case 4: case 8: case 9: case 10: case 19: case 22:
        return 65;
    case 6: case 11: case 12: case 13: case 14: case 15: case 20: case 23: case 26:
        return 85;
    case 17: case 27:
        return 35;
    case 18:
        return 50;
    default:
        return 70;
    }
}

}  // namespace

std::span<const std::string_view, BikeCount> BikeListTexts()
{
    return ListTexts;
}

std::optional<std::uint8_t> ComboToBikeType(int itemIndex)
{
    if (itemIndex < 0 || static_cast<std::size_t>(itemIndex) >= BikeCount) {
        return std::nullopt;
    }
    return ItemCodes[static_cast<std::size_t>(itemIndex)];
}

std::optional<int> BikeTypeToCombo(std::uint8_t bikeType)
{
    const auto it = std::find(ItemCodes.begin(), ItemCodes.end(), bikeType);
    if (it == ItemCodes.end()) {
        return std::nullopt;
    }
    return static_cast<int>(it - ItemCodes.begin());
}

DefaultSetSelector::DefaultSetSelector()
    : m_current(DefaultSetForCode(StartupBikeType))
{
}

void DefaultSetSelector::SelectDefaultSet(std::uint8_t bikeType)
{
    if (const DefaultSet *set = DefaultSetForCode(bikeType)) {
        m_current = set;
    }
}

void BuildDefaults(ConfigImage &image, DefaultSetSelector &selector)
{
    const std::uint8_t bikeType = image[Offset::BikeType];
    WriteConstants(image, bikeType);
    selector.SelectDefaultSet(bikeType);
    WriteTables(image, bikeType, selector.current());
    ApplyTypeSettings(image);
}

void ApplyTypeSettings(ConfigImage &image)
{
    const std::uint8_t bikeType = image[Offset::BikeType];
    image[Offset::TypeFlag] = (bikeType == 0 || bikeType == 25) ? 1 : 0;
    image[Offset::TypeConstant] = TypeConstantFor(bikeType);
}

}  // namespace korvane::model
