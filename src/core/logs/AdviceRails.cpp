#include "logs/AdviceRails.h"

#include "history/PointName.h"
#include "history/RestorePoints.h"
#include "pages/Pages.h"

#include <algorithm>
#include <charconv>
#include <system_error>
#include <tuple>
#include <vector>

namespace korvane::logs {

namespace {

std::optional<int> Number(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

void TakeEntry(std::string_view entry, CellSet &cells)
{
    const std::size_t first = entry.find(':');
    const std::size_t second = first == std::string_view::npos ? first : entry.find(':', first + 1);
    if (second == std::string_view::npos) {
        return;
    }
    const auto page = Number(Trimmed(entry.substr(0, first)));
    const auto row = Number(Trimmed(entry.substr(first + 1, second - first - 1)));
    const auto column = Number(Trimmed(entry.substr(second + 1)));
    if (!page || !row || !column || *page < 0 || *page > 255 || !AdvisedPage(static_cast<std::uint8_t>(*page)) ||
        *row < 0 || *row >= static_cast<int>(model::MapRows) || *column < 0 ||
        *column >= static_cast<int>(model::MapColumns)) {
        return;
    }
    cells.set(static_cast<std::uint8_t>(*page), static_cast<std::uint8_t>(*row), static_cast<std::uint8_t>(*column));
}

}  // namespace

CellSet ParseLockedCells(std::string_view text)
{
    CellSet cells;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        TakeEntry(text.substr(0, comma), cells);
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
    }
    return cells;
}

std::string FormatLockedCells(const CellSet &cells)
{
    std::string text;
    for (std::uint8_t page = 0; page < pages::MapPageCount; ++page) {
        for (std::uint8_t row = 0; row < model::MapRows; ++row) {
            for (std::uint8_t column = 0; column < model::MapColumns; ++column) {
                if (!cells.contains(page, row, column)) {
                    continue;
                }
                if (!text.empty()) {
                    text += ',';
                }
                text += std::to_string(page) + ':' + std::to_string(row) + ':' + std::to_string(column);
            }
        }
    }
    return text;
}

CellSet ReadLockedCells(const settings::IniFile &ini)
{
    const auto text = ini.value(AdvisorSection, LockedKey);
    return text ? ParseLockedCells(*text) : CellSet{};
}

void WriteLockedCells(settings::IniFile &ini, const CellSet &cells)
{
    ini.setValue(AdvisorSection, LockedKey, FormatLockedCells(cells));
}

std::optional<RailBase> NewestReadPoint(const std::filesystem::path &folder, std::uint8_t bikeType)
{
    // Names alone order the points, so only the candidates are read.
    struct Candidate {
        history::SystemTime time;
        unsigned sequence;
        std::filesystem::path path;
    };
    std::vector<Candidate> candidates;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const auto parsed = history::ParsePointFileName(it->path().filename().string());
        if (parsed && parsed->kind == history::PointKind::Read) {
            candidates.push_back({parsed->time, parsed->sequence, it->path()});
        }
    }
    std::sort(candidates.begin(), candidates.end(), [](const Candidate &a, const Candidate &b) {
        return std::tie(a.time, a.sequence) > std::tie(b.time, b.sequence);
    });
    for (const Candidate &candidate : candidates) {
        const history::LoadResult loaded = history::LoadRestorePoint(candidate.path);
        if (loaded.ok && loaded.image[model::Offset::BikeType] == bikeType) {
            return RailBase{loaded.image, candidate.path};
        }
    }
    return std::nullopt;
}

}  // namespace korvane::logs
