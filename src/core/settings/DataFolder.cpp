#include "settings/DataFolder.h"

#include "settings/ConfigFolder.h"

#include <cstdlib>

namespace korvane::settings {

std::filesystem::path DataFolder()
{
    const char *xdg = std::getenv("XDG_DATA_HOME");
    if (xdg != nullptr && std::filesystem::path(xdg).is_absolute()) {
        return std::filesystem::path(xdg) / "Korvane";
    }
    return HomeFolder() / ".local" / "share" / "Korvane";
}

std::filesystem::path HistoryFolder()
{
    return DataFolder() / "history";
}

}  // namespace korvane::settings
