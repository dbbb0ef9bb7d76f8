#include "EngineModel.h"

#include <algorithm>
#include <array>

namespace korvane::unitsim {

namespace {

constexpr std::array<int, MapRows> ThrottleRows = {0, 2, 5, 10, 20, 30, 40, 60, 80, 100};

// 0 at the start of a period, 1000 at its middle, back to 0 at its end.
int Triangle(std::uint64_t t, std::uint64_t period)
{
    const std::uint64_t phase = t % period;
    const std::uint64_t half = period / 2;
    const std::uint64_t rising = phase < half ? phase : period - phase;
    return static_cast<int>(std::min<std::uint64_t>(rising * 1000 / half, 1000));
}

std::uint16_t RawFromMillivolts(int mv)
{
    return static_cast<std::uint16_t>(std::clamp(mv, 0, 5000) * 1023 / 5000);
}

// Last point of a rising axis (in 100 rpm) not above rpm; 0 below the first.
std::size_t AxisIndex(const Memory &memory, std::size_t axis, int rpm)
{
    std::size_t index = 0;
    for (std::size_t i = 0; i < CurvePoints; ++i) {
        if (memory[axis + i] * 100 <= rpm) {
            index = i;
        }
    }
    return index;
}

std::size_t RowIndex(int throttlePercent)
{
    std::size_t row = 0;
    for (std::size_t j = 0; j < MapRows; ++j) {
        if (ThrottleRows[j] <= throttlePercent) {
            row = j;
        }
    }
    return row;
}

std::uint8_t Cell(const Memory &memory, std::size_t map, std::size_t row, std::size_t column)
{
    return memory[map + row * MapColumns + column];
}

void Put16(Frame &frame, std::size_t offset, unsigned value)
{
    frame[offset] = static_cast<std::uint8_t>(value & 0xFFu);
    frame[offset + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFFu);
}

}  // namespace

EngineState EngineAt(std::uint64_t elapsedMs, const Memory &memory)
{
    EngineState s;
    const std::uint64_t t = elapsedMs;

    // Engine speed sweeps the advance axis, held below the ignition limiter.
    const int low = memory[Field::AdvRpm] * 100;
    int high = memory[Field::AdvRpm + CurvePoints - 1] * 100;
    const int limiter = memory[Field::IgnitionLimiter] * 100;
    if (limiter > low) {
        high = std::min(high, limiter);
    }
    high = std::max(high, low);
    s.rpm = static_cast<std::uint16_t>(low + (high - low) * Triangle(t, RpmSweepMs) / 1000);

    s.throttlePercent = static_cast<std::uint8_t>(Triangle(t, ThrottleSweepMs) / 10);
    s.iapPercent = static_cast<std::uint8_t>(15 + s.throttlePercent * 85 / 100);

    const std::size_t row = RowIndex(s.throttlePercent);
    const std::size_t column = AxisIndex(memory, Field::AdvRpm, s.rpm);
    s.mapRow = static_cast<std::uint8_t>(row);
    s.mapColumn = static_cast<std::uint8_t>(column);

    s.manifoldDeciKpa = static_cast<std::uint16_t>(1000 - (100 - s.iapPercent) * 6);
    s.manifoldRaw = static_cast<std::uint16_t>(120 + s.manifoldDeciKpa * 8 / 10);
    s.iapRaw = static_cast<std::uint16_t>(120 + s.iapPercent * 8);

    const int tps0 = memory[Field::Tps0Voltage] * 10;
    const int tps100 = 2500 + memory[Field::Tps100Voltage] * 10;
    s.throttleRaw = RawFromMillivolts(tps0 + (tps100 - tps0) * s.throttlePercent / 100);
    s.lambdaRaw = RawFromMillivolts(400 + 500 * Triangle(t, LambdaSweepMs) / 1000);

    s.coolantC = 20 + static_cast<int>(std::min<std::uint64_t>(t, WarmUpMs) * 70 / WarmUpMs);
    s.coolantRaw = RawFromMillivolts(4500 - 40 * s.coolantC);
    s.airC = 25 + static_cast<int>(std::min<std::uint64_t>(t, 2 * WarmUpMs) * 10 / (2 * WarmUpMs));
    s.airRaw = RawFromMillivolts(4500 - 40 * s.airC);

    s.injection14A = Cell(memory, Field::Jet14AMap, row, AxisIndex(memory, Field::Jet14ARpm, s.rpm));
    s.injection23A = Cell(memory, Field::Jet23AMap, row, AxisIndex(memory, Field::Jet23ARpm, s.rpm));
    s.injection14B = Cell(memory, Field::JetBMap, row, AxisIndex(memory, Field::JetBRpm, s.rpm));
    s.injection23B = s.injection14B;
    s.advance = Cell(memory, Field::AdvMap, row, column);

    s.servoDesiredMv = static_cast<std::uint16_t>(memory[Field::ServoVolt + AxisIndex(memory, Field::ServoRpm, s.rpm)] * 20);
    // The measured position trails the desired one by a little.
    s.servoMeasuredMv = static_cast<std::uint16_t>(std::max(0, s.servoDesiredMv - 10 * static_cast<int>((t / 500) % 3)));
    s.positionA = static_cast<std::uint16_t>(memory[Field::PosAValue + AxisIndex(memory, Field::PosARpm, s.rpm)] * 5);
    s.positionB = static_cast<std::uint16_t>(memory[Field::PosBValue + AxisIndex(memory, Field::PosBRpm, s.rpm)] * 5);

    s.coolantCorrection = static_cast<std::uint16_t>(s.coolantC < 90 ? (90 - s.coolantC) * 3 : 0);
    const std::uint64_t startFade = t / 40;
    s.startCorrection = static_cast<std::uint16_t>(startFade < 500 ? 500 - startFade : 0);
    s.startTenths = static_cast<std::uint16_t>(std::min<std::uint64_t>(t / 100, 0xFFFF));
    s.gear = static_cast<std::uint8_t>(1 + (t / GearStepMs) % 6);
    s.test1 = s.startTenths;
    return s;
}

Frame BuildMonitorFrame(const EngineState &engine, const UnitStatus &status)
{
    Frame frame{};
    frame[0] = MonitorAnswer;
    Put16(frame, Monitor::Rpm, engine.rpm);
    Put16(frame, Monitor::ManifoldRaw, engine.manifoldRaw);
    Put16(frame, Monitor::ManifoldDeciKpa, engine.manifoldDeciKpa);
    Put16(frame, Monitor::IapRaw, engine.iapRaw);
    Put16(frame, Monitor::ThrottleRaw, engine.throttleRaw);
    Put16(frame, Monitor::LambdaRaw, engine.lambdaRaw);
    Put16(frame, Monitor::CoolantRaw, engine.coolantRaw);
    Put16(frame, Monitor::AirRaw, engine.airRaw);
    Put16(frame, Monitor::BatteryRaw, engine.batteryRaw);
    Put16(frame, Monitor::Injection14A, engine.injection14A);
    Put16(frame, Monitor::Injection23A, engine.injection23A);
    Put16(frame, Monitor::Injection14B, engine.injection14B);
    Put16(frame, Monitor::Injection23B, engine.injection23B);
    Put16(frame, Monitor::ServoMeasured, engine.servoMeasuredMv);
    Put16(frame, Monitor::ServoDesired, engine.servoDesiredMv);
    Put16(frame, Monitor::ProgrammingCount, status.programmingCount);
    Put16(frame, Monitor::Test1, engine.test1);
    Put16(frame, Monitor::Test1 + 2, engine.mapColumn);
    Put16(frame, Monitor::Test1 + 4, engine.mapRow);
    Put16(frame, Monitor::StartTenths, engine.startTenths);
    frame[Monitor::ThrottlePercent] = engine.throttlePercent;
    frame[Monitor::IapPercent] = engine.iapPercent;
    frame[Monitor::Coolant] = static_cast<std::uint8_t>(engine.coolantC + 100);
    frame[Monitor::Air] = static_cast<std::uint8_t>(engine.airC + 100);
    frame[Monitor::MapMarkerOff] = 0;
    frame[Monitor::ThrottleMapsInUse] = 1;
    frame[Monitor::ServoInOrder] = status.servoEnabled ? 1 : 0;
    frame[Monitor::TachoMode] = 1;
    Put16(frame, Monitor::Advance, engine.advance);
    Put16(frame, Monitor::PositionA, engine.positionA);
    Put16(frame, Monitor::PositionB, engine.positionB);
    Put16(frame, Monitor::CoolantCorrection, engine.coolantCorrection);
    Put16(frame, Monitor::AirCorrection, 0);
    Put16(frame, Monitor::ManifoldCorrection, 0);
    Put16(frame, Monitor::StartCorrection, engine.startCorrection);
    Put16(frame, Monitor::VoltageCorrection, 1000);
    Put16(frame, Monitor::SavingCountdown, status.savingCountdown);
    frame[Monitor::Gear] = engine.gear;
    frame[Monitor::LayoutVersion] = status.layoutVersion;
    SealFrame(frame);
    return frame;
}

}  // namespace korvane::unitsim
