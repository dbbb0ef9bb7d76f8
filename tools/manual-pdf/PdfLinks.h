#pragma once

// Links from one place of a PDF to another. QPdfWriter knows only links to
// addresses (a "#name" becomes an address a viewer cannot follow), so the
// links are added to the finished file as an incremental update, the way
// the PDF format lets a file be amended without rewriting it: new link
// annotations, each page's annotation list again, a new cross-reference
// section that points back to the old one.

#include <QList>
#include <QRectF>
#include <QString>

namespace korvane::manualpdf {

// All in PDF points, y upwards from the page's lower edge; pages from 0.
struct PdfLink {
    int page = 0;
    QRectF area;
    int targetPage = 0;
    double targetTop = 0;
};

// Adds links to the PDF at path, as written by QPdfWriter. Empty on
// success, else why not; the file is left as it was on failure.
[[nodiscard]] QString AddPdfLinks(const QString &path, const QList<PdfLink> &links);

}  // namespace korvane::manualpdf
