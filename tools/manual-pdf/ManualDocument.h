#pragma once

// A Markdown manual as a text document ready to be cut into printed pages.

#include <QSizeF>
#include <QString>
#include <QStringList>

class QTextDocument;

namespace korvane::manualpdf {

// Reads the Markdown file at path into document for pages whose printed body
// is pageBody (units of 1/96 inch): DejaVu fonts throughout, tables with
// padded, ruled cells and a repeated header row, images looked up beside the
// file and scaled down to the body width, a new page before every chapter
// (level-1 heading) but the first, headings named for links and a list of
// links to chapters made the contents (see ManualLinks.h). Returns the
// problems found (unreadable file, image that cannot be loaded, link that
// leads to no heading); empty when there are none.
[[nodiscard]] QStringList LoadManual(QTextDocument &document, const QString &path, const QSizeF &pageBody);

// Table cell padding, in 1/96 inch.
inline constexpr double CellPadding = 4.0;
// The body text size, in points.
inline constexpr double TextPointSize = 10.0;

}  // namespace korvane::manualpdf
