#include "model/ParameterFile.h"

#include "model/WordReader.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace korvane::model {

namespace {

constexpr std::string_view VersionKey = "TREMOLAX_KEY";
constexpr std::size_t KeyWidth = 13;
// Longer words are cut and match no key; the keys themselves are short.
constexpr std::size_t MaxWordLength = 276;

// ---------------------------------------------------------------- writing

class ItemWriter {
public:
    explicit ItemWriter(std::ostream &out) : m_out(out) {}

    void lineBreak() { m_out << "\r\n"; }

    void key(std::string_view name)
    {
        lineBreak();
        m_out << name;
        for (std::size_t i = name.size(); i < KeyWidth; ++i) {
            m_out << ' ';
        }
    }

    // A group of keys is set apart by an empty line.
    void groupKey(std::string_view name)
    {
        lineBreak();
        key(name);
    }

    void continuation()
    {
        lineBreak();
        m_out << std::string(KeyWidth, ' ');
    }

    void number(unsigned value) { print("%5u ", value); }
    void signedNumber(int value) { print("%5d ", value); }
    void flag(std::uint8_t byte) { m_out << (byte != 0 ? "    1" : "    0"); }
    void wideFlag(std::uint8_t byte) { m_out << (byte != 0 ? "     1" : "     0"); }
    void flagWithBlank(std::uint8_t byte) { m_out << (byte != 0 ? "    1 " : "    0 "); }

    void curve(const ConfigImage &image, std::size_t offset, unsigned factor)
    {
        for (std::size_t i = 0; i < CurvePoints; ++i) {
            number(image[offset + i] * factor);
        }
    }

    // Row by row; every row, the last included, ends in a continuation break.
    void map(const ConfigImage &image, std::size_t offset)
    {
        for (std::size_t k = 0; k < MapCells; ++k) {
            number(image[offset + k]);
            if (k % MapColumns == MapColumns - 1) {
                continuation();
            }
        }
    }

private:
    template <typename T>
    void print(const char *format, T value)
    {
        char text[16];
        const int length = std::snprintf(text, sizeof text, format, value);
        if (length > 0) {
            m_out.write(text, length);
        }
    }

    std::ostream &m_out;
};

// ---------------------------------------------------------------- reading

// Where a number read for a key goes: byte = (value mod 65536) / divisor + add,
// kept modulo 256. ExtMonitorTarget stands for the window's check box.
constexpr std::uint16_t ExtMonitorTarget = 0xFFFF;

struct FieldRule {
    std::uint16_t offset;
    std::uint16_t divisor = 1;
    std::int16_t add = 0;
};

struct KeyRule {
    std::string_view key;
    std::vector<FieldRule> fields;
};

class RuleBuilder {
public:
    RuleBuilder &field(std::size_t offset, std::uint16_t divisor = 1, std::int16_t add = 0)
    {
        m_fields.push_back({static_cast<std::uint16_t>(offset), divisor, add});
        return *this;
    }

    RuleBuilder &run(std::size_t offset, std::size_t count, std::uint16_t divisor = 1, std::int16_t add = 0)
    {
        for (std::size_t i = 0; i < count; ++i) {
            field(offset + i, divisor, add);
        }
        return *this;
    }

    [[nodiscard]] std::vector<FieldRule> take() { return std::move(m_fields); }

private:
    std::vector<FieldRule> m_fields;
};

std::vector<KeyRule> BuildKeyRules()
{
    namespace O = Offset;
    constexpr std::uint16_t Rpm = Scale::Rpm;
    std::vector<KeyRule> rules;
    auto add = [&rules](std::string_view key, RuleBuilder builder) { rules.push_back({key, builder.take()}); };

    add("BIKE", RuleBuilder().field(O::BikeType));
    add("LIMITER", RuleBuilder().field(O::StartLimiter, Rpm).field(O::IgnitionLimiter, Rpm)
                       .field(O::InjectionLimiter, Rpm));
    add("RPM", RuleBuilder().field(O::PulsesPerRev).field(O::RpmCorrection, 1, Scale::RpmCorrectionOffset));
    add("EXT_MON", RuleBuilder().field(ExtMonitorTarget));
    add("BASE_ADV", RuleBuilder().field(O::BaseAdvance));
    add("IAP_TO_TPS", RuleBuilder().field(O::IapToTps));
    add("MODE", RuleBuilder().field(O::JetMode));
    add("ACT_BLOK", RuleBuilder().field(O::ActFallSensor).field(O::BlockingEnable));
    add("ACT_CLUTCH", RuleBuilder().field(O::ActClutch));
    add("ACT_LIM1", RuleBuilder().field(O::ActStartLimiter));
    add("ACT_RPM", RuleBuilder().field(O::ActTachoLambda));
    add("ACT_N2O", RuleBuilder().field(O::ActN2o));

    // Older files name the advance map with a suffix.
    for (std::string_view key : {"RPM_IGN", "RPM_IGN_1"}) {
        add(key, RuleBuilder().run(O::AdvRpm, CurvePoints, Rpm));
    }
    for (std::string_view key : {"IGN", "IGN_1"}) {
        add(key, RuleBuilder().run(O::AdvMap, MapCells));
    }
    add("RPM_JET_14A", RuleBuilder().run(O::Jet14ARpm, CurvePoints, Rpm));
    add("JET_14A", RuleBuilder().run(O::Jet14AMap, MapCells));
    add("RPM_JET_23A", RuleBuilder().run(O::Jet23ARpm, CurvePoints, Rpm));
    add("JET_23A", RuleBuilder().run(O::Jet23AMap, MapCells));
    add("RPM_JET_B", RuleBuilder().run(O::JetBRpm, CurvePoints, Rpm));
    add("JET_B", RuleBuilder().run(O::JetBMap, MapCells));
    add("RPM_JET_IAP", RuleBuilder().run(O::JetIapRpm, CurvePoints, Rpm));
    add("JET_IAP", RuleBuilder().run(O::JetIapMap, MapCells));

    add("POSITION_A", RuleBuilder().run(O::PosARpm, CurvePoints, Rpm)
                          .run(O::PosAValue, CurvePoints, Scale::PositionDegrees).field(O::PositionARef));
    add("POSITION_B", RuleBuilder().run(O::PosBRpm, CurvePoints, Rpm)
                          .run(O::PosBValue, CurvePoints, Scale::PositionDegrees).field(O::PositionBRef));

    // 2500 mV is byte 0: value / 10 - 250, which modulo 256 is value / 10 + 6.
    add("TPS", RuleBuilder().field(O::Tps0Voltage, Scale::TpsMv).field(O::Tps100Voltage, Scale::TpsMv, 6));
    add("ACCEL", RuleBuilder().field(O::AccelThreshold, Scale::AccelThreshold).field(O::AccelSize, Scale::AccelSizeUs));
    add("START_JET", RuleBuilder().field(O::StartInjection));
    add("COOLING", RuleBuilder().field(O::WarningTemp));
    add("WATER_TEMP", RuleBuilder().run(O::CoolantCorr, TempCorrPoints));
    add("AIR_TEMP", RuleBuilder().run(O::AirCorr, TempCorrPoints));
    add("CHOKE", RuleBuilder().run(O::StartCorrTime, StartCorrPoints)
                     .run(O::StartCorrValue, StartCorrPoints, 1, -Scale::StartCorrOffset));

    add("SERVO_ENABLE", RuleBuilder().field(O::ServoEnable));
    add("SERVO_HYSTER", RuleBuilder().field(O::ServoHysteresis, Scale::ServoHysteresisMv));
    add("RPM_SERVO", RuleBuilder().run(O::ServoRpm, CurvePoints, Rpm));
    add("VOLT_SERVO", RuleBuilder().run(O::ServoVolt, CurvePoints, Scale::ServoVoltMv));
    add("CLUTCH", RuleBuilder().field(O::ClutchTime, Scale::ClutchMs).field(O::ClutchPause, Scale::ClutchMs));
    add("PILOT_LIGHT", RuleBuilder().field(O::ShiftLight, Rpm));
    add("N2O", RuleBuilder().field(O::N2oEnable).field(O::N2o1).field(O::N2o2)
                   .field(O::N2oDelay, Scale::N2oRetardMs).field(O::N2oBuildUp, Scale::N2oRetardMs));
    add("RETARD", RuleBuilder().field(O::Retard1).field(O::Retard2)
                      .field(O::RetardDelay, Scale::N2oRetardMs).field(O::RetardBuildUp, Scale::N2oRetardMs));

    add("DISPLAY", RuleBuilder().field(O::TempDisplay).field(O::GearDisplay));
    add("TUNING", RuleBuilder().field(O::TuneLambda, Scale::Tune10).field(O::TuneHyster, Scale::Tune10)
                      .field(O::TuneRpm, Scale::Tune10).field(O::TuneTps).field(O::TuneTime, Scale::TuneTime));
    return rules;
}

const KeyRule *FindKey(const Word &word)
{
    static const std::vector<KeyRule> rules = BuildKeyRules();
    for (const KeyRule &rule : rules) {
        if (word.equals(rule.key)) {
            return &rule;
        }
    }
    return nullptr;
}

void Store(const FieldRule &rule, std::uint32_t number, ConfigImage &image, bool &extMonitor)
{
    const std::uint32_t value = number & 0xFFFFu;
    if (rule.offset == ExtMonitorTarget) {
        extMonitor = value != 0;
        return;
    }
    // Unsigned wrap-around gives the modulo-256 result for a negative add too.
    const std::uint32_t scaled = value / rule.divisor + static_cast<std::uint32_t>(rule.add);
    image[rule.offset] = static_cast<std::uint8_t>(scaled & 0xFFu);
}

bool FindVersion(WordReader &words)
{
    while (std::optional<Word> word = words.next()) {
        if (!word->equals(VersionKey)) {
            continue;
        }
        std::optional<Word> version = words.next();
        if (!version) {
            return false;
        }
        if (!version->number) {
            // Could itself be the version key.
            words.unread(std::move(*version));
            continue;
        }
        if ((*version->number & 0xFFFFu) == SupportedLayoutVersion) {
            return true;
        }
    }
    return false;
}

}  // namespace

void WriteParameterFile(std::ostream &out, const ConfigImage &image, bool extMonitor)
{
    namespace O = Offset;
    const ConfigImage &im = image;
    ItemWriter w(out);

    out << VersionKey << "   ";
    char version[8];
    const int length = std::snprintf(version, sizeof version, "%3u ", unsigned{SupportedLayoutVersion});
    out.write(version, length);
    w.lineBreak();

    w.key("BIKE");
    w.number(im[O::BikeType]);
    w.key("LIMITER");
    w.number(im[O::StartLimiter] * 100u);
    w.number(im[O::IgnitionLimiter] * 100u);
    w.number(im[O::InjectionLimiter] * 100u);
    w.key("RPM");
    w.number(im[O::PulsesPerRev]);
    w.signedNumber(int{im[O::RpmCorrection]} - Scale::RpmCorrectionOffset);
    w.key("EXT_MON");
    w.flag(extMonitor ? 1 : 0);
    w.key("BASE_ADV");
    w.number(im[O::BaseAdvance]);
    w.key("IAP_TO_TPS");
    w.number(im[O::IapToTps]);
    w.key("MODE");
    w.number(im[O::JetMode]);
    w.key("ACT_BLOK");
    w.flag(im[O::ActFallSensor]);
    w.wideFlag(im[O::BlockingEnable]);
    w.key("ACT_CLUTCH");
    w.flag(im[O::ActClutch]);
    w.key("ACT_LIM1");
    w.flag(im[O::ActStartLimiter]);
    w.key("ACT_RPM");
    w.flag(im[O::ActTachoLambda]);
    w.key("ACT_N2O");
    w.flag(im[O::ActN2o]);

    w.groupKey("RPM_IGN");
    w.curve(im, O::AdvRpm, Scale::Rpm);
    w.key("IGN");
    w.map(im, O::AdvMap);
    w.key("RPM_JET_14A");
    w.curve(im, O::Jet14ARpm, Scale::Rpm);
    w.key("JET_14A");
    w.map(im, O::Jet14AMap);
    w.key("RPM_JET_23A");
    w.curve(im, O::Jet23ARpm, Scale::Rpm);
    w.key("JET_23A");
    w.map(im, O::Jet23AMap);
    w.key("RPM_JET_B");
    w.curve(im, O::JetBRpm, Scale::Rpm);
    w.key("JET_B");
    w.map(im, O::JetBMap);
    w.key("RPM_JET_IAP");
    w.curve(im, O::JetIapRpm, Scale::Rpm);
    w.key("JET_IAP");
    w.map(im, O::JetIapMap);

    w.key("POSITION_A");
    w.curve(im, O::PosARpm, Scale::Rpm);
    w.continuation();
    w.curve(im, O::PosAValue, Scale::PositionDegrees);
    w.continuation();
    w.number(im[O::PositionARef]);
    w.key("POSITION_B");
    w.curve(im, O::PosBRpm, Scale::Rpm);
    w.continuation();
    w.curve(im, O::PosBValue, Scale::PositionDegrees);
    w.continuation();
    w.number(im[O::PositionBRef]);

    w.key("TPS");
    w.number(im[O::Tps0Voltage] * unsigned{Scale::TpsMv});
    w.number(im[O::Tps100Voltage] * unsigned{Scale::TpsMv} + Scale::Tps100OffsetMv);
    w.key("ACCEL");
    w.number(im[O::AccelThreshold] * unsigned{Scale::AccelThreshold});
    w.number(im[O::AccelSize] * unsigned{Scale::AccelSizeUs});
    w.key("START_JET");
    w.number(im[O::StartInjection]);
    w.key("COOLING");
    w.number(im[O::WarningTemp]);
    w.key("WATER_TEMP");
    for (std::size_t i = 0; i < TempCorrPoints; ++i) {
        w.number(im[O::CoolantCorr + i]);
    }
    w.key("AIR_TEMP");
    for (std::size_t i = 0; i < TempCorrPoints; ++i) {
        w.number(im[O::AirCorr + i]);
    }
    w.key("CHOKE");
    for (std::size_t k = 0; k < StartCorrPoints; ++k) {
        w.number(im[O::StartCorrTime + k]);
    }
    w.continuation();
    for (std::size_t k = 0; k < StartCorrPoints; ++k) {
        w.number(im[O::StartCorrValue + k] + unsigned{Scale::StartCorrOffset});
    }

    w.groupKey("SERVO_ENABLE");
    w.flag(im[O::ServoEnable]);
    w.key("SERVO_HYSTER");
    w.number(im[O::ServoHysteresis] * unsigned{Scale::ServoHysteresisMv});
    w.key("RPM_SERVO");
    w.curve(im, O::ServoRpm, Scale::Rpm);
    w.key("VOLT_SERVO");
    w.curve(im, O::ServoVolt, Scale::ServoVoltMv);
    w.key("CLUTCH");
    w.number(im[O::ClutchTime] * unsigned{Scale::ClutchMs});
    w.number(im[O::ClutchPause] * unsigned{Scale::ClutchMs});
    w.key("PILOT_LIGHT");
    w.number(im[O::ShiftLight] * unsigned{Scale::Rpm});
    w.key("N2O");
    w.flagWithBlank(im[O::N2oEnable]);
    w.number(im[O::N2o1]);
    w.number(im[O::N2o2]);
    w.number(im[O::N2oDelay] * unsigned{Scale::N2oRetardMs});
    w.number(im[O::N2oBuildUp] * unsigned{Scale::N2oRetardMs});
    w.key("RETARD");
    w.number(im[O::Retard1]);
    w.number(im[O::Retard2]);
    w.number(im[O::RetardDelay] * unsigned{Scale::N2oRetardMs});
    w.number(im[O::RetardBuildUp] * unsigned{Scale::N2oRetardMs});

    w.groupKey("DISPLAY");
    w.flag(im[O::TempDisplay]);
    w.flag(im[O::GearDisplay]);

    w.groupKey("TUNING");
    w.number(im[O::TuneLambda] * unsigned{Scale::Tune10});
    w.number(im[O::TuneHyster] * unsigned{Scale::Tune10});
    w.number(im[O::TuneRpm] * unsigned{Scale::Tune10});
    w.number(im[O::TuneTps]);
    w.number(im[O::TuneTime] * unsigned{Scale::TuneTime});
}

bool ReadParameterFile(std::istream &in, ConfigImage &image, bool &extMonitor)
{
    WordReader words(in, MaxWordLength);
    if (!FindVersion(words)) {
        return false;
    }

    while (std::optional<Word> word = words.next()) {
        const KeyRule *rule = FindKey(*word);
        if (rule == nullptr) {
            continue;
        }
        for (const FieldRule &field : rule->fields) {
            std::optional<Word> value = words.next();
            if (!value) {
                return true;  // the file ended inside the key: keep what was read
            }
            if (!value->number) {
                // A missing number leaves this field and the rest of the key
                // as they were; the word may well be the next key.
                words.unread(std::move(*value));
                break;
            }
            Store(field, *value->number, image, extMonitor);
        }
    }
    return true;
}

}  // namespace korvane::model
