#include "logs/LogFolder.h"

#include "settings/DataFolder.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <system_error>
#include <vector>

namespace korvane::logs {

namespace {

bool Digits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

struct LogFile {
    std::filesystem::path path;
    std::chrono::system_clock::time_point written;
    std::uint64_t size = 0;
};

}  // namespace

std::filesystem::path LogsFolder()
{
    return settings::DataFolder() / "logs";
}

std::string LogFileName(std::chrono::system_clock::time_point start, int sequence)
{
    const std::time_t t = std::chrono::system_clock::to_time_t(start);
    std::tm local{};
    localtime_r(&t, &local);
    char name[64];
    std::strftime(name, sizeof name, "%Y-%m-%d_%H-%M-%S", &local);
    std::string text = name;
    if (sequence > 1) {
        text += '_' + std::to_string(sequence);
    }
    return text + ".csv";
}

bool IsLogFileName(std::string_view name)
{
    // yyyy-mm-dd_hh-mm-ss[_n].csv
    if (name.size() < 23 || !name.ends_with(".csv")) {
        return false;
    }
    name.remove_suffix(4);
    constexpr std::string_view Shape = "dddd-dd-dd_dd-dd-dd";
    for (std::size_t i = 0; i < Shape.size(); ++i) {
        if (Shape[i] == 'd' ? !Digits(name.substr(i, 1)) : name[i] != Shape[i]) {
            return false;
        }
    }
    const std::string_view rest = name.substr(Shape.size());
    return rest.empty() || (rest.front() == '_' && Digits(rest.substr(1)));
}

RetentionResult ApplyRetention(const std::filesystem::path &folder, const Retention &retention,
                               std::chrono::system_clock::time_point now)
{
    RetentionResult result;
    std::vector<LogFile> logs;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code entryError;
        if (!IsLogFileName(it->path().filename().string()) || !it->is_regular_file(entryError)) {
            continue;
        }
        const auto written = it->last_write_time(entryError);
        const auto size = it->file_size(entryError);
        if (!entryError) {
            logs.push_back({it->path(), std::chrono::time_point_cast<std::chrono::system_clock::duration>(std::chrono::file_clock::to_sys(written)), size});
        }
    }
    // Oldest first; the name breaks ties, as it holds the start time.
    std::sort(logs.begin(), logs.end(), [](const LogFile &a, const LogFile &b) {
        return a.written != b.written ? a.written < b.written : a.path < b.path;
    });

    std::uint64_t total = 0;
    for (const LogFile &log : logs) {
        total += log.size;
    }
    const auto oldest = now - std::chrono::hours(24) * retention.keepDays;
    for (const LogFile &log : logs) {
        const bool tooOld = retention.keepDays > 0 && log.written < oldest;
        const bool tooMuch = retention.maxBytes > 0 && total > retention.maxBytes;
        if (!tooOld && !tooMuch) {
            break;
        }
        std::error_code removeError;
        if (std::filesystem::remove(log.path, removeError)) {
            ++result.removed;
            total -= log.size;
        } else if (removeError && result.error.empty()) {
            result.error = log.path.string() + ": " + removeError.message();
        }
    }
    result.bytesKept = total;
    return result;
}

}  // namespace korvane::logs
