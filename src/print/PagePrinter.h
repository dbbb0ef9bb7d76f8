#pragma once

// One page with the window's picture: on the default printer or in a PDF.

#include <QString>

class QImage;
class QPagedPaintDevice;

namespace korvane::print {

// Draws picture at the top left of the printable area, as large as the page
// allows without distorting it. False when the page could not be made.
[[nodiscard]] bool PrintPicture(QPagedPaintDevice &device, const QImage &picture);

// False when no default printer is set up or it does not take the page.
[[nodiscard]] bool PrintOnDefaultPrinter(const QImage &picture);

// An A4 page with 10 mm margins, the printer's default sheet in most of the
// places the program is used.
[[nodiscard]] bool PrintToPdf(const QImage &picture, const QString &path);

}  // namespace korvane::print
