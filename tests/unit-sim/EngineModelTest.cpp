#include "EngineModel.h"
#include "SimTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace korvane::unitsim {
namespace {

using test::Word;

class EngineModelTest : public ::testing::Test {
protected:
    Memory m_memory = BuildDefaultMemory(HeaderInfo{});
};

TEST_F(EngineModelTest, SweepsStayWithinTheMapsAndReachBothEnds)
{
    const int axisLow = m_memory[Field::AdvRpm] * 100;
    const int limiter = m_memory[Field::IgnitionLimiter] * 100;
    int minRpm = 1 << 30, maxRpm = 0, minThrottle = 1000, maxThrottle = -1;
    for (std::uint64_t t = 0; t <= 2 * RpmSweepMs; t += 50) {
        const EngineState s = EngineAt(t, m_memory);
        minRpm = std::min<int>(minRpm, s.rpm);
        maxRpm = std::max<int>(maxRpm, s.rpm);
        minThrottle = std::min<int>(minThrottle, s.throttlePercent);
        maxThrottle = std::max<int>(maxThrottle, s.throttlePercent);
        ASSERT_LE(s.throttlePercent, 100);
        ASSERT_GE(s.iapPercent, 15);
        ASSERT_LE(s.iapPercent, 100);
        ASSERT_LT(s.mapRow, MapRows);
        ASSERT_LT(s.mapColumn, MapColumns);
        ASSERT_EQ(s.advance, m_memory[Field::AdvMap + s.mapRow * MapColumns + s.mapColumn]);
        // Sensor readings the tool shows as valid.
        ASSERT_GE(s.iapRaw, 105);
        ASSERT_LE(s.iapRaw, 1006);
        ASSERT_GE(s.manifoldRaw, 105);
        ASSERT_LE(s.manifoldRaw, 1006);
        ASSERT_GE(s.gear, 1);
        ASSERT_LE(s.gear, 6);
    }
    EXPECT_EQ(minRpm, axisLow);
    EXPECT_EQ(maxRpm, limiter);
    EXPECT_EQ(minThrottle, 0);
    EXPECT_EQ(maxThrottle, 100);
}

TEST_F(EngineModelTest, WarmsUpAndIsAFunctionOfTime)
{
    const EngineState cold = EngineAt(0, m_memory);
    const EngineState warm = EngineAt(WarmUpMs, m_memory);
    const EngineState later = EngineAt(10 * WarmUpMs, m_memory);
    EXPECT_EQ(cold.coolantC, 20);
    EXPECT_EQ(warm.coolantC, 90);
    EXPECT_EQ(later.coolantC, 90);
    EXPECT_GT(cold.coolantCorrection, 0);
    EXPECT_EQ(warm.coolantCorrection, 0);
    EXPECT_EQ(cold.startCorrection, 500);
    EXPECT_EQ(warm.startCorrection, 0);
    EXPECT_EQ(later.startTenths, 6000);

    const EngineState again = EngineAt(WarmUpMs, m_memory);
    EXPECT_EQ(again.rpm, warm.rpm);
    EXPECT_EQ(again.throttlePercent, warm.throttlePercent);
    EXPECT_EQ(again.injection14A, warm.injection14A);
}

TEST_F(EngineModelTest, MonitorFrameLaysOutTheValues)
{
    const EngineState s = EngineAt(33000, m_memory);
    UnitStatus status;
    status.programmingCount = 513;
    status.savingCountdown = 1103;
    const Frame f = BuildMonitorFrame(s, status);
    EXPECT_EQ(f[0], 0xB0);
    EXPECT_EQ(test::XorAll(f), 0);
    EXPECT_EQ(Word(f, Monitor::Rpm), s.rpm);
    EXPECT_EQ(Word(f, Monitor::ThrottleRaw), s.throttleRaw);
    EXPECT_EQ(Word(f, Monitor::Injection14A), s.injection14A);
    EXPECT_EQ(Word(f, Monitor::ProgrammingCount), 513);
    EXPECT_EQ(Word(f, Monitor::SavingCountdown), 1103);
    EXPECT_EQ(Word(f, Monitor::StartTenths), 330);
    EXPECT_EQ(Word(f, Monitor::VoltageCorrection), 1000);
    EXPECT_EQ(f[Monitor::ThrottlePercent], s.throttlePercent);
    EXPECT_EQ(f[Monitor::Coolant], s.coolantC + 100);
    EXPECT_EQ(f[Monitor::Gear], s.gear);
    EXPECT_EQ(f[Monitor::LayoutVersion], 0x23);
    // Battery: raw x 5000 / 1023 mV at the input, x 11 at the battery.
    const int batteryMv = Word(f, Monitor::BatteryRaw) * 5000 / 1023 * 11;
    EXPECT_GT(batteryMv, 13000);
    EXPECT_LT(batteryMv, 14000);
    // Throttle voltage lies between the calibrated 0 % and 100 % voltages.
    const int throttleMv = Word(f, Monitor::ThrottleRaw) * 5000 / 1023;
    EXPECT_GE(throttleMv, m_memory[Field::Tps0Voltage] * 10 - 5);
    EXPECT_LE(throttleMv, 2500 + m_memory[Field::Tps100Voltage] * 10);
    // Protections and errors are off.
    for (std::size_t flag : {55u, 56u, 57u, 58u, 59u, 60u, 64u, 66u, 70u}) {
        EXPECT_EQ(f[flag], 0) << "offset " << flag;
    }
}

}  // namespace
}  // namespace korvane::unitsim
