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
    const auto fail = [error](const std::string &what, const std::error_code &code) {
        if (error != nullptr) {
            *error = what + ": " + code.message();
        }
        return false;
    };
    std::error_code folderError;
    if (path.has_parent_path()) {
        std::filesystem::create_directories(path.parent_path(), folderError);
    }
    if (folderError) {
        return fail("cannot create " + path.parent_path().string(), folderError);
    }
    // Renaming over a link would replace it with a plain file, so the file it
    // names is written instead, also where that file does not exist yet. Its
    // folder is the user's business: a missing one is reported, not created.
    std::filesystem::path target = path;
    for (int hops = 0;; ++hops) {
        std::error_code linkError;
        if (!std::filesystem::is_symlink(target, linkError)) {
            break;
        }
        const std::filesystem::path next = std::filesystem::read_symlink(target, linkError);
        if (linkError) {
            return fail("cannot follow " + target.string(), linkError);
        }
        if (hops == 40) {
            return fail("cannot follow " + path.string(),
                        std::make_error_code(std::errc::too_many_symbolic_link_levels));
        }
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return model::WriteFileAtomically(target, content, error);
}

}  // namespace korvane::settings
