#pragma once

#include <QRect>

namespace korvane::app {

// Whether a stored window placement still lies usably on one of the screens
// there are now (a screen may have gone since it was stored).
[[nodiscard]] bool FitsAScreen(const QRect &rect);

}  // namespace korvane::app
