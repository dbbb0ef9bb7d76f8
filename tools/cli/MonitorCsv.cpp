#include "MonitorCsv.h"

#include <cstdio>
#include <ctime>
#include <string_view>

namespace korvane::cli {

namespace {

class Row {
public:
    void text(std::string_view value)
    {
        if (m_cells > 0) {
            m_line += ',';
        }
        m_line += value;
        ++m_cells;
    }
    void number(long long value) { text(std::to_string(value)); }
    void flag(bool value) { text(value ? "1" : "0"); }
    void optional(bool error, long long value) { error ? text("") : number(value); }
    // value / 10^places without going through floating point, e.g. 135 -> "13.5".
    void fixed(long long value, int places)
    {
        long long scale = 1;
        for (int i = 0; i < places; ++i) {
            scale *= 10;
        }
        const bool negative = value < 0;
        const unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(value)
                                                      : static_cast<unsigned long long>(value);
        char buffer[48];
        std::snprintf(buffer, sizeof buffer, "%s%llu.%0*llu", negative ? "-" : "",
                      magnitude / static_cast<unsigned long long>(scale), places,
                      magnitude % static_cast<unsigned long long>(scale));
        text(buffer);
    }
    [[nodiscard]] std::string take() { return std::move(m_line); }

private:
    std::string m_line;
    int m_cells = 0;
};

}  // namespace

std::string MonitorCsvHeader(bool extended)
{
    std::string header =
        "time,seconds,rpm,throttle_pct,throttle_mv,throttle_error,iap_pct,iap_error,manifold_kpa,manifold_error,"
        "coolant_c,coolant_error,air_c,air_error,battery_v,lambda_mv,advance_deg,"
        "inj_14a_us,inj_23a_us,inj_14b_us,inj_23b_us,duty_pct,gear,position_a_deg,position_b_deg,"
        "servo_desired_mv,servo_measured_mv,corr_coolant_pct,corr_air_pct,corr_pressure_pct,corr_start_pct,"
        "corr_voltage_us,saving_countdown,program_count,layout_version,"
        "start_limiter,speed_flag1,speed_flag2,fall_sensor,blocking,servo_ok,clutch_master,tacho,n2o,cooling,"
        "map_marker_off,throttle_maps";
    if (extended) {
        header += ",iap_mv,manifold_mv,coolant_mv,air_mv";
    }
    return header;
}

std::string MonitorCsvRow(const link::MonitorNumbers &n, const std::string &timestamp, double seconds,
                          bool extended)
{
    Row row;
    row.text(timestamp);
    char elapsed[32];
    std::snprintf(elapsed, sizeof elapsed, "%.3f", seconds);
    row.text(elapsed);

    row.number(n.rpm);
    row.optional(n.throttleError, n.throttlePercent);
    row.number(n.throttleMv);
    row.flag(n.throttleError);
    row.optional(n.iapError, n.iapPercent);
    row.flag(n.iapError);
    row.fixed(n.manifoldTenthsKpa, 1);
    row.flag(n.manifoldError);
    row.optional(n.coolantError, n.coolantC);
    row.flag(n.coolantError);
    row.optional(n.airError, n.airC);
    row.flag(n.airError);
    row.fixed(n.batteryMv, 3);
    row.number(n.lambdaMv);
    row.number(n.advance);
    for (const int us : n.injectionUs) {
        row.number(us);
    }
    row.number(n.dutyPercent);
    row.number(n.gear);
    row.number(n.positionA);
    row.number(n.positionB);
    row.number(n.servoDesiredMv);
    row.number(n.servoMeasuredMv);
    row.fixed(n.corrCoolantTenths, 1);
    row.fixed(n.corrAirTenths, 1);
    row.fixed(n.corrPressureTenths, 1);
    row.fixed(n.corrStartTenths, 1);
    row.number(n.corrVoltageUs);
    row.number(n.savingCountdown);
    row.number(n.programCount);
    row.number(n.layoutVersion);

    for (const bool flag : {n.startLimiter, n.speedFlag1, n.speedFlag2, n.fallSensor, n.blocking, n.servoInOrder,
                            n.clutch, n.tacho, n.n2o, n.cooling, n.mapMarkerOff, n.throttleMapsInUse}) {
        row.flag(flag);
    }
    if (extended) {
        row.number(n.iapMv);
        row.number(n.manifoldMv);
        row.number(n.coolantMv);
        row.number(n.airMv);
    }
    return row.take();
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
    char buffer[40];
    const std::size_t length = std::strftime(buffer, sizeof buffer, "%Y-%m-%dT%H:%M:%S", &utc);
    std::snprintf(buffer + length, sizeof buffer - length, ".%03dZ", static_cast<int>(millis));
    return buffer;
}

}  // namespace korvane::cli
