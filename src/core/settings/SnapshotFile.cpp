#include "settings/SnapshotFile.h"

#include "settings/ConfigFolder.h"

#include <fstream>
#include <sstream>

namespace korvane::settings {

SnapshotRestore RestoreSnapshot(std::istream &in, model::ConfigImage &image, model::AllFlags &flags)
{
    model::ConfigImage readImage = image;
    model::AllFlags readFlags = flags;
    if (model::ReadSnapshot(in, readImage, readFlags) < model::ImageSize) {
        return SnapshotRestore::Incomplete;
    }
    image = readImage;
    flags = readFlags;
    return SnapshotRestore::Restored;
}

SnapshotRestore RestoreSnapshot(const std::filesystem::path &path, model::ConfigImage &image, model::AllFlags &flags)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return SnapshotRestore::Missing;
    }
    return RestoreSnapshot(in, image, flags);
}

bool SaveSnapshot(const std::filesystem::path &path, const model::ConfigImage &image, const model::AllFlags &flags,
                  std::string *error)
{
    std::ostringstream text(std::ios::binary);
    model::WriteSnapshot(text, image, flags);
    return WriteConfigFile(path, text.str(), error);
}

}  // namespace korvane::settings
