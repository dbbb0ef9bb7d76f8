#include "app/RestorePointWriter.h"

namespace korvane::app {

RestorePointWriter::RestorePointWriter()
{
    // One thread: the points reach the disk in the order they were taken,
    // and retention never runs beside another write.
    m_pool.setMaxThreadCount(1);
    m_pool.setObjectName(QStringLiteral("RestorePoints"));
}

RestorePointWriter::~RestorePointWriter()
{
    waitForDone();
}

RestorePointWriter::Token RestorePointWriter::write(std::filesystem::path folder, history::NewPoint point,
                                                    history::Retention retention)
{
    Token token{std::make_shared<std::filesystem::path>()};
    m_pool.start([this, folder = std::move(folder), point = std::move(point), retention, path = token.path] {
        const history::WriteResult result = history::WriteRestorePoint(folder, point, retention);
        if (result.ok) {
            *path = result.path;
            return;
        }
        const std::lock_guard lock(m_mutex);
        m_failures.push_back({result.folder, result.reason});
    });
    return token;
}

void RestorePointWriter::confirm(const Token &token)
{
    // The same single thread runs this after the write, so the path is set
    // (or left empty by a failure) by the time it is read.
    m_pool.start([path = token.path] {
        if (!path->empty())
            (void)history::MarkConfirmed(*path);
    });
}

std::vector<RestorePointWriter::Failure> RestorePointWriter::takeFailures()
{
    const std::lock_guard lock(m_mutex);
    return std::exchange(m_failures, {});
}

void RestorePointWriter::waitForDone()
{
    m_pool.waitForDone();
}

}  // namespace korvane::app
