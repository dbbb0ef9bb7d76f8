#include "PdfPages.h"

#include "ManualFonts.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFont>
#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include <cmath>

namespace korvane::manualpdf {

namespace {

constexpr double DocumentDpi = 96.0;
constexpr double MillimetresPerInch = 25.4;
constexpr int PdfResolution = 600;
// The page number sits this far below the body, in 1/96 inch.
constexpr double FooterHeight = 28.0;

}  // namespace

QPageLayout ManualPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                       QPageLayout::Millimeter);
}

QSizeF PageBody(const QPageLayout &layout)
{
    const QSizeF inside = layout.paintRect(QPageLayout::Millimeter).size() * (DocumentDpi / MillimetresPerInch);
    // Whole units: the layout places lines in 1/64 steps, and a page edge between
    // two steps would let the top row of a pushed-down picture show on the page before.
    return {std::floor(inside.width()), std::floor(inside.height() - FooterHeight)};
}

QString WritePdf(QTextDocument &document, const QPageLayout &layout, const QString &path, const QString &title)
{
    QPdfWriter writer(path);
    writer.setResolution(PdfResolution);
    writer.setPageLayout(layout);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("korvane-manual-pdf"));

    const QSizeF body = PageBody(layout);
    document.setPageSize(body);
    const int pages = document.pageCount();

    QPainter painter;
    if (!painter.begin(&writer))
        return QStringLiteral("cannot write %1").arg(path);
    // The document is laid out in 1/96 inch; the writer counts its own dots.
    const double scale = writer.resolution() / DocumentDpi;
    painter.scale(scale, scale);

    // In document units like everything else under the scaled painter: 8 pt.
    QFont numberFont(TextFamily);
    numberFont.setPixelSize(11);
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        const QRectF slice(0, page * body.height(), body.width(), body.height());
        painter.save();
        painter.translate(0, -slice.top());
        // A picture pushed to the next page starts exactly at this page's
        // lower edge; a viewer would still show its top row here.
        const QRectF clip = slice.adjusted(0, 0, 0, -1);
        painter.setClipRect(clip);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = clip;
        document.documentLayout()->draw(&painter, context);
        painter.restore();

        painter.setFont(numberFont);
        painter.setPen(Qt::black);
        const QRectF foot(0, body.height(), body.width(), FooterHeight);
        painter.drawText(foot, Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("%1 / %2").arg(page + 1).arg(pages));
    }
    if (!painter.end())
        return QStringLiteral("cannot finish %1").arg(path);
    if (QFile(path).size() == 0)
        return QStringLiteral("nothing was written to %1").arg(path);
    return {};
}

}  // namespace korvane::manualpdf
