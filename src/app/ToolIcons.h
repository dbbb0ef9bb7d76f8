#pragma once

// The tool bar's pictures, drawn in code so they scale and need no files.

#include <QIcon>

namespace korvane::app {

[[nodiscard]] QIcon NewIcon();
[[nodiscard]] QIcon OpenIcon();
[[nodiscard]] QIcon SaveIcon();
[[nodiscard]] QIcon PrintIcon();

}  // namespace korvane::app
