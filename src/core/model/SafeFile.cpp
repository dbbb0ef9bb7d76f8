#include "model/SafeFile.h"

#include <atomic>
#include <cerrno>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace korvane::model {

namespace {

void SetError(std::string *error, const std::string &what, int errorNumber)
{
    if (error != nullptr) {
        *error = what + ": " + std::generic_category().message(errorNumber);
    }
}

// A name in the target's folder that no one else uses: created with O_EXCL,
// retried on a clash. Not mkstemp, so that the saved file gets the ordinary
// permissions of a new file (mode 0666 less the umask) instead of 0600.
int CreateUniqueTemp(const std::filesystem::path &path, std::filesystem::path &tempPath)
{
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    // Built by appending: GCC 12 at -O3 mistakes `"." + std::string` for an
    // overlapping copy (-Wrestrict).
    std::string stem(1, '.');
    stem.append(path.filename().native()).append(".tmp-").append(std::to_string(::getpid())).append(1, '-');

    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = stem;
        name.append(std::to_string(counter.fetch_add(1))).append(1, '-').append(std::to_string(random() % 100000));
        tempPath = folder / name;
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

bool WriteAll(int fd, std::string_view content)
{
    const char *data = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// Makes the rename itself durable; a folder that cannot be synced is no failure.
void SyncFolder(const std::filesystem::path &path)
{
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        (void)::close(fd);
    }
}

}  // namespace

bool WriteFileAtomically(const std::filesystem::path &path, std::string_view content, std::string *error)
{
    std::filesystem::path tempPath;
    const int fd = CreateUniqueTemp(path, tempPath);
    if (fd < 0) {
        const int errorNumber = errno;
        SetError(error, "cannot create a temporary file beside " + path.string(), errorNumber);
        return false;
    }

    auto fail = [&](const std::string &what, int errorNumber) {
        std::error_code ignored;
        std::filesystem::remove(tempPath, ignored);
        SetError(error, what, errorNumber);
        return false;
    };

    if (!WriteAll(fd, content)) {
        const int errorNumber = errno;
        (void)::close(fd);
        return fail("cannot write " + tempPath.string(), errorNumber);
    }
    if (::fsync(fd) != 0) {
        const int errorNumber = errno;
        (void)::close(fd);
        return fail("cannot flush " + tempPath.string(), errorNumber);
    }
    if (::close(fd) != 0) {
        const int errorNumber = errno;
        return fail("cannot close " + tempPath.string(), errorNumber);
    }

    // Keep the permissions of the file being replaced.
    std::error_code statusError;
    const std::filesystem::file_status status = std::filesystem::status(path, statusError);
    if (!statusError && std::filesystem::is_regular_file(status)) {
        std::error_code ignored;
        std::filesystem::permissions(tempPath, status.permissions(), ignored);
    }

    std::error_code renameError;
    std::filesystem::rename(tempPath, path, renameError);
    if (renameError) {
        return fail("cannot replace " + path.string(), renameError.value());
    }
    SyncFolder(path);
    return true;
}

}  // namespace korvane::model
