#pragma once

// Checks every rule that NormaliseImage guarantees, so that tests and fuzzers
// can assert on any image after normalisation.

#include "model/ConfigImage.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>

namespace korvane::model::test {

namespace detail {

inline void CheckRange(::testing::AssertionResult &result, const ConfigImage &image, std::size_t offset,
                       int low, int high, const char *name)
{
    const int value = image[offset];
    if (value < low || value > high) {
        if (result) {
            result = ::testing::AssertionFailure();
        }
        result << name << " (byte " << offset << ") is " << value << ", expected " << low << ".." << high
               << "; ";
    }
}

inline void CheckNotAbove(::testing::AssertionResult &result, const ConfigImage &image, std::size_t lower,
                          std::size_t upper, const char *what)
{
    if (image[lower] > image[upper]) {
        if (result) {
            result = ::testing::AssertionFailure();
        }
        result << what << ": byte " << lower << " (" << int{image[lower]} << ") above byte " << upper << " ("
               << int{image[upper]} << "); ";
    }
}

inline void CheckRising(::testing::AssertionResult &result, const ConfigImage &image, std::size_t start,
                        std::size_t count, const char *name)
{
    for (std::size_t i = 1; i < count; ++i) {
        if (image[start + i] <= image[start + i - 1]) {
            if (result) {
                result = ::testing::AssertionFailure();
            }
            result << name << " not strictly rising at byte " << start + i << "; ";
        }
    }
}

}  // namespace detail

[[nodiscard]] inline ::testing::AssertionResult SatisfiesValueLimits(const ConfigImage &image)
{
    using detail::CheckNotAbove;
    using detail::CheckRange;
    using detail::CheckRising;
    ::testing::AssertionResult result = ::testing::AssertionSuccess();

    CheckRange(result, image, Offset::StartLimiter, 10, 250, "StartLimiter");
    CheckRange(result, image, Offset::IgnitionLimiter, 10, 250, "IgnitionLimiter");
    CheckRange(result, image, Offset::InjectionLimiter, 10, 250, "InjectionLimiter");
    CheckNotAbove(result, image, Offset::StartLimiter, Offset::IgnitionLimiter, "IgnitionLimiter below start");
    CheckNotAbove(result, image, Offset::StartLimiter, Offset::InjectionLimiter, "InjectionLimiter below start");

    constexpr std::array<std::size_t, 8> axes{Offset::AdvRpm,   Offset::Jet14ARpm, Offset::Jet23ARpm,
                                              Offset::JetBRpm,  Offset::JetIapRpm, Offset::ServoRpm,
                                              Offset::PosARpm,  Offset::PosBRpm};
    for (const std::size_t axis : axes) {
        for (std::size_t i = 0; i < CurvePoints; ++i) {
            const int index = static_cast<int>(i);
            CheckRange(result, image, axis + i, index + 3, index + 236, "engine-speed axis");
        }
        CheckRising(result, image, axis, CurvePoints, "engine-speed axis");
    }
    for (std::size_t i = 0; i < CurvePoints; ++i) {
        CheckRange(result, image, Offset::ServoVolt + i, 1, 249, "ServoVolt");
        CheckRange(result, image, Offset::PosAValue + i, 0, 240, "PosAValue");
        CheckRange(result, image, Offset::PosBValue + i, 0, 240, "PosBValue");
    }

    for (std::size_t k = 0; k < MapCells; ++k) {
        CheckRange(result, image, Offset::AdvMap + k, 0, 60, "AdvMap");
    }
    for (std::size_t offset = Offset::Jet14AMap; offset < Offset::JetIapMap + MapCells; ++offset) {
        CheckRange(result, image, offset, 0, 250, "injection map");
    }

    CheckRange(result, image, Offset::Tps0Voltage, 0, 250, "Tps0Voltage");
    CheckRange(result, image, Offset::Tps100Voltage, 0, 250, "Tps100Voltage");
    CheckRange(result, image, Offset::StartInjection, 0, 50, "StartInjection");

    for (std::size_t k = 0; k < StartCorrPoints; ++k) {
        const int index = static_cast<int>(k);
        CheckRange(result, image, Offset::StartCorrTime + k, index, index + 247, "StartCorrTime");
        CheckRange(result, image, Offset::StartCorrValue + k, 0, 250, "StartCorrValue");
    }
    CheckRising(result, image, Offset::StartCorrTime, StartCorrPoints, "StartCorrTime");

    CheckRange(result, image, Offset::ShiftLight, 10, 250, "ShiftLight");

    CheckRange(result, image, Offset::N2o1, 0, 100, "N2o1");
    CheckRange(result, image, Offset::N2o2, 0, 100, "N2o2");
    CheckNotAbove(result, image, Offset::N2o1, Offset::N2o2, "N2o1 above N2o2");
    CheckRange(result, image, Offset::N2oBuildUp, 1, 200, "N2oBuildUp");
    CheckRange(result, image, Offset::N2oDelay, 0, 200, "N2oDelay");

    CheckRange(result, image, Offset::Retard1, 0, 25, "Retard1");
    CheckRange(result, image, Offset::Retard2, 0, 25, "Retard2");
    CheckNotAbove(result, image, Offset::Retard1, Offset::Retard2, "Retard1 above Retard2");
    CheckRange(result, image, Offset::RetardBuildUp, 1, 200, "RetardBuildUp");
    CheckRange(result, image, Offset::RetardDelay, 0, 200, "RetardDelay");

    if (image[Offset::ServoEnable] != 0 && image[Offset::GearDisplay] != 0) {
        if (result) {
            result = ::testing::AssertionFailure();
        }
        result << "ServoEnable and GearDisplay both set; ";
    }
    return result;
}

}  // namespace korvane::model::test
