#pragma once

// Writes restore points on a thread of its own, one after another in the
// order they were asked for, so that no frame of a transfer waits for the
// disk (a point is two synced files). A program run's point is marked
// confirmed by a later task on the same queue, so the mark always follows its
// write. Results come back through takeFailures() on the caller's thread.

#include "history/RestorePoints.h"

#include <QThreadPool>

#include <filesystem>
#include <memory>
#include <mutex>
#include <vector>

namespace korvane::app {

class RestorePointWriter {
public:
    // Names a point being written, for confirm().
    struct Token {
        std::shared_ptr<std::filesystem::path> path;  // set by the write when it succeeded
    };

    struct Failure {
        std::filesystem::path folder;
        std::string reason;
    };

    RestorePointWriter();
    ~RestorePointWriter();
    RestorePointWriter(const RestorePointWriter &) = delete;
    RestorePointWriter &operator=(const RestorePointWriter &) = delete;

    Token write(std::filesystem::path folder, history::NewPoint point, history::Retention retention);
    // Marks the point of token confirmed once its write is done; nothing when it failed.
    void confirm(const Token &token);

    // Failed writes since the last call.
    [[nodiscard]] std::vector<Failure> takeFailures();
    // Blocks until every write asked for so far is on disk.
    void waitForDone();

private:
    QThreadPool m_pool;
    std::mutex m_mutex;
    std::vector<Failure> m_failures;
};

}  // namespace korvane::app
