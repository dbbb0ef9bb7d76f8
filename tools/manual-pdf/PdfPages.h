#pragma once

// Cutting a laid-out manual into numbered A4 pages of a PDF file.

#include <QPageLayout>
#include <QSizeF>
#include <QString>

class QTextDocument;

namespace korvane::manualpdf {

// A4 portrait with 20 mm margins.
[[nodiscard]] QPageLayout ManualPageLayout();

// The part of a page that holds text, in 1/96 inch: inside the margins and
// above the line that carries the page number.
[[nodiscard]] QSizeF PageBody(const QPageLayout &layout);

// Writes every page of document, laid out for PageBody(layout), to a PDF at
// path with "page / pages" at the foot of each: headings kept with what
// follows them, the contents numbered and linked to their chapters, table
// rules stroked at one width. The document keeps the page breaks and
// numbers it was given. Empty on success, else why not.
[[nodiscard]] QString WritePdf(QTextDocument &document, const QPageLayout &layout, const QString &path,
                               const QString &title);

}  // namespace korvane::manualpdf
