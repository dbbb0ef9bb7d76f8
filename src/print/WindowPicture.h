#pragma once

// The picture that the printout puts on paper.

#include <QImage>

class QMainWindow;

namespace korvane::print {

// The window's client area as the screen shows it, at screen resolution:
// everything below the menu bar.
[[nodiscard]] QImage ClientAreaPicture(QMainWindow &window);

}  // namespace korvane::print
