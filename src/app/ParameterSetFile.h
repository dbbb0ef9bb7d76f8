#pragma once

// A parameter file read as File > Open reads it, into a set of its own: the
// file's values over a starting set, the type bytes derived from its model,
// normalised. For comparing with a file and for knowing whether the
// parameters still match the file they came from.

#include "model/ConfigImage.h"

#include <QString>

#include <optional>

namespace korvane::app {

enum class SetFileError { None, CannotOpen, NotParameterFile };

struct SetFileRead {
    std::optional<model::ConfigImage> image;
    SetFileError error = SetFileError::None;
};

[[nodiscard]] SetFileRead ReadParameterSet(const QString &path, const model::ConfigImage &start);

}  // namespace korvane::app
