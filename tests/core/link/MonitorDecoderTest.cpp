#include "link/MonitorDecoder.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace korvane::link {
namespace {

// A healthy engine at idle; tests change single fields.
class FrameBuilder {
public:
    FrameBuilder()
    {
        m_frame.fill(0);
        m_frame[0] = MonitorByte;
        U16(1, 1200);     // rpm
        U16(3, 500);      // manifold pressure raw
        U16(5, 1013);     // manifold pressure, 0.1 kPa
        U16(7, 500);      // IAP raw
        U16(9, 500);      // throttle raw
        U16(17, 250);     // supply raw
        U16(93, 1000);    // no voltage correction
        U8(51, 40);       // throttle %
        U8(52, 40);       // IAP %
        U8(53, 180);      // coolant 80 C
        U8(54, 120);      // air 20 C
        U8(63, 1);        // servo in order
        U8(65, 1);        // tacho output
        U8(100, 0x23);
    }
    FrameBuilder &U8(std::size_t offset, std::uint8_t value)
    {
        m_frame[offset] = value;
        return *this;
    }
    FrameBuilder &U16(std::size_t offset, std::uint16_t value)
    {
        m_frame[offset] = static_cast<std::uint8_t>(value & 0xFF);
        m_frame[offset + 1] = static_cast<std::uint8_t>(value >> 8);
        return *this;
    }
    [[nodiscard]] const MonitorFrame &Frame() const { return m_frame; }

private:
    MonitorFrame m_frame{};
};

MonitorReadout Decode(const FrameBuilder &builder, MonitorInputs inputs = {})
{
    return DecodeMonitorFrame(builder.Frame(), inputs);
}

MonitorInputs Extended()
{
    MonitorInputs inputs;
    inputs.extendedMonitor = true;
    return inputs;
}

TEST(MonitorDecoderTest, IntakePressureValidFrom105To1006)
{
    // Raw 104 and 1007 are 508 mV and 4921 mV.
    for (std::uint16_t raw : {104, 1007}) {
        const auto plain = Decode(FrameBuilder().U16(7, raw));
        EXPECT_EQ(plain.iap.text, "IAP= error") << raw;
        EXPECT_EQ(plain.iap.colour, Colour::Red) << raw;
    }
    EXPECT_EQ(Decode(FrameBuilder().U16(7, 104), Extended()).iap.text, "IAP= error = 508 [mV]");
    EXPECT_EQ(Decode(FrameBuilder().U16(7, 1007), Extended()).iap.text, "IAP= error = 4921 [mV]");

    for (std::uint16_t raw : {105, 1006}) {
        const auto plain = Decode(FrameBuilder().U16(7, raw));
        EXPECT_EQ(plain.iap.text, "IAP= 40 [%]") << raw;
        EXPECT_EQ(plain.iap.colour, Colour::Normal) << raw;
    }
    EXPECT_EQ(Decode(FrameBuilder().U16(7, 105), Extended()).iap.text, "IAP= 40 [%] = 513 [mV]");
}

TEST(MonitorDecoderTest, ThrottleAbove100PercentIsASensorError)
{
    const auto valid = Decode(FrameBuilder().U8(51, 100));
    EXPECT_EQ(valid.tps.text, "TP= 100 %");
    EXPECT_EQ(valid.tps.colour, Colour::Normal);
    EXPECT_EQ(valid.tpsGauge.progress, 100);
    EXPECT_EQ(valid.values.throttleMv, 2443);
    EXPECT_EQ(Decode(FrameBuilder().U8(51, 100), Extended()).tps.text, "TP= 100 %=2443 mV");

    const auto error = Decode(FrameBuilder().U8(51, 101));
    EXPECT_EQ(error.tps.text, "TP=error=2443 mV");
    EXPECT_EQ(error.tps.colour, Colour::Red);
    EXPECT_EQ(error.tpsGauge.progress, 0);
    EXPECT_EQ(error.values.throttlePercent, 101);
}

TEST(MonitorDecoderTest, CoolantErrorAndHotBands)
{
    const auto error = Decode(FrameBuilder().U8(53, 0).U16(13, 10));
    EXPECT_EQ(error.coolant.text, "TW= error");
    EXPECT_EQ(error.coolant.colour, Colour::Red);
    EXPECT_EQ(error.coolantGauge.colour, Colour::Red);
    EXPECT_EQ(error.coolantGauge.progress, 80);
    EXPECT_EQ(error.values.coolantTemp, 180);
    EXPECT_EQ(Decode(FrameBuilder().U8(53, 0).U16(13, 10), Extended()).coolant.text, "TW= error = 48 mV");

    const auto warm = Decode(FrameBuilder().U8(53, 199));
    EXPECT_EQ(warm.coolant.text, "TW= 99 °C");
    EXPECT_EQ(warm.coolant.colour, Colour::Normal);
    EXPECT_EQ(warm.coolantGauge.colour, Colour::Aqua);
    EXPECT_EQ(warm.coolantGauge.progress, 99);

    const auto hot = Decode(FrameBuilder().U8(53, 200).U16(13, 10), Extended());
    EXPECT_EQ(hot.coolant.text, "TW= 100 °C= 48 mV");
    EXPECT_EQ(hot.coolant.colour, Colour::Yellow);
    EXPECT_EQ(hot.coolantGauge.colour, Colour::Yellow);
    EXPECT_EQ(hot.values.coolantTemp, 200);

    // Below 0 C the gauge bottoms out instead of going negative.
    EXPECT_EQ(Decode(FrameBuilder().U8(53, 90)).coolantGauge.progress, 0);
}

TEST(MonitorDecoderTest, AirSensorErrorShows50Degrees)
{
    const auto error = Decode(FrameBuilder().U8(54, 0).U16(15, 20), Extended());
    EXPECT_EQ(error.air.text, "AT= 50 °C= 97 mV");
    EXPECT_EQ(error.air.colour, Colour::Red);
    EXPECT_EQ(error.values.airTemp, 0);
    EXPECT_EQ(Decode(FrameBuilder().U8(54, 75)).air.text, "AT= -25 °C");
}

TEST(MonitorDecoderTest, SupplyVoltageColourBands)
{
    const struct {
        std::uint16_t raw;
        Colour colour;
    } bands[] = {{0, Colour::Red},      {130, Colour::Red},    {131, Colour::Yellow},
                 {204, Colour::Yellow}, {205, Colour::Normal}, {279, Colour::Normal},
                 {280, Colour::Yellow}, {334, Colour::Yellow}, {335, Colour::Red}};
    for (const auto &band : bands) {
        EXPECT_EQ(Decode(FrameBuilder().U16(17, band.raw)).voltage.colour, band.colour) << band.raw;
    }
    EXPECT_EQ(Decode(FrameBuilder().U16(17, 205)).voltage.text, "U= 11.0 V");
    EXPECT_EQ(Decode(FrameBuilder().U16(17, 10)).voltage.text, "U=  0.5 V");
}

TEST(MonitorDecoderTest, LambdaGaugeSpans400To1000Millivolts)
{
    // Raw 82 = 400 mV, 84 = 410 mV, 204 = 997 mV, 205 = 1001 mV.
    EXPECT_EQ(Decode(FrameBuilder().U16(11, 81)).lambdaGauge.progress, 0);
    EXPECT_EQ(Decode(FrameBuilder().U16(11, 82)).lambdaGauge.progress, 0);
    EXPECT_EQ(Decode(FrameBuilder().U16(11, 84)).lambdaGauge.progress, 1);
    EXPECT_EQ(Decode(FrameBuilder().U16(11, 204)).lambdaGauge.progress, 99);
    EXPECT_EQ(Decode(FrameBuilder().U16(11, 205)).lambdaGauge.progress, 100);
    const auto lambda = Decode(FrameBuilder().U16(11, 82));
    EXPECT_EQ(lambda.lambda.text, "LAMBDA= 400 mV");
    EXPECT_EQ(lambda.values.lambdaMv, 400);
}

TEST(MonitorDecoderTest, AdvanceZeroIsBaseAdvance)
{
    EXPECT_EQ(Decode(FrameBuilder().U16(71, 0)).advance.text, "Advance= BASE");
    EXPECT_EQ(Decode(FrameBuilder().U16(71, 5)).advance.text, "Advance= 5 °");
    EXPECT_EQ(Decode(FrameBuilder().U16(71, 35)).advance.text, "Advance= 35 °");
}

TEST(MonitorDecoderTest, InjectionTimesAndDutyOfTheLongestInjector)
{
    const auto readout =
        Decode(FrameBuilder().U16(1, 6000).U16(19, 10).U16(21, 20).U16(23, 30).U16(25, 1000));
    EXPECT_EQ(readout.jet14A.text, "Injection time 14A= 300 us");
    EXPECT_EQ(readout.jet23A.text, "Injection time 23A= 600 us");
    EXPECT_EQ(readout.jet14B.text, "Injection time 14B= 900 us");
    EXPECT_EQ(readout.jet23B.text, "Injection time 23B= 30000 us");
    EXPECT_EQ(readout.maxInjection.text, "Max injection = 150 [%]");
    EXPECT_EQ(readout.dutyGauge.colour, Colour::Yellow);
    EXPECT_EQ(readout.dutyGauge.progress, 100);

    const auto full = Decode(FrameBuilder().U16(1, 4000).U16(19, 1000));
    EXPECT_EQ(full.maxInjection.text, "Max injection = 100 [%]");
    EXPECT_EQ(full.dutyGauge.colour, Colour::Blue);
}

TEST(MonitorDecoderTest, ExtremeValuesDoNotOverflow)
{
    FrameBuilder builder;
    for (std::size_t offset = 1; offset < FrameSize; ++offset) {
        builder.U8(offset, 0xFF);
    }
    const auto readout = Decode(builder, Extended());
    // 65535 rpm x 65535 exceeds 32 bits.
    EXPECT_EQ(readout.maxInjection.text, "Max injection = 107370 [%]");
    EXPECT_EQ(readout.dutyGauge.progress, 100);
    EXPECT_EQ(readout.manifoldPressure.text, "AP= 6553.5 kPa= 320307 mV");
    EXPECT_EQ(readout.corrVoltage.text, "U correction= 64535 us");
    EXPECT_EQ(readout.voltage.colour, Colour::Red);
    EXPECT_TRUE(readout.versionMismatch);
}

TEST(MonitorDecoderTest, CorrectionsAndTestLabelsKeepTheirBlanks)
{
    const auto readout = Decode(FrameBuilder()
                                    .U16(85, 123)
                                    .U16(87, 50)
                                    .U16(89, 1000)
                                    .U16(91, 0)
                                    .U16(93, 950)
                                    .U16(33 + 4, 3)
                                    .U16(33 + 6, 4)
                                    .U16(33 + 14, 8));
    EXPECT_EQ(readout.corrCoolant.text, "TW correction= 12.3 %");
    EXPECT_EQ(readout.corrAir.text, "AT correction= 5.0 %");
    EXPECT_EQ(readout.corrPressure.text, "AP correction= 100.0 %");
    EXPECT_EQ(readout.corrStart.text, "Starting corr.=  0.0 %");
    EXPECT_EQ(readout.corrVoltage.text, "U correction= -50 us");
    EXPECT_EQ(readout.test[0].text, "Test1= 0");
    EXPECT_EQ(readout.test[2].text, "Test3= 3 ");
    EXPECT_EQ(readout.test[3].text, "Test4=4");
    EXPECT_EQ(readout.test[7].text, "Test8= 8");
}

TEST(MonitorDecoderTest, ExtendedAddsSensorVoltages)
{
    const auto plain = Decode(FrameBuilder());
    const auto extended = Decode(FrameBuilder(), Extended());
    EXPECT_EQ(plain.manifoldPressure.text, "AP= 101.3 kPa");
    EXPECT_EQ(extended.manifoldPressure.text, "AP= 101.3 kPa= 2443 mV");
    EXPECT_EQ(plain.tps.text, "TP= 40 %");
    EXPECT_EQ(extended.tps.text, "TP= 40 %=2443 mV");
    EXPECT_EQ(plain.coolant.text, "TW= 80 °C");
    EXPECT_EQ(extended.coolant.text, "TW= 80 °C= 0 mV");
    EXPECT_EQ(plain.air.text, "AT= 20 °C");
    EXPECT_EQ(plain.manifoldPressure.colour, Colour::Normal);
    EXPECT_EQ(Decode(FrameBuilder().U16(3, 1007)).manifoldPressure.colour, Colour::Red);
}

TEST(MonitorDecoderTest, StatusWordsAndColours)
{
    const auto idle = Decode(FrameBuilder());
    EXPECT_EQ(idle.fallSensor.text, "Fall sensor = NO");
    EXPECT_EQ(idle.blocking.text, "Blocking = NO");
    EXPECT_EQ(idle.startLimiter.text, "Start limiter = NO");
    EXPECT_EQ(idle.tachoLambda.text, "Tacho/Lambda= Tacho");
    EXPECT_EQ(idle.tachoLambda.colour, Colour::Normal);
    EXPECT_EQ(idle.rpm.colour, Colour::Normal);

    const auto active = Decode(
        FrameBuilder().U8(58, 1).U8(59, 2).U8(64, 3).U8(55, 4).U8(65, 0).U8(70, 5).U8(66, 6).U8(56, 1));
    EXPECT_EQ(active.fallSensor.colour, Colour::Red);
    EXPECT_EQ(active.blocking.colour, Colour::Red);
    EXPECT_EQ(active.clutch.text, "Clutch master = YES");
    EXPECT_EQ(active.clutch.colour, Colour::Lime);
    EXPECT_EQ(active.startLimiter.colour, Colour::White);
    EXPECT_EQ(active.tachoLambda.text, "Tacho/Lambda= Lambda");
    EXPECT_EQ(active.tachoLambda.colour, Colour::Fuchsia);
    EXPECT_EQ(active.cooling.text, "Cooling = YES");
    EXPECT_EQ(active.cooling.colour, Colour::White);
    EXPECT_EQ(active.n2o.text, "N2O = YES");
    EXPECT_EQ(active.n2o.colour, Colour::Lime);
    EXPECT_EQ(active.rpm.colour, Colour::Fuchsia);
    EXPECT_EQ(Decode(FrameBuilder().U8(56, 1).U8(57, 1)).rpm.colour, Colour::Red);

    MonitorInputs n2oOn;
    n2oOn.n2oEnabled = true;
    EXPECT_TRUE(Decode(FrameBuilder(), n2oOn).n2oVisible);
    EXPECT_FALSE(idle.n2oVisible);
}

TEST(MonitorDecoderTest, ServoRedOnlyWhenEnabledAndFaulty)
{
    MonitorInputs servoOn;
    servoOn.servoEnable = 1;
    const auto fault = Decode(FrameBuilder().U8(63, 0).U16(27, 1500).U16(29, 1600), servoOn);
    EXPECT_EQ(fault.servoMeasured.text, "Servo measured= 1500 mV");
    EXPECT_EQ(fault.servoDesired.text, "Servo desired= 1600 mV");
    EXPECT_EQ(fault.servoMeasured.colour, Colour::Red);
    EXPECT_EQ(fault.servoDesired.colour, Colour::Red);
    EXPECT_EQ(Decode(FrameBuilder().U8(63, 0)).servoDesired.colour, Colour::Normal);
    EXPECT_EQ(Decode(FrameBuilder(), servoOn).servoDesired.colour, Colour::Normal);
}

TEST(MonitorDecoderTest, GermanUsesTranslatedPrefixesAndWords)
{
    MonitorInputs german;
    german.language = 1;
    const auto readout =
        Decode(FrameBuilder().U8(58, 1).U8(55, 1).U8(97, 3).U16(19, 2).U8(100, 0x22), german);
    EXPECT_EQ(readout.advance.text, "Vorzündung= BASE");
    EXPECT_EQ(readout.jet14A.text, "Einspritzzeit 14A= 60 us");
    EXPECT_EQ(readout.maxInjection.text, "Max.Einspritz = 0 [%]");
    EXPECT_EQ(readout.positionA.text, "Lage A= 0 °");
    EXPECT_EQ(readout.fallSensor.text, "Fallsensor = JA");
    EXPECT_EQ(readout.blocking.text, "Blockierung = NEIN");
    EXPECT_EQ(readout.startLimiter.text, "Start Begrenzer = JA");
    EXPECT_EQ(readout.cooling.text, "Kühlung = NEIN");
    EXPECT_EQ(readout.gear.text, "Übersetzung= 3 ");
    EXPECT_EQ(readout.clutch.text, "Clutch master = NEIN");
    EXPECT_EQ(readout.version.text, "Programm der Zündung ist nicht kompatibel mit dem Programm am PC!");
    EXPECT_EQ(readout.version.colour, Colour::Red);
}

TEST(MonitorDecoderTest, VersionMatchNamesTheUnitOnWhite)
{
    const std::tuple<std::uint8_t, std::string, std::string> cases[] = {
        {0, "UNT42", "Unit: UNT42, layout 35"},
        {1, "UNT42", "Steuergerät: UNT42, Parameterversion 35"},
        {2, "UNT42", "Boîtier : UNT42, version des paramètres 35"},
        {3, "UNT42", "Jednotka: UNT42, verze parametrů 35"},
        {0, "", "Unit: layout 35"},  // no header read yet
        {0, std::string(" Race\tMap 2\0\x7f ", 14), "Unit: RaceMap 2, layout 35"},  // raw header bytes
    };
    MonitorInputs inputs;
    for (const auto &[language, firmware, shown] : cases) {
        inputs.language = language;
        inputs.unitFirmware = firmware;
        const auto match = Decode(FrameBuilder(), inputs);
        EXPECT_EQ(match.version.colour, Colour::White);
        EXPECT_EQ(match.version.text, shown);
    }
    const auto mismatch = Decode(FrameBuilder().U8(100, 0x24), inputs);
    EXPECT_TRUE(mismatch.versionMismatch);
    EXPECT_EQ(mismatch.version.colour, Colour::Red);
    EXPECT_EQ(mismatch.version.text, "Unmatched version of PC and Ignition programs!");
}

TEST(MonitorDecoderTest, SpeedGaugeNeedsAnIgnitionLimiter)
{
    const FrameBuilder builder = FrameBuilder().U16(1, 6000);
    const auto noLimiter = Decode(builder);
    EXPECT_FALSE(noLimiter.rpmGauge.progress.has_value());
    EXPECT_EQ(noLimiter.rpm.text, "RPM = 6000 ");

    MonitorInputs limiter;
    limiter.ignitionLimiter = 100;
    EXPECT_EQ(Decode(builder, limiter).rpmGauge.progress, 60);
    limiter.ignitionLimiter = 40;
    EXPECT_EQ(Decode(builder, limiter).rpmGauge.progress, 100);
}

TEST(MonitorDecoderTest, StoresValuesForOtherUsers)
{
    const auto readout = Decode(FrameBuilder()
                                    .U16(1, 0x1234)
                                    .U16(49, 77)
                                    .U16(95, 1103)
                                    .U8(52, 66)
                                    .U8(60, 1)
                                    .U8(61, 2)
                                    .U16(31, 12));
    EXPECT_EQ(readout.values.rpm, 0x1234);
    EXPECT_EQ(readout.values.startTimeCounter, 77);
    EXPECT_EQ(readout.values.savingCountdown, 1103);
    EXPECT_EQ(readout.values.iapPercent, 66);
    EXPECT_EQ(readout.values.coolantTemp, 180);
    EXPECT_EQ(readout.values.airTemp, 120);
    EXPECT_EQ(readout.values.mapMarkerOff, 1);
    EXPECT_EQ(readout.values.throttleMapsInUse, 2);
    EXPECT_EQ(readout.programCount.text, "Number of Programing= 12");
}

}  // namespace
}  // namespace korvane::link
