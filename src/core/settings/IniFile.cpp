#include "settings/IniFile.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>
#include <utility>

namespace korvane::settings {

namespace {

constexpr std::string_view Bom = "\xEF\xBB\xBF";

// A CR at the end goes like a blank: the last line of a file without a final
// line feed keeps it, and once a save appends a line it ends that line.
std::string_view Trim(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    const std::size_t last = text.find_last_not_of(" \t\r");
    if (first == std::string_view::npos || last == std::string_view::npos) {
        return {};
    }
    return text.substr(first, last - first + 1);
}

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

// What a line of the file is; names and values point into the line.
struct Parsed {
    enum Kind { Other, Section, Key } kind = Other;
    std::string_view name;
    std::string_view value;
};

Parsed ParseLine(std::string_view line)
{
    const std::string_view text = Trim(line);
    if (text.empty() || text.front() == ';' || text.front() == '#') {
        return {};
    }
    if (text.front() == '[') {
        const std::size_t close = text.find(']');
        return {Parsed::Section, Trim(text.substr(1, close == std::string_view::npos ? close : close - 1)), {}};
    }
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        return {};
    }
    const std::string_view key = Trim(text.substr(0, equals));
    if (key.empty()) {
        return {};
    }
    return {Parsed::Key, key, Trim(text.substr(equals + 1))};
}

bool IsContinuation(unsigned byte)
{
    return (byte & 0xC0u) == 0x80u;
}

// The length of the valid UTF-8 sequence that starts at text[0], or 0.
std::size_t Utf8SequenceAt(std::string_view text)
{
    const auto byte = [&](std::size_t i) -> unsigned {
        return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u;
    };
    const unsigned lead = byte(0);
    std::size_t length = 0;
    unsigned low = 0x80;  // the range of the second byte, narrowed against overlong forms and surrogates
    unsigned high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!IsContinuation(byte(i))) {
            return 0;
        }
    }
    return length;
}

// Cuts to length bytes, or up to three fewer where the cut would split a
// UTF-8 character. Bytes that only look like the tail of one (most letters of
// Latin-1 or CP1250 do) are no reason to step back.
std::string_view Cut(std::string_view value, std::size_t length)
{
    if (value.size() <= length) {
        return value;
    }
    for (std::size_t back = 1; back <= 3 && back <= length; ++back) {
        if (!IsContinuation(static_cast<unsigned char>(value[length - back]))) {
            if (Utf8SequenceAt(value.substr(length - back)) > back) {
                length -= back;
            }
            break;
        }
    }
    return value.substr(0, length);
}

}  // namespace

IniFile IniFile::Parse(std::string_view text)
{
    IniFile ini;
    if (text.starts_with(Bom)) {
        ini.m_bom = Bom;
        text.remove_prefix(Bom.size());
    }
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        Line stored;
        if (end != std::string_view::npos && line.ends_with('\r')) {
            line.remove_suffix(1);
            stored.crlf = true;
        }
        stored.text = line;
        ini.m_lines.push_back(std::move(stored));
        ini.m_endsWithLineEnd = end != std::string_view::npos;
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    // An unfinished last line gets the file's line end once something follows it.
    if (!ini.m_endsWithLineEnd && !ini.m_lines.empty()) {
        ini.m_lines.back().crlf = ini.m_lines.front().crlf;
    }
    return ini;
}

std::optional<IniFile::Entry> IniFile::find(std::string_view section, std::string_view key,
                                            std::size_t *insertAt) const
{
    if (insertAt != nullptr) {
        *insertAt = std::string::npos;
    }
    bool inSection = false;
    bool firstSection = true;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const Parsed parsed = ParseLine(m_lines[i].text);
        if (parsed.kind == Parsed::Section) {
            if (inSection) {
                firstSection = false;
            }
            inSection = SameName(parsed.name, section);
        }
        if (!inSection) {
            continue;
        }
        if (parsed.kind == Parsed::Key && SameName(parsed.name, key)) {
            return Entry{i, parsed.value};
        }
        // New keys go below the last non-blank line of the first such
        // section, so that a blank line before the next section stays there.
        if (insertAt != nullptr && firstSection && !Trim(m_lines[i].text).empty()) {
            *insertAt = i + 1;
        }
    }
    return std::nullopt;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const
{
    const std::optional<Entry> entry = find(section, key);
    if (!entry) {
        return std::nullopt;
    }
    return std::string(Cut(entry->value, MaxValueLength));
}

std::string_view IniFile::newLineEnd() const
{
    return !m_lines.empty() && m_lines.front().crlf ? "\r\n" : "\n";
}

void IniFile::setValue(std::string_view section, std::string_view key, std::string_view value)
{
    std::string clean(value);
    for (char &c : clean) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    // Blanks around a value are not read back; kept, they would pile up
    // behind those already after "=" on every save.
    clean = Trim(clean);
    const bool crlf = newLineEnd().size() == 2;

    std::size_t insertAt = std::string::npos;
    if (const std::optional<Entry> entry = find(section, key, &insertAt)) {
        // Keeps the key as the user spelt it and the blanks after "=".
        std::string &text = m_lines[entry->line].text;
        const std::size_t valueAt = std::min(text.find_first_not_of(" \t", text.find('=') + 1), text.size());
        text = text.substr(0, valueAt) + clean;
        return;
    }
    std::vector<Line> added;
    if (insertAt == std::string::npos) {
        if (!m_lines.empty() && !Trim(m_lines.back().text).empty()) {
            added.push_back({{}, crlf});
        }
        // Appended rather than `"[" + std::string(...)`, on which GCC 12 at
        // -O3 warns of an overlapping copy (-Wrestrict) that cannot happen.
        std::string header(1, '[');
        header.append(section).append(1, ']');
        added.push_back({std::move(header), crlf});
        insertAt = m_lines.size();
    }
    added.push_back({std::string(key) + "=" + clean, crlf});
    if (insertAt == m_lines.size()) {
        m_endsWithLineEnd = true;
    }
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(insertAt), added.begin(), added.end());
}

std::string IniFile::text() const
{
    std::string out = m_bom;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        out += m_lines[i].text;
        if (i + 1 < m_lines.size() || m_endsWithLineEnd) {
            out += m_lines[i].crlf ? "\r\n" : "\n";
        }
    }
    return out;
}

IniLoad LoadIniFile(const std::filesystem::path &path)
{
    IniLoad load;
    std::error_code statusError;
    const std::filesystem::file_status status = std::filesystem::status(path, statusError);
    if (status.type() == std::filesystem::file_type::not_found) {
        return load;
    }
    if (statusError) {
        load.ok = false;
        load.error = statusError.message();
        return load;
    }
    if (std::filesystem::is_directory(status)) {
        load.ok = false;
        load.error = std::make_error_code(std::errc::is_a_directory).message();
        return load;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        load.ok = false;
        load.error = std::generic_category().message(errno);
        return load;
    }
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) {
        load.ok = false;
        load.error = "cannot read the file";
        return load;
    }
    load.file = IniFile::Parse(text.str());
    return load;
}

}  // namespace korvane::settings
