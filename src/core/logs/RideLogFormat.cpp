#include "logs/RideLogFormat.h"

#include "model/HexDigit.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <ctime>

namespace korvane::logs {

namespace {

using model::HexDigit;

using link::MonitorNumbers;
using enum CellKind;
using enum ColumnGroup;

constexpr ValueColumn Column(std::string_view name, CellKind kind, int MonitorNumbers::*number,
                             ColumnGroup group = Basic)
{
    return {name, group, kind, number, nullptr, 0};
}
constexpr ValueColumn FlagColumn(std::string_view name, bool MonitorNumbers::*flag)
{
    return {name, Basic, Flag, nullptr, flag, 0};
}
constexpr ValueColumn GuardedColumn(std::string_view name, int MonitorNumbers::*number, bool MonitorNumbers::*error)
{
    return {name, Basic, Guarded, number, error, 0};
}
constexpr ValueColumn InjectionColumn(std::string_view name, std::uint8_t index)
{
    return {name, Basic, Injection, nullptr, nullptr, index};
}

constexpr std::array Columns{
    Column("rpm", Integer, &MonitorNumbers::rpm),
    GuardedColumn("throttle_pct", &MonitorNumbers::throttlePercent, &MonitorNumbers::throttleError),
    Column("throttle_mv", Integer, &MonitorNumbers::throttleMv),
    FlagColumn("throttle_error", &MonitorNumbers::throttleError),
    GuardedColumn("iap_pct", &MonitorNumbers::iapPercent, &MonitorNumbers::iapError),
    FlagColumn("iap_error", &MonitorNumbers::iapError),
    Column("manifold_kpa", Tenths, &MonitorNumbers::manifoldTenthsKpa),
    FlagColumn("manifold_error", &MonitorNumbers::manifoldError),
    GuardedColumn("coolant_c", &MonitorNumbers::coolantC, &MonitorNumbers::coolantError),
    FlagColumn("coolant_error", &MonitorNumbers::coolantError),
    GuardedColumn("air_c", &MonitorNumbers::airC, &MonitorNumbers::airError),
    FlagColumn("air_error", &MonitorNumbers::airError),
    Column("battery_v", Thousandths, &MonitorNumbers::batteryMv),
    Column("lambda_mv", Integer, &MonitorNumbers::lambdaMv),
    Column("advance_deg", Integer, &MonitorNumbers::advance),
    InjectionColumn("inj_14a_us", 0),
    InjectionColumn("inj_23a_us", 1),
    InjectionColumn("inj_14b_us", 2),
    InjectionColumn("inj_23b_us", 3),
    ValueColumn{"duty_pct", Basic, Duty},
    Column("gear", Integer, &MonitorNumbers::gear),
    Column("position_a_deg", Integer, &MonitorNumbers::positionA),
    Column("position_b_deg", Integer, &MonitorNumbers::positionB),
    Column("servo_desired_mv", Integer, &MonitorNumbers::servoDesiredMv),
    Column("servo_measured_mv", Integer, &MonitorNumbers::servoMeasuredMv),
    Column("corr_coolant_pct", Tenths, &MonitorNumbers::corrCoolantTenths),
    Column("corr_air_pct", Tenths, &MonitorNumbers::corrAirTenths),
    Column("corr_pressure_pct", Tenths, &MonitorNumbers::corrPressureTenths),
    Column("corr_start_pct", Tenths, &MonitorNumbers::corrStartTenths),
    Column("corr_voltage_us", Integer, &MonitorNumbers::corrVoltageUs),
    Column("saving_countdown", Integer, &MonitorNumbers::savingCountdown),
    Column("program_count", Integer, &MonitorNumbers::programCount),
    Column("layout_version", Integer, &MonitorNumbers::layoutVersion),
    FlagColumn("start_limiter", &MonitorNumbers::startLimiter),
    FlagColumn("speed_flag1", &MonitorNumbers::speedFlag1),
    FlagColumn("speed_flag2", &MonitorNumbers::speedFlag2),
    FlagColumn("fall_sensor", &MonitorNumbers::fallSensor),
    FlagColumn("blocking", &MonitorNumbers::blocking),
    FlagColumn("servo_ok", &MonitorNumbers::servoInOrder),
    FlagColumn("clutch_master", &MonitorNumbers::clutch),
    FlagColumn("tacho", &MonitorNumbers::tacho),
    FlagColumn("n2o", &MonitorNumbers::n2o),
    FlagColumn("cooling", &MonitorNumbers::cooling),
    FlagColumn("map_marker_off", &MonitorNumbers::mapMarkerOff),
    FlagColumn("throttle_maps", &MonitorNumbers::throttleMapsInUse),
    Column("iap_mv", Integer, &MonitorNumbers::iapMv, Extended),
    Column("manifold_mv", Integer, &MonitorNumbers::manifoldMv, Extended),
    Column("coolant_mv", Integer, &MonitorNumbers::coolantMv, Extended),
    Column("air_mv", Integer, &MonitorNumbers::airMv, Extended),
    Column(StartColumn, Tenths, &MonitorNumbers::startTenths, Appendix),
};

constexpr int PlacesOf(CellKind kind)
{
    return kind == Tenths ? 1 : kind == Thousandths ? 3 : 0;
}

void AppendNumber(std::string &out, long long value)
{
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out.append(buffer, end);
}

// value / 10^places without going through floating point, e.g. 135 -> "13.5".
void AppendFixed(std::string &out, long long value, int places)
{
    unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                             : static_cast<unsigned long long>(value);
    unsigned long long scale = 1;
    for (int i = 0; i < places; ++i) {
        scale *= 10;
    }
    if (value < 0) {
        out += '-';
    }
    AppendNumber(out, static_cast<long long>(magnitude / scale));
    out += '.';
    const unsigned long long fraction = magnitude % scale;
    for (unsigned long long digit = scale / 10; digit > 0; digit /= 10) {
        out += static_cast<char>('0' + fraction / digit % 10);
    }
}

template <typename Integer>
bool ParseInteger(std::string_view text, Integer &value)
{
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc{} && end == text.data() + text.size();
}

// "13.5" -> 135 with one place; at most `places` decimals.
bool ParseFixed(std::string_view text, int places, int &value)
{
    const std::size_t dot = text.find('.');
    const std::string_view whole = text.substr(0, dot);
    const std::string_view decimals = dot == std::string_view::npos ? std::string_view{} : text.substr(dot + 1);
    long long integral = 0;
    if (decimals.size() > static_cast<std::size_t>(places) || !ParseInteger(whole.empty() ? "0" : whole, integral) ||
        (whole.empty() && decimals.empty())) {
        return false;
    }
    long long fraction = 0;
    for (int i = 0; i < places; ++i) {
        const char c = static_cast<std::size_t>(i) < decimals.size() ? decimals[static_cast<std::size_t>(i)] : '0';
        if (c < '0' || c > '9') {
            return false;
        }
        fraction = fraction * 10 + (c - '0');
    }
    long long scale = 1;
    for (int i = 0; i < places; ++i) {
        scale *= 10;
    }
    const bool negative = !whole.empty() && whole.front() == '-';
    const long long result = integral * scale + (negative ? -fraction : fraction);
    if (result < INT32_MIN || result > INT32_MAX) {
        return false;
    }
    value = static_cast<int>(result);
    return true;
}

}  // namespace

std::span<const ValueColumn> ValueColumns()
{
    return Columns;
}

std::string HeaderRow(bool extended)
{
    std::string row(TimeColumn);
    row += ',';
    row += SecondsColumn;
    for (const ValueColumn &column : Columns) {
        if (column.group != Extended || extended) {
            row += ',';
            row += column.name;
        }
    }
    row += ',';
    row += FrameColumn;
    return row;
}

void AppendRow(std::string &out, const link::MonitorNumbers &n, const link::MonitorFrame *frame,
               std::string_view timestamp, double seconds, bool extended)
{
    out += timestamp;
    out += ',';
    char elapsed[40];
    const auto end = std::to_chars(elapsed, elapsed + sizeof elapsed, seconds, std::chars_format::fixed, 3).ptr;
    out.append(elapsed, end);
    for (const ValueColumn &column : Columns) {
        if (column.group == Extended && !extended) {
            continue;
        }
        out += ',';
        switch (column.kind) {
        case Integer:
            AppendNumber(out, n.*column.number);
            break;
        case Flag:
            out += n.*column.flag ? '1' : '0';
            break;
        case Tenths:
        case Thousandths:
            AppendFixed(out, n.*column.number, PlacesOf(column.kind));
            break;
        case Guarded:
            if (!(n.*column.flag)) {
                AppendNumber(out, n.*column.number);
            }
            break;
        case Injection:
            AppendNumber(out, n.injectionUs[column.index]);
            break;
        case Duty:
            AppendNumber(out, n.dutyPercent);
            break;
        }
    }
    out += ',';
    if (frame != nullptr) {
        AppendHex(out, *frame);
    }
    out += '\n';
}

bool ReadCell(const ValueColumn &column, std::string_view text, link::MonitorNumbers &n)
{
    switch (column.kind) {
    case Integer:
        return ParseInteger(text, n.*column.number);
    case Flag:
        if (text != "0" && text != "1") {
            return false;
        }
        n.*column.flag = text == "1";
        return true;
    case Tenths:
    case Thousandths:
        return ParseFixed(text, PlacesOf(column.kind), n.*column.number);
    case Guarded:
        return text.empty() || ParseInteger(text, n.*column.number);
    case Injection:
        return ParseInteger(text, n.injectionUs[column.index]);
    case Duty:
        return ParseInteger(text, n.dutyPercent);
    }
    return false;
}

void AppendHex(std::string &out, std::span<const std::uint8_t> bytes)
{
    static constexpr char Digits[] = "0123456789abcdef";
    const std::size_t start = out.size();
    out.resize(start + 2 * bytes.size());
    char *at = out.data() + start;
    for (const std::uint8_t byte : bytes) {
        *at++ = Digits[byte >> 4];
        *at++ = Digits[byte & 0x0F];
    }
}

std::optional<link::MonitorFrame> ParseFrameHex(std::string_view text)
{
    link::MonitorFrame frame{};
    if (text.size() != 2 * frame.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < frame.size(); ++i) {
        const int high = HexDigit(text[2 * i]);
        const int low = HexDigit(text[2 * i + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        frame[i] = static_cast<std::uint8_t>(high << 4 | low);
    }
    return frame;
}

std::string IsoTimestamp(std::chrono::system_clock::time_point when)
{
    using namespace std::chrono;
    const auto sinceEpoch = duration_cast<milliseconds>(when.time_since_epoch());
    auto secondsPart = duration_cast<seconds>(sinceEpoch);
    auto millis = (sinceEpoch - secondsPart).count();
    if (millis < 0) {
        millis += 1000;
        secondsPart -= seconds(1);
    }
    const std::time_t t = static_cast<std::time_t>(secondsPart.count());
    std::tm utc{};
    gmtime_r(&t, &utc);
    char buffer[48];
    const std::size_t length = std::strftime(buffer, sizeof buffer, "%Y-%m-%dT%H:%M:%S", &utc);
    std::snprintf(buffer + length, sizeof buffer - length, ".%03dZ", static_cast<int>(millis));
    return buffer;
}

std::optional<double> ParseSecondsCell(std::string_view text)
{
    if (text.empty() || text.find_first_not_of("+-.0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    if (text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace korvane::logs
