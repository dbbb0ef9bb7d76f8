#include "history/PointSidecar.h"

#include "model/HexDigit.h"

#include "settings/ProfileInteger.h"

#include <cstdio>
#include <ctime>

namespace korvane::history {

namespace {

using model::HexDigit;

constexpr std::string_view KindKey = "Kind";
constexpr std::string_view TimeKey = "Time";
constexpr std::string_view ConfirmedKey = "Confirmed";
constexpr std::string_view ModelKey = "Model";
constexpr std::string_view FirmwareKey = "Firmware";
constexpr std::string_view ProgramCountKey = "ProgramCount";
constexpr std::string_view SourceKey = "Source";
constexpr std::string_view NoteKey = "Note";

// Local time with milliseconds and the offset from UTC, so that the text
// names one instant wherever and whenever it is read.
std::string TimeText(SystemTime time)
{
    using namespace std::chrono;
    const auto since = time.time_since_epoch();
    auto seconds = floor<std::chrono::seconds>(since);
    const auto millis = duration_cast<milliseconds>(since - seconds).count();
    const std::time_t whole = seconds.count();
    std::tm local{};
    ::localtime_r(&whole, &local);
    const long offset = local.tm_gmtoff / 60;
    const long absolute = offset < 0 ? -offset : offset;
    char text[96];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d %c%02ld%02ld", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                  static_cast<int>(millis), offset < 0 ? '-' : '+', absolute / 60, absolute % 60);
    return text;
}

int Digits(std::string_view text, std::size_t at, std::size_t count)
{
    if (at + count > text.size()) {
        return -1;
    }
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return -1;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

std::optional<SystemTime> ParseTime(std::string_view text)
{
    using namespace std::chrono;
    // "2026-12-08 13:22:05", then ".123" and " +0100", each optional.
    const int y = Digits(text, 0, 4), mo = Digits(text, 5, 2), d = Digits(text, 8, 2);
    const int h = Digits(text, 11, 2), mi = Digits(text, 14, 2), s = Digits(text, 17, 2);
    if (y < 0 || mo < 0 || d < 0 || h < 0 || mi < 0 || s < 0 || text[4] != '-' || text[7] != '-' ||
        text[10] != ' ' || text[13] != ':' || text[16] != ':' || h > 23 || mi > 59 || s > 60) {
        return std::nullopt;
    }
    const year_month_day date{year{y}, month{static_cast<unsigned>(mo)}, day{static_cast<unsigned>(d)}};
    if (!date.ok()) {
        return std::nullopt;
    }
    std::size_t at = 19;
    milliseconds millis{0};
    if (at < text.size() && text[at] == '.') {
        const int value = Digits(text, at + 1, 3);
        if (value < 0) {
            return std::nullopt;
        }
        millis = milliseconds{value};
        at += 4;
    }
    const auto clock = hours{h} + minutes{mi} + std::chrono::seconds{s} + millis;
    if (at == text.size()) {
        // No offset: the local time of this machine.
        std::tm local{};
        local.tm_year = y - 1900;
        local.tm_mon = mo - 1;
        local.tm_mday = d;
        local.tm_hour = h;
        local.tm_min = mi;
        local.tm_sec = s;
        local.tm_isdst = -1;
        const std::time_t whole = std::mktime(&local);
        if (whole == static_cast<std::time_t>(-1)) {
            return std::nullopt;
        }
        return system_clock::from_time_t(whole) + millis;
    }
    const int offsetHours = Digits(text, at + 2, 2), offsetMinutes = Digits(text, at + 4, 2);
    if (text.size() != at + 6 || text[at] != ' ' || (text[at + 1] != '+' && text[at + 1] != '-') ||
        offsetHours < 0 || offsetMinutes < 0) {
        return std::nullopt;
    }
    const minutes offset{(offsetHours * 60 + offsetMinutes) * (text[at + 1] == '-' ? -1 : 1)};
    return SystemTime{sys_days{date}.time_since_epoch() + clock - offset};
}

std::optional<int> Integer(const settings::IniFile &ini, std::string_view key)
{
    const std::optional<std::string> text = ini.value(SidecarSection, key);
    if (!text) {
        return std::nullopt;
    }
    // The integer rule has no "missing" answer; two fallbacks tell it apart.
    const std::int32_t a = settings::ParseProfileInteger(*text, 0);
    const std::int32_t b = settings::ParseProfileInteger(*text, 1);
    if (a != b) {
        return std::nullopt;
    }
    return a;
}

std::string Text(const settings::IniFile &ini, std::string_view key)
{
    return UnescapeValue(ini.value(SidecarSection, key).value_or(std::string()));
}

void AppendEscaped(std::string &out, unsigned char c)
{
    switch (c) {
    case '\\': out += "\\\\"; return;
    case '\n': out += "\\n"; return;
    case '\r': out += "\\r"; return;
    case '\t': out += "\\t"; return;
    default: break;
    }
    if (c < 0x20 || c == 0x7F) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02X", c);
        out += hex;
    } else {
        out += static_cast<char>(c);
    }
}

std::string EscapeAll(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool edge = i == 0 || i + 1 == text.size();
        if (edge && text[i] == ' ') {
            out += "\\x20";
        } else {
            AppendEscaped(out, static_cast<unsigned char>(text[i]));
        }
    }
    return out;
}

}  // namespace

std::string EscapeValue(std::string_view text)
{
    for (;;) {
        std::string escaped = EscapeAll(text);
        if (escaped.size() <= settings::IniFile::MaxValueLength) {
            return escaped;
        }
        // Every byte escapes to at least one character, so this many fewer
        // bytes come near; a blank that becomes the last one may cost more.
        std::size_t keep = text.size() - std::min(text.size(), escaped.size() - settings::IniFile::MaxValueLength);
        while (keep > 0 && (static_cast<unsigned char>(text[keep]) & 0xC0u) == 0x80u) {
            --keep;
        }
        text = text.substr(0, keep);
    }
}

std::string UnescapeValue(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[i + 1];
        if (next == '\\' || next == 'n' || next == 'r' || next == 't') {
            out += next == 'n' ? '\n' : next == 'r' ? '\r' : next == 't' ? '\t' : '\\';
            ++i;
        } else if (next == 'x' && i + 3 < text.size() && HexDigit(text[i + 2]) >= 0 && HexDigit(text[i + 3]) >= 0) {
            out += static_cast<char>(HexDigit(text[i + 2]) * 16 + HexDigit(text[i + 3]));
            i += 3;
        } else {
            out += text[i];  // not an escape of ours: kept as written
        }
    }
    return out;
}

void StoreDetails(settings::IniFile &ini, const PointDetails &details)
{
    ini.setValue(SidecarSection, KindKey, KindWord(details.kind));
    ini.setValue(SidecarSection, TimeKey, TimeText(details.time));
    ini.setValue(SidecarSection, ConfirmedKey, details.confirmed ? "1" : "0");
    ini.setValue(SidecarSection, ModelKey, details.model ? std::to_string(*details.model) : std::string());
    ini.setValue(SidecarSection, FirmwareKey, EscapeValue(details.firmware));
    ini.setValue(SidecarSection, ProgramCountKey,
                 details.programCount ? std::to_string(*details.programCount) : std::string());
    ini.setValue(SidecarSection, SourceKey, EscapeValue(details.source));
    ini.setValue(SidecarSection, NoteKey, EscapeValue(details.note));
}

std::optional<PointDetails> ParseDetails(const settings::IniFile &ini)
{
    const std::optional<std::string> kindWord = ini.value(SidecarSection, KindKey);
    const std::optional<std::string> timeText = ini.value(SidecarSection, TimeKey);
    const std::optional<PointKind> kind = kindWord ? KindFromWord(*kindWord) : std::nullopt;
    const std::optional<SystemTime> time = timeText ? ParseTime(*timeText) : std::nullopt;
    if (!kind || !time) {
        return std::nullopt;
    }
    PointDetails details;
    details.kind = *kind;
    details.time = *time;
    details.confirmed = Integer(ini, ConfirmedKey).value_or(0) != 0;
    details.model = Integer(ini, ModelKey);
    details.firmware = Text(ini, FirmwareKey);
    details.programCount = Integer(ini, ProgramCountKey);
    details.source = Text(ini, SourceKey);
    details.note = Text(ini, NoteKey);
    return details;
}

}  // namespace korvane::history
