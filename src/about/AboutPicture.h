#pragma once

// The picture of the About box, drawn rather than shipped: an ignition map
// surface over a spark-advance curve, with the program's name.

#include <QImage>
#include <QSize>

namespace korvane::about {

inline constexpr QSize AboutPictureSize{535, 552};

[[nodiscard]] QImage DrawAboutPicture();

}  // namespace korvane::about
