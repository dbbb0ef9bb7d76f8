#include "ImageFiles.h"

#include "model/BikeTypes.h"
#include "model/ParameterFile.h"
#include "model/SafeFile.h"
#include "model/ValueLimits.h"

#include <cerrno>
#include <fstream>
#include <sstream>
#include <system_error>

namespace korvane::cli {

namespace {

FileResult Failure(std::string_view text, const std::filesystem::path &path, const std::string &reason)
{
    return {false, std::string(text) + " " + path.string() + ": " + reason};
}

// Opens for reading; a folder opens fine on Linux but reads as empty, so it is refused here.
bool OpenForReading(const std::filesystem::path &path, std::ifstream &in, std::string &reason)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        reason = "is a folder";
        return false;
    }
    errno = 0;
    in.open(path, std::ios::binary);
    if (!in) {
        reason = errno != 0 ? std::generic_category().message(errno) : "cannot be opened";
        return false;
    }
    return true;
}

FileResult Save(const std::filesystem::path &path, const std::string &content)
{
    std::string reason;
    if (!model::WriteFileAtomically(path, content, &reason)) {
        return {false, std::string(OpenFileErrorText) + " " + reason};
    }
    return {true, {}};
}

}  // namespace

model::ConfigImage StartupImage()
{
    model::ConfigImage image{};
    image[model::Offset::BikeType] = model::StartupBikeType;
    model::DefaultSetSelector selector;
    model::BuildDefaults(image, selector);
    model::ApplyTypeSettings(image);
    model::NormaliseImage(image);
    return image;
}

model::ConfigImage DefaultImage(std::uint8_t bikeType)
{
    model::ConfigImage image{};
    image[model::Offset::BikeType] = model::StartupBikeType;
    model::DefaultSetSelector selector;
    model::BuildDefaults(image, selector);
    image[model::Offset::BikeType] = bikeType;
    model::BuildDefaults(image, selector);
    model::NormaliseImage(image);
    return image;
}

FileResult LoadParameterFile(const std::filesystem::path &path, model::ConfigImage &image, bool &extMonitor)
{
    std::ifstream in;
    std::string reason;
    if (!OpenForReading(path, in, reason)) {
        return Failure(OpenFileErrorText, path, reason);
    }
    model::ConfigImage read = image;
    bool readExtMonitor = extMonitor;
    if (!model::ReadParameterFile(in, read, readExtMonitor)) {
        return {false, std::string(UnmatchedVersionText) + " (" + path.string() + ")"};
    }
    image = read;
    extMonitor = readExtMonitor;
    return {true, {}};
}

FileResult SaveParameterFile(const std::filesystem::path &path, const model::ConfigImage &image, bool extMonitor)
{
    std::ostringstream text(std::ios::binary);
    model::WriteParameterFile(text, image, extMonitor);
    return Save(path, text.str());
}

SnapshotLoad LoadSnapshot(const std::filesystem::path &path, model::ConfigImage &image, model::AllFlags &flags)
{
    std::ifstream in;
    std::string reason;
    if (!OpenForReading(path, in, reason)) {
        return {Failure(OpenFileErrorText, path, reason), 0};
    }
    const std::size_t numbers = model::ReadSnapshot(in, image, flags);
    return {{true, {}}, numbers};
}

FileResult SaveSnapshot(const std::filesystem::path &path, const model::ConfigImage &image,
                        const model::AllFlags &flags)
{
    std::ostringstream text(std::ios::binary);
    model::WriteSnapshot(text, image, flags);
    return Save(path, text.str());
}

}  // namespace korvane::cli
