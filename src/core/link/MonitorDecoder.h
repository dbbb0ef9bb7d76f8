#pragma once

// Turns the unit's live-data frame into label texts, colours and gauge values.

#include "link/Colour.h"
#include "link/Frames.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace korvane::link {

struct LabelView {
    std::string text;
    Colour colour = Colour::Normal;
};

struct GaugeView {
    std::optional<int> progress;  // 0..100; nullopt: the gauge keeps its last value
    Colour colour = Colour::Normal;  // foreground
};

// What the decoder reads besides the frame.
struct MonitorInputs {
    std::uint8_t ignitionLimiter = 0;  // image byte 104, x100 rpm
    std::uint8_t servoEnable = 0;      // image byte 112
    bool extendedMonitor = false;      // "Extended Monitor" check box
    bool n2oEnabled = false;           // "N2O Enabled" check box
    std::uint8_t language = 0;
    // The unit's firmware text as a transfer read it from the unit's header;
    // empty until then.
    std::string unitFirmware;
};

// Values kept from the last accepted frame for the marker, the tools and the tick.
struct MonitorValues {
    std::uint16_t rpm = 0;
    std::uint16_t throttleMv = 0;
    std::uint16_t lambdaMv = 0;
    std::uint8_t throttlePercent = 0;
    std::uint8_t iapPercent = 0;
    std::uint8_t coolantTemp = 0;  // degrees C + 100; 180 after a sensor error
    std::uint8_t airTemp = 0;      // degrees C + 100
    std::uint8_t mapMarkerOff = 0;
    std::uint8_t throttleMapsInUse = 0;
    std::uint16_t startTimeCounter = 0;
    std::uint16_t savingCountdown = 0;
};

// The frame's values as numbers in engineering units, for logging. Sensor
// faults are flagged, not replaced by the substitutes the labels show.
struct MonitorNumbers {
    int rpm = 0;
    int throttlePercent = 0;
    int throttleMv = 0;
    bool throttleError = false;  // throttle above 100 %
    int iapPercent = 0;
    int iapMv = 0;
    bool iapError = false;       // raw count outside 105..1006
    int manifoldTenthsKpa = 0;
    int manifoldMv = 0;
    bool manifoldError = false;  // raw count outside 105..1006
    int coolantC = 0;
    int coolantMv = 0;
    bool coolantError = false;   // coolant byte 0
    int airC = 0;
    int airMv = 0;
    bool airError = false;       // air byte 0
    int batteryMv = 0;
    int lambdaMv = 0;
    int advance = 0;             // degrees; 0 is the base advance
    std::array<int, 4> injectionUs{};  // 14A, 23A, 14B, 23B
    long long dutyPercent = 0;
    int positionA = 0;
    int positionB = 0;
    int servoDesiredMv = 0;
    int servoMeasuredMv = 0;
    int corrCoolantTenths = 0;   // 0.1 %
    int corrAirTenths = 0;
    int corrPressureTenths = 0;
    int corrStartTenths = 0;
    int corrVoltageUs = 0;       // signed
    int gear = 0;
    int programCount = 0;
    int savingCountdown = 0;
    int layoutVersion = 0;
    int startTenths = 0;         // start-time counter, 0.1 s since the engine started
    bool startLimiter = false;
    bool speedFlag1 = false;
    bool speedFlag2 = false;
    bool fallSensor = false;
    bool blocking = false;
    bool servoInOrder = false;
    bool clutch = false;
    bool tacho = false;          // tacho output; false: lambda
    bool n2o = false;
    bool cooling = false;
    bool mapMarkerOff = false;
    bool throttleMapsInUse = false;
};

struct MonitorReadout {
    LabelView rpm, iap, lambda, tps, advance;
    LabelView jet14A, jet23A, jet14B, jet23B, maxInjection;
    LabelView positionA, positionB, manifoldPressure, coolant, air, voltage;
    LabelView servoDesired, servoMeasured;
    LabelView fallSensor, blocking, clutch, startLimiter, tachoLambda, cooling, n2o;
    LabelView corrCoolant, corrAir, corrPressure, corrStart, corrVoltage;
    // version: red with the mismatch message, or white naming the unit's
    // firmware and layout, so that a cleared mismatch leaves nothing behind.
    LabelView version, gear, programCount;
    LabelView test[8];
    bool n2oVisible = false;
    bool versionMismatch = false;
    GaugeView rpmGauge, lambdaGauge, tpsGauge, dutyGauge, coolantGauge;
    MonitorValues values;
    MonitorNumbers numbers;
    MonitorFrame frame{};  // the bytes as received, for the ride log
};

// Decodes a frame whose check byte has already been accepted. Any byte values
// are safe; sensor faults show as error texts and colours.
[[nodiscard]] MonitorReadout DecodeMonitorFrame(std::span<const std::uint8_t, FrameSize> frame,
                                                const MonitorInputs &inputs);

// Only the numbers: what logging and the advisor need, without any texts.
[[nodiscard]] MonitorNumbers DecodeMonitorNumbers(std::span<const std::uint8_t, FrameSize> frame);

}  // namespace korvane::link
