#pragma once

// A plain INI file that a person may edit by hand: "[Section]" headers and
// "key=value" lines. Section and key names match without regard to letter
// case, the first of duplicate keys wins, and values are taken as written
// (no escapes, no quotes, no list splitting), blanks (and a CR at the end)
// around them trimmed.
// Setting a value rewrites the line that holds it in place or appends a new
// line at the end of its section; every other line (comments, blank lines,
// unknown sections and keys) is kept byte for byte.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane::settings {

class IniFile {
public:
    // At most this many characters of a value are read.
    static constexpr std::size_t MaxValueLength = 2047;

    IniFile() = default;
    [[nodiscard]] static IniFile Parse(std::string_view text);

    // nullopt when the section or key is missing.
    [[nodiscard]] std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // Line breaks in value would start new lines of the file; they become
    // blanks. Blanks at its ends are dropped, as reading drops them.
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    [[nodiscard]] std::string text() const;

private:
    struct Line {
        std::string text;  // without its line end
        bool crlf = false;
    };
    struct Entry {
        std::size_t line;
        std::string_view value;
    };

    // The first key line of section, or the line after the section's last
    // key line (npos when there is no such section) in insertAt.
    [[nodiscard]] std::optional<Entry> find(std::string_view section, std::string_view key,
                                            std::size_t *insertAt = nullptr) const;
    [[nodiscard]] std::string_view newLineEnd() const;

    std::string m_bom;
    std::vector<Line> m_lines;
    bool m_endsWithLineEnd = false;
};

struct IniLoad {
    IniFile file;
    bool ok = true;     // false when the file exists but cannot be read
    std::string error;  // why, when not ok
};

// A missing file gives an empty INI file, which is no failure.
[[nodiscard]] IniLoad LoadIniFile(const std::filesystem::path &path);

}  // namespace korvane::settings
