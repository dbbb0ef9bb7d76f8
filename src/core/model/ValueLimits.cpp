#include "model/ValueLimits.h"

#include <array>

namespace korvane::model {

namespace {

using Byte = std::uint8_t;

void RaiseTo(Byte &value, Byte low)
{
    if (value < low) {
        value = low;
    }
}

void LowerTo(Byte &value, Byte high)
{
    if (value > high) {
        value = high;
    }
}

void ClampTo(Byte &value, Byte low, Byte high)
{
    RaiseTo(value, low);
    LowerTo(value, high);
}

// Element i of an engine-speed axis must stay within i+3 .. i+236 so that the
// strictly rising repair below can neither pass 250 nor wrap.
constexpr Byte AxisLow = 3;
constexpr Byte AxisSpan = 236;

void NormaliseLimiters(ConfigImage &image)
{
    ClampTo(image[Offset::StartLimiter], 10, 250);
    const Byte start = image[Offset::StartLimiter];
    ClampTo(image[Offset::IgnitionLimiter], 10, 250);
    RaiseTo(image[Offset::IgnitionLimiter], start);
    ClampTo(image[Offset::InjectionLimiter], 10, 250);
    RaiseTo(image[Offset::InjectionLimiter], start);
}

void NormaliseCurveBounds(ConfigImage &image)
{
    constexpr std::array<std::size_t, 8> axes{Offset::AdvRpm,    Offset::Jet14ARpm, Offset::Jet23ARpm,
                                              Offset::JetBRpm,   Offset::JetIapRpm, Offset::ServoRpm,
                                              Offset::PosARpm,   Offset::PosBRpm};
    for (std::size_t i = 0; i < CurvePoints; ++i) {
        const auto index = static_cast<Byte>(i);
        for (const std::size_t axis : axes) {
            ClampTo(image[axis + i], static_cast<Byte>(index + AxisLow), static_cast<Byte>(index + AxisSpan));
        }
        // An out-of-range servo voltage resets to 1; it is deliberately not
        // clamped to the ceiling.
        Byte &volt = image[Offset::ServoVolt + i];
        if (volt == 0 || volt > 249) {
            volt = 1;
        }
        LowerTo(image[Offset::PosAValue + i], 240);
        LowerTo(image[Offset::PosBValue + i], 240);
    }
}

void MakeStrictlyRising(Byte &value, Byte predecessor)
{
    if (value <= predecessor) {
        value = static_cast<Byte>(predecessor + 1);
    }
}

void NormaliseCurveOrder(ConfigImage &image)
{
    constexpr std::array<std::size_t, 8> axes{Offset::AdvRpm,    Offset::Jet14ARpm, Offset::JetBRpm,
                                              Offset::Jet23ARpm, Offset::JetIapRpm, Offset::ServoRpm,
                                              Offset::PosARpm,   Offset::PosBRpm};
    for (std::size_t i = 1; i < CurvePoints; ++i) {
        for (const std::size_t axis : axes) {
            MakeStrictlyRising(image[axis + i], image[axis + i - 1]);
        }
    }
}

void NormaliseMaps(ConfigImage &image)
{
    for (std::size_t k = 0; k < MapCells; ++k) {
        LowerTo(image[Offset::AdvMap + k], 60);
        LowerTo(image[Offset::Jet14AMap + k], 250);
        LowerTo(image[Offset::JetBMap + k], 250);
        LowerTo(image[Offset::Jet23AMap + k], 250);
        LowerTo(image[Offset::JetIapMap + k], 250);
    }
}

void NormaliseThrottleAndStart(ConfigImage &image)
{
    LowerTo(image[Offset::Tps0Voltage], 250);
    LowerTo(image[Offset::Tps100Voltage], 250);
    LowerTo(image[Offset::StartInjection], 50);
}

void NormaliseStartCorrections(ConfigImage &image)
{
    for (std::size_t k = 0; k < StartCorrPoints; ++k) {
        const auto index = static_cast<Byte>(k);
        ClampTo(image[Offset::StartCorrTime + k], index, static_cast<Byte>(index + 247));
        LowerTo(image[Offset::StartCorrValue + k], 250);
    }
    for (std::size_t k = 1; k < StartCorrPoints; ++k) {
        MakeStrictlyRising(image[Offset::StartCorrTime + k], image[Offset::StartCorrTime + k - 1]);
    }
}

void NormaliseNitrous(ConfigImage &image)
{
    LowerTo(image[Offset::N2o1], 100);
    LowerTo(image[Offset::N2o2], 100);
    LowerTo(image[Offset::N2o1], image[Offset::N2o2]);
    RaiseTo(image[Offset::N2oBuildUp], 1);
    LowerTo(image[Offset::N2oDelay], 200);
    LowerTo(image[Offset::N2oBuildUp], 200);
}

void NormaliseRetard(ConfigImage &image)
{
    LowerTo(image[Offset::Retard1], 25);
    LowerTo(image[Offset::Retard2], 25);
    LowerTo(image[Offset::Retard1], image[Offset::Retard2]);
    LowerTo(image[Offset::RetardDelay], 200);
    ClampTo(image[Offset::RetardBuildUp], 1, 200);
}

// The bike's display can show the gear or the servo, not both; only type 26
// prefers the gear.
void NormaliseServoOrGear(ConfigImage &image)
{
    constexpr Byte GearFirstType = 26;
    if (image[Offset::ServoEnable] != 0 && image[Offset::GearDisplay] != 0) {
        const bool keepGear = image[Offset::BikeType] == GearFirstType;
        image[Offset::ServoEnable] = keepGear ? 0 : 1;
        image[Offset::GearDisplay] = keepGear ? 1 : 0;
    }
}

// Every step sees the results of the ones before it; the order matters for
// the limiters (start limiter first) and the rising axes (bounds first).
void NormaliseImageSteps(ConfigImage &image, Byte *language, Byte *portNumber)
{
    NormaliseLimiters(image);
    NormaliseCurveBounds(image);
    NormaliseCurveOrder(image);
    NormaliseMaps(image);
    NormaliseThrottleAndStart(image);
    NormaliseStartCorrections(image);
    ClampTo(image[Offset::ShiftLight], 10, 250);
    NormaliseNitrous(image);
    NormaliseRetard(image);
    if (language != nullptr && *language > 3) {
        *language = 0;
    }
    if (portNumber != nullptr && *portNumber > 10) {
        *portNumber = 1;
    }
    NormaliseServoOrGear(image);
}

}  // namespace

void NormaliseImage(ConfigImage &image, std::uint8_t &language, std::uint8_t &portNumber)
{
    NormaliseImageSteps(image, &language, &portNumber);
}

void NormaliseImage(ConfigImage &image)
{
    NormaliseImageSteps(image, nullptr, nullptr);
}

}  // namespace korvane::model
