#include "history/PointFile.h"

#include "model/ParameterFile.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <sstream>

namespace korvane::history {

namespace {

constexpr std::string_view RawKey = "RAW_IMAGE";
constexpr std::string_view SumKey = "RAW_SUM";
constexpr std::string_view Separator = "\r\n\r\n";  // an empty line before the key
constexpr std::size_t KeyWidth = 13;
constexpr std::size_t ValuesPerLine = 25;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string ParameterText(const model::ConfigImage &image, bool extMonitor)
{
    std::ostringstream out;
    model::WriteParameterFile(out, image, extMonitor);
    return std::move(out).str();
}

// FNV-1a of the text before RAW_IMAGE: the cheap way to know that the
// parameter keys are still those written for the bytes.
std::uint32_t Sum(std::string_view text)
{
    std::uint32_t sum = 2166136261u;
    for (char c : text) {
        sum = (sum ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    return sum;
}

// Where RAW_IMAGE starts as a word of its own, or npos.
std::size_t FindRawKey(std::string_view text)
{
    std::size_t at = text.rfind(RawKey);
    while (at != std::string_view::npos) {
        const std::size_t end = at + RawKey.size();
        if ((at == 0 || IsBlank(text[at - 1])) && end < text.size() && IsBlank(text[end])) {
            return at;
        }
        at = at == 0 ? std::string_view::npos : text.rfind(RawKey, at - 1);
    }
    return std::string_view::npos;
}

// The 1200 numbers after the key, each ended by a blank: a file cut inside
// its last number must not pass for whole.
std::optional<model::ConfigImage> ReadRawBytes(std::string_view text, std::size_t &at)
{
    model::ConfigImage image{};
    at = 0;
    for (std::size_t i = 0; i < model::ImageSize; ++i) {
        while (at < text.size() && IsBlank(text[at])) {
            ++at;
        }
        unsigned value = 0;
        std::size_t digits = 0;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9' && digits < 4) {
            value = value * 10 + static_cast<unsigned>(text[at] - '0');
            ++at;
            ++digits;
        }
        if (digits == 0 || value > 255 || at == text.size() || !IsBlank(text[at])) {
            return std::nullopt;
        }
        image[i] = static_cast<std::uint8_t>(value);
    }
    return image;
}

}  // namespace

std::string PointFileText(const model::ConfigImage &image, bool extMonitor)
{
    std::string text = ParameterText(image, extMonitor);
    text += Separator;
    text += RawKey;
    text.append(KeyWidth - RawKey.size(), ' ');
    char number[8];
    for (std::size_t i = 0; i < model::ImageSize; ++i) {
        if (i > 0 && i % ValuesPerLine == 0) {
            text += "\r\n";
            text.append(KeyWidth, ' ');
        }
        const int length = std::snprintf(number, sizeof number, "%3u ", unsigned{image[i]});
        text.append(number, static_cast<std::size_t>(length));
    }
    const std::uint32_t sum = Sum(std::string_view(text).substr(0, text.rfind(RawKey)));
    text += "\r\n";
    text += SumKey;
    text.append(KeyWidth - SumKey.size(), ' ');
    text += std::to_string(sum) + " \r\n";
    return text;
}

PointFileContent ReadPointFile(std::string_view text)
{
    PointFileContent content;
    const std::size_t key = FindRawKey(text);
    if (key == std::string_view::npos) {
        return content;
    }
    std::size_t rawEnd = 0;
    const std::string_view afterKey = text.substr(key + RawKey.size());
    const std::optional<model::ConfigImage> raw = ReadRawBytes(afterKey, rawEnd);
    if (!raw) {
        return content;
    }

    // The usual case, the file as written: a sum or a comparison instead of parsing.
    const std::string_view fields = text.substr(0, key);
    std::istringstream tail{std::string(afterKey.substr(rawEnd))};
    std::string word;
    std::uint32_t sum = 0;
    if (tail >> word >> sum && word == SumKey && sum == Sum(fields)) {
        const std::size_t extMon = fields.find("\r\nEXT_MON");
        content.extMonitor = extMon != std::string_view::npos && fields.substr(extMon + 2 + KeyWidth, 5) == "    1";
        return {true, *raw, content.extMonitor};
    }
    for (bool extMonitor : {false, true}) {
        if (fields == ParameterText(*raw, extMonitor) + std::string(Separator)) {
            return {true, *raw, extMonitor};
        }
    }

    content.image = *raw;
    std::istringstream in{std::string(text)};
    content.readable = model::ReadParameterFile(in, content.image, content.extMonitor);
    return content;
}

}  // namespace korvane::history
