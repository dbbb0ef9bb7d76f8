#pragma once

// The manuals are set in DejaVu, whatever fonts the build machine prefers, so
// every build makes the same PDFs and Czech, German and French letters are
// all there.

#include <QString>

namespace korvane::manualpdf {

inline const QString DefaultFontFolder = QStringLiteral("/usr/share/fonts/truetype/dejavu");
inline const QString TextFamily = QStringLiteral("DejaVu Sans");
inline const QString CodeFamily = QStringLiteral("DejaVu Sans Mono");

// Registers the DejaVu Sans and Sans Mono files of folder with the
// application. Empty on success, else what is missing.
[[nodiscard]] QString PinDejaVuFonts(const QString &folder = DefaultFontFolder);

}  // namespace korvane::manualpdf
