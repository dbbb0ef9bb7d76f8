#include "link/MonitorDecoder.h"

#include "lang/Texts.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <string>
#include <string_view>

namespace korvane::link {

namespace {

using lang::TextId;

// Frame offsets of the live-data frame.
namespace at {
constexpr std::size_t Rpm = 1;
constexpr std::size_t PressureRaw = 3;
constexpr std::size_t Pressure = 5;
constexpr std::size_t IapRaw = 7;
constexpr std::size_t ThrottleRaw = 9;
constexpr std::size_t LambdaRaw = 11;
constexpr std::size_t CoolantRaw = 13;
constexpr std::size_t AirRaw = 15;
constexpr std::size_t SupplyRaw = 17;
constexpr std::size_t Jet14A = 19;
constexpr std::size_t ServoMeasured = 27;
constexpr std::size_t ServoDesired = 29;
constexpr std::size_t ProgramCount = 31;
constexpr std::size_t Test1 = 33;
constexpr std::size_t StartTimeCounter = 49;
constexpr std::size_t ThrottlePercent = 51;
constexpr std::size_t IapPercent = 52;
constexpr std::size_t CoolantTemp = 53;
constexpr std::size_t AirTemp = 54;
constexpr std::size_t StartLimiterActive = 55;
constexpr std::size_t SpeedFlag1 = 56;
constexpr std::size_t SpeedFlag2 = 57;
constexpr std::size_t FallSensorActive = 58;
constexpr std::size_t BlockingActive = 59;
constexpr std::size_t MapMarkerOff = 60;
constexpr std::size_t ThrottleMapsInUse = 61;
constexpr std::size_t ServoInOrder = 63;
constexpr std::size_t ClutchActive = 64;
constexpr std::size_t TachoMode = 65;
constexpr std::size_t N2oActive = 66;
constexpr std::size_t CoolingActive = 70;
constexpr std::size_t Advance = 71;
constexpr std::size_t PositionA = 81;
constexpr std::size_t PositionB = 83;
constexpr std::size_t CorrCoolant = 85;
constexpr std::size_t CorrAir = 87;
constexpr std::size_t CorrPressure = 89;
constexpr std::size_t CorrStart = 91;
constexpr std::size_t CorrVoltage = 93;
constexpr std::size_t SavingCountdown = 95;
constexpr std::size_t Gear = 97;
constexpr std::size_t LayoutVersion = 100;
}  // namespace at

constexpr std::uint8_t MatchingLayout = 0x23;

// Sensor raw counts outside this window mean a broken pressure sensor.
constexpr int PressureRawMin = 105;
constexpr int PressureRawMax = 1006;

using Frame = std::span<const std::uint8_t, FrameSize>;

std::uint16_t U16(Frame frame, std::size_t offset)
{
    return static_cast<std::uint16_t>(frame[offset] | (frame[offset + 1] << 8));
}

// 10-bit converter count to millivolts, truncated.
int Millivolts(std::uint16_t raw)
{
    return static_cast<int>(raw) * 5000 / 1023;
}

__attribute__((format(printf, 1, 2))) std::string Format(const char *format, ...)
{
    char buffer[256];
    std::va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (length < 0) {
        return {};
    }
    if (static_cast<std::size_t>(length) < sizeof buffer) {
        return std::string(buffer, static_cast<std::size_t>(length));
    }
    // Long translated prefixes: format again into a buffer of the right size.
    std::string text(static_cast<std::size_t>(length), '\0');
    va_start(args, format);
    std::vsnprintf(text.data(), text.size() + 1, format, args);
    va_end(args);
    return text;
}

int ClampPercent(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, 0, 100));
}

struct Words {
    std::uint8_t language;
    std::string yes = lang::MessageText(TextId::Yes, language);
    std::string no = lang::MessageText(TextId::No, language);

    [[nodiscard]] std::string operator()(TextId id) const { return lang::MessageText(id, language); }
    [[nodiscard]] const std::string &YesNo(std::uint8_t flag) const { return flag != 0 ? yes : no; }
};

void DecodeEngine(Frame frame, const MonitorInputs &inputs, const Words &words, MonitorReadout &out)
{
    const bool extended = inputs.extendedMonitor;
    MonitorValues &values = out.values;

    values.rpm = U16(frame, at::Rpm);
    out.rpm.text = Format("RPM = %d ", values.rpm);
    const bool flag1 = frame[at::SpeedFlag1] != 0;
    const bool flag2 = frame[at::SpeedFlag2] != 0;
    out.rpm.colour = flag1 && flag2 ? Colour::Red : (flag1 || flag2 ? Colour::Fuchsia : Colour::Normal);
    out.rpmGauge.colour = Colour::Fuchsia;
    if (inputs.ignitionLimiter != 0) {
        out.rpmGauge.progress = ClampPercent(values.rpm / inputs.ignitionLimiter);
    }

    const std::uint16_t iapRaw = U16(frame, at::IapRaw);
    const int iapMv = Millivolts(iapRaw);
    if (iapRaw < PressureRawMin || iapRaw > PressureRawMax) {
        out.iap.colour = Colour::Red;
        out.iap.text = extended ? Format("IAP= error = %d [mV]", iapMv) : std::string("IAP= error");
    } else {
        out.iap.colour = Colour::Normal;
        out.iap.text = extended ? Format("IAP= %d [%%] = %d [mV]", values.iapPercent, iapMv)
                                : Format("IAP= %d [%%]", values.iapPercent);
    }

    const int lambdaMv = Millivolts(U16(frame, at::LambdaRaw));
    values.lambdaMv = static_cast<std::uint16_t>(lambdaMv);
    out.lambda.text = Format("LAMBDA= %d mV", lambdaMv);
    out.lambdaGauge.colour = Colour::Black;
    out.lambdaGauge.progress = lambdaMv < 400 ? 0 : (lambdaMv > 1000 ? 100 : (lambdaMv - 400) / 6);

    const int throttleMv = Millivolts(U16(frame, at::ThrottleRaw));
    values.throttleMv = static_cast<std::uint16_t>(throttleMv);
    out.tpsGauge.colour = Colour::Desktop;
    if (values.throttlePercent > 100) {
        out.tps.text = Format("TP=error=%d mV", throttleMv);
        out.tps.colour = Colour::Red;
        out.tpsGauge.progress = 0;
    } else {
        out.tps.text = extended ? Format("TP= %d %%=%d mV", values.throttlePercent, throttleMv)
                                : Format("TP= %d %%", values.throttlePercent);
        out.tps.colour = Colour::Normal;
        out.tpsGauge.progress = values.throttlePercent;
    }

    const std::string advance = words(TextId::Advance);
    const std::uint16_t degrees = U16(frame, at::Advance);
    out.advance.text = degrees != 0 ? Format("%s=% 2d °", advance.c_str(), degrees)
                                    : Format("%s= BASE", advance.c_str());
}

void DecodeInjection(Frame frame, const Words &words, MonitorReadout &out)
{
    const std::string prefix = words(TextId::InjectionTime);
    LabelView *labels[] = {&out.jet14A, &out.jet23A, &out.jet14B, &out.jet23B};
    const char *groups[] = {"14A", "23A", "14B", "23B"};
    std::uint16_t longest = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::uint16_t raw = U16(frame, at::Jet14A + 2 * i);
        longest = std::max(longest, raw);
        labels[i]->text = Format("%s %s= %d us", prefix.c_str(), groups[i], raw * 30);
    }

    // Per cent of one engine cycle (two revolutions) that the longest injector is open;
    // 64-bit because rpm times injection time overflows 32 bits for absurd frames.
    const long long duty = static_cast<long long>(out.values.rpm) * longest / 40000;
    out.maxInjection.text = words(TextId::MaxInjection) + " = " + std::to_string(duty) + " [%]";
    out.dutyGauge.colour = duty > 100 ? Colour::Yellow : Colour::Blue;
    out.dutyGauge.progress = ClampPercent(duty);

    const std::string position = words(TextId::Position);
    out.positionA.text = Format("%s A= %d °", position.c_str(), U16(frame, at::PositionA));
    out.positionB.text = Format("%s B= %d °", position.c_str(), U16(frame, at::PositionB));
}

void DecodeSensors(Frame frame, const MonitorInputs &inputs, const Words &words, MonitorReadout &out)
{
    const bool extended = inputs.extendedMonitor;
    MonitorValues &values = out.values;

    const float pressure = static_cast<float>(U16(frame, at::Pressure)) * 0.1f;
    const std::uint16_t pressureRaw = U16(frame, at::PressureRaw);
    const int pressureMv = Millivolts(pressureRaw);
    out.manifoldPressure.colour =
        pressureRaw < PressureRawMin || pressureRaw > PressureRawMax ? Colour::Red : Colour::Normal;
    out.manifoldPressure.text = extended ? Format("AP= %4.1f kPa= %d mV", static_cast<double>(pressure), pressureMv)
                                         : Format("AP= %4.1f kPa", static_cast<double>(pressure));

    const int coolant = frame[at::CoolantTemp];
    const int coolantMv = Millivolts(U16(frame, at::CoolantRaw));
    if (coolant == 0) {
        // A broken sensor still needs a plausible temperature for the map marker.
        values.coolantTemp = 180;
        out.coolant.colour = Colour::Red;
        out.coolantGauge.colour = Colour::Red;
        out.coolant.text = extended ? Format("TW= error = %d mV", coolantMv) : std::string("TW= error");
    } else {
        const bool hot = coolant >= 200;
        out.coolant.colour = hot ? Colour::Yellow : Colour::Normal;
        out.coolantGauge.colour = hot ? Colour::Yellow : Colour::Aqua;
        out.coolant.text = extended ? Format("TW= %d °C= %d mV", coolant - 100, coolantMv)
                                    : Format("TW= %d °C", coolant - 100);
    }
    out.coolantGauge.progress = ClampPercent(values.coolantTemp - 100);

    const int air = frame[at::AirTemp];
    const int airShown = air == 0 ? 50 : air - 100;
    const int airMv = Millivolts(U16(frame, at::AirRaw));
    out.air.colour = air == 0 ? Colour::Red : Colour::Normal;
    out.air.text = extended ? Format("AT= %d °C= %d mV", airShown, airMv) : Format("AT= %d °C", airShown);

    const int battery = Millivolts(U16(frame, at::SupplyRaw)) * 11;
    out.voltage.text = Format("U= %4.1f V", static_cast<double>(static_cast<float>(battery) * 0.001f));
    if (battery >= 17999 || battery <= 7000) {
        out.voltage.colour = Colour::Red;
    } else if (battery >= 14999 || battery <= 11000) {
        out.voltage.colour = Colour::Yellow;
    } else {
        out.voltage.colour = Colour::Normal;
    }

    out.servoDesired.text = Format("%s= %d mV", words(TextId::ServoDesired).c_str(), U16(frame, at::ServoDesired));
    out.servoMeasured.text =
        Format("%s= %d mV", words(TextId::ServoMeasured).c_str(), U16(frame, at::ServoMeasured));
    const Colour servo = frame[at::ServoInOrder] == 0 && inputs.servoEnable != 0 ? Colour::Red : Colour::Normal;
    out.servoDesired.colour = servo;
    out.servoMeasured.colour = servo;
}

void DecodeStatus(Frame frame, const MonitorInputs &inputs, const Words &words, MonitorReadout &out)
{
    auto colourOf = [](std::uint8_t flag, Colour active) { return flag != 0 ? active : Colour::Normal; };

    const std::uint8_t fall = frame[at::FallSensorActive];
    out.fallSensor.text = Format("%s = %s", words(TextId::FallSensor).c_str(), words.YesNo(fall).c_str());
    out.fallSensor.colour = colourOf(fall, Colour::Red);

    const std::uint8_t blocking = frame[at::BlockingActive];
    out.blocking.text = words(TextId::Blocking) + words.YesNo(blocking);
    out.blocking.colour = colourOf(blocking, Colour::Red);

    const std::uint8_t clutch = frame[at::ClutchActive];
    out.clutch.text = Format("Clutch master = %s", words.YesNo(clutch).c_str());
    out.clutch.colour = colourOf(clutch, Colour::Lime);

    const std::uint8_t limiter = frame[at::StartLimiterActive];
    out.startLimiter.text = words(TextId::StartLimiter) + words.YesNo(limiter);
    out.startLimiter.colour = colourOf(limiter, Colour::White);

    const bool tacho = frame[at::TachoMode] != 0;
    out.tachoLambda.text = tacho ? "Tacho/Lambda= Tacho" : "Tacho/Lambda= Lambda";
    out.tachoLambda.colour = tacho ? Colour::Normal : Colour::Fuchsia;

    const std::uint8_t cooling = frame[at::CoolingActive];
    out.cooling.text = Format("%s = %s", words(TextId::Cooling).c_str(), words.YesNo(cooling).c_str());
    out.cooling.colour = colourOf(cooling, Colour::White);

    out.n2oVisible = inputs.n2oEnabled;
    const std::uint8_t n2o = frame[at::N2oActive];
    out.n2o.text = Format("N2O = %s", words.YesNo(n2o).c_str());
    out.n2o.colour = colourOf(n2o, Colour::Lime);

    out.values.mapMarkerOff = frame[at::MapMarkerOff];
    out.values.throttleMapsInUse = frame[at::ThrottleMapsInUse];
}

// The unit reports its corrections in 0.1 %; shown in single precision.
std::string Correction(const char *prefix, std::uint16_t tenths)
{
    return prefix + Format("%4.1f", static_cast<double>(static_cast<float>(tenths) * 0.1f)) + " %";
}

// A header holds raw bytes: control characters would show as boxes, and the
// unit pads short names with blanks.
std::string Printable(std::string_view raw)
{
    std::string text;
    for (const char c : raw) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) {
            text += c;
        }
    }
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// "Unit: <firmware>, layout 35", or "Unit: layout 35" before any transfer
// has read the unit's header.
std::string UnitText(const Words &words, std::string_view firmware, std::uint8_t layout)
{
    std::string text = words(TextId::Unit);
    if (const std::string name = Printable(firmware); !name.empty()) {
        text += name + ", ";
    }
    return text + words(TextId::UnitLayout) + std::to_string(layout);
}

void DecodeRest(Frame frame, const MonitorInputs &inputs, const Words &words, MonitorReadout &out)
{
    out.corrCoolant.text = Correction("TW correction= ", U16(frame, at::CorrCoolant));
    out.corrAir.text = Correction("AT correction=", U16(frame, at::CorrAir));
    out.corrPressure.text = Correction("AP correction= ", U16(frame, at::CorrPressure));
    out.corrStart.text = Correction("Starting corr.= ", U16(frame, at::CorrStart));
    out.corrVoltage.text = Format("U correction= %d us", static_cast<int>(U16(frame, at::CorrVoltage)) - 1000);

    out.values.startTimeCounter = U16(frame, at::StartTimeCounter);
    out.values.savingCountdown = U16(frame, at::SavingCountdown);

    out.versionMismatch = frame[at::LayoutVersion] != MatchingLayout;
    if (out.versionMismatch) {
        out.version.colour = Colour::Red;
        out.version.text = words(TextId::UnitVersionMismatch);
    } else {
        out.version.colour = Colour::White;
        out.version.text = UnitText(words, inputs.unitFirmware, frame[at::LayoutVersion]);
    }

    out.gear.text = Format("%s= %d ", words(TextId::Gear).c_str(), frame[at::Gear]);
    out.programCount.text = Format("Number of Programing= %d", U16(frame, at::ProgramCount));

    // The uneven blanks are part of the texts.
    static constexpr const char *TestFormats[8] = {"Test1= %d", "Test2= %d", "Test3= %d ", "Test4=%d",
                                                   "Test5= %d", "Test6= %d", "Test7= %d", "Test8= %d"};
    for (std::size_t i = 0; i < 8; ++i) {
        out.test[i].text = Format(TestFormats[i], U16(frame, at::Test1 + 2 * i));
    }
}

void DecodeNumbers(Frame frame, MonitorNumbers &n)
{
    auto inWindow = [](std::uint16_t raw) { return raw >= PressureRawMin && raw <= PressureRawMax; };
    auto flag = [&](std::size_t offset) { return frame[offset] != 0; };

    n.rpm = U16(frame, at::Rpm);
    n.throttlePercent = frame[at::ThrottlePercent];
    n.throttleMv = Millivolts(U16(frame, at::ThrottleRaw));
    n.throttleError = n.throttlePercent > 100;
    n.iapPercent = frame[at::IapPercent];
    n.iapMv = Millivolts(U16(frame, at::IapRaw));
    n.iapError = !inWindow(U16(frame, at::IapRaw));
    n.manifoldTenthsKpa = U16(frame, at::Pressure);
    n.manifoldMv = Millivolts(U16(frame, at::PressureRaw));
    n.manifoldError = !inWindow(U16(frame, at::PressureRaw));
    n.coolantC = frame[at::CoolantTemp] - 100;
    n.coolantMv = Millivolts(U16(frame, at::CoolantRaw));
    n.coolantError = frame[at::CoolantTemp] == 0;
    n.airC = frame[at::AirTemp] - 100;
    n.airMv = Millivolts(U16(frame, at::AirRaw));
    n.airError = frame[at::AirTemp] == 0;
    n.batteryMv = Millivolts(U16(frame, at::SupplyRaw)) * 11;
    n.lambdaMv = Millivolts(U16(frame, at::LambdaRaw));
    n.advance = U16(frame, at::Advance);

    int longest = 0;
    for (std::size_t i = 0; i < n.injectionUs.size(); ++i) {
        const int raw = U16(frame, at::Jet14A + 2 * i);
        longest = std::max(longest, raw);
        n.injectionUs[i] = raw * 30;
    }
    n.dutyPercent = static_cast<long long>(n.rpm) * longest / 40000;

    n.positionA = U16(frame, at::PositionA);
    n.positionB = U16(frame, at::PositionB);
    n.servoDesiredMv = U16(frame, at::ServoDesired);
    n.servoMeasuredMv = U16(frame, at::ServoMeasured);
    n.corrCoolantTenths = U16(frame, at::CorrCoolant);
    n.corrAirTenths = U16(frame, at::CorrAir);
    n.corrPressureTenths = U16(frame, at::CorrPressure);
    n.corrStartTenths = U16(frame, at::CorrStart);
    n.corrVoltageUs = static_cast<int>(U16(frame, at::CorrVoltage)) - 1000;
    n.gear = frame[at::Gear];
    n.programCount = U16(frame, at::ProgramCount);
    n.savingCountdown = U16(frame, at::SavingCountdown);
    n.layoutVersion = frame[at::LayoutVersion];
    n.startTenths = U16(frame, at::StartTimeCounter);

    n.startLimiter = flag(at::StartLimiterActive);
    n.speedFlag1 = flag(at::SpeedFlag1);
    n.speedFlag2 = flag(at::SpeedFlag2);
    n.fallSensor = flag(at::FallSensorActive);
    n.blocking = flag(at::BlockingActive);
    n.servoInOrder = flag(at::ServoInOrder);
    n.clutch = flag(at::ClutchActive);
    n.tacho = flag(at::TachoMode);
    n.n2o = flag(at::N2oActive);
    n.cooling = flag(at::CoolingActive);
    n.mapMarkerOff = flag(at::MapMarkerOff);
    n.throttleMapsInUse = flag(at::ThrottleMapsInUse);
}

}  // namespace

MonitorReadout DecodeMonitorFrame(std::span<const std::uint8_t, FrameSize> frame, const MonitorInputs &inputs)
{
    MonitorReadout out;
    const Words words{inputs.language};

    out.values.throttlePercent = frame[at::ThrottlePercent];
    out.values.iapPercent = frame[at::IapPercent];
    out.values.coolantTemp = frame[at::CoolantTemp];
    out.values.airTemp = frame[at::AirTemp];

    DecodeEngine(frame, inputs, words, out);
    DecodeInjection(frame, words, out);
    DecodeSensors(frame, inputs, words, out);
    DecodeStatus(frame, inputs, words, out);
    DecodeRest(frame, inputs, words, out);
    DecodeNumbers(frame, out.numbers);
    std::copy(frame.begin(), frame.end(), out.frame.begin());
    return out;
}

MonitorNumbers DecodeMonitorNumbers(std::span<const std::uint8_t, FrameSize> frame)
{
    MonitorNumbers numbers;
    DecodeNumbers(frame, numbers);
    return numbers;
}

}  // namespace korvane::link
