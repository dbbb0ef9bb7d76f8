#include "settings/ConfigFolder.h"

#include "model/SafeFile.h"

#include <cstdlib>
#include <system_error>

#include <pwd.h>
#include <unistd.h>

namespace korvane::settings {

std::filesystem::path HomeFolder()
{
    if (const char *home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return home;
    }
    if (const passwd *entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir != nullptr) {
        return entry->pw_dir;
    }
    return ".";
}

std::filesystem::path ConfigFolder()
{
    const char *xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && std::filesystem::path(xdg).is_absolute()) {
        return std::filesystem::path(xdg) / "Korvane";
    }
    return HomeFolder() / ".config" / "Korvane";
}

std::filesystem::path SettingsFile()
{
    return ConfigFolder() / SettingsFileName;
}

std::filesystem::path SnapshotFile()
{
    return ConfigFolder() / SnapshotFileName;
}

std::filesystem::path MarkerFile()
{
    return ConfigFolder() / MarkerFileName;
}

bool WriteConfigFile(const std::filesystem::path &path, std::string_view content, std::string *error)
{
    std::filesystem::path target = path;
    std::error_code linkError;
    if (std::filesystem::is_symlink(path, linkError)) {
        // Renaming over the link would replace it with a plain file.
        target = std::filesystem::weakly_canonical(path, linkError);
        if (linkError) {
            target = path;
        }
    }
    std::error_code folderError;
    if (target.has_parent_path()) {
        std::filesystem::create_directories(target.parent_path(), folderError);
    }
    if (folderError) {
        if (error != nullptr) {
            *error = "cannot create " + target.parent_path().string() + ": " + folderError.message();
        }
        return false;
    }
    return model::WriteFileAtomically(target, content, error);
}

}  // namespace korvane::settings
