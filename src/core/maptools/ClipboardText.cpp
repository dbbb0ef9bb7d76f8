#include "maptools/ClipboardText.h"

#include "maptools/SheetEdit.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace korvane::maptools {
namespace {

using Fields = std::vector<std::string_view>;

constexpr long long Saturation = 1'000'000'000'000'000;  // far beyond every range, still exact

std::string Utf8(char32_t code)
{
    std::string text;
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (code >> 18));
        text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
    return text;
}

// The group separators a field may hold. A blank-like locale separator also
// accepts the other blanks, since people type a plain space for it.
std::vector<std::string> GroupSeparators(char32_t grouping)
{
    if (grouping == NoGrouping) {
        return {};
    }
    if (grouping == U' ' || grouping == U'\u00A0' || grouping == U'\u202F') {
        return {" ", Utf8(U'\u00A0'), Utf8(U'\u202F')};
    }
    return {Utf8(grouping)};
}

std::string_view Trim(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

Fields SplitLine(std::string_view line)
{
    Fields fields;
    const char separator = line.find('\t') != std::string_view::npos ? '\t'
                           : line.find(';') != std::string_view::npos ? ';'
                                                                      : ' ';
    if (separator == ' ') {
        for (std::size_t start = 0; start < line.size();) {
            start = line.find_first_not_of(' ', start);
            if (start == std::string_view::npos) {
                break;
            }
            const std::size_t end = std::min(line.find(' ', start), line.size());
            fields.push_back(line.substr(start, end - start));
            start = end;
        }
        return fields;
    }
    for (std::size_t start = 0;;) {
        const std::size_t end = line.find(separator, start);
        fields.push_back(Trim(line.substr(start, end == std::string_view::npos ? end : end - start)));
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    while (!fields.empty() && fields.back().empty()) {
        fields.pop_back();  // trailing separators
    }
    return fields;
}

// The fields of every line; an empty line before the last field stays as one
// empty field, so it is reported rather than skipped.
std::vector<Fields> SplitText(std::string_view text)
{
    std::vector<Fields> lines;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        lines.push_back(SplitLine(line));
        start = end + 1;
    }
    while (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    for (Fields &fields : lines) {
        if (fields.empty()) {
            fields.emplace_back();
        }
    }
    return lines;
}

// A whole number, plainly or in groups of three after the first group.
std::optional<long long> ParseField(std::string_view field, const std::vector<std::string> &separators)
{
    bool negative = false;
    if (field.starts_with('-') || field.starts_with('+')) {
        negative = field.front() == '-';
        field.remove_prefix(1);
    } else if (field.starts_with("\u2212")) {  // the typographic minus
        negative = true;
        field.remove_prefix(std::string_view("\u2212").size());
    }
    long long value = 0;
    std::size_t groupDigits = 0;
    bool grouped = false;
    while (!field.empty()) {
        const char c = field.front();
        if (c >= '0' && c <= '9') {
            value = std::min(value * 10 + (c - '0'), Saturation);
            ++groupDigits;
            field.remove_prefix(1);
            continue;
        }
        const auto separator = std::find_if(separators.begin(), separators.end(),
                                             [&](const std::string &s) { return field.starts_with(s); });
        if (separator == separators.end() || groupDigits == 0 || groupDigits > 3 || (grouped && groupDigits != 3)) {
            return std::nullopt;
        }
        grouped = true;
        groupDigits = 0;
        field.remove_prefix(separator->size());
    }
    if (groupDigits == 0 || (grouped && groupDigits != 3)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

}  // namespace

std::string CopyText(const model::ConfigImage &image, SheetId sheet, const Selection &selection)
{
    std::string text;
    if (!Fits(sheet, selection)) {
        return text;
    }
    for (std::size_t row = selection.top; row <= selection.bottom; ++row) {
        for (std::size_t column = selection.left; column <= selection.right; ++column) {
            if (column != selection.left) {
                text += '\t';
            }
            text += std::to_string(CellValue(image, sheet, {row, column}));
        }
        text += '\n';
    }
    return text;
}

EditResult PasteText(const model::ConfigImage &image, SheetId sheet, CellPos at, std::string_view text,
                     char32_t grouping)
{
    EditResult result{image};
    if (IsReadOnly(image, sheet)) {
        result.status = EditStatus::Locked;
        return result;
    }
    if (at.row >= RowCount(sheet) || at.column >= ColumnCount) {
        result.status = EditStatus::OutsideSheet;
        return result;
    }
    const std::vector<std::string> separators = GroupSeparators(grouping);
    const std::vector<Fields> lines = SplitText(text);
    if (lines.empty()) {
        result.status = EditStatus::NothingToPaste;
        return result;
    }
    SheetEdit edit(image, sheet);
    std::size_t limited = 0;
    for (std::size_t line = 0; line < lines.size(); ++line) {
        for (std::size_t field = 0; field < lines[line].size(); ++field) {
            const CellPos cell{at.row + line, at.column + field};
            std::optional<long long> value;
            if (cell.row >= RowCount(sheet) || cell.column >= ColumnCount) {
                result.status = EditStatus::DoesNotFit;
            } else if (value = ParseField(lines[line][field], separators); !value) {
                result.status = EditStatus::NotWholeNumber;
            }
            if (!result.ok()) {
                result.line = line + 1;
                result.field = field + 1;
                return result;
            }
            limited += edit.setCell(cell, {*value, 1}) ? 1 : 0;
        }
    }
    result.image = edit.result();
    result.limited = limited;
    return result;
}

}  // namespace korvane::maptools
